// The keyboard shortcuts of the input line: every binding as a row of key,
// modifiers and circumstances against the action it must give.

#include "input/key_bindings.h"

#include "config/config_settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

enum : unsigned { NONE = 0, SHIFT = XIRR_MOD_SHIFT, CTRL = XIRR_MOD_CONTROL,
                  ALT = XIRR_MOD_ALT, META = XIRR_MOD_META };

// The circumstances of a row, as bits.
enum : unsigned {
    WALKING = 0x01,       // keypad walking on
    PLAYING = 0x02,       // login state playing
    PUSHTHROUGH = 0x04,   // cmd_pushthrough on
    WHOLE_LINE = 0x08,    // the whole non-empty line is selected
    REPEAT = 0x10,        // auto-repeat of the same key
    REPEAT_CTRL = 0x30,   // ... with Control down the last time too
};

struct row {
    const char *name;
    int key;
    unsigned modifiers;
    unsigned circumstances;
    xirr_key_action action;
    int arg;
    const char *word;
};

xirr_key_context context_of(unsigned bits)
{
    xirr_key_context c;
    c.keypad_walking = (bits & WALKING) != 0;
    c.playing = (bits & PLAYING) != 0;
    c.cmd_pushthrough = (bits & PUSHTHROUGH) != 0;
    c.whole_line_selected = (bits & WHOLE_LINE) != 0;
    c.repeat = (bits & REPEAT) != 0;
    c.repeat_with_control = (bits & REPEAT_CTRL) == REPEAT_CTRL;
    return c;
}

void check(const row *rows, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const row &r = rows[i];
        SCOPED_TRACE(r.name);
        xirr_key_binding b = xirr_bind_key({r.key, r.modifiers}, context_of(r.circumstances));
        EXPECT_EQ(b.action, r.action);
        EXPECT_EQ(b.arg, r.arg);
        EXPECT_EQ(std::string(b.word), r.word);
    }
}

TEST(KeyBindings, KeypadWalking)
{
    const row rows[] = {
        {"kp 7", XIRR_KEY_KP_HOME, NONE, WALKING, XIRR_ACT_WALK, 0, "northwest"},
        {"kp 8", XIRR_KEY_KP_UP, NONE, WALKING, XIRR_ACT_WALK, 0, "north"},
        {"kp 9", XIRR_KEY_KP_PAGE_UP, NONE, WALKING, XIRR_ACT_WALK, 0, "northeast"},
        {"kp 4", XIRR_KEY_KP_LEFT, NONE, WALKING, XIRR_ACT_WALK, 0, "west"},
        {"kp 5", XIRR_KEY_KP_BEGIN, NONE, WALKING, XIRR_ACT_WALK, 0, "scan -zv"},
        {"clear", XIRR_KEY_CLEAR, NONE, WALKING, XIRR_ACT_WALK, 0, "scan -zv"},
        {"kp 6", XIRR_KEY_KP_RIGHT, NONE, WALKING, XIRR_ACT_WALK, 0, "east"},
        {"kp 1", XIRR_KEY_KP_END, NONE, WALKING, XIRR_ACT_WALK, 0, "southwest"},
        {"kp 2", XIRR_KEY_KP_DOWN, NONE, WALKING, XIRR_ACT_WALK, 0, "south"},
        {"kp 3", XIRR_KEY_KP_PAGE_DOWN, NONE, WALKING, XIRR_ACT_WALK, 0, "southeast"},
        {"kp +", XIRR_KEY_KP_PLUS, NONE, WALKING, XIRR_ACT_WALK, 0, "up"},
        {"kp -", XIRR_KEY_KP_MINUS, NONE, WALKING, XIRR_ACT_WALK, 0, "down"},
        {"walking also while playing", XIRR_KEY_KP_UP, NONE, WALKING | PLAYING, XIRR_ACT_WALK,
         0, "north"},
        {"held key walks once", XIRR_KEY_KP_UP, NONE, WALKING | REPEAT, XIRR_ACT_IGNORE, 0, ""},
        {"Alt still walks", XIRR_KEY_KP_UP, ALT, WALKING, XIRR_ACT_WALK, 0, "north"},
        {"walking off", XIRR_KEY_KP_UP, NONE, 0, XIRR_ACT_TYPE, 0, ""},
        {"Shift stops walking", XIRR_KEY_KP_UP, SHIFT, WALKING, XIRR_ACT_TYPE, 0, ""},
        {"Control gives the shortcut", XIRR_KEY_KP_PLUS, CTRL, WALKING, XIRR_ACT_FONT_SIZE, 1, ""},
        {"kp Enter is no direction", XIRR_KEY_KP_ENTER, NONE, WALKING, XIRR_ACT_SUBMIT, 0, ""},
    };
    check(rows, std::size(rows));
}

