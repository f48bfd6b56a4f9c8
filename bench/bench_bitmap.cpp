// Cost of the drawing primitives on the text displays' hot path: the two
// glyph blends in ns per glyph, a full clear of a 1024 x 768 bitmap, and a
// full 984 x 728 text view (clear, then every row filled with glyphs), with
// glyphs of the size the 8-point main text font renders here (6 x 13).
//
// The masks are synthesised, so the benchmark needs no display: a seeded
// mix like anti-aliased text, about 60 % of pixels without ink, 15 % full
// ink and the rest partial coverage. The text is the seeded MUD corpus with
// its escape sequences and line ends removed.

#include "gfx/xirr_bitmap.h"
#include "gfx/xirr_glyph_set.h"
#include "mud_corpus.h"
#include "synthetic_glyphs.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using th_bench::glyph_h;
using th_bench::glyph_w;
constexpr int view_w = 984, view_h = 728;

// Printable corpus text, one string per view row, each as wide as the view.
std::vector<std::string> view_rows()
{
    const std::string corpus = xirr_mud_corpus(3102, 200000, XIRR_MUD_CORPUS_TEXT);
    std::string text;
    for (size_t i = 0; i < corpus.size(); i++) {
        if (corpus[i] == '\x1b') {   // skip to the final byte of the sequence
            while (i + 1 < corpus.size() && !(corpus[i + 1] >= '@' && corpus[i + 1] <= '~' && corpus[i + 1] != '['))
                i++;
            i++;
        } else if (corpus[i] >= 32 && corpus[i] < 127) {
            text += corpus[i];
        }
    }
    const size_t columns = view_w / glyph_w;
    std::vector<std::string> rows;
    for (int r = 0; r < view_h / glyph_h; r++)
        rows.push_back(text.substr(r * columns, columns));
    return rows;
}

// Blends one glyph at every cell of a 984 x 728 target, row after row.
template <class Blend>
void glyph_grid(benchmark::State &state, Blend blend)
{
    xirr_glyph_set font;
    th_bench::synthesise_glyphs(font);
    xirr_bitmap target(view_w, view_h);
    const xirr_glyph &glyph = *font.glyph_for_byte('m');
    int64_t glyphs = 0;
    for (auto _ : state) {
        for (int y = 0; y + glyph_h <= view_h; y += glyph_h)
            for (int x = 0; x + glyph_w <= view_w; x += glyph_w, glyphs++)
                blend(target, glyph, x, y);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(glyphs);
    // Seconds per glyph, printed with its SI prefix (e.g. "60ns").
    state.counters["per_glyph"] =
        benchmark::Counter(static_cast<double>(glyphs), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_glyph_opaque(benchmark::State &state)
{
    glyph_grid(state, [](xirr_bitmap &t, const xirr_glyph &g, int x, int y) {
        t.DrawTextGlyph(g, x, y, {192, 192, 192}, {0, 0, 0});
    });
}

void BM_glyph_transparent(benchmark::State &state)
{
    glyph_grid(state, [](xirr_bitmap &t, const xirr_glyph &g, int x, int y) {
        t.DrawTextGlyphTransparent(g, x, y, {255, 255, 0});
    });
}

void BM_clear_1024x768(benchmark::State &state)
{
    xirr_bitmap target(1024, 768);
    for (auto _ : state) {
        target.Clear({0, 0, 0});
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 1024 * 768 * 4);
}

// What a text display's repaint costs: clear to the background, then every
// row of the view drawn as one run of text, blended over the background as
// unselected text is.
void BM_text_view_984x728(benchmark::State &state)
{
    xirr_glyph_set font;
    th_bench::synthesise_glyphs(font);
    const std::vector<std::string> rows = view_rows();
    xirr_bitmap view(view_w, view_h);
    for (auto _ : state) {
        view.Clear({0, 0, 0});
        int y = view_h - glyph_h - 1;
        for (size_t r = 0; r < rows.size(); r++, y -= glyph_h)
            view.DrawTextTransparent(font, rows[r].c_str(), 1, y, {192, 192, 192});
        benchmark::ClobberMemory();
    }
    state.counters["glyphs"] = static_cast<double>(rows.size() * rows[0].size());
}

}  // namespace

BENCHMARK(BM_glyph_opaque)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_glyph_transparent)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_clear_1024x768)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_text_view_984x728)->Unit(benchmark::kMillisecond);
