#pragma once
// Glyph masks for the drawing benchmarks, made without a display: every
// printable character glyph_w x glyph_h pixels, the size the 8-point
// main text font renders here, the space blank and every other character a
// seeded mix like anti-aliased text: about 60 % of pixels without ink, 15 %
// full ink and the rest partial coverage. The same seed gives every
// benchmark the same masks.

#include "gfx/xirr_glyph_set.h"

#include <random>

namespace th_bench {

constexpr int glyph_w = 6, glyph_h = 13;

inline void synthesise_glyphs(xirr_glyph_set &glyphs)
{
    std::mt19937 random(4007);
    std::uniform_int_distribution<int> percent(0, 99), partial(1, 254);
    for (int code = XIRR_GLYPH_FIRST; code <= XIRR_GLYPH_LAST; code++) {
        xirr_glyph *glyph = glyphs.slot(code);
        glyph->create(glyph_w, glyph_h);
        if (code == ' ')
            continue;
        for (int y = 0; y < glyph_h; y++)
            for (int x = 0; x < glyph_w; x++) {
                const int p = percent(random);
                glyph->row(y)[x] = static_cast<uint8_t>(p < 60 ? 0 : p < 75 ? 255 : partial(random));
            }
    }
}

}  // namespace th_bench
