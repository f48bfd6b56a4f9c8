#pragma once
// Text in the X primary selection: what is selected anywhere on the display
// is pasted into the input line from there, and the line and the scrollback
// put their selections there. The toolkit's own log messages are off while
// these run, so a missing selection owner shows no dialog.
//
// User-interface thread only.

#include <wx/string.h>

// Reads the selection as Unicode text into *text. Returns 1 when there was
// text; 0, with *text empty, when there was none or the clipboard could not
// be opened (logged).
int xirr_get_clipboard_data(wxString *text);

// Makes text the primary selection. Returns 1, or 0 when the clipboard could
// not be opened (logged) or refused the text.
int xirr_set_clipboard_data(const wxString &text);
