// Lines, gradient lines and polygons of xirr_bitmap.
//
// The walks follow the classic integer algorithms pixel for pixel, but only
// over the part of the major axis that lies inside the bitmap: the state at
// the first visible step (minor coordinate, error term, colour) is computed
// in closed form, so a line from -2e9 to 2e9 costs at most one bitmap side.
// All products of extents fit in uint64_t because int coordinates differ by
// less than 2^32.

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "gfx/pixel_format.h"
#include "gfx/xirr_bitmap.h"

namespace {

int sign_of(int64_t v) { return (v > 0) - (v < 0); }

// One classic Bresenham walk of `major` from a1 to a2 (a1 <= a2, both ends
// included) with the minor coordinate starting at b1 and moving by
// minor_step; error starts at major extent / 2, loses the minor extent each
// step and takes a minor step plus the major extent when it drops below 0.
// Calls plot(major, minor) for every step whose major lies in 0..size-1.
template <class Plot>
void bresenham_walk(int64_t a1, int64_t a2, int64_t b1, int minor_step, uint64_t minor_extent,
                    int size, Plot plot)
{
    int lo, hi;
    if (!xirr_clip_span(a1, a2, size, &lo, &hi))
        return;
    const uint64_t major_extent = static_cast<uint64_t>(a2 - a1);
    const uint64_t error0 = major_extent / 2;
    // After k steps: error = error0 - k * minor + m * major, kept in
    // 0..major-1, so m = ceil((k * minor - error0) / major) when positive.
    const uint64_t k = static_cast<uint64_t>(lo - a1);
    const uint64_t lost = k * minor_extent;
    const uint64_t m = lost > error0 ? (lost - error0 + major_extent - 1) / major_extent : 0;
    int64_t error = static_cast<int64_t>(error0 + m * major_extent - lost);
    int64_t minor = b1 + static_cast<int64_t>(m) * minor_step;
    const int64_t dminor = static_cast<int64_t>(minor_extent);
    const int64_t dmajor = static_cast<int64_t>(major_extent);
    for (int a = lo; a <= hi; a++) {
        plot(a, minor);
        error -= dminor;
        if (error < 0) {
            minor += minor_step;
            error += dmajor;
        }
    }
}

}  // namespace

