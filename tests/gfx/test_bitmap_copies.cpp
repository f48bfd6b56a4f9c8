#include "gfx/xirr_bitmap.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "bitmap_pictures.h"

using th_test::pixel;
using th_test::rgba;

namespace {

xirr_bitmap numbered(int w, int h)
{
    xirr_bitmap b(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            b.SetPixel(x, y, 10 * x + 1, 10 * y + 1, 200);
            b.GetRow(y)[x * 4 + 3] = static_cast<uint8_t>(100 + x + 10 * y);
        }
    return b;
}

}  // namespace

TEST(xirr_bitmap_copies, ignoring_alpha_copies_every_byte_clipped)
{
    const xirr_bitmap source = numbered(3, 2);
    xirr_bitmap target(4, 3);
    target.DrawBitmapIgnoreAlpha(source, 2, 1);
    EXPECT_EQ(pixel(target, 2, 1), (rgba{1, 1, 200, 100}));
    EXPECT_EQ(pixel(target, 3, 2), (rgba{11, 11, 200, 111}));
    EXPECT_EQ(pixel(target, 1, 1), (rgba{0, 0, 0, 255}));

    // Placed above and left of the target: its lower right part lands at
    // the origin.
    xirr_bitmap corner(2, 2);
    corner.DrawBitmapIgnoreAlpha(source, -2, -1);
    EXPECT_EQ(pixel(corner, 0, 0), (rgba{21, 11, 200, 112}));
    EXPECT_EQ(pixel(corner, 1, 0), (rgba{0, 0, 0, 255}));
    EXPECT_EQ(pixel(corner, 0, 1), (rgba{0, 0, 0, 255}));
}

TEST(xirr_bitmap_copies, using_alpha_draws_the_source_over_black_and_keeps_target_alpha)
{
    struct alpha_case {
        rgba source, expected;
    };
    const alpha_case cases[] = {
        {{200, 100, 50, 128}, {100, 50, 25, 77}},
        {{255, 255, 255, 255}, {254, 254, 254, 77}},
        {{255, 10, 90, 0}, {0, 0, 0, 77}},
        {{7, 8, 9, 1}, {0, 0, 0, 77}},
    };
    for (const alpha_case &c : cases) {
        xirr_bitmap source(1, 1);
        std::copy(c.source.begin(), c.source.end(), source.GetRow(0));
        xirr_bitmap target(1, 1);
        target.Clear({90, 90, 90});
        target.GetRow(0)[3] = 77;
        target.DrawBitmapUseAlpha(source, 0, 0);
        EXPECT_EQ(pixel(target, 0, 0), c.expected) << "source alpha " << c.source[3];
    }
}

// Drawing a bitmap onto itself moves its pixels as a copy taken first would.
TEST(xirr_bitmap_copies, drawing_onto_itself_is_a_scroll)
{
    const std::vector<std::pair<int, int>> moves = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}, {2, 3}, {-2, 3}, {3, -2}, {0, 0}};
    for (int use_alpha = 0; use_alpha < 2; use_alpha++)
        for (const auto &m : moves) {
            xirr_bitmap scrolled = numbered(6, 5), expected = numbered(6, 5);
            const xirr_bitmap before = numbered(6, 5);
            if (use_alpha) {
                scrolled.DrawBitmapUseAlpha(scrolled, m.first, m.second);
                expected.DrawBitmapUseAlpha(before, m.first, m.second);
            } else {
                scrolled.DrawBitmapIgnoreAlpha(scrolled, m.first, m.second);
                expected.DrawBitmapIgnoreAlpha(before, m.first, m.second);
            }
            EXPECT_TRUE(th_test::same_pixels(scrolled, expected))
                << (use_alpha ? "using" : "ignoring") << " alpha, by (" << m.first << ", " << m.second << ")";
        }
}
