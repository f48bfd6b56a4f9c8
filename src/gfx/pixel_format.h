#pragma once
// Helpers shared by the drawing primitives: the pixel word of a colour, the
// clipping of a span to a bitmap side, and the message for a bitmap without
// pixel memory.

#include <cstdint>
#include <cstring>

#include "foundation/debug_log.h"
#include "gfx/xirr_rgb.h"

// The 32-bit word whose bytes in memory are r, g, b, a, whatever the
// machine's byte order; each value must be 0..255.
inline uint32_t xirr_pack_pixel(int r, int g, int b, int a)
{
    const uint8_t bytes[4] = {static_cast<uint8_t>(r), static_cast<uint8_t>(g),
                              static_cast<uint8_t>(b), static_cast<uint8_t>(a)};
    uint32_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// The bits of a pixel word that hold alpha.
inline uint32_t xirr_alpha_mask() { return xirr_pack_pixel(0, 0, 0, 255); }

inline int xirr_clamp_channel(int value) { return value < 0 ? 0 : value > 255 ? 255 : value; }

inline xirr_rgb xirr_clamp_colour(xirr_rgb colour)
{
    return {xirr_clamp_channel(colour.r), xirr_clamp_channel(colour.g), xirr_clamp_channel(colour.b)};
}

// The colour's word with alpha 0, to be or-ed into a pixel whose alpha is
// kept.
inline uint32_t xirr_rgb_word(xirr_rgb colour)
{
    const xirr_rgb c = xirr_clamp_colour(colour);
    return xirr_pack_pixel(c.r, c.g, c.b, 0);
}

// Intersects first..last (inclusive, first <= last) with 0..size-1. Returns
// 1 with the visible part in *lo..*hi, or 0 when nothing is visible.
inline int xirr_clip_span(int64_t first, int64_t last, int size, int *lo, int *hi)
{
    if (last < 0 || first >= size || first > last)
        return 0;
    *lo = first < 0 ? 0 : static_cast<int>(first);
    *hi = last >= size ? size - 1 : static_cast<int>(last);
    return 1;
}

// "Error in xirr_bitmap::<method>(), pixel data<which> failed?" at debug
// level above 1; which is "", " dest" or " src".
inline void xirr_log_pixel_data_failed(const char *method, const char *which)
{
    if (xirr_debug_level > 1)
        xirr_debug_printf("Error in xirr_bitmap::%s(), pixel data%s failed?\n", method, which);
}
