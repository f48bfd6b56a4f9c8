#include "display/background.h"
#include "display/background_styles.h"
#include "display/themes.h"
#include "foundation/xirr_random.h"
#include "gfx/xirr_bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

namespace {

const xirr_background_theme &red = xirr_background_theme_for(2);
const xirr_rgb black = {0, 0, 0};

// FNV-1a over every pixel byte, row by row.
uint64_t digest(const xirr_bitmap &bitmap)
{
    uint64_t h = 1469598103934665603ull;
    for (int y = 0; y < bitmap.GetHeight(); y++) {
        const uint8_t *row = bitmap.GetRow(y);
        for (int i = 0; i < bitmap.GetStride(); i++)
            h = (h ^ row[i]) * 1099511628211ull;
    }
    return h;
}

xirr_rgb pixel(const xirr_bitmap &bitmap, int x, int y)
{
    uint8_t rgba[4] = {0, 0, 0, 0};
    bitmap.GetPixel(x, y, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}

uint32_t packed(xirr_rgb c)
{
    return uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | uint32_t(c.b);
}

std::set<uint32_t> colours_of(const xirr_bitmap &bitmap)
{
    std::set<uint32_t> found;
    for (int y = 0; y < bitmap.GetHeight(); y++)
        for (int x = 0; x < bitmap.GetWidth(); x++)
            found.insert(packed(pixel(bitmap, x, y)));
    return found;
}

xirr_bitmap drawn(int style, int w, int h, const xirr_background_theme &colours = red)
{
    xirr_bitmap bitmap(w, h);
    xirr_draw_background(bitmap, style, colours);
    return bitmap;
}

// Leaves the theme generator somewhere else in its sequence, as other
// drawing would.
void disturb_theme_random()
{
    for (int i = 0; i < 13; i++)
        xirr_theme_random.random_next();
}

TEST(backgrounds, every_style_draws_the_same_pixels_again)
{
    for (int style : {0, 1, 2, 3, 4, 5}) {
        const uint64_t first = digest(drawn(style, 300, 200));
        disturb_theme_random();
        EXPECT_EQ(digest(drawn(style, 300, 200)), first) << "style " << style;
    }
}

TEST(backgrounds, each_style_uses_its_own_colours)
{
    const uint32_t k = 0, light = packed(red.light), middle = packed(red.middle), dark = packed(red.dark);
    const struct {
        int style;
        std::set<uint32_t> colours;
    } cases[] = {
        {XIRR_BACKGROUND_NONE, {k}},
        {XIRR_BACKGROUND_SOLID, {dark}},
        {XIRR_BACKGROUND_MAZE1, {k, middle}},
        {XIRR_BACKGROUND_MAZE2, {k, middle, light}},
        {XIRR_BACKGROUND_BUBBLES, {k, dark, middle, light}},
        {XIRR_BACKGROUND_MAZE3, {k, middle, light}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(colours_of(drawn(c.style, 300, 200)), c.colours) << "style " << c.style;
}

TEST(backgrounds, styles_outside_the_six_draw_maze2)
{
    const uint64_t maze2 = digest(drawn(XIRR_BACKGROUND_MAZE2, 120, 80));
    for (int style : {-1, 6, 99})
        EXPECT_EQ(digest(drawn(style, 120, 80)), maze2) << "style " << style;
}

// The numbers the theme generator gives one row of a picture: reset to its
// initial state, then seeded.
std::vector<uint32_t> row_numbers(uint32_t seed, int count)
{
    xirr_random model;
    model.random_mix(static_cast<int>(seed));
    std::vector<uint32_t> numbers;
    for (int i = 0; i < count; i++)
        numbers.push_back(model.random_next());
    return numbers;
}

// Row by row from its seed: in the straight mazes a cell's number r draws
// right, down, left or up for r % 4 = 0..3, light in Maze2 when r AND 0x1C
// is 0. The midpoint of the edge from a cell to its right neighbour shows the
// neighbour's line going left (drawn later), else the cell's going right,
// else nothing; the midpoint of the edge to the cell below likewise shows
// the lower cell's line going up, else the cell's going down. No other line
// crosses these midpoints.
TEST(backgrounds, straight_maze_rows_follow_their_seeds)
{
    for (int style : {XIRR_BACKGROUND_MAZE1, XIRR_BACKGROUND_MAZE2}) {
        const xirr_bitmap maze = drawn(style, 100, 20);
        auto colour = [&](uint32_t n) {
            return style == XIRR_BACKGROUND_MAZE2 && (n & 0x1C) == 0 ? red.light : red.middle;
        };
        auto shown = [&](int later_dir, uint32_t later, int earlier_dir, uint32_t earlier) {
            return later % 4 == uint32_t(later_dir)    ? colour(later)
                   : earlier % 4 == uint32_t(earlier_dir) ? colour(earlier)
                                                          : black;
        };
        for (int y : {0, 10}) {
            const std::vector<uint32_t> row = row_numbers(y, 20), below = row_numbers(y + 5, 20);
            for (int i = 0; i < 20; i++) {
                const uint32_t right = i + 1 < 20 ? row[i + 1] : 0;   // none right of the last
                EXPECT_EQ(pixel(maze, 5 * i + 2, y), shown(2, right, 0, row[i]))
                    << "style " << style << " row " << y << " cell " << i << " right";
                EXPECT_EQ(pixel(maze, 5 * i, y + 2), shown(3, below[i], 1, row[i]))
                    << "style " << style << " row " << y << " cell " << i << " down";
            }
        }
    }
}

// Maze3: an odd number draws the cell's diagonal down to the right, an even
// one down to the left, in the middle colour when bit 1 is set; the pixels
// inside a cell belong to its own diagonal only.
TEST(backgrounds, diagonal_maze_rows_follow_their_seeds)
{
    const xirr_bitmap maze = drawn(XIRR_BACKGROUND_MAZE3, 100, 20);
    for (int y : {0, 10}) {
        const std::vector<uint32_t> r = row_numbers(y, 20);
        for (int i = 0; i < 20; i++) {
            const int x = 5 * i;
            const xirr_rgb colour = (r[i] & 2) ? red.middle : red.light;
            const int on_x = r[i] & 1 ? x + 2 : x + 3, off_x = r[i] & 1 ? x + 3 : x + 2;
            EXPECT_EQ(pixel(maze, on_x, y + 2), colour) << "row " << y << " cell " << i;
            EXPECT_EQ(pixel(maze, off_x, y + 2), black) << "row " << y << " cell " << i;
        }
    }
}

// The rings drawn last are those of the light pass (3) in the last row of
// cells: in a bitmap 32 high, row 1, whose seed is 3 * 137 + 169135679 plus
// one step of 3 * 16 + 19753072. Column k takes three numbers d, e, f for a
// ring about (16k - 16 + d % 16, 16 + e % 16) of radius (f >> 2) % 4 + 2.
// A ring's centre and the left end of its rim show unless the next ring of
// the row reaches over them.
TEST(backgrounds, bubbles_follow_their_seeds)
{
    const xirr_bitmap bubbles = drawn(XIRR_BACKGROUND_BUBBLES, 64, 32);
    const int columns = (64 + 15) / 16 + 1;
    const std::vector<uint32_t> r =
        row_numbers(3 * 137 + 169135679 + 3 * 16 + 19753072, 3 * columns);
    struct ring {
        int cx, cy, radius;
    };
    std::vector<ring> rings;
    for (int k = 0; k < columns; k++)
        rings.push_back({(16 * k - 16) | int(r[3 * k] & 15), 16 | int(r[3 * k + 1] & 15),
                         int((r[3 * k + 2] >> 2) & 3) + 2});
    int checked = 0;
    for (int k = 0; k < columns; k++) {
        const ring &g = rings[k];
        const int covered_from = k + 1 < columns ? rings[k + 1].cx - rings[k + 1].radius : 64;
        if (g.cx >= 0 && g.cx < covered_from) {
            EXPECT_EQ(pixel(bubbles, g.cx, g.cy), black) << "ring " << k;
            checked++;
        }
        if (g.cx - g.radius >= 0 && g.cx - g.radius < covered_from) {
            EXPECT_EQ(pixel(bubbles, g.cx - g.radius, g.cy), red.light) << "ring " << k;
            checked++;
        }
    }
    EXPECT_GE(checked, 4);   // the seeds leave enough rings in view to check
}

// A larger bitmap shows the same picture where both have pixels (away from
// the smaller one's right and lower edges, where lines and rings of cells
// outside it would reach in).
TEST(backgrounds, the_pattern_does_not_depend_on_the_bitmap_size)
{
    for (int style : {XIRR_BACKGROUND_MAZE1, XIRR_BACKGROUND_MAZE2, XIRR_BACKGROUND_BUBBLES,
                      XIRR_BACKGROUND_MAZE3}) {
        const xirr_bitmap small = drawn(style, 300, 200);
        const xirr_bitmap large = drawn(style, 600, 400);
        for (int y = 0; y < 194; y++)
            for (int x = 0; x < 294; x++)
                ASSERT_EQ(pixel(small, x, y), pixel(large, x, y))
                    << "style " << style << " at " << x << "," << y;
    }
}

TEST(backgrounds, the_picture_grows_in_steps_of_256_and_never_shrinks)
{
    const struct {
        int window_w, window_h;
        int bitmap_w, bitmap_h;
    } steps[] = {
        {700, 500, 768, 512},     // first picture: next step above the window
        {760, 510, 768, 512},     // still fits
        {770, 500, 1024, 512},    // wider only
        {300, 200, 1024, 512},    // smaller window: kept
        {1024, 512, 1024, 512},   // exactly the picture's size: still covered
        {1025, 512, 1280, 768},   // a redraw steps both sides above the window
        {1100, 700, 1280, 768},
        {0, 0, 1280, 768},
    };
    xirr_background background;
    for (const auto &s : steps) {
        ASSERT_EQ(background.update(s.window_w, s.window_h, 3, 2, 0), 1);
        EXPECT_EQ(background.bitmap()->GetWidth(), s.bitmap_w) << s.window_w << "x" << s.window_h;
        EXPECT_EQ(background.bitmap()->GetHeight(), s.bitmap_h) << s.window_w << "x" << s.window_h;
    }
}

TEST(backgrounds, only_a_larger_window_or_other_codes_need_a_redraw)
{
    xirr_background background;
    EXPECT_EQ(background.needs_redraw(10, 10, 3, 2), 1);   // no picture yet
    ASSERT_EQ(background.update(700, 500, 3, 2, 0), 1);
    const struct {
        int w, h, style, code, expected;
    } cases[] = {
        {700, 500, 3, 2, 0},  {768, 512, 3, 2, 0}, {1, 1, 3, 2, 0},   {769, 512, 3, 2, 1},
        {768, 513, 3, 2, 1},  {700, 500, 4, 2, 1}, {700, 500, 3, 1, 1}, {700, 500, 3, 7, 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(background.needs_redraw(c.w, c.h, c.style, c.code), c.expected)
            << c.w << "x" << c.h << " style " << c.style << " code " << c.code;
}

TEST(backgrounds, changed_codes_redraw_the_whole_picture_at_its_size)
{
    xirr_background background;
    ASSERT_EQ(background.update(700, 500, XIRR_BACKGROUND_MAZE2, 2, 0), 1);
    ASSERT_EQ(background.update(700, 500, XIRR_BACKGROUND_BUBBLES, 2, 0), 1);
    EXPECT_EQ(digest(*background.bitmap()), digest(drawn(XIRR_BACKGROUND_BUBBLES, 768, 512)));
    EXPECT_EQ(background.style(), XIRR_BACKGROUND_BUBBLES);

    ASSERT_EQ(background.update(700, 500, XIRR_BACKGROUND_BUBBLES, 60, 0), 1);
    const xirr_bitmap green = drawn(XIRR_BACKGROUND_BUBBLES, 768, 512, xirr_background_theme_for(60));
    EXPECT_EQ(digest(*background.bitmap()), digest(green));
    EXPECT_EQ(background.background_code(), 60);

    // Forced with the same codes: the same picture, still at its size.
    ASSERT_EQ(background.update(100, 100, XIRR_BACKGROUND_BUBBLES, 60, 1), 1);
    EXPECT_EQ(background.bitmap()->GetWidth(), 768);
    EXPECT_EQ(digest(*background.bitmap()), digest(green));
}

TEST(backgrounds, a_window_beyond_the_largest_bitmap_gets_the_largest_once)
{
    xirr_background background;
    ASSERT_EQ(background.update(XIRR_BITMAP_MAX_SIDE + 500, 10, XIRR_BACKGROUND_NONE, 2, 0), 1);
    EXPECT_EQ(background.bitmap()->GetWidth(), XIRR_BITMAP_MAX_SIDE);
    EXPECT_EQ(background.needs_redraw(XIRR_BITMAP_MAX_SIDE + 500, 10, XIRR_BACKGROUND_NONE, 2), 0);
}

} // namespace
