// Clipping of every primitive: a shape drawn on a small bitmap must give
// exactly the window of the same shape drawn on a large bitmap around it,
// wherever it lies; extreme coordinates finish at once; the clipped line
// walks match the plain walks that visit every pixel.

#include "gfx/xirr_bitmap.h"
#include "gfx/xirr_glyph_set.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bitmap_pictures.h"

using th_test::picture;
using th_test::rows;

namespace {

constexpr int W = 20, H = 15, M = 40;

// A pattern that tells pixels apart, so that blends and copies show where
// they read from; (x, y) are the small bitmap's coordinates.
void paint_pattern(xirr_bitmap &b, int origin)
{
    for (int y = 0; y < b.GetHeight(); y++)
        for (int x = 0; x < b.GetWidth(); x++) {
            const int u = x - origin, v = y - origin;
            b.SetPixel(x, y, (u * 37 + v * 11) & 255, (u * 5 + v * 59) & 255, (u * v) & 255);
        }
}

xirr_bitmap patterned_source(int w, int h)
{
    xirr_bitmap s(w, h);
    paint_pattern(s, 0);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            s.GetRow(y)[x * 4 + 3] = static_cast<uint8_t>(x * 40 + y * 20);
    return s;
}

// Draws one shape whose reference point is (x, y).
using shape = std::function<void(xirr_bitmap &, int x, int y)>;

bool window_matches(const shape &draw, int x, int y)
{
    xirr_bitmap small(W, H), large(W + 2 * M, H + 2 * M);
    paint_pattern(small, 0);
    paint_pattern(large, M);
    draw(small, x, y);
    draw(large, x + M, y + M);
    for (int row = 0; row < H; row++)
        if (std::memcmp(small.GetRow(row), large.GetRow(row + M) + M * 4, W * 4) != 0)
            return false;
    return true;
}

}  // namespace

TEST(xirr_bitmap_clipping, every_primitive_shows_the_window_of_the_unclipped_shape)
{
    xirr_glyph_set font;
    th_test::make_glyph(font, 'g', {"#+.#", ".##+", "+..#", "#+#."});
    th_test::make_glyph(font, 'h', {"##", "+."});
    const xirr_glyph &glyph = *font.glyph_for_byte('g');
    const xirr_bitmap source = patterned_source(7, 5);
    const xirr_rgb c1{250, 120, 3}, c2{10, 200, 90};
    const xirr_point diamond[] = {{0, -6}, {6, 0}, {0, 6}, {-6, 0}};
    const xirr_point steps[] = {{0, 0}, {8, 0}, {8, 3}, {4, 3}, {4, 7}, {0, 7}};

    const std::vector<std::pair<const char *, shape>> shapes = {
        {"line", [&](xirr_bitmap &b, int x, int y) { b.DrawLine(x - 9, y - 2, x + 7, y + 4, c1); }},
        {"steep line", [&](xirr_bitmap &b, int x, int y) { b.DrawLine(x + 3, y + 8, x - 2, y - 9, c1); }},
        {"gradient line", [&](xirr_bitmap &b, int x, int y) { b.DrawGradientLine(x + 9, y - 3, x - 8, y + 5, c1, c2); }},
        {"steep gradient line", [&](xirr_bitmap &b, int x, int y) { b.DrawGradientLine(x - 2, y - 9, x + 3, y + 9, c2, c1); }},
        {"rectangle", [&](xirr_bitmap &b, int x, int y) { b.DrawFilledRectangle(x + 4, y + 3, x - 4, y - 2, c1); }},
        {"circle", [&](xirr_bitmap &b, int x, int y) { b.DrawFilledCircle(x, y, 5, c2); }},
        {"polygon", [&](xirr_bitmap &b, int x, int y) { b.DrawPolygon(diamond, 4, x, y, c1, c2); }},
        {"concave polygon", [&](xirr_bitmap &b, int x, int y) { b.DrawPolygon(steps, 6, x - 4, y - 3, c2, c1); }},
        {"copy ignoring alpha", [&](xirr_bitmap &b, int x, int y) { b.DrawBitmapIgnoreAlpha(source, x - 3, y - 2); }},
        {"copy using alpha", [&](xirr_bitmap &b, int x, int y) { b.DrawBitmapUseAlpha(source, x - 3, y - 2); }},
        {"glyph", [&](xirr_bitmap &b, int x, int y) { b.DrawTextGlyph(glyph, x - 2, y - 2, c1, c2); }},
        {"transparent glyph", [&](xirr_bitmap &b, int x, int y) { b.DrawTextGlyphTransparent(glyph, x - 2, y - 2, c1); }},
        {"text", [&](xirr_bitmap &b, int x, int y) { b.DrawText(font, "ghgg", x - 5, y - 1, c2, c1); }},
        {"transparent text", [&](xirr_bitmap &b, int x, int y) { b.DrawTextTransparent(font, "hgh", x - 5, y - 1, c2); }},
    };
    // Reference points across, on and beyond every edge and corner.
    const int xs[] = {-12, -5, -1, 0, 3, W / 2, W - 2, W, W + 4, W + 12};
    const int ys[] = {-12, -4, -1, 0, 2, H / 2, H - 1, H, H + 3, H + 12};
    for (const auto &s : shapes)
        for (int x : xs)
            for (int y : ys)
                EXPECT_TRUE(window_matches(s.second, x, y)) << s.first << " at (" << x << ", " << y << ")";
}

