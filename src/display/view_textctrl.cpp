#include "display/view_textctrl.h"

#include "display/link_finder.h"
#include "display/scroll_model.h"
#include "display/view_hit_test.h"
#include "display/view_painter.h"
#include "foundation/bounded_text.h"
#include "foundation/debug_log.h"
#include "gfx/xirr_bitmap.h"

namespace {

// Animation steps a selection drag beyond the edge keeps the animation
// alive for, and the shortest it lets it get before topping it up.
constexpr int drag_steps = 15;
constexpr int drag_keepalive_steps = 4;

xirr_rgb rgb_of(uint32_t word)
{
    return {static_cast<int>(word >> 16), static_cast<int>((word >> 8) & 0xff), static_cast<int>(word & 0xff)};
}

}  // namespace

xirr_textctrl_view::xirr_textctrl_view(xirr_textctrl_host *host) : host_(host)
{
    store_.set_reset_hook(on_store_reset, this);
}

void xirr_textctrl_view::on_store_reset(void *user)
{
    xirr_textctrl_view *view = static_cast<xirr_textctrl_view *>(user);
    view->selection_.reset();
    view->host_->repaint();
}

void xirr_textctrl_view::set_font(const xirr_glyph_set *glyphs, int compact)
{
    if (!glyphs)
        return;
    glyphs_ = glyphs;
    int widths[256];
    const int height = xirr_view_metrics(*glyphs, compact, widths);
    store_.set_metrics(widths, height);
}

int xirr_textctrl_view::set_client_size(int width, int height)
{
    client_width_ = width;
    client_height_ = height;
    return store_.set_client_size(width, height);
}

xirr_rgb xirr_textctrl_view::background() const
{
    return flash_shown_ ? flash_background_ : rgb_of(store_.background());
}

void xirr_textctrl_view::repaint_internal(xirr_bitmap &bitmap)
{
    if (!glyphs_) {
        bitmap.Clear(background());
        return;
    }
    xirr_paint_text_view(bitmap, *glyphs_, store_, selection_, background());
}

xirr_text_position xirr_textctrl_view::translate_xy_to_line_and_offset(int x, int y)
{
    return xirr_translate_xy_to_line_and_offset(store_, client_height_, x, y);
}

void xirr_textctrl_view::copy_selection_to_clipboard()
{
    std::string text;
    if (selection_.text(store_, &text))
        host_->set_clipboard_data(text);
}

void xirr_textctrl_view::update_selection()
{
    if (selection_.cursor != selection_.anchor)
        selection_.active = 1;
    if (!selection_.active)
        return;
    selection_.normalise();
    copy_selection_to_clipboard();
    host_->repaint();
}

void xirr_textctrl_view::lock_if_following()
{
    if (owner_ && owner_->following()) {
        owner_->lock();
        host_->scrolled();
    }
}

void xirr_textctrl_view::run_animation(int count)
{
    if (animation_.run_for(count))
        host_->start_animation();
}

void xirr_textctrl_view::drag_outside(int y)
{
    const int h = store_.font_height();
    const int height = client_height_ > 0 ? client_height_ : 1;
    if (y < 0) {
        drag_speed_ = static_cast<int>((2LL * y * h) / height);
        selection_.cursor = translate_xy_to_line_and_offset(0, 0);
    } else {
        drag_speed_ = static_cast<int>((2LL * (y - client_height_) * h) / height);
        selection_.cursor = translate_xy_to_line_and_offset(0, 2 * client_height_);
    }
    run_animation(drag_steps);
}