TEST(KeyBindings, WholeLineSelected)
{
    const row rows[] = {
        {"Home, pushthrough", XIRR_KEY_HOME, NONE, WHOLE_LINE | PUSHTHROUGH,
         XIRR_ACT_CURSOR_HOME, 0, ""},
        {"Left, pushthrough", XIRR_KEY_LEFT, NONE, WHOLE_LINE | PUSHTHROUGH,
         XIRR_ACT_CURSOR_HOME, 0, ""},
        {"kp Home, pushthrough", XIRR_KEY_KP_HOME, NONE, WHOLE_LINE | PUSHTHROUGH,
         XIRR_ACT_CURSOR_HOME, 0, ""},
        {"Home without pushthrough", XIRR_KEY_HOME, NONE, WHOLE_LINE, XIRR_ACT_TYPE, 0, ""},
        {"Home, part selected", XIRR_KEY_HOME, NONE, PUSHTHROUGH, XIRR_ACT_TYPE, 0, ""},
        {"Up", XIRR_KEY_UP, NONE, WHOLE_LINE, XIRR_ACT_RECALL_SELECTED, 0, ""},
        {"Shift Up", XIRR_KEY_UP, SHIFT, WHOLE_LINE, XIRR_ACT_HISTORY_UP, 0, ""},
        {"Ctrl Up", XIRR_KEY_UP, CTRL, WHOLE_LINE, XIRR_ACT_PAGE, -1, ""},
    };
    check(rows, std::size(rows));
}

