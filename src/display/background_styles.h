#pragma once
// The six generated background pictures of the main window, drawn from the
// three colours of a background theme. The patterns come from the theme
// generator (xirr_theme_random), reset and reseeded for every row, so a
// picture depends only on the bitmap size, the style and the colours:
// drawing it again gives the same pixels, and a wider or taller bitmap shows
// the same pattern at the same places.

#include "display/themes.h"

class xirr_bitmap;

// Codes of the background style setting. Every other value draws Maze2.
enum xirr_background_style : int {
    XIRR_BACKGROUND_NONE = 0,      // black
    XIRR_BACKGROUND_SOLID = 1,     // the dark colour
    XIRR_BACKGROUND_MAZE1 = 2,     // a maze of 5-pixel lines in the middle colour
    XIRR_BACKGROUND_MAZE2 = 3,     // Maze1 with some lines in the light colour
    XIRR_BACKGROUND_BUBBLES = 4,   // rings in four layers
    XIRR_BACKGROUND_MAZE3 = 5,     // a maze of diagonals
};

// Draws the picture of style over the whole of bitmap. Uses and resets the
// theme generator.
void xirr_draw_background(xirr_bitmap &bitmap, int style, const xirr_background_theme &colours);
