#pragma once
// A key press as the command input line sees it, independent of the
// toolkit: the window translates its key codes into these.

// Keys with a printable character are that character's ASCII code, letters
// in upper case ('A' to 'Z', whatever Shift says) and the other keys of the
// main block unshifted ('1' with Shift is still '1'). Keys the line never
// binds arrive as XIRR_KEY_OTHER.
enum : int {
    XIRR_KEY_BACKSPACE = 8,
    XIRR_KEY_ENTER = 13,
    XIRR_KEY_ESCAPE = 27,

    XIRR_KEY_UP = 0x100,
    XIRR_KEY_DOWN,
    XIRR_KEY_LEFT,
    XIRR_KEY_HOME,
    XIRR_KEY_PAGE_UP,
    XIRR_KEY_PAGE_DOWN,
    XIRR_KEY_CLEAR,

    // The keypad, with and without Num Lock: keypad 7 and keypad Home are
    // both XIRR_KEY_KP_HOME, and so on round the block.
    XIRR_KEY_KP_HOME,
    XIRR_KEY_KP_UP,
    XIRR_KEY_KP_PAGE_UP,
    XIRR_KEY_KP_LEFT,
    XIRR_KEY_KP_BEGIN,
    XIRR_KEY_KP_RIGHT,
    XIRR_KEY_KP_END,
    XIRR_KEY_KP_DOWN,
    XIRR_KEY_KP_PAGE_DOWN,
    XIRR_KEY_KP_PLUS,
    XIRR_KEY_KP_MINUS,
    XIRR_KEY_KP_ENTER,

    XIRR_KEY_F1,   // F1 to F12 are consecutive
    XIRR_KEY_F12 = XIRR_KEY_F1 + 11,

    XIRR_KEY_MODIFIER,   // Shift, Control, Alt or Meta pressed on its own
    XIRR_KEY_OTHER,
};

// Modifier bits of a key press.
enum : unsigned {
    XIRR_MOD_SHIFT = 0x01,
    XIRR_MOD_CONTROL = 0x02,
    XIRR_MOD_ALT = 0x04,
    XIRR_MOD_META = 0x08,
};

struct xirr_key_event {
    int key;              // one of the codes above
    unsigned modifiers;   // XIRR_MOD_* bits
};