TEST(KeyBindings, ControlShortcuts)
{
    const row rows[] = {
        {"Ctrl =", '=', CTRL, 0, XIRR_ACT_FONT_SIZE, 1, ""},
        {"Ctrl +", '+', CTRL, 0, XIRR_ACT_FONT_SIZE, 1, ""},
        {"Ctrl kp +", XIRR_KEY_KP_PLUS, CTRL, 0, XIRR_ACT_FONT_SIZE, 1, ""},
        {"Ctrl-Shift =", '=', CTRL | SHIFT, 0, XIRR_ACT_CHANNEL_HEIGHT, 5, ""},
        {"Ctrl-Shift kp +", XIRR_KEY_KP_PLUS, CTRL | SHIFT, 0, XIRR_ACT_CHANNEL_HEIGHT, 5, ""},
        {"Ctrl -", '-', CTRL, 0, XIRR_ACT_FONT_SIZE, -1, ""},
        {"Ctrl _", '_', CTRL, 0, XIRR_ACT_FONT_SIZE, -1, ""},
        {"Ctrl kp -", XIRR_KEY_KP_MINUS, CTRL, 0, XIRR_ACT_FONT_SIZE, -1, ""},
        {"Ctrl-Shift -", '-', CTRL | SHIFT, 0, XIRR_ACT_CHANNEL_HEIGHT, -5, ""},
        {"Ctrl 1 playing", '1', CTRL, PLAYING, XIRR_ACT_POPUP, 1, ""},
        {"Ctrl 9 playing", '9', CTRL, PLAYING, XIRR_ACT_POPUP, 9, ""},
        {"Ctrl 0 playing", '0', CTRL, PLAYING, XIRR_ACT_POPUP, 10, ""},
        {"Ctrl 1 at the login prompt", '1', CTRL, 0, XIRR_ACT_IGNORE, 0, ""},
        {"Ctrl-Shift 1", '1', CTRL | SHIFT, 0, XIRR_ACT_TOGGLE_SETTING, xirr_cfg_automap_display,
         ""},
        {"Ctrl-Shift 2", '2', CTRL | SHIFT, 0, XIRR_ACT_GROUP_DISPLAY, 0, ""},
        {"Ctrl-Shift 3", '3', CTRL | SHIFT, 0, XIRR_ACT_TOGGLE_SETTING, xirr_cfg_hpbar_enable, ""},
        {"Ctrl-Shift 4", '4', CTRL | SHIFT, 0, XIRR_ACT_TOGGLE_SETTING,
         xirr_cfg_enemy_hpbar_enable, ""},
        {"Ctrl-Shift 5", '5', CTRL | SHIFT, 0, XIRR_ACT_TOGGLE_SETTING, xirr_cfg_exp_display, ""},
        {"Ctrl-Shift 6", '6', CTRL | SHIFT, 0, XIRR_ACT_IGNORE, 0, ""},
        {"Ctrl-Shift 7", '7', CTRL | SHIFT, 0, XIRR_ACT_TOGGLE_SETTING,
         xirr_cfg_fkey_button_display, ""},
        {"Ctrl-Shift 8", '8', CTRL | SHIFT, 0, XIRR_ACT_TOGGLE_SETTING, xirr_cfg_popup_display,
         ""},
        {"Ctrl-Shift 9", '9', CTRL | SHIFT, 0, XIRR_ACT_TOGGLE_SETTING,
         xirr_cfg_mw_scrollbar_enable, ""},
        {"Ctrl-Shift 0", '0', CTRL | SHIFT, PLAYING, XIRR_ACT_IGNORE, 0, ""},
        {"Ctrl M", 'M', CTRL, 0, XIRR_ACT_TOGGLE_SETTING, xirr_cfg_automap_display, ""},
        {"Ctrl P", 'P', CTRL, 0, XIRR_ACT_TOGGLE_SETTING, xirr_cfg_hpbar_enable, ""},
        {"Ctrl C", 'C', CTRL, 0, XIRR_ACT_COPY_OR_BREAK, 0, ""},
        {"Ctrl-Shift C", 'C', CTRL | SHIFT, 0, XIRR_ACT_COPY_OR_BREAK, 0, ""},
        {"Ctrl D", 'D', CTRL, 0, XIRR_ACT_ERASE_BREAK, 0, ""},
        {"Ctrl K", 'K', CTRL, 0, XIRR_ACT_ERASE, 0, ""},
        {"Ctrl \\", '\\', CTRL, 0, XIRR_ACT_ERASE_ABORT, 0, ""},
        {"Ctrl S", 'S', CTRL, 0, XIRR_ACT_LOCK, 0, ""},
        {"Ctrl Z", 'Z', CTRL | SHIFT, 0, XIRR_ACT_LOCK, 0, ""},
        {"Ctrl Q", 'Q', CTRL, 0, XIRR_ACT_UNLOCK, 0, ""},
        {"Ctrl V", 'V', CTRL, 0, XIRR_ACT_PASTE, 0, ""},
        {"Ctrl [", '[', CTRL, 0, XIRR_ACT_AUTOMAP_SIZE, -1, ""},
        {"Ctrl ]", ']', CTRL, 0, XIRR_ACT_AUTOMAP_SIZE, 1, ""},
        {"Ctrl {", '[', CTRL | SHIFT, 0, XIRR_ACT_INPUT_HEIGHT, -12, ""},
        {"Ctrl }", ']', CTRL | SHIFT, 0, XIRR_ACT_INPUT_HEIGHT, 12, ""},
        {"held shortcut", '1', CTRL | SHIFT, REPEAT_CTRL, XIRR_ACT_IGNORE, 0, ""},
        {"held unbound Control key", 'A', CTRL, REPEAT_CTRL, XIRR_ACT_IGNORE, 0, ""},
        {"held Ctrl Backspace repeats", XIRR_KEY_BACKSPACE, CTRL, REPEAT_CTRL, XIRR_ACT_TYPE, 0,
         ""},
        {"Control pressed while the key was held", 'S', CTRL, REPEAT, XIRR_ACT_LOCK, 0, ""},
        {"unbound Control key", 'A', CTRL, 0, XIRR_ACT_TYPE, 0, ""},
        {"Alt 1 is a character", '1', ALT, PLAYING, XIRR_ACT_TYPE, 0, ""},
    };
    check(rows, std::size(rows));
}

