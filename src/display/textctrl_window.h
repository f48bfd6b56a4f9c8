#pragma once
// xirr_textctrl: the scrollback control inside every text display, a
// custom-drawn window over an xirr_textctrl_view (store, painting, mouse,
// colour flash). The window turns the toolkit's mouse, capture and focus
// events into calls on the view, paints through the embedded window's
// bitmap, and carries out what the view asks: mouse capture, the X primary
// selection, the browser, scrolling of the owning display.
//
// User-interface thread only.

#include "display/view_textctrl.h"
#include "widgets/embedded_window.h"

class xirr_ansi_display;
class xirr_glyph_font;

class xirr_textctrl : public xirr_embedded_window, private xirr_textctrl_host {
public:
    xirr_textctrl(wxWindow *parent, wxWindowID id, const wxString &name);

    // The display that owns the control: it scrolls, opens links and takes
    // the keyboard focus for it. Set once, right after construction.
    void set_owner(xirr_ansi_display *owner);

    xirr_textctrl_store &store() { return view_.store(); }
    xirr_textctrl_view &view() { return view_; }
    // Draws with font's glyphs from now on (font must outlive the control or
    // the next call) and lays the text out again with its metrics.
    void set_font(const xirr_glyph_font *font);

    void compute_layout(int bitmap_recreated) override;
    void render(xirr_bitmap &bitmap) override;
    int animation_callback(int elapsed_ms) override;

private:
    void capture_mouse() override;
    void release_mouse() override;
    void repaint() override;
    void set_clipboard_data(const std::string &text) override;
    void open_url(const char *address) override;
    void start_animation() override;
    void scrolled() override;
    int url_hotlinking() override;

    void OnMouse(wxMouseEvent &event);
    void OnCaptureLost(wxMouseCaptureLostEvent &event);
    void OnFocus(wxFocusEvent &event);

    xirr_textctrl_view view_{this};
    xirr_ansi_display *owner_ = nullptr;

    wxDECLARE_EVENT_TABLE();
};
