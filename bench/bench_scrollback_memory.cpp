// Memory of the scrollback: 250 000 lines of 80 characters shown through
// the ANSI interpreter (each line in two colours, so two runs per line), then
// the bytes the store and the render list hold per stored character, and
// the peak resident size of the process. Run it on its own: the peak
// counts everything the process ever held.

#include "scrollback_setup.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <memory>
#include <string>

namespace {

constexpr int lines = 250000;
constexpr int line_length = 80;

double peak_rss_mb()
{
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;   // ru_maxrss is in KiB
}

// Line n: a colour, 40 characters of words, another colour, 40 more, LF.
std::string line_text(int n)
{
    static const char *const words[] = {"tarn", "heron", "reed", "lantern", "willow", "stone", "mist", "boat"};
    std::string half;
    std::string line = "\x1b[3" + std::to_string(1 + n % 7) + "m";
    for (int part = 0; part < 2; part++) {
        half.clear();
        for (int w = n + part; half.size() < line_length / 2; w = w * 7 + 3)
            half += std::string(words[static_cast<unsigned>(w) % 8]) + " ";
        half.resize(line_length / 2);
        line += half;
        if (part == 0)
            line += "\x1b[1m";
    }
    return line + "\x1b[0m\n";
}

void BM_scrollback_memory(benchmark::State &state)
{
    for (auto _ : state) {
        const double rss_before = peak_rss_mb();
        auto display = std::make_unique<th_bench_display>();
        for (int n = 0; n < lines; n++) {
            const std::string text = line_text(n);
            display->ansi.display_socket_data(text.data(), text.size());
        }
        const double characters = static_cast<double>(lines) * line_length;
        const double store_bytes = static_cast<double>(display->store.memory_bytes());
        const double render_bytes = static_cast<double>(display->ansi.render_list().memory_bytes());
        state.counters["store_B_per_char"] = store_bytes / characters;
        state.counters["render_B_per_char"] = render_bytes / characters;
        state.counters["total_MB"] = (store_bytes + render_bytes) / 1e6;
        state.counters["peak_RSS_MB"] = peak_rss_mb();
        state.counters["RSS_before_MB"] = rss_before;
        state.counters["render_records"] = static_cast<double>(display->ansi.render_list().count());
    }
}

}  // namespace

BENCHMARK(BM_scrollback_memory)->Unit(benchmark::kMillisecond)->Iterations(1);
