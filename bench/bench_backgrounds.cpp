// Generation time of each background style at 1024 x 768 (the picture of a
// window up to 1023 x 767), drawn into one bitmap over and over as a forced
// regeneration does.

#include "display/background_styles.h"
#include "display/themes.h"
#include "gfx/xirr_bitmap.h"

#include <benchmark/benchmark.h>

namespace {

void BM_background(benchmark::State &state)
{
    const int style = static_cast<int>(state.range(0));
    xirr_bitmap bitmap(1024, 768);
    const xirr_background_theme &colours = xirr_background_theme_for(2);
    for (auto _ : state) {
        xirr_draw_background(bitmap, style, colours);
        benchmark::DoNotOptimize(bitmap.GetRow(0));
        benchmark::ClobberMemory();
    }
    state.counters["Mpixel"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * 1024 * 768 / 1e6, benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_background)
    ->ArgName("style")
    ->Arg(XIRR_BACKGROUND_NONE)
    ->Arg(XIRR_BACKGROUND_SOLID)
    ->Arg(XIRR_BACKGROUND_MAZE1)
    ->Arg(XIRR_BACKGROUND_MAZE2)
    ->Arg(XIRR_BACKGROUND_BUBBLES)
    ->Arg(XIRR_BACKGROUND_MAZE3)
    ->Unit(benchmark::kMillisecond);
