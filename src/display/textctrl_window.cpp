#include "display/textctrl_window.h"

#include "config/zv_config.h"
#include "display/ansi_display_window.h"
#include "gfx/xirr_glyph_font.h"
#include "input/primary_selection.h"

wxBEGIN_EVENT_TABLE(xirr_textctrl, xirr_embedded_window)
    EVT_MOUSE_EVENTS(xirr_textctrl::OnMouse)
    EVT_MOUSE_CAPTURE_LOST(xirr_textctrl::OnCaptureLost)
    EVT_SET_FOCUS(xirr_textctrl::OnFocus)
wxEND_EVENT_TABLE()

xirr_textctrl::xirr_textctrl(wxWindow *parent, wxWindowID id, const wxString &name)
    : xirr_embedded_window(parent, id, name)
{
    view_.set_client_size(GetClientSize().x, GetClientSize().y);
}

void xirr_textctrl::set_owner(xirr_ansi_display *owner)
{
    owner_ = owner;
    view_.set_owner(owner ? &owner->scroll_model() : nullptr);
}

void xirr_textctrl::set_font(const xirr_glyph_font *font)
{
    view_.set_font(font, ZvConfig::instance().get_compact_mode());
    refresh();
}

void xirr_textctrl::compute_layout(int)
{
    view_.set_client_size(GetClientSize().x, GetClientSize().y);
    refresh();
}

void xirr_textctrl::render(xirr_bitmap &bitmap)
{
    view_.repaint_internal(bitmap);
}

int xirr_textctrl::animation_callback(int elapsed_ms)
{
    return view_.animation_callback(elapsed_ms);
}

void xirr_textctrl::capture_mouse()
{
    if (!HasCapture())
        CaptureMouse();
}

void xirr_textctrl::release_mouse()
{
    if (HasCapture())
        ReleaseMouse();
}

void xirr_textctrl::repaint()
{
    refresh();
}

void xirr_textctrl::set_clipboard_data(const std::string &text)
{
    xirr_set_clipboard_data(wxString::FromAscii(text.c_str()));
}

void xirr_textctrl::open_url(const char *address)
{
    if (owner_)
        owner_->open_url(address);
}

void xirr_textctrl::start_animation()
{
    xirr_display_animations.add(this);
}

void xirr_textctrl::scrolled()
{
    if (owner_)
        owner_->scroll_changed();
}

int xirr_textctrl::url_hotlinking()
{
    return ZvConfig::instance().get_url_hotlinking();
}

// The second press of a double click comes as a double-click event, which
// the view ignores: a double click on a link opens it once.
void xirr_textctrl::OnMouse(wxMouseEvent &event)
{
    xirr_view_mouse mouse;
    mouse.x = event.GetX();
    mouse.y = event.GetY();
    mouse.left = event.LeftIsDown();
    mouse.middle = event.MiddleIsDown();
    mouse.right = event.RightIsDown();
    if (event.GetEventType() == wxEVT_MOUSEWHEEL) {
        if (event.GetWheelAxis() == wxMOUSE_WHEEL_VERTICAL) {
            mouse.kind = xirr_view_mouse::WHEEL;
            mouse.wheel = event.GetWheelRotation();
        }
    } else if (event.LeftDown()) {
        mouse.kind = xirr_view_mouse::LEFT_DOWN;
        mouse.left = 1;
    } else if (event.LeftUp()) {
        mouse.kind = xirr_view_mouse::LEFT_UP;
        mouse.left = 0;
    } else if (event.RightDown()) {
        mouse.kind = xirr_view_mouse::RIGHT_DOWN;
        mouse.right = 1;
    } else if (event.MiddleDown()) {
        mouse.kind = xirr_view_mouse::MIDDLE_DOWN;
        mouse.middle = 1;
    } else if (event.Moving() || event.Dragging()) {
        mouse.kind = xirr_view_mouse::MOTION;
    }
    view_.mouse_event(mouse);
}

void xirr_textctrl::OnCaptureLost(wxMouseCaptureLostEvent &)
{
    view_.mouse_capture_lost();
}

void xirr_textctrl::OnFocus(wxFocusEvent &event)
{
    if (!owner_ || !owner_->focus_input())
        event.Skip();
}
