#pragma once
// The mouse selection of a scrollback view: where the left button went
// down (the anchor), where the pointer is now (the cursor), and the two
// ordered as the first and last selected character. Offsets count
// characters from the start of a display line across its chunks; the last
// character is included.

#include <string>

class xirr_textctrl_store;

struct xirr_text_position {
    int line = 0;
    int offset = 0;
};

inline bool operator==(const xirr_text_position &a, const xirr_text_position &b)
{
    return a.line == b.line && a.offset == b.offset;
}
inline bool operator!=(const xirr_text_position &a, const xirr_text_position &b) { return !(a == b); }

struct xirr_selection {
    int active = 0;
    xirr_text_position start;    // first selected character
    xirr_text_position end;      // last selected character
    xirr_text_position anchor;   // where the left button went down
    xirr_text_position cursor;   // where the pointer is

    // Orders anchor and cursor into start and end; on equal positions the
    // start is the cursor.
    void normalise();
    // Forgets the selection: inactive, every position (0, 0).
    void reset() { *this = xirr_selection(); }
    // Whether the active selection covers part of line; if so, its first
    // and last selected offsets there (last may lie past the line's end).
    int line_range(int line, int *first, int *last) const;
    // The selected text as the clipboard gets it (line feeds only where a
    // line feed ended a line). Returns 1, or 0 with out empty when a line
    // of the selection is missing from store, which is logged at debug
    // level above 1.
    int text(xirr_textctrl_store &store, std::string *out) const;
};
