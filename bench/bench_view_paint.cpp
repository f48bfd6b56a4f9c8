// A full repaint of a scrollback view of 984 x 728 pixels, as the main
// display does once per batch of server text: clear to the background, then
// every visible line from the store, chunk by chunk, one glyph blend per
// character. Measured on game text as it comes (short lines) and on text
// that fills every line, each with nothing selected (every glyph blended
// over the background) and with everything selected (every glyph drawn
// opaque on dark grey).
//
// No display is needed: the glyph masks are synthesised at the size the
// 8-point main text font renders here (6 x 13), about 60 % of pixels
// without ink, 15 % full ink and the rest partial. The text is the seeded
// MUD corpus run through the ANSI interpreter into the store, so lines are
// made of runs of many colours; for full lines its line ends become spaces
// and word wrap breaks the text at the view's width.

#include "display/ansi_interpreter.h"
#include "display/selection.h"
#include "display/text_store.h"
#include "display/view_painter.h"
#include "gfx/xirr_bitmap.h"
#include "gfx/xirr_glyph_set.h"
#include "mud_corpus.h"
#include "synthetic_glyphs.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using th_bench::glyph_h;
using th_bench::glyph_w;
constexpr int view_w = 984, view_h = 728;

struct view_fixture {
    explicit view_fixture(int full_lines)
    {
        th_bench::synthesise_glyphs(glyphs);
        int widths[256];
        store.set_metrics(widths, xirr_view_metrics(glyphs, 0, widths));
        store.set_client_size(view_w, view_h);
        std::string text = xirr_mud_corpus(3102, 400000, XIRR_MUD_CORPUS_TEXT);
        if (full_lines)
            for (char &c : text)
                c = c == '\n' ? ' ' : c;
        ansi.display_socket_data(text.data(), text.size());
    }

    xirr_glyph_set glyphs;
    xirr_textctrl_store store;
    xirr_ansi_interpreter ansi{&store};
    xirr_bitmap view{view_w, view_h};
};

// Characters drawn by one repaint (those with a glyph on the visible lines).
double visible_characters(xirr_textctrl_store &store)
{
    double count = 0;
    const int lines = view_h / glyph_h + 1;
    for (int i = store.display_line(); i > store.display_line() - lines && i >= 0; i--) {
        std::string text;
        store.line_text(i, &text);
        for (char c : text)
            count += c > ' ' && c < 127;
    }
    return count;
}

void paint(benchmark::State &state, int full_lines, int selected)
{
    view_fixture f(full_lines);
    xirr_selection selection;
    if (selected) {
        selection.active = 1;
        selection.start = {0, 0};
        selection.end = {f.store.current_line(), 1 << 30};
    }
    for (auto _ : state) {
        xirr_paint_text_view(f.view, f.glyphs, f.store, selection, {0, 0, 0});
        benchmark::ClobberMemory();
    }
    state.counters["glyphs"] = visible_characters(f.store);
}

void BM_view_paint_game_text(benchmark::State &state) { paint(state, 0, 0); }
void BM_view_paint_game_text_selected(benchmark::State &state) { paint(state, 0, 1); }
void BM_view_paint_full_lines(benchmark::State &state) { paint(state, 1, 0); }
void BM_view_paint_full_lines_selected(benchmark::State &state) { paint(state, 1, 1); }

}  // namespace

BENCHMARK(BM_view_paint_game_text)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_view_paint_game_text_selected)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_view_paint_full_lines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_view_paint_full_lines_selected)->Unit(benchmark::kMillisecond);
