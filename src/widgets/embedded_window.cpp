#include "widgets/embedded_window.h"

#include "foundation/debug_log.h"
#include "gfx/xirr_bitmap_to_wx.h"

#include <wx/dcclient.h>

#include <algorithm>

wxBEGIN_EVENT_TABLE(xirr_embedded_window, wxWindow)
    EVT_PAINT(xirr_embedded_window::OnPaint)
wxEND_EVENT_TABLE()

xirr_embedded_window::xirr_embedded_window(wxWindow *parent, wxWindowID id, const wxString &name,
                                           const wxPoint &position, const wxSize &size)
    : wxWindow(parent, id, position, size, wxBORDER_NONE, name),
      bitmap_(std::make_unique<xirr_bitmap>(std::max(size.x, 1), std::max(size.y, 1)))
{
    // Every pixel is painted from the bitmap: the toolkit must not erase the
    // window first (no erase events, no flicker).
    SetBackgroundStyle(wxBG_STYLE_PAINT);
}

int xirr_embedded_window::animation_callback(int)
{
    if (xirr_debug_level >= 1)
        xirr_debug_printf("Error in xirr_embedded_window::animation_callback(), this handler should "
                          "never be called.\n");
    return 0;
}

int xirr_embedded_window::resize_bitmap(int width, int height)
{
    if (bitmap_->GetWidth() == width && bitmap_->GetHeight() == height)
        return 0;
    bitmap_ = std::make_unique<xirr_bitmap>(width, height);
    return 1;
}

void xirr_embedded_window::set_position_and_size(int x, int y, int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    const int recreated = resize_bitmap(width, height);
    SetSize(x, y, width, height, wxSIZE_ALLOW_MINUS_ONE);
    compute_layout(recreated);
}

void xirr_embedded_window::set_size(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    const int recreated = resize_bitmap(width, height);
    SetSize(width, height);
    compute_layout(recreated);
}

void xirr_embedded_window::relayout()
{
    compute_layout(1);
}

void xirr_embedded_window::refresh()
{
    Refresh(false);
}

void xirr_embedded_window::start_flash()
{
    flash_.start();
    xirr_display_animations.add(this);
    if (flash_.redraw_due())
        refresh();
}

int xirr_embedded_window::flash_step(int elapsed_ms)
{
    const int running = flash_.step(elapsed_ms);
    if (flash_.redraw_due())
        refresh();
    return running;
}

void xirr_embedded_window::draw_border(int sides)
{
    flash_.draw_border(*bitmap_, sides);
}

void xirr_embedded_window::OnPaint(wxPaintEvent &)
{
    wxPaintDC dc(this);
    if (!IsShown())
        return;
    render(*bitmap_);
    if (xirr_bitmap_to_wx(*bitmap_, &screen_copy_))
        dc.DrawBitmap(screen_copy_, 0, 0, false);
}
