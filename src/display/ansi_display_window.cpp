#include "display/ansi_display_window.h"

#include "display/textctrl_window.h"
#include "gfx/xirr_bitmap.h"

#include <wx/scrolbar.h>
#include <wx/settings.h>

#include <algorithm>

wxBEGIN_EVENT_TABLE(xirr_ansi_display, xirr_embedded_window)
    EVT_SCROLL(xirr_ansi_display::OnScroll)
    EVT_SET_FOCUS(xirr_ansi_display::OnFocus)
wxEND_EVENT_TABLE()

namespace {

// The frame: an outer rectangle at the window's edge and an inner one
// inside it, over the width left of the scroll bar.
void draw_frame(xirr_bitmap &bitmap, int width, xirr_rgb outer, xirr_rgb inner)
{
    const int h = bitmap.GetHeight();
    const xirr_rgb colours[2] = {outer, inner};
    for (int inset = 0; inset < 2; inset++) {
        const int x1 = inset, y1 = inset, x2 = width - 1 - inset, y2 = h - 1 - inset;
        const xirr_rgb c = colours[inset];
        bitmap.DrawLine(x1, y1, x2, y1, c);
        bitmap.DrawLine(x1, y2, x2, y2, c);
        bitmap.DrawLine(x1, y1, x1, y2, c);
        bitmap.DrawLine(x2, y1, x2, y2, c);
    }
}

}  // namespace

xirr_ansi_display::xirr_ansi_display(wxWindow *parent, wxWindowID id, const wxString &name,
                                     const xirr_glyph_font *font, const xirr_display_callbacks *callbacks,
                                     void *user)
    : xirr_embedded_window(parent, id, name),
      callbacks_(callbacks),
      user_(user),
      text_(new xirr_textctrl(this, wxID_ANY, name + "_text")),
      scroll_bar_(new wxScrollBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL,
                                  wxDefaultValidator, "scrollBar")),
      interpreter_(&text_->store()),
      scroll_(&text_->store())
{
    text_->set_owner(this);
    text_->set_font(font);
    relayout();
}

void xirr_ansi_display::display_socket_data(const char *bytes, size_t length)
{
    interpreter_.display_socket_data(bytes, length);
}

void xirr_ansi_display::display_text(const char *text)
{
    interpreter_.display_text(text);
    refresh();
}

void xirr_ansi_display::clear()
{
    interpreter_.clear();
    refresh();
}

void xirr_ansi_display::resume_updates()
{
    if (interpreter_.resume_updates()) {
        scroll_.scroll_to_end();
        refresh();
    }
}

void xirr_ansi_display::rerender()
{
    interpreter_.rerender();
    scroll_.scroll_to_end();
    refresh();
}

void xirr_ansi_display::set_wrap(int on)
{
    interpreter_.set_wrap(on);
    scroll_.scroll_to_end();
    refresh();
}

void xirr_ansi_display::set_font(const xirr_glyph_font *font)
{
    text_->set_font(font);
    interpreter_.reapply_colour();
    refresh();
}

void xirr_ansi_display::refresh()
{
    xirr_embedded_window::refresh();
    text_->refresh();
    update_scroll_bar();
}

void xirr_ansi_display::parse_colorflash(const char *payload)
{
    text_->view().parse_colorflash(payload);
}

void xirr_ansi_display::scroll_changed()
{
    refresh();
    report_following();
}

void xirr_ansi_display::report_following()
{
    const int following = scroll_.following();
    if (following == reported_following_)
        return;
    reported_following_ = following;
    if (callbacks_ && callbacks_->following_changed)
        callbacks_->following_changed(user_, following);
}

void xirr_ansi_display::scroll_to_end()
{
    scroll_.scroll_to_end();
    scroll_changed();
}

void xirr_ansi_display::follow()
{
    scroll_.follow();
    scroll_changed();
}

void xirr_ansi_display::follow_if_locked()
{
    scroll_.follow_if_locked();
    scroll_changed();
}

