#pragma once
// A colour as the drawing primitives take it: red, green and blue as ints
// meant to be 0..255. The primitives clamp each channel into that range once
// per call, so an out-of-range value paints the nearest valid colour.

struct xirr_rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

inline bool operator==(const xirr_rgb &a, const xirr_rgb &b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}
inline bool operator!=(const xirr_rgb &a, const xirr_rgb &b) { return !(a == b); }
