#pragma once
// Pixel to text position for a scrollback view: which character of which
// display line lies under a point of the view's client area.

#include "display/selection.h"

class xirr_textctrl_store;

// Translates client pixel (x, y) of a view client_height pixels high that
// shows store. The line is the display line plus the rows of the font
// height between y and the bottom row (floor division, also above the
// window), clamped to 0 .. current line. The offset is that of the first
// character at which the sum of the widths from the line's start reaches x
// (x below 0 counts as 0), or the number of characters on the line when x
// lies beyond its end. A font height below 1 is logged at debug level
// above 1 and gives (0, 0). Takes the store's lock.
xirr_text_position xirr_translate_xy_to_line_and_offset(xirr_textctrl_store &store, int client_height,
                                                        int x, int y);