void xirr_textctrl_view::mouse_event(const xirr_view_mouse &event)
{
    // A drag beyond the edge scrolls only until the pointer moves again.
    drag_speed_ = 0;
    const int held = event.left || event.middle || event.right;
    if (!held && event.wheel == 0 && event.kind != xirr_view_mouse::LEFT_UP)
        return;
    // After a link was opened, everything up to its button release is ignored.
    if (swallow_next_release_) {
        if (event.kind == xirr_view_mouse::LEFT_UP)
            swallow_next_release_ = 0;
        return;
    }
    if (event.wheel != 0) {
        lock_if_following();
        if (owner_) {
            if (event.wheel > 0)
                owner_->scroll_up(wheel_lines);
            else
                owner_->scroll_down(wheel_lines);
            host_->scrolled();
        }
        return;
    }
    if (event.kind == xirr_view_mouse::RIGHT_DOWN || event.kind == xirr_view_mouse::MIDDLE_DOWN) {
        if (owner_) {
            owner_->follow();
            host_->scrolled();
        }
        return;
    }
    // What remains is the left button's: press, release and drag.
    const int dragging = event.kind == xirr_view_mouse::MOTION && event.left;
    if (event.kind != xirr_view_mouse::LEFT_DOWN && event.kind != xirr_view_mouse::LEFT_UP && !dragging)
        return;

    // Left of the window means the end of the line above.
    const xirr_text_position at = event.x < 0
        ? translate_xy_to_line_and_offset(client_width_, event.y - store_.font_height())
        : translate_xy_to_line_and_offset(event.x, event.y);

    if (event.kind == xirr_view_mouse::LEFT_DOWN) {
        if (url_clicked_on(at.line, at.offset))
            return;
        selection_.active = 0;
        selection_.anchor = selection_.cursor = at;
        if (!mouse_captured_) {
            mouse_captured_ = 1;
            host_->capture_mouse();
        }
        host_->repaint();
    } else if (dragging) {
        selection_.cursor = at;
        if (event.y < 0 || event.y >= client_height_)
            drag_outside(event.y);
        else if (selection_.cursor != selection_.anchor)
            lock_if_following();
    } else if (mouse_captured_) {
        mouse_captured_ = 0;
        selection_.cursor = at;
        host_->release_mouse();
    }
    update_selection();
}

void xirr_textctrl_view::mouse_capture_lost()
{
    if (xirr_debug_level > 1)
        xirr_debug_printf("xirr_textctrl::mouse_event_handler()\n");
    if (selection_.active) {
        selection_.normalise();
        copy_selection_to_clipboard();
    }
    selection_.active = 0;
    mouse_captured_ = 0;
    host_->repaint();
}

int xirr_textctrl_view::url_clicked_on(int line, int offset)
{
    if (!host_->url_hotlinking())
        return 0;
    std::string text;
    if (!store_.line_text(line, &text)) {
        if (xirr_debug_level > 1 && line != 0)
            xirr_debug_printf("Error in url_clicked_on(), null line %d.\n", line);
        return 0;
    }
    xirr_bounded_text bounded;
    bounded.append(text.data(), text.size());
    int start = 0, end = 0;
    if (!xirr_find_link(bounded.text, static_cast<int>(bounded.length), offset, &start, &end))
        return 0;
    const std::string address(bounded.text + start, bounded.text + end + 1);
    host_->open_url(address.c_str());
    selection_.active = 1;
    selection_.start = selection_.anchor = {line, start};
    selection_.end = selection_.cursor = {line, end};
    copy_selection_to_clipboard();
    host_->repaint();
    swallow_next_release_ = 1;
    return 1;
}

void xirr_textctrl_view::parse_colorflash(const char *payload)
{
    const int steps = flashes_.parse_colorflash(payload, rgb_of(store_.background()), &flash_background_);
    if (steps == 0)
        return;
    flash_shown_ = 1;
    run_animation(steps);
    if (animation_.redraw_due())
        host_->repaint();
}

int xirr_textctrl_view::animation_callback(int elapsed_ms)
{
    animation_.step(elapsed_ms);
    if (!flashes_.empty()) {
        flash_background_ = flashes_.compute_background(rgb_of(store_.background()));
        flash_shown_ = !flashes_.empty();
    }
    if (drag_speed_ != 0 && animation_.counter() % drag_keepalive_steps == 1) {
        if (animation_.counter() < drag_keepalive_steps)
            animation_.run_for(drag_keepalive_steps);
        lock_if_following();
        if (owner_) {
            if (drag_speed_ < 0)
                owner_->scroll_up(-drag_speed_);
            else
                owner_->scroll_down(drag_speed_);
            host_->scrolled();
        }
        selection_.cursor = drag_speed_ < 0 ? translate_xy_to_line_and_offset(0, 0)
                                            : translate_xy_to_line_and_offset(0, 4 * client_height_);
        update_selection();
    }
    if (animation_.redraw_due())
        host_->repaint();
    return animation_.running();
}
