// Throughput of the road from the socket to the scrollback: 20 MB of seeded
// MUD-like server output through the stream decoder, the ANSI interpreter
// and the text store with word wrap, in 10000-byte blocks as the connection
// poll reads them; and the re-layout of 100 000 stored lines when the window
// width changes.

#include "game/stream_decoder.h"
#include "mud_corpus.h"
#include "scrollback_setup.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

constexpr size_t corpus_bytes = 20 * 1000 * 1000;
constexpr size_t block_bytes = 10000;
constexpr uint64_t corpus_seed = 3102;

int to_display(void *user, const char *bytes, size_t length)
{
    static_cast<xirr_ansi_interpreter *>(user)->display_socket_data(bytes, length);
    return 1;
}
int ignore_tag(void *, const char *, const char *, size_t) { return 1; }
int ignore_echo(void *, int) { return 1; }
int ignore_bell(void *) { return 1; }

const xirr_stream_callbacks text_to_display = {to_display, ignore_tag, ignore_echo, ignore_bell};

void BM_scrollback_ingest(benchmark::State &state)
{
    const std::string corpus = xirr_mud_corpus(corpus_seed, corpus_bytes, XIRR_MUD_CORPUS_WIRE);
    const auto *bytes = reinterpret_cast<const unsigned char *>(corpus.data());
    int lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto display = std::make_unique<th_bench_display>();
        xirr_stream_decoder decoder(&text_to_display, &display->ansi);
        state.ResumeTiming();
        for (size_t at = 0; at < corpus.size(); at += block_bytes)
            decoder.feed(bytes + at, std::min(block_bytes, corpus.size() - at));
        benchmark::ClobberMemory();
        state.PauseTiming();
        lines = display->store.current_line();
        display.reset();
        state.ResumeTiming();
    }
    const double processed = static_cast<double>(state.iterations()) * static_cast<double>(corpus.size());
    state.SetBytesProcessed(static_cast<int64_t>(processed));
    state.counters["MB"] = benchmark::Counter(processed / 1e6, benchmark::Counter::kIsRate);
    state.counters["lines"] = lines;
}

// The display text of the corpus, fed until the store holds 100 000 lines;
// each iteration lays it out for the other of two widths.
void BM_scrollback_relayout(benchmark::State &state)
{
    constexpr int stored_lines = 100000;
    const std::string text = xirr_mud_corpus(corpus_seed, corpus_bytes, XIRR_MUD_CORPUS_TEXT);
    th_bench_display display;
    for (size_t at = 0; at < text.size() && display.store.current_line() < stored_lines; at += block_bytes)
        display.ansi.display_socket_data(text.data() + at, std::min(block_bytes, text.size() - at));
    if (display.store.current_line() < stored_lines) {
        state.SkipWithError("the corpus is too short for 100 000 lines");
        return;
    }
    const int lines = display.store.current_line();
    int width = 800;
    for (auto _ : state) {
        width = width == 800 ? 640 : 800;
        display.store.set_client_size(width, 600);
        benchmark::DoNotOptimize(display.store.current_line());
    }
    state.counters["lines"] = lines;
}

}  // namespace

BENCHMARK(BM_scrollback_ingest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_scrollback_relayout)->Unit(benchmark::kMillisecond);
