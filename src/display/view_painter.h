#pragma once
// Drawing a scrollback view with pre-rendered glyphs: the visible lines of
// a store into the view's backing bitmap, and the font metrics the store
// lays the text out with, so that painting, wrapping and hit testing agree
// on every character's width.

#include "gfx/xirr_rgb.h"

class xirr_bitmap;
class xirr_glyph_set;
class xirr_textctrl_store;
struct xirr_selection;

// Background behind selected text.
constexpr xirr_rgb XIRR_SELECTION_BACKGROUND{64, 64, 64};

// Fills widths[0..255] with the glyph width of every printable character
// (0 for the others) and returns the line height: the height of the glyph
// of "f", one pixel less in compact mode.
int xirr_view_metrics(const xirr_glyph_set &glyphs, int compact, int widths[256]);

// Clears bitmap to background and draws store's lines upwards from the
// display line, whose top is at y = H - h - 1 (H the bitmap's height, h the
// font height), each from x = 1, until a line would be wholly above the
// bitmap or line 0 is drawn. Each character is blended over the background
// in its chunk's colour; selected characters are drawn opaque on
// XIRR_SELECTION_BACKGROUND. Characters without width are not drawn. With a
// font height below 1 only the clear is done (logged at debug level above
// 1). Holds the store's lock while it walks the lines.
void xirr_paint_text_view(xirr_bitmap &bitmap, const xirr_glyph_set &glyphs, xirr_textctrl_store &store,
                          const xirr_selection &selection, xirr_rgb background);
