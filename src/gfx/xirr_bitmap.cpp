// Storage of xirr_bitmap and its area primitives: clears, pixels,
// rectangles, circles, gradient rectangles and bitmap copies. Lines and
// polygons are in xirr_bitmap_lines.cpp, glyph blends in
// xirr_bitmap_text.cpp.

#include "gfx/xirr_bitmap.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <utility>

#include "gfx/pixel_format.h"

xirr_bitmap::xirr_bitmap() : xirr_bitmap(16, 16) {}

xirr_bitmap::xirr_bitmap(int new_width, int new_height)
{
    if (Allocate(new_width, new_height))
        Clear({0, 0, 0});
}

xirr_bitmap::xirr_bitmap(const xirr_bitmap &other)
{
    if (other.IsOk() && Allocate(other.width, other.height))
        std::memcpy(pixels.get(), other.pixels.get(), static_cast<size_t>(width) * height * 4);
}

xirr_bitmap &xirr_bitmap::operator=(const xirr_bitmap &other)
{
    if (this != &other) {
        xirr_bitmap copy(other);
        *this = std::move(copy);
    }
    return *this;
}

xirr_bitmap::xirr_bitmap(xirr_bitmap &&other) noexcept
    : pixels(std::move(other.pixels)), width(other.width), height(other.height)
{
    other.width = other.height = 0;
}

xirr_bitmap &xirr_bitmap::operator=(xirr_bitmap &&other) noexcept
{
    if (this != &other) {
        pixels = std::move(other.pixels);
        width = other.width;
        height = other.height;
        other.width = other.height = 0;
    }
    return *this;
}

xirr_bitmap::~xirr_bitmap() = default;

int xirr_bitmap::Allocate(int new_width, int new_height)
{
    pixels.reset();
    width = height = 0;
    if (new_width < 1 || new_height < 1 || new_width > XIRR_BITMAP_MAX_SIDE ||
        new_height > XIRR_BITMAP_MAX_SIDE) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in xirr_bitmap::xirr_bitmap(), bad size %d x %d.\n", new_width,
                              new_height);
        return 0;
    }
    pixels.reset(new (std::nothrow) uint32_t[static_cast<size_t>(new_width) * new_height]);
    if (!pixels) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in xirr_bitmap::xirr_bitmap(), no memory for %d x %d pixels.\n",
                              new_width, new_height);
        return 0;
    }
    width = new_width;
    height = new_height;
    return 1;
}

uint8_t *xirr_bitmap::GetRow(int y)
{
    return IsOk() ? reinterpret_cast<uint8_t *>(Pixels(0, y)) : nullptr;
}

const uint8_t *xirr_bitmap::GetRow(int y) const
{
    return IsOk() ? reinterpret_cast<const uint8_t *>(pixels.get() + static_cast<size_t>(y) * width)
                  : nullptr;
}

int xirr_bitmap::GetPixel(int x, int y, uint8_t rgba[4]) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    std::memcpy(rgba, GetRow(y) + static_cast<size_t>(x) * 4, 4);
    return 1;
}

void xirr_bitmap::ClearAlpha()
{
    if (!IsOk()) {
        xirr_log_pixel_data_failed("ClearAlpha", "");
        return;
    }
    const uint32_t alpha = xirr_alpha_mask();
    uint32_t *p = pixels.get();
    for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; i++)
        p[i] |= alpha;
}

void xirr_bitmap::Clear(xirr_rgb colour)
{
    if (!IsOk()) {
        xirr_log_pixel_data_failed("Clear", "");
        return;
    }
    std::fill_n(pixels.get(), static_cast<size_t>(width) * height,
                xirr_rgb_word(colour) | xirr_alpha_mask());
}

void xirr_bitmap::SetPixel(int x, int y, xirr_rgb colour)
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return;
    uint32_t *p = Pixels(x, y);
    *p = (*p & xirr_alpha_mask()) | xirr_rgb_word(colour);
}

void xirr_bitmap::SetPixel(int x, int y, int r, int g, int b)
{
    SetPixel(x, y, xirr_rgb{r, g, b});
}

