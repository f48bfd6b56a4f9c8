#pragma once
// The animation counter of a scrollback view: it runs the colour flashes
// and keeps a selection drag beyond the window's edge scrolling. The view
// steps it on every tick of the display animations; one count passes per
// interval, and the view redraws when the count changes.

class xirr_view_animation {
public:
    static constexpr int interval_ms = 15;

    int running() const { return counter_ > 0; }
    int counter() const { return counter_; }
    // Runs the animation for at least count more steps of interval_ms:
    // starts it when it is not running (returns 1: the caller puts the view
    // into the animation list), otherwise raises its counter to count when
    // it is lower (returns 0).
    int run_for(int count);
    // Advances by elapsed_ms: when the time reaches the interval one count
    // passes, and the time left over carries into the next count unless
    // elapsed_ms alone was a whole interval or more.
    void step(int elapsed_ms);
    // 1 when the counter changed since the last call that returned 1.
    int redraw_due();

private:
    int counter_ = 0;
    int drawn_ = 0;      // counter value last drawn
    int time_ms_ = 0;    // time towards the next count
};
