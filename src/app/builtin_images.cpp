#include "app/builtin_images.h"

#include "foundation/debug_log.h"

// The pictures in enumeration order; the byte arrays are generated from
// src/app/images/NAME.png at build time.
#define XIRR_BUILTIN_IMAGES(X) \
    X(banner)                  \
    X(padlock)                 \
    X(icon_unarmed)            \
    X(icon_asleep)             \
    X(icon_burning_hands)      \
    X(icon_shocking_grasp)     \
    X(icon_sickening_touch)

#define XIRR_DECLARE_IMAGE(name)                 \
    extern const unsigned char xirr_png_##name[]; \
    extern const size_t xirr_png_##name##_size;
XIRR_BUILTIN_IMAGES(XIRR_DECLARE_IMAGE)
#undef XIRR_DECLARE_IMAGE

namespace {

struct builtin_png {
    const unsigned char *data;
    const size_t *size;
};

#define XIRR_LIST_IMAGE(name) {xirr_png_##name, &xirr_png_##name##_size},
const builtin_png images[] = {XIRR_BUILTIN_IMAGES(XIRR_LIST_IMAGE)};
#undef XIRR_LIST_IMAGE

static_assert(sizeof images / sizeof images[0] == XIRR_IMAGE_COUNT,
              "one picture per xirr_builtin_image");

}  // namespace

int xirr_builtin_image_png(int image, const unsigned char **data, size_t *size)
{
    if (image < 0 || image >= XIRR_IMAGE_COUNT) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in xirr_builtin_image_png(), no built-in image %d.\n", image);
        *data = nullptr;
        *size = 0;
        return 0;
    }
    *data = images[image].data;
    *size = *images[image].size;
    return 1;
}
