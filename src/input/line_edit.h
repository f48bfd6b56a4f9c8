#pragma once
// xirr_line_edit: the command input line at the bottom of the main window,
// a borderless multi-line rich text control. Its logic is xirr_input_line;
// the widget translates key, key-up and wheel events into calls on it and
// serves as its text control. What the line asks of the main window goes
// through the xirr_line_edit_callbacks table given at construction.
//
// Normal input is white on black in the main text font; password mode is
// black on black. The X primary selection is pasted with Ctrl V and with
// the control's own paste command.
//
// User-interface thread only.

#include "input/input_line.h"
#include "input/line_edit_callbacks.h"
#include "input/line_editor.h"

#include <wx/richtext/richtextctrl.h>

#include <string>

class ZvConfig;

class xirr_line_edit : public wxRichTextCtrl, private xirr_line_editor {
public:
    // callbacks (may be null) and user are kept; config must outlive the line.
    xirr_line_edit(wxWindow *parent, ZvConfig &config, const xirr_line_edit_callbacks *callbacks,
                   void *user, wxWindowID id = wxID_ANY);

    // 0 by the disconnect, 1 after a connect, 2 on the tag "login".
    int set_history_slot(int slot) { return line_.set_history_slot(slot); }
    // The text "//history" shows in the main display.
    std::string list_history() const { return line_.list_history(); }

    // The server's echo negotiation: hide the line and keep it out of the
    // history, and back.
    void enter_password_mode() { line_.enter_password_mode(); }
    void leave_password_mode() { line_.leave_password_mode(); }
    int password_mode() const { return line_.password_mode(); }

    // The font menu's Bigger and Smaller, the same as Ctrl + and Ctrl -.
    void change_font_size(int step) { line_.change_font_size(step); }
    // Shows the line in font (the main text font, after it changed).
    void apply_font(const wxFont &font);
    // Colours and font of the current mode again, for the whole line.
    void restore_input_style() { apply_input_style(hidden_); }

    // Inserts the primary selection at the cursor, or over the selection.
    void manual_clipboard_paste();
    // Another window of the main window took the focus: give it to the
    // line, unless the window is in a floating frame (automap, popups).
    void transfer_focus_main(wxWindow *window);

    // The control's own paste (menu, Shift+Insert) takes the primary
    // selection too.
    void Paste() override;

private:
    void OnKeyDown(wxKeyEvent &event);
    void OnKeyUp(wxKeyEvent &event);
    void OnMouseWheel(wxMouseEvent &event);

    std::wstring text() const override;
    long cursor() const override;
    void selection(long *from, long *to) const override;
    void set_text(const std::wstring &text) override;
    void set_cursor(long position) override;
    void select_all() override;
    void copy_to_primary(const std::wstring &text) override;
    void paste_primary() override { manual_clipboard_paste(); }
    void apply_input_style(int hidden) override;

    const xirr_line_edit_callbacks *callbacks_;
    void *user_;
    int hidden_ = 0;
    xirr_input_line line_;

    wxDECLARE_EVENT_TABLE();
};