void xirr_bitmap::DrawFilledRectangle(int x1, int y1, int x2, int y2, xirr_rgb colour)
{
    if (!IsOk()) {
        xirr_log_pixel_data_failed("DrawFilledRectangle", "");
        return;
    }
    int left, right, top, bottom;
    if (!xirr_clip_span(std::min(x1, x2), std::max(x1, x2), width, &left, &right) ||
        !xirr_clip_span(std::min(y1, y2), std::max(y1, y2), height, &top, &bottom))
        return;
    const uint32_t alpha = xirr_alpha_mask();
    const uint32_t rgb = xirr_rgb_word(colour);
    for (int y = top; y <= bottom; y++) {
        uint32_t *p = Pixels(left, y);
        for (int x = left; x <= right; x++, p++)
            *p = (*p & alpha) | rgb;
    }
}

// floor(sqrt(d)) for d >= 0, exact for every int64 d the circle produces.
static int64_t integer_sqrt(int64_t d)
{
    int64_t s = static_cast<int64_t>(std::sqrt(static_cast<double>(d)));
    while (s > 0 && s * s > d)
        s--;
    while ((s + 1) * (s + 1) <= d)
        s++;
    return s;
}

void xirr_bitmap::DrawFilledCircle(int cx, int cy, int r, xirr_rgb colour)
{
    if (!IsOk()) {
        xirr_log_pixel_data_failed("DrawFilledCircle", "");
        return;
    }
    const int64_t radius = std::max(r, 0);
    int top, bottom;
    if (!xirr_clip_span(int64_t{cy} - radius, int64_t{cy} + radius, height, &top, &bottom))
        return;
    const uint32_t alpha = xirr_alpha_mask();
    const uint32_t rgb = xirr_rgb_word(colour);
    for (int y = top; y <= bottom; y++) {
        const int64_t dy = y - int64_t{cy};
        const int64_t half = integer_sqrt(std::max<int64_t>(radius * (radius + 1) - dy * dy, 0));
        int left, right;
        if (!xirr_clip_span(cx - half, cx + half, width, &left, &right))
            continue;
        uint32_t *p = Pixels(left, y);
        for (int x = left; x <= right; x++, p++)
            *p = (*p & alpha) | rgb;
    }
}

namespace {

// A colour in 8.8 fixed point stepping across a gradient rectangle: each
// channel gains (c2 - c1) * 256 / (extent + 1) before every drawn line, so
// the first line is one step past colour1 and the last one short of colour2.
struct gradient_walk {
    gradient_walk(xirr_rgb from, xirr_rgb to, int64_t extent)
    {
        const xirr_rgb c1 = xirr_clamp_colour(from);
        const xirr_rgb c2 = xirr_clamp_colour(to);
        const int64_t start[3] = {c1.r, c1.g, c1.b};
        const int64_t end[3] = {c2.r, c2.g, c2.b};
        for (int i = 0; i < 3; i++) {
            value[i] = start[i] * 256;
            step[i] = (end[i] - start[i]) * 256 / (extent + 1);
        }
    }
    // Advances one line and returns that line's pixel word, alpha 0.
    uint32_t next()
    {
        for (int i = 0; i < 3; i++)
            value[i] += step[i];
        return xirr_pack_pixel(static_cast<int>(value[0] >> 8), static_cast<int>(value[1] >> 8),
                               static_cast<int>(value[2] >> 8), 0);
    }
    int64_t value[3];
    int64_t step[3];
};

}  // namespace

void xirr_bitmap::DrawXGradientRectangle(int x1, int y1, int x2, int y2, xirr_rgb colour1,
                                         xirr_rgb colour2)
{
    if (!IsOk()) {
        xirr_log_pixel_data_failed("DrawXGradientRectangle", "");
        return;
    }
    const int64_t first = std::min(x1, x2), last = std::max(x1, x2);
    int left, right, top, bottom;
    if (!xirr_clip_span(first, last, width, &left, &right) ||
        !xirr_clip_span(std::min(y1, y2), std::max(y1, y2), height, &top, &bottom))
        return;
    gradient_walk walk(colour1, colour2, last - first + 1);
    const uint32_t alpha = xirr_alpha_mask();
    for (int x = left; x <= right; x++) {
        const uint32_t rgb = walk.next();
        for (int y = top; y <= bottom; y++) {
            uint32_t *p = Pixels(x, y);
            *p = (*p & alpha) | rgb;
        }
    }
}

