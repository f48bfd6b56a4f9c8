#pragma once
// What the input line's logic asks of the text control that shows the line.
// The toolkit widget implements it; tests use a plain string. Positions
// count characters from the start of the text, line breaks included.

#include <string>

class xirr_line_editor {
public:
    virtual ~xirr_line_editor() = default;

    virtual std::wstring text() const = 0;
    virtual long cursor() const = 0;
    // The selected range [*from, *to); *from == *to when nothing is selected.
    virtual void selection(long *from, long *to) const = 0;
    // Replaces the whole line, in the current input style, cursor at the end.
    virtual void set_text(const std::wstring &text) = 0;
    // Cancels any selection and puts the cursor at position.
    virtual void set_cursor(long position) = 0;
    virtual void select_all() = 0;
    // Puts text into the X primary selection.
    virtual void copy_to_primary(const std::wstring &text) = 0;
    // Inserts the X primary selection at the cursor, or over the selected
    // range when there is one.
    virtual void paste_primary() = 0;
    // Shows the line, and what is typed next, white on black, or black on
    // black when hidden (password mode).
    virtual void apply_input_style(int hidden) = 0;
};
