#include "gfx/xirr_bitmap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../foundation/captured_log.h"
#include "bitmap_pictures.h"

using th_test::picture;
using th_test::pixel;
using th_test::rgba;
using th_test::rows;

namespace {

const xirr_rgb white{255, 255, 255};
const xirr_rgb red{255, 0, 0};

struct shape_case {
    const char *name;
    int x1, y1, x2, y2;
    std::string expected;   // the picture, which also gives the bitmap's size
};

xirr_bitmap canvas_for(const std::string &expected)
{
    const int w = static_cast<int>(expected.find('\n'));
    const int h = static_cast<int>(expected.size()) / (w + 1);
    return xirr_bitmap(w, h);
}

}  // namespace

TEST(xirr_bitmap_lines, bresenham_pixels)
{
    const shape_case cases[] = {
        {"single point", 1, 1, 1, 1, rows({"...", ".#.", "..."})},
        {"shallow, drawn right to left: one pixel per column", 10, 0, 0, 3,
         rows({".........##", "......###..", "..####.....", "##........."})},
        {"shallow, drawn left to right: the same pixels", 0, 3, 10, 0,
         rows({".........##", "......###..", "..####.....", "##........."})},
        {"steep: one pixel per row", 0, 0, 2, 7, rows({"#..", "#..", ".#.", ".#.", ".#.", ".#.", "..#", "..#"})},
        {"steep, reversed: the same pixels", 2, 7, 0, 0,
         rows({"#..", "#..", ".#.", ".#.", ".#.", ".#.", "..#", "..#"})},
        {"diagonal", 3, 0, 0, 3, rows({"...#", "..#.", ".#..", "#..."})},
        {"horizontal", 3, 1, 1, 1, rows({"....", ".###", "...."})},
        {"vertical", 1, 0, 1, 2, rows({".#.", ".#.", ".#."})},
        {"starting far outside: the visible part keeps its slope", -4, 0, 4, 2, rows({"...", "###", "..."})},
    };
    for (const shape_case &c : cases) {
        xirr_bitmap b = canvas_for(c.expected);
        b.DrawLine(c.x1, c.y1, c.x2, c.y2, white);
        EXPECT_EQ(picture(b, white), c.expected) << c.name;
    }
}

TEST(xirr_bitmap_lines, gradient_line_walks_from_the_first_end_without_reordering)
{
    struct gradient_case {
        const char *name;
        int x1, y1, x2, y2;
        std::vector<int> reds;   // red of pixels x = 0, 1, ... on row 0
    };
    // n = 3: red steps 255 * 256 / 4 = 16320 per pixel, from 0.
    const gradient_case cases[] = {
        {"left to right", 0, 0, 3, 0, {0, 63, 127, 191}},
        {"right to left starts at the right", 3, 0, 0, 0, {191, 127, 63, 0}},
        {"first pixels outside: the colour has advanced", -2, 0, 3, 0, {85, 127, 170, 212}},
    };
    for (const gradient_case &c : cases) {
        xirr_bitmap b(static_cast<int>(c.reds.size()), 1);
        b.Clear({0, 0, 9});
        b.DrawGradientLine(c.x1, c.y1, c.x2, c.y2, {0, 0, 0}, red);
        for (size_t x = 0; x < c.reds.size(); x++)
            EXPECT_EQ(pixel(b, static_cast<int>(x), 0)[0], c.reds[x]) << c.name << ", x = " << x;
    }

    xirr_bitmap point(2, 1);
    point.DrawGradientLine(1, 0, 1, 0, red, white);
    EXPECT_EQ(picture(point, red), rows({".#"}));

    // Its own error walk: the minor step comes one pixel earlier than the
    // Bresenham line's on the way to (2, 7).
    xirr_bitmap b(3, 8);
    b.DrawGradientLine(0, 0, 2, 7, white, white);
    EXPECT_EQ(picture(b, white), rows({"#..", "#..", ".#.", ".#.", ".#.", "..#", "..#", "..#"}));
}