void xirr_bitmap::DrawYGradientRectangle(int x1, int y1, int x2, int y2, xirr_rgb colour1,
                                         xirr_rgb colour2)
{
    if (!IsOk()) {
        xirr_log_pixel_data_failed("DrawYGradientRectangle", "");
        return;
    }
    const int64_t first = std::min(y1, y2), last = std::max(y1, y2);
    int left, right, top, bottom;
    if (!xirr_clip_span(std::min(x1, x2), std::max(x1, x2), width, &left, &right) ||
        !xirr_clip_span(first, last, height, &top, &bottom))
        return;
    gradient_walk walk(colour1, colour2, last - first + 1);
    const uint32_t alpha = xirr_alpha_mask();
    for (int y = top; y <= bottom; y++) {
        const uint32_t rgb = walk.next();
        uint32_t *p = Pixels(left, y);
        for (int x = left; x <= right; x++, p++)
            *p = (*p & alpha) | rgb;
    }
}

namespace {

// The part of a source bitmap placed at (x, y) that lands on a target, and
// the order to visit it in: when source and target are the same memory the
// visit runs against the direction of the move, so every pixel is read
// before it is overwritten.
struct copy_area {
    int src_x, src_y, dst_x, dst_y, cols, rows;
    int backwards_rows, backwards_cols;
};

int clip_copy(const xirr_bitmap &target, const xirr_bitmap &source, int x, int y, copy_area *a)
{
    int left, right, top, bottom;
    if (!xirr_clip_span(x, int64_t{x} + source.GetWidth() - 1, target.GetWidth(), &left, &right) ||
        !xirr_clip_span(y, int64_t{y} + source.GetHeight() - 1, target.GetHeight(), &top, &bottom))
        return 0;
    a->dst_x = left;
    a->dst_y = top;
    a->src_x = static_cast<int>(left - int64_t{x});
    a->src_y = static_cast<int>(top - int64_t{y});
    a->cols = right - left + 1;
    a->rows = bottom - top + 1;
    const bool same = &target == &source;
    a->backwards_rows = same && y > 0;
    a->backwards_cols = same && y == 0 && x > 0;
    return 1;
}

// Both bitmaps usable (else the failure is logged for the copy named) and
// the copied area clipped into *a; 0 when there is nothing to copy.
int prepare_copy(const xirr_bitmap &target, const xirr_bitmap &source, int x, int y,
                 const char *name, copy_area *a)
{
    if (!target.IsOk()) {
        xirr_log_pixel_data_failed(name, " dest");
        return 0;
    }
    if (!source.IsOk()) {
        xirr_log_pixel_data_failed(name, " src");
        return 0;
    }
    return clip_copy(target, source, x, y, a);
}

}  // namespace

void xirr_bitmap::DrawBitmapIgnoreAlpha(const xirr_bitmap &source, int x, int y)
{
    copy_area a;
    if (!prepare_copy(*this, source, x, y, "DrawBitmapIgnoreAlpha", &a))
        return;
    for (int i = 0; i < a.rows; i++) {
        const int row = a.backwards_rows ? a.rows - 1 - i : i;
        std::memmove(Pixels(a.dst_x, a.dst_y + row), source.GetRow(a.src_y + row) + a.src_x * 4,
                     static_cast<size_t>(a.cols) * 4);
    }
}

void xirr_bitmap::DrawBitmapUseAlpha(const xirr_bitmap &source, int x, int y)
{
    copy_area a;
    if (!prepare_copy(*this, source, x, y, "DrawBitmapUseAlpha", &a))
        return;
    for (int i = 0; i < a.rows; i++) {
        const int row = a.backwards_rows ? a.rows - 1 - i : i;
        const uint8_t *src_row = source.GetRow(a.src_y + row) + a.src_x * 4;
        uint8_t *dst_row = GetRow(a.dst_y + row) + a.dst_x * 4;
        for (int j = 0; j < a.cols; j++) {
            const int col = a.backwards_cols ? a.cols - 1 - j : j;
            const uint8_t *s = src_row + col * 4;
            uint8_t *d = dst_row + col * 4;
            const int alpha = s[3];
            d[0] = static_cast<uint8_t>((s[0] * alpha) >> 8);
            d[1] = static_cast<uint8_t>((s[1] * alpha) >> 8);
            d[2] = static_cast<uint8_t>((s[2] * alpha) >> 8);
        }
    }
}
