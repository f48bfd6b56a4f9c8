#pragma once
// The off-screen picture every custom-drawn display renders into, with the
// drawing primitives that write its pixel memory directly.
//
// Pixels are plain memory: rows of GetStride() bytes (width * 4, no padding),
// 4 bytes per pixel in the order red, green, blue, alpha, with straight (not
// premultiplied) alpha -- the layout of a 32-bit toolkit bitmap's raw pixel
// data, so a finished picture reaches the screen as one row-by-row copy.
// Coordinates are pixels, (0, 0) at the top left; W and H below are the
// bitmap's width and height.
//
// Every primitive clips to the bitmap: any int coordinates are accepted
// (negative, huge, swapped ends), nothing outside the pixel memory is ever
// written, and the work of a call is bounded by the visible area, not by the
// size of the shape. Primitives write red, green and blue and leave alpha
// alone unless their comment says otherwise. None allocates.
//
// A bitmap whose pixel memory could not be allocated (bad size, out of
// memory) is empty: IsOk() is 0 and its size is 0 x 0. Every primitive on it
// draws nothing; the clears, rectangles, circles, glyph blends and copies
// also log "Error in xirr_bitmap::<primitive>(), pixel data failed?" at debug
// level above 1 ("pixel data dest" / "pixel data src" for the target and
// the source of a copy, "dest" for the target of a glyph blend).
//
// Used on one thread at a time (the user-interface thread owns the windows
// that own bitmaps); no locks, no state between calls.

#include <cstdint>
#include <memory>

#include "gfx/xirr_rgb.h"

class xirr_glyph;
class xirr_glyph_set;

// A polygon corner for DrawPolygon.
struct xirr_point {
    int x = 0;
    int y = 0;
};

// Largest width or height a bitmap is created with.
constexpr int XIRR_BITMAP_MAX_SIDE = 16384;

// DrawPolygon takes at most this many points less one (its edge table lives
// on the stack).
constexpr int XIRR_POLYGON_MAX_POINTS = 1000;

class xirr_bitmap {
public:
    // A 16 x 16 bitmap, black, alpha 255.
    xirr_bitmap();
    // A width x height bitmap, black, alpha 255. Sizes below 1 or above
    // XIRR_BITMAP_MAX_SIDE, and a failed allocation, log an error at debug
    // level above 0 and give an empty bitmap (IsOk() 0).
    xirr_bitmap(int width, int height);
    // An independent copy of every pixel (an empty copy when memory fails).
    xirr_bitmap(const xirr_bitmap &other);
    xirr_bitmap &operator=(const xirr_bitmap &other);
    // Moving leaves the source empty.
    xirr_bitmap(xirr_bitmap &&other) noexcept;
    xirr_bitmap &operator=(xirr_bitmap &&other) noexcept;
    ~xirr_bitmap();

    // 1 when the bitmap has pixel memory.
    int IsOk() const { return pixels != nullptr; }
    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    // Bytes from one row to the next: width * 4.
    int GetStride() const { return width * 4; }
    // The first byte of row y (red of pixel (0, y)); the caller keeps
    // 0 <= y < height. Null on an empty bitmap.
    uint8_t *GetRow(int y);
    const uint8_t *GetRow(int y) const;

    // Reads pixel (x, y) into rgba[0..3] (red, green, blue, alpha); returns 1,
    // or 0 and leaves rgba unchanged when (x, y) is outside the bitmap.
    int GetPixel(int x, int y, uint8_t rgba[4]) const;

    // Alpha 255 on every pixel; colours unchanged.
    void ClearAlpha();
    // Every pixel becomes (colour, alpha 255). Fills whole 32-bit words.
    void Clear(xirr_rgb colour);

    // Sets pixel (x, y) when 0 <= x < W and 0 <= y < H; otherwise nothing.
    void SetPixel(int x, int y, xirr_rgb colour);
    void SetPixel(int x, int y, int r, int g, int b);

    // A Bresenham line, both ends included; equal ends give one pixel. The
    // walk runs along the major axis with its ends ordered (x1 <= x2 when
    // |dy| < |dx|, else y1 <= y2) and error starting at half the major
    // extent, so a line and its reverse set the same pixels.
    void DrawLine(int x1, int y1, int x2, int y2, xirr_rgb colour);
    // A line from (x1, y1) to (x2, y2), not reordered, whose colour runs from
    // colour1 towards colour2 in 8.8 fixed point: with n the major extent,
    // each channel steps by (c2 - c1) * 256 / (n + 1), so the last pixel
    // stops one step short of colour2.
    void DrawGradientLine(int x1, int y1, int x2, int y2, xirr_rgb colour1, xirr_rgb colour2);