TEST(xirr_bitmap_rectangles, fill_in_either_corner_order_and_clip)
{
    const shape_case cases[] = {
        {"corners in order, both included", 1, 1, 3, 2, rows({".....", ".###.", ".###.", "....."})},
        {"corners reversed", 3, 2, 1, 1, rows({".....", ".###.", ".###.", "....."})},
        {"corners mixed", 3, 1, 1, 2, rows({".....", ".###.", ".###.", "....."})},
        {"one pixel", 2, 2, 2, 2, rows({"...", "...", "..#"})},
        {"over the top left", -4, -9, 1, 0, rows({"##..", "....", "...."})},
        {"over the bottom right", 2, 1, 99, 99, rows({"....", "..##", "..##"})},
        {"wholly left", -5, 0, -1, 3, rows({"...", "...", "..."})},
        {"wholly below", 0, 3, 2, 9, rows({"...", "...", "..."})},
        {"covering everything", -2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647, rows({"##", "##"})},
    };
    for (const shape_case &c : cases) {
        xirr_bitmap b = canvas_for(c.expected);
        b.DrawFilledRectangle(c.x1, c.y1, c.x2, c.y2, white);
        EXPECT_EQ(picture(b, white), c.expected) << c.name;
    }

    // Alpha is left alone.
    xirr_bitmap b(1, 1);
    b.GetRow(0)[3] = 99;
    b.DrawFilledRectangle(0, 0, 0, 0, {1, 2, 3});
    EXPECT_EQ(pixel(b, 0, 0), (rgba{1, 2, 3, 99}));
}

TEST(xirr_bitmap_circles, rows_of_the_fuller_outline)
{
    struct circle_case {
        const char *name;
        int cx, cy, r;
        std::string expected;
    };
    const circle_case cases[] = {
        {"r = 0: the centre", 1, 1, 0, rows({"...", ".#.", "..."})},
        {"negative r counts as 0", 1, 1, -7, rows({"...", ".#.", "..."})},
        {"r = 1: a 3 x 3 square", 1, 1, 1, rows({"###", "###", "###"})},
        {"r = 2: rows of 3, 5, 5, 5, 3", 3, 3, 2,
         rows({".......", "..###..", ".#####.", ".#####.", ".#####.", "..###..", "......."})},
        {"centred on the corner", 0, 0, 2, rows({"###.", "###.", "##..", "...."})},
        {"centre off the right edge", 5, 0, 2, rows({"...##", "...##", "....#"})},
        {"wholly above", 1, -3, 2, rows({"...", "...", "..."})},
        {"wholly right", 6, 1, 2, rows({"...", "...", "..."})},
        {"huge radius covers all", 0, 0, 2147483647, rows({"##", "##"})},
    };
    for (const circle_case &c : cases) {
        xirr_bitmap b = canvas_for(c.expected);
        b.DrawFilledCircle(c.cx, c.cy, c.r, white);
        EXPECT_EQ(picture(b, white), c.expected) << c.name;
    }
}

TEST(xirr_bitmap_gradients, columns_and_rows_step_towards_the_second_colour)
{
    struct gradient_case {
        const char *name;
        bool by_column;
        int x1, y1, x2, y2;
        xirr_rgb from, to;
        std::vector<int> values;   // red of each column (row) from 0
    };
    const xirr_rgb black{0, 0, 0};
    const gradient_case cases[] = {
        {"3 columns black to white", true, 0, 0, 2, 0, black, white, {63, 127, 191}},
        {"3 rows black to white", false, 0, 0, 0, 2, black, white, {63, 127, 191}},
        {"corners reversed: still left to right", true, 2, 0, 0, 0, black, white, {63, 127, 191}},
        {"white to black", true, 0, 0, 2, 0, white, black, {191, 127, 63}},
        {"one column: half way", true, 0, 0, 0, 0, black, white, {127}},
        // 5 columns, 2 off the left: the first visible column takes the
        // first step, the others are left alone.
        {"clipped on the left", true, -2, 0, 2, 0, black, white, {42, 85, 127, 0, 0}},
        {"clipped at the top", false, 0, -2, 0, 2, black, white, {42, 85, 127, 0, 0}},
        {"clipped on the right", true, 2, 0, 6, 0, black, white, {0, 0, 42, 85, 127}},
    };
    for (const gradient_case &c : cases) {
        const int n = static_cast<int>(c.values.size());
        xirr_bitmap b(c.by_column ? n : 1, c.by_column ? 1 : n);
        if (c.by_column)
            b.DrawXGradientRectangle(c.x1, c.y1, c.x2, c.y2, c.from, c.to);
        else
            b.DrawYGradientRectangle(c.x1, c.y1, c.x2, c.y2, c.from, c.to);
        for (int i = 0; i < n; i++) {
            const rgba p = c.by_column ? pixel(b, i, 0) : pixel(b, 0, i);
            EXPECT_EQ(p, (rgba{c.values[i], c.values[i], c.values[i], 255})) << c.name << ", line " << i;
        }
    }

    // Channels run independently, and the gradient covers the whole
    // rectangle across the other axis.
    xirr_bitmap b(2, 3);
    b.DrawXGradientRectangle(0, 0, 0, 2, {0, 100, 200}, {200, 100, 0});
    for (int y = 0; y < 3; y++) {
        EXPECT_EQ(pixel(b, 0, y), (rgba{100, 100, 100, 255}));
        EXPECT_EQ(pixel(b, 1, y), (rgba{0, 0, 0, 255}));
    }
}

