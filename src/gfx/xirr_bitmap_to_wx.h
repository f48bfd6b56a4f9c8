#pragma once
// The one copy of a finished xirr_bitmap into a toolkit bitmap for painting.

#include <wx/bitmap.h>

class xirr_bitmap;

// Copies every pixel of source, alpha included, into *target, first
// (re)creating *target as a 32-bit bitmap of source's size when its size or
// depth differs, so a window that paints every frame reuses one target.
// Returns 1, or 0 after logging when source is empty or the target's pixel
// data cannot be reached (target then keeps its old content).
int xirr_bitmap_to_wx(const xirr_bitmap &source, wxBitmap *target);