TEST(xirr_bitmap_clipping, extreme_coordinates_draw_their_visible_part_at_once)
{
    const xirr_rgb white{255, 255, 255};
    const int lo = INT_MIN, hi = INT_MAX;
    struct extreme_case {
        const char *name;
        std::function<void(xirr_bitmap &)> draw;
        std::string expected;
    };
    const xirr_point far_square[] = {{lo, lo}, {hi, lo}, {hi, hi}, {lo, hi}};
    const xirr_point near_triangle[] = {{0, 0}, {3, 0}, {0, 3}};
    const extreme_case cases[] = {
        {"line across the whole int range: the diagonal", [&](xirr_bitmap &b) { b.DrawLine(lo, lo, hi, hi, white); },
         rows({"#...", ".#..", "..#.", "...#"})},
        // Half the walk lies left of x = 0, so the one minor step falls
        // exactly on column 0.
        {"nearly horizontal over the int range", [&](xirr_bitmap &b) { b.DrawLine(lo, 0, hi, 1, white); },
         rows({"....", "####", "....", "...."})},
        {"nearly vertical, reversed", [&](xirr_bitmap &b) { b.DrawLine(2, hi, 2, lo, white); },
         rows({"..#.", "..#.", "..#.", "..#."})},
        {"gradient line across the int range", [&](xirr_bitmap &b) { b.DrawGradientLine(hi, hi, lo, lo, white, white); },
         rows({"#...", ".#..", "..#.", "...#"})},
        {"gradient line far above", [&](xirr_bitmap &b) { b.DrawGradientLine(lo, lo, hi, lo, white, white); },
         rows({"....", "....", "....", "...."})},
        {"circle with the largest radius far away", [&](xirr_bitmap &b) { b.DrawFilledCircle(lo, lo, hi, white); },
         rows({"....", "....", "....", "...."})},
        {"polygon over the int range: fill covers all", [&](xirr_bitmap &b) {
             b.DrawPolygon(far_square, 4, 0, 0, white, white);
         }, rows({"####", "####", "####", "####"})},
        {"polygon whose offset overflows int", [&](xirr_bitmap &b) {
             b.DrawPolygon(near_triangle, 3, hi, hi, white, white);
         }, rows({"....", "....", "....", "...."})},
        {"text far to the left", [&](xirr_bitmap &b) {
             xirr_glyph_set font;
             th_test::make_glyph(font, 'x', {"#"});
             b.DrawText(font, "xxxx", lo, 0, white, white);
         }, rows({"....", "....", "....", "...."})},
        {"copy from the far corner", [&](xirr_bitmap &b) { b.DrawBitmapIgnoreAlpha(xirr_bitmap(3, 3), hi, hi); },
         rows({"....", "....", "....", "...."})},
    };
    for (const extreme_case &c : cases) {
        xirr_bitmap b(4, 4);
        c.draw(b);
        EXPECT_EQ(picture(b, white), c.expected) << c.name;
    }
}

