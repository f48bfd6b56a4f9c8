#include "gfx/shared_fonts.h"

#include <memory>

#include "foundation/debug_log.h"
#include "gfx/xirr_glyph_font.h"

namespace {

std::unique_ptr<xirr_glyph_font> main_text_font, small_button_font, status_font;

}  // namespace

int xirr_create_shared_fonts(int main_font_size)
{
    if (main_text_font) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in xirr_create_shared_fonts(), the fonts already exist.\n");
        return 0;
    }
    if (main_font_size < 1) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in xirr_create_shared_fonts(), font size %d, using 8.\n", main_font_size);
        main_font_size = 8;
    }
    main_text_font = std::make_unique<xirr_glyph_font>(main_font_size, wxFONTFAMILY_MODERN,
                                                       wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    small_button_font = std::make_unique<xirr_glyph_font>(6, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_NORMAL,
                                                          wxFONTWEIGHT_NORMAL);
    status_font = std::make_unique<xirr_glyph_font>(8, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_NORMAL,
                                                    wxFONTWEIGHT_NORMAL);
    int w = 0, h = 0, ok = 1;
    for (const xirr_glyph_font *font : {main_text_font.get(), small_button_font.get(), status_font.get()}) {
        font->character_extent('M', &w, &h);
        ok = ok && w > 0 && h > 0;
    }
    if (!ok && xirr_debug_level > 0)
        xirr_debug_printf("Error in xirr_create_shared_fonts(), a font has no glyphs.\n");
    if (ok && xirr_debug_level > 1) {
        main_text_font->character_extent('M', &w, &h);
        xirr_debug_printf("DEBUG - main text font %d pt, glyph 'M' %d x %d.\n", main_font_size, w, h);
    }
    return ok;
}

void xirr_destroy_shared_fonts()
{
    main_text_font.reset();
    small_button_font.reset();
    status_font.reset();
}

xirr_glyph_font *xirr_main_text_font() { return main_text_font.get(); }
xirr_glyph_font *xirr_small_button_font() { return small_button_font.get(); }
xirr_glyph_font *xirr_status_font() { return status_font.get(); }
