// Throughput of the stream decoder on 20 MB of seeded MUD-like server output,
// fed in 10000-byte blocks as the connection poll reads them, with callbacks
// that do nothing.

#include "game/stream_decoder.h"
#include "mud_corpus.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

namespace {

constexpr size_t corpus_bytes = 20 * 1000 * 1000;
constexpr size_t block_bytes = 10000;
constexpr uint64_t corpus_seed = 3102;

int ignore_text(void *, const char *bytes, size_t) {
    benchmark::DoNotOptimize(bytes);
    return 1;
}
int ignore_tag(void *, const char *name, const char *, size_t) {
    benchmark::DoNotOptimize(name);
    return 1;
}
int ignore_echo(void *, int) { return 1; }
int ignore_bell(void *) { return 1; }

const xirr_stream_callbacks no_ops = {ignore_text, ignore_tag, ignore_echo, ignore_bell};

void BM_stream_decoder(benchmark::State &state) {
    const std::string corpus = xirr_mud_corpus(corpus_seed, corpus_bytes, XIRR_MUD_CORPUS_WIRE);
    const auto *bytes = reinterpret_cast<const unsigned char *>(corpus.data());
    xirr_stream_decoder decoder(&no_ops, nullptr);
    for (auto _ : state) {
        for (size_t at = 0; at < corpus.size(); at += block_bytes)
            decoder.feed(bytes + at, std::min(block_bytes, corpus.size() - at));
        benchmark::ClobberMemory();
    }
    const double processed = static_cast<double>(state.iterations()) * static_cast<double>(corpus.size());
    state.SetBytesProcessed(static_cast<int64_t>(processed));
    state.counters["MB"] = benchmark::Counter(processed / 1e6, benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_stream_decoder)->Unit(benchmark::kMillisecond);
