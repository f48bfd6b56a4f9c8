#include "widgets/border_flash.h"

#include "gfx/xirr_bitmap.h"

void xirr_draw_border(xirr_bitmap &bitmap, int sides, const xirr_rgb *colour)
{
    const xirr_rgb white = {255, 255, 255};
    const xirr_rgb grey = {128, 128, 128};
    const xirr_rgb outer = colour ? *colour : white;
    const xirr_rgb inner_left = colour ? *colour : grey;
    const int right = bitmap.GetWidth() - 1;
    const int bottom = bitmap.GetHeight() - 1;
    if (sides & XIRR_BORDER_TOP)
        bitmap.DrawLine(0, 0, right, 0, outer);
    if (sides & XIRR_BORDER_RIGHT) {
        bitmap.DrawLine(right, 0, right, bottom, outer);
        bitmap.DrawLine(right - 1, 0, right - 1, bottom, outer);
    }
    if (sides & XIRR_BORDER_BOTTOM)
        bitmap.DrawLine(0, bottom, right, bottom, outer);
    if (sides & XIRR_BORDER_LEFT) {
        bitmap.DrawLine(0, 0, 0, bottom, outer);
        bitmap.DrawLine(1, 0, 1, bottom, inner_left);
    }
}

void xirr_border_flash::start()
{
    drawn_count_ = 0;
    counter_ = half_periods;
    time_ms_ = 0;
}

int xirr_border_flash::step(int elapsed_ms)
{
    if (counter_ <= 0)
        return 0;
    time_ms_ += elapsed_ms;
    if (time_ms_ >= period_ms) {
        time_ms_ = elapsed_ms < period_ms ? time_ms_ - period_ms : 0;
        counter_--;
    }
    return counter_ > 0;
}

int xirr_border_flash::redraw_due()
{
    if (counter_ == drawn_count_)
        return 0;
    drawn_count_ = counter_;
    return 1;
}

void xirr_border_flash::draw_border(xirr_bitmap &bitmap, int sides) const
{
    if (sides == 0)
        return;
    if (counter_ <= 0) {
        xirr_draw_border(bitmap, sides, nullptr);
        return;
    }
    const xirr_rgb blink = counter_ % 2 ? xirr_rgb{255, 255, 255} : xirr_rgb{0, 0, 0};
    xirr_draw_border(bitmap, sides | XIRR_BORDER_TOP, &blink);
}
