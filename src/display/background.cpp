#include "display/background.h"

#include "display/background_styles.h"
#include "display/themes.h"
#include "foundation/debug_log.h"

#include <algorithm>

namespace {

constexpr int size_step = 256;

// The part of a window side a picture can cover.
int coverable(int window_side)
{
    return std::clamp(window_side, 0, XIRR_BITMAP_MAX_SIDE);
}

// A side for a window side: the next step of 256 above it, or the old side
// when that is larger.
int stepped_side(int old_side, int window_side)
{
    const int stepped = coverable(window_side) / size_step * size_step + size_step;
    return std::min(std::max(old_side, stepped), XIRR_BITMAP_MAX_SIDE);
}

} // namespace

int xirr_background::needs_redraw(int width, int height, int style, int background_code) const
{
    return !bitmap_ || bitmap_->GetWidth() < coverable(width) ||
           bitmap_->GetHeight() < coverable(height) || style != style_ ||
           background_code != background_code_;
}

int xirr_background::update(int width, int height, int style, int background_code, int force)
{
    if (!force && !needs_redraw(width, height, style, background_code))
        return 1;

    const int old_width = bitmap_ ? bitmap_->GetWidth() : 0;
    const int old_height = bitmap_ ? bitmap_->GetHeight() : 0;
    const int new_width = stepped_side(old_width, width);
    const int new_height = stepped_side(old_height, height);
    if (new_width != old_width || new_height != old_height) {
        auto larger = std::make_unique<xirr_bitmap>(new_width, new_height);
        if (!larger->IsOk()) {
            if (xirr_debug_level > 0)
                xirr_debug_printf("Error in xirr_background::update() - no %d x %d bitmap, "
                                  "keeping the old background.\n",
                                  new_width, new_height);
            return 0;
        }
        bitmap_ = std::move(larger);
    }
    xirr_draw_background(*bitmap_, style, xirr_background_theme_for(background_code));
    style_ = style;
    background_code_ = background_code;
    return 1;
}
