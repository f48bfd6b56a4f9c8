#pragma once
// The main window's background picture: one bitmap drawn in a background
// style with the colours of a background theme, remade only when it no
// longer fits. Its sides are whole steps of 256 pixels beyond the window and
// it never shrinks, so resizing the window by small steps, or making it
// smaller, reuses the picture; a change of style or colours redraws it.
//
// Usage by the window: on every layout call update() with the client size and
// the current style and background codes (force 0), with force 1 when the
// style or colour setting changed; paint bitmap() at (0, 0) behind the
// children.
//
// User-interface thread only (it draws with the theme generator).

#include "gfx/xirr_bitmap.h"

#include <memory>

class xirr_background {
public:
    // 1 when update() without force would redraw: there is no picture, it is
    // narrower or lower than width x height, or it was drawn with another
    // style or background code.
    int needs_redraw(int width, int height, int style, int background_code) const;

    // Makes bitmap() cover a client area of width x height (values below 0
    // count as 0) drawn in style (Maze2 for codes outside 0..5) with the
    // colours of background_code (Blue for unknown codes). Redraws when force
    // is set or needs_redraw() says so; the picture then gets the larger of
    // its old size and the window size rounded down to a multiple of 256 plus
    // 256, at most XIRR_BITMAP_MAX_SIDE, in each direction. Returns 1, or 0
    // when the larger bitmap could not be made: that is logged and the old
    // picture (if any) is kept unchanged.
    int update(int width, int height, int style, int background_code, int force);

    // The picture, null before the first successful update().
    const xirr_bitmap *bitmap() const { return bitmap_.get(); }
    // The codes the picture was drawn with (0 before the first one).
    int style() const { return style_; }
    int background_code() const { return background_code_; }

private:
    std::unique_ptr<xirr_bitmap> bitmap_;
    int style_ = 0;
    int background_code_ = 0;
};
