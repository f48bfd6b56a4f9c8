#include "gfx/xirr_glyph_font.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include "foundation/debug_log.h"

xirr_glyph_font::xirr_glyph_font(int point_size, wxFontFamily family, wxFontStyle style,
                                 wxFontWeight weight, bool underlined, const wxString &face_name,
                                 wxFontEncoding encoding)
    : wxFont(point_size, family, style, weight, underlined, face_name, encoding)
{
    render_glyphs();
}

void xirr_glyph_font::SetPointSize(int point_size)
{
    wxFont::SetPointSize(point_size);
    render_glyphs();
}

void xirr_glyph_font::copy_font(const wxFont &other)
{
    if (!other.IsOk()) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in xirr_glyph_font::copy_font(), the other font is not usable.\n");
        return;
    }
    SetFamily(other.GetFamily());
    SetFaceName(other.GetFaceName());
    SetStyle(other.GetStyle());
    SetWeight(other.GetWeight());
    SetPointSize(other.GetPointSize());
}

int xirr_glyph_font::render_glyphs()
{
    clear_glyphs();
    if (!IsOk()) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in xirr_glyph_font::render_glyphs(), the font is not usable.\n");
        return 0;
    }
    int ok = 1;
    // Measuring needs a bitmap in the device context too; the selection
    // resets the context's state, so the font is set after each one.
    wxBitmap scratch(1, 1, 24);
    wxMemoryDC dc;
    for (int code = XIRR_GLYPH_FIRST; code <= XIRR_GLYPH_LAST; code++) {
        const wxString text(static_cast<wxUniChar>(code));
        dc.SelectObject(scratch);
        dc.SetFont(*this);
        wxCoord w = 0, h = 0;
        dc.GetTextExtent(text, &w, &h);
        xirr_glyph *glyph = slot(code);
        wxBitmap picture;
        if (w < 1 || h < 1 || !picture.Create(w, h, 24) || !glyph->create(w, h)) {
            if (xirr_debug_level > 0)
                xirr_debug_printf("Error in xirr_glyph_font::render_glyphs(), no glyph for code %d (%d x %d).\n",
                                  code, static_cast<int>(w), static_cast<int>(h));
            ok = 0;
            continue;
        }
        dc.SelectObject(picture);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        dc.SetFont(*this);
        dc.SetTextForeground(*wxWHITE);
        dc.SetTextBackground(*wxBLACK);
        dc.DrawText(text, 0, 0);
        dc.SelectObject(wxNullBitmap);

        // White ink on black: the green byte of each pixel is its coverage.
        const wxImage image = picture.ConvertToImage();
        const unsigned char *rgb = image.GetData();
        for (int y = 0; y < h; y++) {
            uint8_t *row = glyph->row(y);
            for (int x = 0; x < w; x++)
                row[x] = rgb[(static_cast<size_t>(y) * w + x) * 3 + 1];
        }
    }
    return ok;
}
