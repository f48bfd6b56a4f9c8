#pragma once
// The texts of the client's own screens: the command list ("//commands"),
// the keyboard help ("//help" and Help / Keyboard Shortcuts) and the line
// that frames the keyboard help and the version screen.

// Shown in bright yellow; the colours return to normal white after it.
extern const char xirr_separator_line[];

// The command list, one text after the other; ends with a null entry.
extern const char *const xirr_command_list[];

struct xirr_help_line {
    const char *text;
    int playing_only;   // shown only while the player is in the game
};

// The keyboard help between its two separator lines; ends with a null text.
extern const xirr_help_line xirr_keyboard_help[];