void xirr_bitmap::DrawLine(int x1, int y1, int x2, int y2, xirr_rgb colour)
{
    const int64_t dx = std::llabs(int64_t{x2} - x1);
    const int64_t dy = std::llabs(int64_t{y2} - y1);
    const uint32_t alpha = xirr_alpha_mask();
    const uint32_t rgb = xirr_rgb_word(colour);
    const int w = width, h = height;
    if (dy < dx) {
        if (x1 > x2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        bresenham_walk(x1, x2, y1, sign_of(int64_t{y2} - y1), dy, w, [&](int x, int64_t y) {
            if (y >= 0 && y < h) {
                uint32_t *p = Pixels(x, static_cast<int>(y));
                *p = (*p & alpha) | rgb;
            }
        });
    } else {
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        bresenham_walk(y1, y2, x1, sign_of(int64_t{x2} - x1), dx, h, [&](int y, int64_t x) {
            if (x >= 0 && x < w) {
                uint32_t *p = Pixels(static_cast<int>(x), y);
                *p = (*p & alpha) | rgb;
            }
        });
    }
}

void xirr_bitmap::DrawGradientLine(int x1, int y1, int x2, int y2, xirr_rgb colour1, xirr_rgb colour2)
{
    const int64_t dx = int64_t{x2} - x1, dy = int64_t{y2} - y1;
    const bool x_major = std::llabs(dx) >= std::llabs(dy);
    const int64_t major_start = x_major ? x1 : y1, minor_start = x_major ? y1 : x1;
    const int major_step = sign_of(x_major ? dx : dy), minor_step = sign_of(x_major ? dy : dx);
    const uint64_t n = static_cast<uint64_t>(std::llabs(x_major ? dx : dy));
    const uint64_t minor_extent = static_cast<uint64_t>(std::llabs(x_major ? dy : dx));
    const int size = x_major ? width : height;

    // Steps i = 0..n visit major = major_start + i * major_step; keep those
    // inside the bitmap.
    int64_t first = 0, last = static_cast<int64_t>(n);
    if (major_step > 0) {
        first = std::max<int64_t>(first, -major_start);
        last = std::min<int64_t>(last, size - 1 - major_start);
    } else if (major_step < 0) {
        first = std::max<int64_t>(first, major_start - (size - 1));
        last = std::min<int64_t>(last, major_start);
    } else if (major_start < 0 || major_start >= size) {
        return;
    }
    if (first > last)
        return;

    // Error starts at -(n / 2), gains the minor extent each step and, on
    // reaching 0, takes a minor step and loses n: after k steps that made
    // j minor steps it is kept in -n..-1 (n = 1 may also rest at 0), so
    // j = floor((k * minor - n / 2) / n) + 1, and never more than k (k > 0
    // implies n > 0).
    const uint64_t k = static_cast<uint64_t>(first);
    const uint64_t gained = k * minor_extent, half = n / 2;
    const uint64_t j = k > 0 && gained >= half ? std::min(k, (gained - half) / n + 1) : 0;
    int64_t error = static_cast<int64_t>(gained - j * n) - static_cast<int64_t>(half);
    int64_t minor = minor_start + static_cast<int64_t>(j) * minor_step;

    // 8.8 fixed point per channel, stepping (c2 - c1) * 256 / (n + 1).
    const xirr_rgb c1 = xirr_clamp_colour(colour1), c2 = xirr_clamp_colour(colour2);
    const int64_t start[3] = {c1.r, c1.g, c1.b}, end[3] = {c2.r, c2.g, c2.b};
    int64_t value[3], step[3];
    for (int c = 0; c < 3; c++) {
        step[c] = (end[c] - start[c]) * 256 / static_cast<int64_t>(n + 1);
        value[c] = start[c] * 256 + first * step[c];
    }

    const int64_t minor_size = x_major ? height : width;
    int64_t major = major_start + first * major_step;
    for (int64_t i = first; i <= last; i++) {
        if (minor >= 0 && minor < minor_size) {
            const int x = static_cast<int>(x_major ? major : minor);
            const int y = static_cast<int>(x_major ? minor : major);
            SetPixel(x, y, static_cast<int>(value[0] >> 8), static_cast<int>(value[1] >> 8),
                     static_cast<int>(value[2] >> 8));
        }
        for (int c = 0; c < 3; c++)
            value[c] += step[c];
        error += static_cast<int64_t>(minor_extent);
        if (error >= 0) {
            minor += minor_step;
            error -= static_cast<int64_t>(n);
        }
        major += major_step;
    }
}

namespace {

// A non-horizontal polygon edge: it fills scanlines ymin + 1 .. ymax, at
// x = x_at_ymin + slope * (y - ymin) (computed from the lower end each
// time, so no rounding accumulates).
struct polygon_edge {
    int64_t ymin, ymax;
    double x_at_ymin, slope;
};

int saturate(int64_t v)
{
    return static_cast<int>(std::clamp<int64_t>(v, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

}  // namespace

void xirr_bitmap::DrawPolygon(const xirr_point *points, int count, int offset_x, int offset_y,
                              xirr_rgb outline, xirr_rgb fill)
{
    if (count < 3) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in xirr_bitmap::DrawPolygon(), only got %d points, need a minimum of 3.\n",
                              count);
        return;
    }
    if (count >= XIRR_POLYGON_MAX_POINTS) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in xirr_bitmap::DrawPolygon(), got %d points, max is %d.\n", count,
                              XIRR_POLYGON_MAX_POINTS);
        return;
    }
    if (!points) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in xirr_bitmap::DrawPolygon(), null points.\n");
        return;
    }

    // Corners moved by the offset; a sum beyond the int range is held at
    // its limit, which keeps every visible pixel of sane shapes.
    xirr_point corner[XIRR_POLYGON_MAX_POINTS];
    for (int i = 0; i < count; i++)
        corner[i] = {saturate(int64_t{points[i].x} + offset_x), saturate(int64_t{points[i].y} + offset_y)};

    polygon_edge edge[XIRR_POLYGON_MAX_POINTS];
    int edges = 0;
    int64_t top = std::numeric_limits<int64_t>::max(), bottom = std::numeric_limits<int64_t>::min();
    for (int i = 0; i < count; i++) {
        const xirr_point a = corner[i == 0 ? count - 1 : i - 1], b = corner[i];
        if (a.y == b.y)
            continue;
        const xirr_point lo = a.y < b.y ? a : b, hi = a.y < b.y ? b : a;
        edge[edges++] = {lo.y, hi.y, static_cast<double>(lo.x),
                         (static_cast<double>(hi.x) - lo.x) / (static_cast<double>(hi.y) - lo.y)};
        top = std::min<int64_t>(top, lo.y);
        bottom = std::max<int64_t>(bottom, hi.y);
    }

    // Each scanline pairs the crossings of the edges it lies on, left to
    // right; only scanlines inside the bitmap are visited.
    int first_row, last_row;
    if (edges > 0 && xirr_clip_span(top + 1, bottom, height, &first_row, &last_row)) {
        double crossing[XIRR_POLYGON_MAX_POINTS];
        for (int y = first_row; y <= last_row; y++) {
            int n = 0;
            for (int i = 0; i < edges; i++)
                if (edge[i].ymin < y && y <= edge[i].ymax)
                    crossing[n++] = edge[i].x_at_ymin + edge[i].slope * static_cast<double>(y - edge[i].ymin);
            std::sort(crossing, crossing + n);
            // Truncated toward zero as the fill's ends; held to -1..W so the
            // span converts safely and keeps its visible pixels.
            for (int i = 0; i + 1 < n; i += 2) {
                const double lo = std::clamp(crossing[i], -1.0, static_cast<double>(width));
                const double hi = std::clamp(crossing[i + 1], -1.0, static_cast<double>(width));
                DrawLine(static_cast<int>(lo), y, static_cast<int>(hi), y, fill);
            }
        }
    }

    for (int i = 0; i < count; i++) {
        const xirr_point a = corner[i == 0 ? count - 1 : i - 1], b = corner[i];
        DrawLine(a.x, a.y, b.x, b.y, outline);
    }
}
