#pragma once
// A toolkit font that keeps one pre-rendered coverage mask per printable
// ASCII character, so that text is drawn into an xirr_bitmap by blending
// masks in any colour and measured by adding cached widths, never through
// the toolkit's text drawing.
//
// The masks are made by drawing each character white on black with the font
// in a memory device context and taking the green channel as coverage. They
// are made again by the constructor, SetPointSize and copy_font; changing
// the font through other wxFont setters leaves them stale until
// render_glyphs is called. User-interface thread only.

#include <wx/font.h>
#include <wx/string.h>

#include "gfx/xirr_glyph_set.h"

class xirr_glyph_font : public wxFont, public xirr_glyph_set {
public:
    // Creates the toolkit font and renders the glyphs.
    xirr_glyph_font(int point_size, wxFontFamily family, wxFontStyle style, wxFontWeight weight,
                    bool underlined = false, const wxString &face_name = wxEmptyString,
                    wxFontEncoding encoding = wxFONTENCODING_DEFAULT);

    // The toolkit's size change, then the glyphs rendered again.
    void SetPointSize(int point_size) override;

    // Takes other's family, face name, style, weight and point size (which
    // renders the glyphs). The family goes first because setting it resets
    // the face name to the family's generic one.
    void copy_font(const wxFont &other);

    // Replaces every glyph of 32..126 by the font's current rendering.
    // Returns 1, or 0 after logging when the font is not usable or a glyph
    // could not be made (that slot stays empty).
    int render_glyphs();
};
