#pragma once
// Following new text versus holding a scrolled-back position (scroll lock)
// for one text display. The store keeps the line shown at the bottom of the
// view (its display line) and the locked flag, which stops new lines from
// moving it; this object adds the display's side: whether it follows and
// the scroll position it last asked for, and the operations of the wheel,
// the keys and the scroll bar on them.
//
// Following and locked move together: follow() makes following 1 and
// locked 0, lock() the reverse. Scrolling down to the end follows again by
// itself; scrolling up does not lock by itself, so a caller that scrolls up
// first calls lock_if_following().
//
// Positions are display lines (the line drawn at the bottom); the scroll
// bar works with the top, display line - visible lines. The caller repaints
// and updates the scroll bar after every operation. User-interface thread
// only.

class xirr_textctrl_store;

// The scroll bar's view of the text: thumb at position, over range lines,
// page lines at a time.
struct xirr_scroll_info {
    int position = 0;   // display line - visible lines
    int range = 0;      // the current line
    int page = 0;       // visible lines
};

class xirr_scroll_model {
public:
    // store must outlive the model.
    explicit xirr_scroll_model(xirr_textctrl_store *store) : store_(store) {}

    int following() const { return following_; }
    int scroll_position() const { return scroll_position_; }

    xirr_scroll_info get_scroll_info() const;
    // Shows top as the first visible line: the display line becomes
    // top + visible lines (clamped by the store). Returns top + visible.
    int set_scroll_top(int top);

    // The display line and the scroll position go to the current line; the
    // follow state is unchanged.
    void scroll_to_end();
    void follow();
    void follow_if_locked();
    void lock();
    void lock_if_following();

    // Moves the scroll position by delta lines (negative: up; from the
    // current line while following), clamped to visible - 1 .. the current
    // line (the current line when all text fits), and shows it; reaching
    // the current line follows again.
    void scroll_by(int delta);
    // By min(n, visible / 2) lines, at least 1.
    void scroll_up(int n);
    void scroll_down(int n);
    // By visible / 2 lines, at least 1.
    void page_up();
    void page_down();

    // Restores a saved top (the popup "undivert"): set_scroll_top, and the
    // scroll position becomes its result.
    void set_scroll_position(int top);
    // The user moved the scroll bar's thumb to top. With more lines than
    // fit, the view shows top; leaving the end locks, reaching it follows.
    // When all text fits the display just follows.
    void thumb_moved(int top);
    // A new layout of the display: it returns to following.
    void relayout() { follow_if_locked(); }

private:
    // The amount a scroll of n lines moves: min(n, limit), at least 1.
    int step_lines(int n) const;

    xirr_textctrl_store *store_;
    int following_ = 1;
    int scroll_position_ = 0;
};
