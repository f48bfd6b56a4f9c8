#include "display/scroll_model.h"

#include "display/text_store.h"

#include <algorithm>
#include <climits>

xirr_scroll_info xirr_scroll_model::get_scroll_info() const
{
    xirr_scroll_info info;
    info.page = store_->visible_line_count();
    info.position = store_->display_line() - info.page;
    info.range = store_->current_line();
    return info;
}

int xirr_scroll_model::set_scroll_top(int top)
{
    const long long line = static_cast<long long>(top) + store_->visible_line_count();
    const int bottom = static_cast<int>(std::clamp<long long>(line, INT_MIN, INT_MAX));
    store_->set_display_line(bottom);
    return bottom;
}

void xirr_scroll_model::scroll_to_end()
{
    scroll_position_ = store_->current_line();
    store_->set_display_line(scroll_position_);
}

void xirr_scroll_model::follow()
{
    following_ = 1;
    store_->set_locked(0);
    scroll_to_end();
}

void xirr_scroll_model::follow_if_locked()
{
    if (!following_)
        follow();
}

void xirr_scroll_model::lock()
{
    following_ = 0;
    store_->set_locked(1);
    scroll_to_end();
}

void xirr_scroll_model::lock_if_following()
{
    if (following_)
        lock();
}

void xirr_scroll_model::scroll_by(int delta)
{
    const int current = store_->current_line();
    // A following view shows the current line whatever position was last
    // asked for: new text moved it there.
    const int from = following_ ? current : scroll_position_;
    const long long wanted = static_cast<long long>(from) + delta;
    const long long lowest = store_->visible_line_count() - 1;
    scroll_position_ = static_cast<int>(std::min<long long>(std::max(wanted, lowest), current));
    if (scroll_position_ >= current && !following_)
        follow();
    store_->set_display_line(scroll_position_);
}

int xirr_scroll_model::step_lines(int n) const
{
    const int half = store_->visible_line_count() / 2;
    const int m = std::min(n, half);
    return m <= 0 ? 1 : m;
}

void xirr_scroll_model::scroll_up(int n) { scroll_by(-step_lines(n)); }
void xirr_scroll_model::scroll_down(int n) { scroll_by(step_lines(n)); }
void xirr_scroll_model::page_up() { scroll_by(-step_lines(INT_MAX)); }
void xirr_scroll_model::page_down() { scroll_by(step_lines(INT_MAX)); }

void xirr_scroll_model::set_scroll_position(int top)
{
    scroll_position_ = set_scroll_top(top);
}

void xirr_scroll_model::thumb_moved(int top)
{
    const int current = store_->current_line();
    if (current <= store_->visible_line_count()) {
        scroll_position_ = top;
        follow_if_locked();
        return;
    }
    // The position follows the thumb, so the next wheel or key step starts
    // from what is shown.
    scroll_position_ = set_scroll_top(top);
    if (current > scroll_position_ && following_) {
        following_ = 0;
        store_->set_locked(1);
    } else if (scroll_position_ >= current && !following_) {
        follow();
    }
}
