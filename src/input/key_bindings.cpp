#include "input/key_bindings.h"

#include "config/config_settings.h"

#include <cstdio>

namespace {

struct walking_entry {
    int key;
    const char *word;
};

// Keypad walking: the keypad as a compass, plus and minus for up and down.
const walking_entry walking_table[] = {
    {XIRR_KEY_KP_HOME, "northwest"},   {XIRR_KEY_KP_UP, "north"},
    {XIRR_KEY_KP_PAGE_UP, "northeast"}, {XIRR_KEY_KP_LEFT, "west"},
    {XIRR_KEY_KP_BEGIN, "scan -zv"},   {XIRR_KEY_CLEAR, "scan -zv"},
    {XIRR_KEY_KP_RIGHT, "east"},       {XIRR_KEY_KP_END, "southwest"},
    {XIRR_KEY_KP_DOWN, "south"},       {XIRR_KEY_KP_PAGE_DOWN, "southeast"},
    {XIRR_KEY_KP_PLUS, "up"},          {XIRR_KEY_KP_MINUS, "down"},
};

struct control_entry {
    int key;
    xirr_key_action plain;
    int plain_arg;
    xirr_key_action shifted;
    int shifted_arg;
};

// The Control shortcuts, without and with Shift. Keys not listed here fall
// through to the ordinary keys.
const control_entry control_table[] = {
    {'+', XIRR_ACT_FONT_SIZE, 1, XIRR_ACT_CHANNEL_HEIGHT, 5},
    {'=', XIRR_ACT_FONT_SIZE, 1, XIRR_ACT_CHANNEL_HEIGHT, 5},
    {XIRR_KEY_KP_PLUS, XIRR_ACT_FONT_SIZE, 1, XIRR_ACT_CHANNEL_HEIGHT, 5},
    {'-', XIRR_ACT_FONT_SIZE, -1, XIRR_ACT_CHANNEL_HEIGHT, -5},
    {'_', XIRR_ACT_FONT_SIZE, -1, XIRR_ACT_CHANNEL_HEIGHT, -5},
    {XIRR_KEY_KP_MINUS, XIRR_ACT_FONT_SIZE, -1, XIRR_ACT_CHANNEL_HEIGHT, -5},
    {'1', XIRR_ACT_POPUP, 1, XIRR_ACT_TOGGLE_SETTING, xirr_cfg_automap_display},
    {'2', XIRR_ACT_POPUP, 2, XIRR_ACT_GROUP_DISPLAY, 0},
    {'3', XIRR_ACT_POPUP, 3, XIRR_ACT_TOGGLE_SETTING, xirr_cfg_hpbar_enable},
    {'4', XIRR_ACT_POPUP, 4, XIRR_ACT_TOGGLE_SETTING, xirr_cfg_enemy_hpbar_enable},
    {'5', XIRR_ACT_POPUP, 5, XIRR_ACT_TOGGLE_SETTING, xirr_cfg_exp_display},
    {'6', XIRR_ACT_POPUP, 6, XIRR_ACT_IGNORE, 0},
    {'7', XIRR_ACT_POPUP, 7, XIRR_ACT_TOGGLE_SETTING, xirr_cfg_fkey_button_display},
    {'8', XIRR_ACT_POPUP, 8, XIRR_ACT_TOGGLE_SETTING, xirr_cfg_popup_display},
    {'9', XIRR_ACT_POPUP, 9, XIRR_ACT_TOGGLE_SETTING, xirr_cfg_mw_scrollbar_enable},
    {'0', XIRR_ACT_POPUP, 10, XIRR_ACT_IGNORE, 0},
    {'M', XIRR_ACT_TOGGLE_SETTING, xirr_cfg_automap_display,
     XIRR_ACT_TOGGLE_SETTING, xirr_cfg_automap_display},
    {'P', XIRR_ACT_TOGGLE_SETTING, xirr_cfg_hpbar_enable,
     XIRR_ACT_TOGGLE_SETTING, xirr_cfg_hpbar_enable},
    {'C', XIRR_ACT_COPY_OR_BREAK, 0, XIRR_ACT_COPY_OR_BREAK, 0},
    {'D', XIRR_ACT_ERASE_BREAK, 0, XIRR_ACT_ERASE_BREAK, 0},
    {'K', XIRR_ACT_ERASE, 0, XIRR_ACT_ERASE, 0},
    {'\\', XIRR_ACT_ERASE_ABORT, 0, XIRR_ACT_ERASE_ABORT, 0},
    {'S', XIRR_ACT_LOCK, 0, XIRR_ACT_LOCK, 0},
    {'Z', XIRR_ACT_LOCK, 0, XIRR_ACT_LOCK, 0},
    {'Q', XIRR_ACT_UNLOCK, 0, XIRR_ACT_UNLOCK, 0},
    {'V', XIRR_ACT_PASTE, 0, XIRR_ACT_PASTE, 0},
    {'[', XIRR_ACT_AUTOMAP_SIZE, -1, XIRR_ACT_INPUT_HEIGHT, -12},
    {']', XIRR_ACT_AUTOMAP_SIZE, 1, XIRR_ACT_INPUT_HEIGHT, 12},
};

xirr_key_binding make(xirr_key_action action, int arg = 0)
{
    xirr_key_binding binding;
    binding.action = action;
    binding.arg = arg;
    return binding;
}

xirr_key_binding make_word(xirr_key_action action, const char *word)
{
    xirr_key_binding binding = make(action);
    snprintf(binding.word, sizeof binding.word, "%s", word);
    return binding;
}

const walking_entry *find_walking(int key)
{
    for (const walking_entry &entry : walking_table)
        if (entry.key == key)
            return &entry;
    return nullptr;
}

const control_entry *find_control(int key)
{
    for (const control_entry &entry : control_table)
        if (entry.key == key)
            return &entry;
    return nullptr;
}

// F1 to F12 while playing: "c" for Control or Meta, else "s" for Shift,
// before "f01".."f12". Alt alone leaves the key to the toolkit.
xirr_key_binding bind_function_key(const xirr_key_event &event, const xirr_key_context &context)
{
    unsigned mods = event.modifiers;
    if (!context.playing)
        return make(XIRR_ACT_PASS);
    const char *prefix = "";
    if (mods & (XIRR_MOD_CONTROL | XIRR_MOD_META))
        prefix = "c";
    else if (mods & XIRR_MOD_SHIFT)
        prefix = "s";
    else if (mods & XIRR_MOD_ALT)
        return make(XIRR_ACT_PASS);
    xirr_key_binding binding = make(XIRR_ACT_FUNCTION_KEY);
    snprintf(binding.word, sizeof binding.word, "%sf%02d", prefix, event.key - XIRR_KEY_F1 + 1);
    return binding;
}

}  // namespace

