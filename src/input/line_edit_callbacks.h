#pragma once
// How the command input line reaches the window it lives in: a const table
// of functions with a user pointer, filled in by the main window. Every
// pointer may be null: the call then does nothing and a query answers 0.
// All calls come on the user-interface thread.

// The text displays the line scrolls and unlocks.
enum xirr_display_target {
    XIRR_MAIN_DISPLAY,
    XIRR_CHANNEL_DISPLAY,   // the display of the current channel tab, if any
};

enum xirr_display_op {
    XIRR_DISPLAY_IS_LOCKED,           // 1 while scroll lock holds the display
    XIRR_DISPLAY_FOLLOW_IF_LOCKED,    // back to following new text
    XIRR_DISPLAY_LOCK_IF_FOLLOWING,   // scroll lock on
    XIRR_DISPLAY_SCROLL_LINES,        // amount: lines, negative is back
    XIRR_DISPLAY_SCROLL_PAGES,        // amount: pages, negative is back
    XIRR_DISPLAY_HAS_SELECTION,       // 1 when text is selected on it
    XIRR_DISPLAY_CLEAR_SELECTION,
};

struct xirr_line_edit_callbacks {
    // Runs a line as a command (`process_user_command`): typed lines and
    // walking words with echo 1, function-key aliases with echo 0.
    void (*process_command)(void *user, const char *line, int echo);
    // Sends line and a line feed to the server (`send_line`): the break
    // line "\x03" and the abort line "\x1a".
    void (*send_line)(void *user, const char *line);
    // The login state: 0 not logged in, 1 creating, 2 playing, 3 logging off.
    int (*login_state)(void *user);
    // An operation on a display; the answer of a query, else 0.
    int (*display)(void *user, xirr_display_target target, xirr_display_op op, int amount);
    // The process-wide main text font size, in points, and a change of it
    // applied to the main text font and every window using it.
    int (*font_size)(void *user);
    void (*set_font_size)(void *user, int points);
    // Opens or closes popup window number (1 to 10).
    void (*toggle_popup)(void *user, int number);
    // The automap one step larger (+1) or smaller (-1).
    void (*resize_automap)(void *user, int step);
    // The input line took the focus back from another window: the next main
    // tick gives it the focus again (the focus return flag).
    void (*focus_returned)(void *user);
};