    // Fills the rectangle with corners (x1, y1) and (x2, y2), both included,
    // given in either order.
    void DrawFilledRectangle(int x1, int y1, int x2, int y2, xirr_rgb colour);
    // Fills the circle of radius r (below 0 counts as 0) about (cx, cy): row
    // y spans cx +- floor(sqrt(r * (r + 1) - (y - cy)^2)), which gives small
    // circles a fuller outline than r^2. r = 0 is the centre pixel, r = 1 a
    // 3 x 3 square.
    void DrawFilledCircle(int cx, int cy, int r, xirr_rgb colour);

    // Fills the rectangle as DrawFilledRectangle with a colour that changes
    // by column (X) or by row (Y): each channel starts at colour1 * 256 and
    // gains (colour2 - colour1) * 256 / (extent + 1) before each drawn column
    // (row), extent being x2 - x1 + 1 (y2 - y1 + 1) of the whole rectangle.
    // The first drawn column (row) is the first visible one, so a rectangle
    // clipped on the left (top) starts its gradient at the bitmap's edge; the
    // last column (row) never quite reaches colour2.
    void DrawXGradientRectangle(int x1, int y1, int x2, int y2, xirr_rgb colour1, xirr_rgb colour2);
    void DrawYGradientRectangle(int x1, int y1, int x2, int y2, xirr_rgb colour1, xirr_rgb colour2);

    // Fills the closed polygon of points[0..count-1], each moved by
    // (offset_x, offset_y), with fill colour by scanlines, then draws its
    // edges over it in the outline colour. Each edge fills from the scanline
    // after its lower end to its upper end, so shared corners count once.
    // count below 3 or at or above XIRR_POLYGON_MAX_POINTS, or null points,
    // logs an error at debug level above 0 and draws nothing.
    void DrawPolygon(const xirr_point *points, int count, int offset_x, int offset_y,
                     xirr_rgb outline, xirr_rgb fill);

    // Copies source's pixels, alpha included, with the source's top left at
    // (x, y), clipped to this bitmap. Drawing a bitmap onto itself is a
    // correct overlapping move (a scroll).
    void DrawBitmapIgnoreAlpha(const xirr_bitmap &source, int x, int y);
    // Draws source over black: each covered channel becomes
    // (source channel * source alpha) >> 8; this bitmap's pixels are not
    // read and its alpha is left alone.
    void DrawBitmapUseAlpha(const xirr_bitmap &source, int x, int y);

    // Blends a glyph mask with its top left at (x, y), clipped to all four
    // edges. With C the coverage of a glyph pixel: C = 0 gives background,
    // otherwise each channel becomes
    // (background * (255 - C) + foreground * C) / 256.
    void DrawTextGlyph(const xirr_glyph &glyph, int x, int y, xirr_rgb foreground,
                       xirr_rgb background);
    // As DrawTextGlyph over what is already there: C = 0 leaves the pixel,
    // otherwise each channel becomes (C * colour + pixel * (255 - C)) / 256.
    void DrawTextGlyphTransparent(const xirr_glyph &glyph, int x, int y, xirr_rgb colour);

    // Draws the bytes of text (NUL-terminated) left to right from (x, y)
    // with the glyphs of font: each byte is taken modulo 128, bytes without a
    // glyph are skipped, and x advances by each drawn glyph's width. Nothing
    // happens for a null text, y > H or x > W; drawing stops at the right
    // edge.
    void DrawText(const xirr_glyph_set &font, const char *text, int x, int y, xirr_rgb foreground,
                  xirr_rgb background);
    void DrawTextTransparent(const xirr_glyph_set &font, const char *text, int x, int y,
                             xirr_rgb colour);

private:
    uint32_t *Pixels(int x, int y) { return pixels.get() + static_cast<size_t>(y) * width + x; }
    // Gives the bitmap new_width x new_height pixels of unset content, or
    // leaves it empty (logging why); returns 1 on success.
    int Allocate(int new_width, int new_height);

    // width * height words, each one pixel's bytes r, g, b, a in memory order.
    std::unique_ptr<uint32_t[]> pixels;
    int width = 0;
    int height = 0;
};
