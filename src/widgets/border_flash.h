#pragma once
// The frame of a custom-drawn display and its flash: a short blinking of the
// frame (the "flash" client commands) in 16 half-periods of 200 ms, 3.2 s in
// all, alternating white and black. The flash state is advanced by the
// display's animation callback; the display redraws when the blink phase
// changes and draws its frame through draw_border().

class xirr_bitmap;
struct xirr_rgb;

// The sides of a frame, as bit flags.
enum : int {
    XIRR_BORDER_TOP = 1,      // line at y = 0
    XIRR_BORDER_RIGHT = 2,    // lines at x = W - 1 and x = W - 2
    XIRR_BORDER_BOTTOM = 4,   // line at y = H - 1
    XIRR_BORDER_LEFT = 8,     // lines at x = 0 and x = 1
};

// Draws the sides of a frame along the edges of bitmap, in the order top,
// right, bottom, left. With a null colour every line is white except the
// inner left one, which is grey (128, 128, 128); otherwise every line has
// colour.
void xirr_draw_border(xirr_bitmap &bitmap, int sides, const xirr_rgb *colour);

class xirr_border_flash {
public:
    static constexpr int half_periods = 16;
    static constexpr int period_ms = 200;   // one half-period

    // Starts (or restarts) a flash of 16 half-periods.
    void start();
    // Advances a running flash by elapsed_ms: a half-period ends when the
    // time reaches the period; the time left over carries into the next one
    // unless elapsed_ms alone was a whole period or more. Returns 1 while the
    // flash still runs, 0 once it is over. Does nothing when no flash runs.
    int step(int elapsed_ms);
    // 1 when the blink phase changed since the last call that returned 1
    // (the display should redraw), else 0.
    int redraw_due();
    // Half-periods left, 0 when no flash runs.
    int counter() const { return counter_; }

    // Draws the frame for a display with these sides: the plain frame while
    // no flash runs; while it runs the top side too, white on odd counts and
    // black on even ones. Draws nothing when sides is 0.
    void draw_border(xirr_bitmap &bitmap, int sides) const;

private:
    int drawn_count_ = 0;   // counter value last drawn
    int counter_ = 0;       // half-periods left
    int time_ms_ = 0;       // time accumulated towards the next half-period
};