void xirr_ansi_display::lock()
{
    scroll_.lock();
    scroll_changed();
}

void xirr_ansi_display::lock_if_following()
{
    scroll_.lock_if_following();
    scroll_changed();
}

void xirr_ansi_display::scroll_by(int delta)
{
    scroll_.scroll_by(delta);
    scroll_changed();
}

void xirr_ansi_display::scroll_up(int n)
{
    scroll_.scroll_up(n);
    scroll_changed();
}

void xirr_ansi_display::scroll_down(int n)
{
    scroll_.scroll_down(n);
    scroll_changed();
}

void xirr_ansi_display::page_up()
{
    scroll_.page_up();
    scroll_changed();
}

void xirr_ansi_display::page_down()
{
    scroll_.page_down();
    scroll_changed();
}

void xirr_ansi_display::set_scroll_position(int top)
{
    scroll_.set_scroll_position(top);
    scroll_changed();
}

int xirr_ansi_display::get_scroll_bar_position() const
{
    return scroll_bar_->GetThumbPosition();
}

void xirr_ansi_display::show_scrollbar(int on)
{
    on = on ? 1 : 0;
    if (on == scroll_bar_shown_)
        return;
    scroll_bar_shown_ = on;
    relayout();
}

void xirr_ansi_display::open_url(const char *address)
{
    if (callbacks_ && callbacks_->open_url)
        callbacks_->open_url(user_, address);
}

int xirr_ansi_display::focus_input()
{
    return callbacks_ && callbacks_->focus_input && callbacks_->focus_input(user_);
}

int xirr_ansi_display::scroll_bar_width() const
{
    const int best = scroll_bar_->GetBestSize().x;
    return best > 0 ? best : wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
}

void xirr_ansi_display::compute_layout(int)
{
    const wxSize size = GetClientSize();
    const int bar = scroll_bar_width();
    scroll_bar_->SetSize(size.x - bar, 0, bar, size.y);
    text_->set_position_and_size(2, 2, std::max(1, size.x - 4 - (scroll_bar_shown_ ? bar : 0)),
                                 std::max(1, size.y - 4));
    scroll_bar_->Show(scroll_bar_shown_ != 0);
    scroll_.relayout();
    scroll_changed();
}

void xirr_ansi_display::render(xirr_bitmap &bitmap)
{
    bitmap.Clear({0, 0, 0});
    const int width = bitmap.GetWidth() - (scroll_bar_shown_ ? scroll_bar_width() : 0);
    if (flash_counter() > 0) {
        // The "flash" command blinks the frame white and black.
        const xirr_rgb c = flash_counter() % 2 ? xirr_rgb{255, 255, 255} : xirr_rgb{0, 0, 0};
        draw_frame(bitmap, width, c, c);
    } else if (!scroll_.following())
        draw_frame(bitmap, width, {255, 0, 0}, {192, 0, 0});
    else
        draw_frame(bitmap, width, {255, 255, 255}, {128, 128, 128});
}

int xirr_ansi_display::animation_callback(int elapsed_ms)
{
    return flash_step(elapsed_ms);
}

void xirr_ansi_display::update_scroll_bar()
{
    const xirr_scroll_info info = scroll_.get_scroll_info();
    // Setting the position twice makes the toolkit redraw the thumb.
    scroll_bar_->SetScrollbar(info.position - 1, info.page, info.range, info.page);
    scroll_bar_->SetScrollbar(info.position, info.page, info.range, info.page);
}

void xirr_ansi_display::OnScroll(wxScrollEvent &event)
{
    // The scroll bar is not set here: the user is moving it.
    scroll_.thumb_moved(event.GetPosition());
    xirr_embedded_window::refresh();
    text_->refresh();
    report_following();
    focus_input();
}

void xirr_ansi_display::OnFocus(wxFocusEvent &event)
{
    if (!focus_input())
        event.Skip();
}
