#pragma once
// xirr_embedded_window: the base of every custom-drawn display (text
// displays, gauges, status bar and sky, group display, automap, image
// buttons). A borderless child window that owns an off-screen xirr_bitmap of
// its size: a subclass draws its whole content into the bitmap in render(),
// and every paint copies the finished picture to the screen in one step, so
// nothing half-drawn is ever shown and the background is never erased.
//
// The base also runs the border flash (see border_flash.h) through the
// shared animation list xirr_display_animations, which the main window ticks
// every 20 ms. User-interface thread only.

#include "gfx/xirr_bitmap.h"
#include "widgets/animation_list.h"
#include "widgets/border_flash.h"

#include <wx/bitmap.h>
#include <wx/window.h>

#include <memory>

class xirr_embedded_window : public wxWindow, public xirr_animated {
public:
    // Creates the child window without border at position with size, and a
    // bitmap of that size (each side at least 1).
    xirr_embedded_window(wxWindow *parent, wxWindowID id, const wxString &name,
                         const wxPoint &position = wxDefaultPosition,
                         const wxSize &size = wxSize(20, 20));

    // Recomputes the geometry for the current size; bitmap_recreated is 1
    // when the bitmap was just replaced by one of the new size.
    virtual void compute_layout(int bitmap_recreated) = 0;
    // Draws everything into bitmap (the window's own, of its client size).
    virtual void render(xirr_bitmap &bitmap) = 0;
    // The base version is for windows that never animate: it logs an error
    // and returns 0, so such a window leaves the animation list at once.
    // Windows that flash return flash_step(elapsed_ms).
    int animation_callback(int elapsed_ms) override;

    // Moves and resizes the window; sizes below 1 count as 1. A new size
    // replaces the bitmap; compute_layout() then runs, told whether it did.
    virtual void set_position_and_size(int x, int y, int width, int height);
    // The same without moving the window.
    virtual void set_size(int width, int height);
    // compute_layout(1).
    virtual void relayout();

    // Asks the toolkit to repaint the whole window without erasing it.
    void refresh();

    // Starts (or restarts) the border flash and joins the animation list.
    void start_flash();

protected:
    // Advances the flash and refreshes when its blink phase changed; returns
    // 1 while it runs. The animation callback of windows that flash.
    int flash_step(int elapsed_ms);
    // Draws the frame for these sides into the bitmap as the flash state
    // wants it (see xirr_border_flash::draw_border); for render().
    void draw_border(int sides);

    xirr_bitmap &bitmap() { return *bitmap_; }
    // Half-periods of the border flash still to run; 0 when it is not running.
    int flash_counter() const { return flash_.counter(); }

private:
    // Replaces the bitmap when the size differs; returns 1 when it did.
    int resize_bitmap(int width, int height);
    void OnPaint(wxPaintEvent &event);

    std::unique_ptr<xirr_bitmap> bitmap_;
    wxBitmap screen_copy_;   // the toolkit bitmap the picture is copied through
    xirr_border_flash flash_;

    wxDECLARE_EVENT_TABLE();
};
