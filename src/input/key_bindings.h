#pragma once
// The keyboard shortcuts of the command input line as a decision: which
// action a key press stands for, given the few facts that change the
// answer. Deciding is kept apart from acting (xirr_input_line) so that the
// whole table can be read and tested on its own.
//
// Precedence, first match wins:
//   1. keypad walking (setting on, no Control or Shift): direction words;
//   2. the whole line selected: Home, Left, keypad Home and Up;
//   3. Control held: the Control shortcuts (auto-repeat of one is dropped);
//   4. Enter, Escape, Up, Down, Page Up/Down, F1 to F12; everything else
//      goes to the text control.

#include "input/input_key.h"

enum xirr_key_action {
    XIRR_ACT_PASS,               // the text control handles the key
    XIRR_ACT_TYPE,               // the text control handles it; a locked
                                 // display follows unless scroll lock is kept
    XIRR_ACT_IGNORE,             // consumed, nothing happens
    XIRR_ACT_WALK,               // word: typed as a command with echo
    XIRR_ACT_FUNCTION_KEY,       // word: the alias "f01".."f12", with its
                                 // prefix, run without echo
    XIRR_ACT_CURSOR_HOME,        // cancel the selection, cursor to 0
    XIRR_ACT_RECALL_SELECTED,    // cursor to the end, two steps up the history
    XIRR_ACT_FONT_SIZE,          // arg: points to add to the main text font
    XIRR_ACT_CHANNEL_HEIGHT,     // arg: percent to add to the channel window
    XIRR_ACT_INPUT_HEIGHT,       // arg: pixels to add to the input line
    XIRR_ACT_AUTOMAP_SIZE,       // arg: +1 larger, -1 smaller
    XIRR_ACT_POPUP,              // arg: popup window 1 to 10, opened or closed
    XIRR_ACT_TOGGLE_SETTING,     // arg: an on/off xirr_config_setting
    XIRR_ACT_GROUP_DISPLAY,      // group display off, or vertical when off
    XIRR_ACT_COPY_OR_BREAK,      // Ctrl C
    XIRR_ACT_ERASE,              // erase the line
    XIRR_ACT_ERASE_BREAK,        // erase the line, send the break line
    XIRR_ACT_ERASE_ABORT,        // erase the line, send the abort line
    XIRR_ACT_LOCK,               // scroll lock on the main display
    XIRR_ACT_UNLOCK,             // the locked display follows again
    XIRR_ACT_PASTE,              // paste the primary selection
    XIRR_ACT_SUBMIT,             // Enter
    XIRR_ACT_ESCAPE,
    XIRR_ACT_HISTORY_UP,
    XIRR_ACT_HISTORY_DOWN,
    XIRR_ACT_PAGE,               // arg: -1 a page back, +1 a page forward
};

struct xirr_key_binding {
    xirr_key_action action = XIRR_ACT_PASS;
    int arg = 0;
    char word[12] = {0};   // the command of WALK and FUNCTION_KEY
};

// What besides the key decides the binding.
struct xirr_key_context {
    int keypad_walking = 0;        // the setting `keypad_walking`
    int cmd_pushthrough = 0;       // the setting `cmd_pushthrough`
    int playing = 0;               // the login state is playing
    int whole_line_selected = 0;   // the selection covers a non-empty line
    int repeat = 0;                // auto-repeat: the same key again, still held
    int repeat_with_control = 0;   // ... and Control was down the last time too
};

// The binding of event in context. Never fails: unbound keys give PASS or
// TYPE.
xirr_key_binding xirr_bind_key(const xirr_key_event &event, const xirr_key_context &context);
