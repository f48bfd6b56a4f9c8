#include "display/view_painter.h"

#include "display/selection.h"
#include "display/text_store.h"
#include "foundation/debug_log.h"
#include "gfx/xirr_bitmap.h"
#include "gfx/xirr_glyph_set.h"

#include <mutex>

namespace {

xirr_rgb chunk_colour(const xirr_textctrl_chunk *chunk)
{
    return {static_cast<int>(chunk->rgb >> 16), static_cast<int>((chunk->rgb >> 8) & 0xff),
            static_cast<int>(chunk->rgb & 0xff)};
}

void paint_line(xirr_bitmap &bitmap, const xirr_glyph_set &glyphs, const int *widths,
                const xirr_textctrl_line &line, int y, int selected, int first, int last)
{
    const int right = bitmap.GetWidth();
    int x = 1;
    int offset = 0;
    for (const xirr_textctrl_chunk *chunk = line.first; chunk; chunk = chunk->next) {
        const xirr_rgb colour = chunk_colour(chunk);
        for (int i = 0; i < chunk->length; i++, offset++) {
            const unsigned char c = static_cast<unsigned char>(chunk->text[i]);
            const int width = widths[c];
            const xirr_glyph *glyph = glyphs.glyph_for_byte(c);
            if (width == 0 || !glyph)
                continue;
            if (selected && offset >= first && offset <= last)
                bitmap.DrawTextGlyph(*glyph, x, y, colour, XIRR_SELECTION_BACKGROUND);
            else
                bitmap.DrawTextGlyphTransparent(*glyph, x, y, colour);
            x += width;
            if (x >= right)
                return;
        }
    }
}

}  // namespace

int xirr_view_metrics(const xirr_glyph_set &glyphs, int compact, int widths[256])
{
    for (int c = 0; c < 256; c++) {
        int h = 0;
        widths[c] = 0;
        glyphs.character_extent(c, &widths[c], &h);
    }
    int w = 0, h = 0;
    glyphs.character_extent('f', &w, &h);
    return compact ? h - 1 : h;
}

void xirr_paint_text_view(xirr_bitmap &bitmap, const xirr_glyph_set &glyphs, xirr_textctrl_store &store,
                          const xirr_selection &selection, xirr_rgb background)
{
    bitmap.Clear(background);
    std::lock_guard<xirr_textctrl_store> guard(store);
    const int h = store.font_height();
    if (h < 1) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("Error in xirr_textctrl::repaint_internal(), font height %d.\n", h);
        return;
    }
    const int *widths = store.char_widths();
    int y = bitmap.GetHeight() - h - 1;
    for (int index = store.display_line(); y > -h && index >= 0; index--, y -= h) {
        const xirr_textctrl_line *line = store.line(index);
        if (!line)
            continue;   // the display line may lie below the last line
        int first = 0, last = -1;
        const int selected = selection.line_range(index, &first, &last);
        paint_line(bitmap, glyphs, widths, *line, y, selected, first, last);
    }
}
