#include "display/view_animation.h"

int xirr_view_animation::run_for(int count)
{
    if (!running()) {
        counter_ = count;
        time_ms_ = 0;
        return 1;
    }
    if (counter_ < count)
        counter_ = count;
    return 0;
}

void xirr_view_animation::step(int elapsed_ms)
{
    time_ms_ += elapsed_ms;
    if (time_ms_ >= interval_ms) {
        time_ms_ = elapsed_ms < interval_ms ? time_ms_ - interval_ms : 0;
        counter_--;
    }
}

int xirr_view_animation::redraw_due()
{
    if (counter_ == drawn_)
        return 0;
    drawn_ = counter_;
    return 1;
}