namespace {

// The walks as plain loops over every step, each pixel set through the
// bounds-checked SetPixel.
void plain_line(xirr_bitmap &b, int x1, int y1, int x2, int y2, xirr_rgb c)
{
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    if (dy < dx) {
        if (x1 > x2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        int error = dx / 2, y = y1;
        for (int x = x1; x <= x2; x++) {
            b.SetPixel(x, y, c);
            error -= dy;
            if (error < 0) {
                y += y2 > y1 ? 1 : -1;
                error += dx;
            }
        }
    } else {
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        int error = dy / 2, x = x1;
        for (int y = y1; y <= y2; y++) {
            b.SetPixel(x, y, c);
            error -= dx;
            if (error < 0) {
                x += x2 > x1 ? 1 : x2 < x1 ? -1 : 0;
                error += dy;
            }
        }
    }
}

void plain_gradient_line(xirr_bitmap &b, int x1, int y1, int x2, int y2, xirr_rgb c1, xirr_rgb c2)
{
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    const int n = std::max(dx, dy), minor_extent = std::min(dx, dy);
    const int sx = x2 > x1 ? 1 : x2 < x1 ? -1 : 0, sy = y2 > y1 ? 1 : y2 < y1 ? -1 : 0;
    int r = c1.r * 256, g = c1.g * 256, bl = c1.b * 256;
    const int dr = (c2.r - c1.r) * 256 / (n + 1), dg = (c2.g - c1.g) * 256 / (n + 1),
              db = (c2.b - c1.b) * 256 / (n + 1);
    int x = x1, y = y1, error = -(n / 2);
    for (int i = 0; i <= n; i++) {
        b.SetPixel(x, y, (r & 0xffff) >> 8, (g & 0xffff) >> 8, (bl & 0xffff) >> 8);
        r += dr;
        g += dg;
        bl += db;
        error += minor_extent;
        if (dx >= dy) {
            x += sx;
            if (error >= 0) {
                y += sy;
                error -= n;
            }
        } else {
            y += sy;
            if (error >= 0) {
                x += sx;
                error -= n;
            }
        }
    }
}

}  // namespace

TEST(xirr_bitmap_clipping, clipped_line_walks_match_the_plain_walks)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> coordinate(-300, 300), near(-3, 3), channel(0, 255);
    const xirr_rgb white{255, 255, 255};
    for (int i = 0; i < 3000; i++) {
        int x1 = coordinate(random), y1 = coordinate(random), x2 = coordinate(random), y2 = coordinate(random);
        if (i % 3 == 0) {   // short lines near the bitmap, where ends and edges meet
            x1 = near(random) + (i % 2 ? 0 : 63);
            y1 = near(random);
            x2 = x1 + near(random) * 7;
            y2 = y1 + near(random) * 5;
        }
        const xirr_rgb c1{channel(random), channel(random), channel(random)};
        const xirr_rgb c2{channel(random), channel(random), channel(random)};
        xirr_bitmap fast(64, 48), plain(64, 48), fast_gradient(64, 48), plain_gradient(64, 48);
        fast.DrawLine(x1, y1, x2, y2, white);
        plain_line(plain, x1, y1, x2, y2, white);
        fast_gradient.DrawGradientLine(x1, y1, x2, y2, c1, c2);
        plain_gradient_line(plain_gradient, x1, y1, x2, y2, c1, c2);
        const std::string line = "(" + std::to_string(x1) + ", " + std::to_string(y1) + ") to (" +
                                 std::to_string(x2) + ", " + std::to_string(y2) + ")";
        ASSERT_TRUE(th_test::same_pixels(fast, plain)) << "line " << line;
        ASSERT_TRUE(th_test::same_pixels(fast_gradient, plain_gradient)) << "gradient line " << line;
    }
}
