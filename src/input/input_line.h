#pragma once
// The command input line without its toolkit: the histories, password mode,
// the keyboard shortcuts and the wheel. The widget translates its events
// into calls on this object; the object edits the line through
// xirr_line_editor and reaches the main window through
// xirr_line_edit_callbacks. It reads the per-character settings
// `keypad_walking`, `cmd_pushthrough` and `locking_scrollback_enable` and
// changes the display settings its Control shortcuts toggle.
//
// User-interface thread only.

#include "config/config_settings.h"
#include "input/command_history.h"
#include "input/input_key.h"
#include "input/key_bindings.h"
#include "input/line_edit_callbacks.h"
#include "input/line_editor.h"

#include <string>

class ZvConfig;

class xirr_input_line {
public:
    static constexpr int max_line_length = 4999;   // characters of a submitted line
    static constexpr int min_font_size = 3;
    static constexpr int scroll_lines_per_notch = 3;

    // editor and config must outlive the object; callbacks may be null.
    xirr_input_line(xirr_line_editor &editor, ZvConfig &config,
                    const xirr_line_edit_callbacks *callbacks, void *user);

    // A key went down. Returns 1 when the line acted on it, 0 when the text
    // control should handle it.
    int key_down(const xirr_key_event &event);
    void key_up() { key_held_ = 0; }
    // Mouse wheel over the line: delta is the rotation of one notch; each
    // whole notch scrolls the main display 3 lines, back when rotation is
    // positive. Partial rotations add up.
    void wheel(int rotation, int delta);

    // 0 disconnected, 1 connected, 2 playing; 0 (logged) for another value.
    int set_history_slot(int slot) { return history_.set_slot(slot); }
    // The text "//history" shows.
    std::string list_history() const { return history_.listing(); }

    // The main text font step points larger or smaller (never below
    // min_font_size); the main display follows again. Shared by Ctrl +/-
    // and the font menu items.
    void change_font_size(int step);

    // Password mode: the line is hidden and nothing typed enters the
    // history, neither as a command nor as the line kept while browsing.
    void enter_password_mode();
    void leave_password_mode();
    int password_mode() const { return password_mode_; }

private:
    int perform(const xirr_key_binding &binding);
    // Enter: stores the line (as ASCII, cut at max_line_length) in the
    // history, empties it (or, playing with `cmd_pushthrough`, selects it)
    // and runs it as a typed command.
    void submit_line();
    // Up and Down: inside a multi-line text the cursor walks line by line;
    // at the end of the text they browse the current slot's history.
    void history_up();
    void history_down();
    // Stores text in the current slot, except in password mode.
    void history_store(const std::wstring &text);
    void copy_or_break();
    void escape();
    void unlock();
    void erase_and_send(const char *line);
    void adjust_setting(xirr_config_setting id, int step);
    int display(xirr_display_target target, xirr_display_op op, int amount = 0);
    void follow_main() { display(XIRR_MAIN_DISPLAY, XIRR_DISPLAY_FOLLOW_IF_LOCKED); }
    void process(const char *line, int echo);
    int playing() const;

    xirr_line_editor &editor_;
    ZvConfig &config_;
    const xirr_line_edit_callbacks *callbacks_;
    void *user_;
    xirr_command_history history_;
    int password_mode_ = 0;
    int key_held_ = 0;        // set on key down, cleared on key up
    int last_key_ = -1;       // key of the previous key down
    int last_control_ = -1;   // whether Control was down then (-1 before any)
    int wheel_sum_ = 0;       // rotation not yet scrolled, less than one notch
};
