#pragma once
// The debug commands of the client: the debug state screen, "//debuglevel"
// and "//debugfilename". Each appends the text it shows in the main display
// to out; the level and the log file are the process-wide ones of the debug
// log.

#include "foundation/bounded_text.h"

// The level and the log file name, or the name that failed to open. A log
// on standard output has no name and shows none.
void xirr_debug_state_text(xirr_bounded_text *out);

// argument: the rest of the command line (null when there is none). Its
// first word sets the level as a decimal number, anything else as 0 (the
// level is not range-checked). Without an argument, shows the state and how
// to change it.
void xirr_debug_level_command(const char *argument, xirr_bounded_text *out);

// argument: the rest of the command line (null when there is none). Its
// first word, unchanged and relative to the working directory, becomes the
// log file; when it does not open, the previous file is kept if it reopens.
// Without an argument, shows the state and how to change the file.
void xirr_debug_file_command(const char *argument, xirr_bounded_text *out);