TEST(KeyBindings, OrdinaryKeys)
{
    const row rows[] = {
        {"Enter", XIRR_KEY_ENTER, NONE, 0, XIRR_ACT_SUBMIT, 0, ""},
        {"Shift Enter", XIRR_KEY_ENTER, SHIFT, 0, XIRR_ACT_SUBMIT, 0, ""},
        {"kp Enter", XIRR_KEY_KP_ENTER, NONE, 0, XIRR_ACT_SUBMIT, 0, ""},
        {"Ctrl Enter breaks the line", XIRR_KEY_ENTER, CTRL, 0, XIRR_ACT_PASS, 0, ""},
        {"Escape", XIRR_KEY_ESCAPE, NONE, 0, XIRR_ACT_ESCAPE, 0, ""},
        {"Up", XIRR_KEY_UP, NONE, 0, XIRR_ACT_HISTORY_UP, 0, ""},
        {"Down", XIRR_KEY_DOWN, NONE, 0, XIRR_ACT_HISTORY_DOWN, 0, ""},
        {"Ctrl Up", XIRR_KEY_UP, CTRL, 0, XIRR_ACT_PAGE, -1, ""},
        {"Ctrl Down", XIRR_KEY_DOWN, CTRL, 0, XIRR_ACT_PAGE, 1, ""},
        {"Page Up", XIRR_KEY_PAGE_UP, NONE, 0, XIRR_ACT_PAGE, -1, ""},
        {"Page Down", XIRR_KEY_PAGE_DOWN, NONE, 0, XIRR_ACT_PAGE, 1, ""},
        {"F5 playing", XIRR_KEY_F1 + 4, NONE, PLAYING, XIRR_ACT_FUNCTION_KEY, 0, "f05"},
        {"F1 playing", XIRR_KEY_F1, NONE, PLAYING, XIRR_ACT_FUNCTION_KEY, 0, "f01"},
        {"F12 playing", XIRR_KEY_F12, NONE, PLAYING, XIRR_ACT_FUNCTION_KEY, 0, "f12"},
        {"Ctrl F5", XIRR_KEY_F1 + 4, CTRL, PLAYING, XIRR_ACT_FUNCTION_KEY, 0, "cf05"},
        {"Meta F5", XIRR_KEY_F1 + 4, META, PLAYING, XIRR_ACT_FUNCTION_KEY, 0, "cf05"},
        {"Ctrl-Shift F5", XIRR_KEY_F1 + 4, CTRL | SHIFT, PLAYING, XIRR_ACT_FUNCTION_KEY, 0,
         "cf05"},
        {"Shift F5", XIRR_KEY_F1 + 4, SHIFT, PLAYING, XIRR_ACT_FUNCTION_KEY, 0, "sf05"},
        {"Shift-Alt F5", XIRR_KEY_F1 + 4, SHIFT | ALT, PLAYING, XIRR_ACT_FUNCTION_KEY, 0, "sf05"},
        {"Alt F5", XIRR_KEY_F1 + 4, ALT, PLAYING, XIRR_ACT_PASS, 0, ""},
        {"F5 at the login prompt", XIRR_KEY_F1 + 4, NONE, 0, XIRR_ACT_PASS, 0, ""},
        {"letter", 'A', NONE, 0, XIRR_ACT_TYPE, 0, ""},
        {"Home", XIRR_KEY_HOME, NONE, 0, XIRR_ACT_TYPE, 0, ""},
        {"kp Up without walking", XIRR_KEY_KP_UP, NONE, 0, XIRR_ACT_TYPE, 0, ""},
        {"Shift alone", XIRR_KEY_MODIFIER, SHIFT, 0, XIRR_ACT_PASS, 0, ""},
        {"Control alone", XIRR_KEY_MODIFIER, CTRL, 0, XIRR_ACT_PASS, 0, ""},
    };
    check(rows, std::size(rows));
}

}  // namespace