xirr_key_binding xirr_bind_key(const xirr_key_event &event, const xirr_key_context &context)
{
    const int key = event.key;
    const bool ctrl = event.modifiers & XIRR_MOD_CONTROL;
    const bool shift = event.modifiers & XIRR_MOD_SHIFT;

    if (context.keypad_walking && !ctrl && !shift) {
        if (const walking_entry *walk = find_walking(key)) {
            // A held key walks once, not once per auto-repeat.
            if (context.repeat)
                return make(XIRR_ACT_IGNORE);
            return make_word(XIRR_ACT_WALK, walk->word);
        }
    }

    if (context.whole_line_selected) {
        if ((key == XIRR_KEY_HOME || key == XIRR_KEY_LEFT || key == XIRR_KEY_KP_HOME) &&
            context.cmd_pushthrough)
            return make(XIRR_ACT_CURSOR_HOME);
        if (key == XIRR_KEY_UP && !ctrl && !shift)
            return make(XIRR_ACT_RECALL_SELECTED);
    }

    if (ctrl) {
        // Control shortcuts do not auto-repeat; Ctrl+Backspace may.
        if (context.repeat_with_control && key != XIRR_KEY_BACKSPACE)
            return make(XIRR_ACT_IGNORE);
        if (const control_entry *entry = find_control(key)) {
            xirr_key_binding binding = shift ? make(entry->shifted, entry->shifted_arg)
                                             : make(entry->plain, entry->plain_arg);
            if (binding.action == XIRR_ACT_POPUP && !context.playing)
                return make(XIRR_ACT_IGNORE);
            return binding;
        }
    }

    switch (key) {
    case XIRR_KEY_ENTER:
    case XIRR_KEY_KP_ENTER:
        // Ctrl+Enter is left to the control, which breaks the line.
        return make(ctrl ? XIRR_ACT_PASS : XIRR_ACT_SUBMIT);
    case XIRR_KEY_ESCAPE:
        return make(XIRR_ACT_ESCAPE);
    case XIRR_KEY_UP:
        return ctrl ? make(XIRR_ACT_PAGE, -1) : make(XIRR_ACT_HISTORY_UP);
    case XIRR_KEY_DOWN:
        return ctrl ? make(XIRR_ACT_PAGE, 1) : make(XIRR_ACT_HISTORY_DOWN);
    case XIRR_KEY_PAGE_UP:
        return make(XIRR_ACT_PAGE, -1);
    case XIRR_KEY_PAGE_DOWN:
        return make(XIRR_ACT_PAGE, 1);
    case XIRR_KEY_MODIFIER:
        // Pressing Control or Shift on its way to a shortcut must not end
        // scroll lock.
        return make(XIRR_ACT_PASS);
    default:
        if (key >= XIRR_KEY_F1 && key <= XIRR_KEY_F12)
            return bind_function_key(event, context);
        return make(XIRR_ACT_TYPE);
    }
}
