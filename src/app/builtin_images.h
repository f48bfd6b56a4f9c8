#pragma once
// The pictures carried inside the program as PNG files: the banner of the
// main window and the status bar's icons. The window code decodes them at
// start-up.

#include <cstddef>

enum xirr_builtin_image {
    XIRR_IMAGE_BANNER,                  // 192 x 43
    XIRR_IMAGE_PADLOCK,                 // 21 x 21, shown while the scrollback is locked
    // The status bar's five state icons, 17 x 17 each, in its order.
    XIRR_IMAGE_ICON_UNARMED,
    XIRR_IMAGE_ICON_ASLEEP,
    XIRR_IMAGE_ICON_BURNING_HANDS,
    XIRR_IMAGE_ICON_SHOCKING_GRASP,
    XIRR_IMAGE_ICON_SICKENING_TOUCH,
    XIRR_IMAGE_COUNT
};

// Sets *data and *size to the PNG bytes of image and returns 1. For a value
// outside the enumeration it logs an error, sets *data to null and *size
// to 0, and returns 0.
int xirr_builtin_image_png(int image, const unsigned char **data, size_t *size);
