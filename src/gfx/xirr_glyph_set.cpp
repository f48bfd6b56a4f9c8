#include "gfx/xirr_glyph_set.h"

#include <new>

#include "gfx/xirr_bitmap.h"

int xirr_glyph::create(int new_width, int new_height)
{
    clear();
    if (new_width < 1 || new_height < 1 || new_width > XIRR_BITMAP_MAX_SIDE ||
        new_height > XIRR_BITMAP_MAX_SIDE)
        return 0;
    coverage.reset(new (std::nothrow) uint8_t[static_cast<size_t>(new_width) * new_height]());
    if (!coverage)
        return 0;
    width = new_width;
    height = new_height;
    return 1;
}

void xirr_glyph::clear()
{
    coverage.reset();
    width = height = 0;
}

xirr_glyph *xirr_glyph_set::slot(int code)
{
    return code >= XIRR_GLYPH_FIRST && code <= XIRR_GLYPH_LAST ? &glyphs[code] : nullptr;
}

const xirr_glyph *xirr_glyph_set::glyph_for_byte(unsigned char byte) const
{
    const xirr_glyph &glyph = glyphs[byte % 128];
    return glyph.is_empty() ? nullptr : &glyph;
}

void xirr_glyph_set::clear_glyphs()
{
    for (xirr_glyph &glyph : glyphs)
        glyph.clear();
}

void xirr_glyph_set::character_extent(int code, int *w, int *h) const
{
    const bool printable = code >= XIRR_GLYPH_FIRST && code <= XIRR_GLYPH_LAST;
    *w = printable ? glyphs[code].get_width() : 0;
    *h = printable ? glyphs[code].get_height() : 0;
}

void xirr_glyph_set::text_extent(const char *text, int *w, int *h) const
{
    *w = *h = 0;
    if (!text)
        return;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; p++) {
        if (const xirr_glyph *glyph = glyph_for_byte(*p)) {
            *w += glyph->get_width();
            *h = glyph->get_height();
        }
    }
}
