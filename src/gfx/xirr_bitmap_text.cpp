// Glyph blends and text drawing of xirr_bitmap: the hot path of every text
// display, one blend per glyph pixel on row pointers, clipped once per
// glyph.

#include "gfx/pixel_format.h"
#include "gfx/xirr_bitmap.h"
#include "gfx/xirr_glyph_set.h"

namespace {

// The blends work on whole pixel words, red and blue together in one
// multiply and green in another: each channel's sum a * (255 - C) + b * C
// stays below 2^16 and so never carries into its neighbour, which gives
// exactly the per-channel (...) >> 8. The masks below assume the byte order
// of the pixel words.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "pixel words are r, g, b, a from the low byte");
constexpr uint32_t red_blue_bits = 0x00ff00ffu, green_bits = 0x0000ff00u, alpha_bits = 0xff000000u;

// A colour split into its red-and-blue and green parts.
struct channel_pairs {
    explicit channel_pairs(xirr_rgb colour) : channel_pairs(xirr_rgb_word(colour)) {}
    explicit channel_pairs(uint32_t word) : rb(word & red_blue_bits), g(word & green_bits) {}
    uint32_t rb, g;
};

// (a * wa + b * wb) >> 8 per channel, with wa + wb = 255; alpha bits 0.
inline uint32_t blend(const channel_pairs &a, uint32_t wa, const channel_pairs &b, uint32_t wb)
{
    return (((a.rb * wa + b.rb * wb) >> 8) & red_blue_bits) | (((a.g * wa + b.g * wb) >> 8) & green_bits);
}

// The part of a glyph placed at (x, y) that lands on a w x h target: glyph
// columns gx..gx+cols-1 and rows gy..gy+rows-1 go to target (tx, ty).
struct glyph_clip {
    int gx, gy, tx, ty, cols, rows;
};

int clip_glyph(const xirr_glyph &glyph, int x, int y, int w, int h, glyph_clip *c)
{
    int left, right, top, bottom;
    if (!xirr_clip_span(x, int64_t{x} + glyph.get_width() - 1, w, &left, &right) ||
        !xirr_clip_span(y, int64_t{y} + glyph.get_height() - 1, h, &top, &bottom))
        return 0;
    c->tx = left;
    c->ty = top;
    c->gx = static_cast<int>(left - int64_t{x});
    c->gy = static_cast<int>(top - int64_t{y});
    c->cols = right - left + 1;
    c->rows = bottom - top + 1;
    return 1;
}

}  // namespace

void xirr_bitmap::DrawTextGlyph(const xirr_glyph &glyph, int x, int y, xirr_rgb foreground,
                                xirr_rgb background)
{
    if (!IsOk()) {
        xirr_log_pixel_data_failed("DrawTextGlyph", " dest");
        return;
    }
    glyph_clip c;
    if (glyph.is_empty() || !clip_glyph(glyph, x, y, width, height, &c))
        return;
    const channel_pairs fg(foreground), bg(background);
    const uint32_t background_word = bg.rb | bg.g;
    for (int row = 0; row < c.rows; row++) {
        const uint8_t *coverage = glyph.row(c.gy + row) + c.gx;
        uint32_t *p = Pixels(c.tx, c.ty + row);
        for (int col = 0; col < c.cols; col++, p++) {
            const uint32_t ink = coverage[col], paper = 255 - ink;
            const uint32_t rgb = ink == 0 ? background_word : blend(bg, paper, fg, ink);
            *p = (*p & alpha_bits) | rgb;
        }
    }
}

void xirr_bitmap::DrawTextGlyphTransparent(const xirr_glyph &glyph, int x, int y, xirr_rgb colour)
{
    if (!IsOk()) {
        xirr_log_pixel_data_failed("DrawTextGlyphTransparent", " dest");
        return;
    }
    glyph_clip c;
    if (glyph.is_empty() || !clip_glyph(glyph, x, y, width, height, &c))
        return;
    const channel_pairs ink_colour(colour);
    for (int row = 0; row < c.rows; row++) {
        const uint8_t *coverage = glyph.row(c.gy + row) + c.gx;
        uint32_t *p = Pixels(c.tx, c.ty + row);
        for (int col = 0; col < c.cols; col++, p++) {
            const uint32_t ink = coverage[col];
            if (ink == 0)
                continue;
            *p = (*p & alpha_bits) | blend(channel_pairs(*p), 255 - ink, ink_colour, ink);
        }
    }
}

namespace {

// Walks text's glyphs from x for DrawText and DrawTextTransparent, calling
// draw(glyph, x) for each; stops at the right edge, which also keeps x from
// overflowing on endless text.
template <class Draw>
void walk_text(const xirr_glyph_set &font, const char *text, int x, int y, int w, int h, Draw draw)
{
    if (!text || y > h || x > w)
        return;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p && x < w; p++) {
        const xirr_glyph *glyph = font.glyph_for_byte(*p);
        if (!glyph)
            continue;
        draw(*glyph, x);
        x += glyph->get_width();
    }
}

}  // namespace

void xirr_bitmap::DrawText(const xirr_glyph_set &font, const char *text, int x, int y,
                           xirr_rgb foreground, xirr_rgb background)
{
    walk_text(font, text, x, y, width, height,
              [&](const xirr_glyph &glyph, int gx) { DrawTextGlyph(glyph, gx, y, foreground, background); });
}

void xirr_bitmap::DrawTextTransparent(const xirr_glyph_set &font, const char *text, int x, int y,
                                      xirr_rgb colour)
{
    walk_text(font, text, x, y, width, height,
              [&](const xirr_glyph &glyph, int gx) { DrawTextGlyphTransparent(glyph, gx, y, colour); });
}