TEST(xirr_bitmap_polygons, scanline_fill_under_the_outline)
{
    const xirr_rgb outline{255, 0, 0}, fill{0, 0, 255};
    struct polygon_case {
        const char *name;
        std::vector<xirr_point> points;
        int dx, dy;
        std::string expected;
    };
    const polygon_case cases[] = {
        {"square: fill to the edges, outline on top", {{0, 0}, {4, 0}, {4, 4}, {0, 4}}, 0, 0,
         rows({"ooooo.", "o###o.", "o###o.", "o###o.", "ooooo.", "......"})},
        {"diamond: the side corners count once", {{4, 0}, {8, 4}, {4, 8}, {0, 4}}, 0, 0,
         rows({"....o....", "...o#o...", "..o###o..", ".o#####o.", "o#######o", ".o#####o.", "..o###o..",
               "...o#o...", "....o...."})},
        {"concave: two spans below the notch", {{0, 0}, {8, 0}, {8, 6}, {6, 6}, {6, 2}, {2, 2}, {2, 6}, {0, 6}}, 0, 0,
         rows({"ooooooooo.", "o#######o.", "o#ooooo#o.", "o#o...o#o.", "o#o...o#o.", "o#o...o#o.", "ooo...ooo.",
               ".........."})},
        {"offset moves every point", {{0, 0}, {2, 0}, {2, 2}, {0, 2}}, 2, 1,
         rows({".....", "..ooo", "..o#o", "..ooo"})},
        {"over the left edge", {{-2, 0}, {2, 0}, {2, 3}, {-2, 3}}, 0, 0, rows({"ooo.", "##o.", "##o.", "ooo."})},
    };
    for (const polygon_case &c : cases) {
        xirr_bitmap b = canvas_for(c.expected);
        b.DrawPolygon(c.points.data(), static_cast<int>(c.points.size()), c.dx, c.dy, outline, fill);
        EXPECT_EQ(picture(b, {{'o', outline}, {'#', fill}}), c.expected) << c.name;
    }
}

TEST(xirr_bitmap_polygons, point_counts_outside_3_to_999_draw_nothing_and_report)
{
    std::vector<xirr_point> ring(1000);
    for (size_t i = 0; i < ring.size(); i++)
        ring[i] = {static_cast<int>(i % 4), static_cast<int>(i % 3)};
    struct count_case {
        const xirr_point *points;
        int count;
        std::string message;
    };
    const count_case cases[] = {
        {ring.data(), 2, "Error in xirr_bitmap::DrawPolygon(), only got 2 points, need a minimum of 3.\n"},
        {ring.data(), -1, "Error in xirr_bitmap::DrawPolygon(), only got -1 points, need a minimum of 3.\n"},
        {ring.data(), 1000, "Error in xirr_bitmap::DrawPolygon(), got 1000 points, max is 1000.\n"},
        {nullptr, 3, "Error in xirr_bitmap::DrawPolygon(), null points.\n"},
        {ring.data(), 999, ""},
    };
    for (const count_case &c : cases) {
        xirr_bitmap b(4, 4);
        captured_log log(1);
        b.DrawPolygon(c.points, c.count, 0, 0, white, white);
        EXPECT_EQ(log.text(), c.message);
        EXPECT_EQ(picture(b, white) == rows({"....", "....", "....", "...."}), !c.message.empty()) << c.count;
    }
}
