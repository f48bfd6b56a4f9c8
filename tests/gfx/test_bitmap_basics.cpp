#include "gfx/xirr_bitmap.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../foundation/captured_log.h"
#include "bitmap_pictures.h"

using th_test::pixel;
using th_test::rgba;

// A bitmap without pixel memory, made without logging.
static xirr_bitmap empty_bitmap()
{
    captured_log silent(0);
    return xirr_bitmap(0, 0);
}

TEST(xirr_bitmap, starts_black_and_opaque)
{
    const xirr_bitmap small(3, 2), standard;
    EXPECT_EQ(small.GetWidth(), 3);
    EXPECT_EQ(small.GetHeight(), 2);
    EXPECT_EQ(small.GetStride(), 12);
    EXPECT_EQ(standard.GetWidth(), 16);
    EXPECT_EQ(standard.GetHeight(), 16);
    for (const xirr_bitmap *b : {&small, &standard})
        for (int y = 0; y < b->GetHeight(); y++)
            for (int x = 0; x < b->GetWidth(); x++)
                EXPECT_EQ(pixel(*b, x, y), (rgba{0, 0, 0, 255}));
}

TEST(xirr_bitmap, clear_sets_colour_and_alpha_and_clear_alpha_keeps_colour)
{
    xirr_bitmap b(4, 3);
    b.Clear({10, 20, 30});
    EXPECT_EQ(pixel(b, 0, 0), (rgba{10, 20, 30, 255}));
    EXPECT_EQ(pixel(b, 3, 2), (rgba{10, 20, 30, 255}));

    // Out-of-range channels are held to 0..255.
    b.Clear({300, -5, 255});
    EXPECT_EQ(pixel(b, 1, 1), (rgba{255, 0, 255, 255}));

    // A copy whose alpha is zeroed gets it back without losing colour.
    xirr_bitmap transparent(2, 1);
    transparent.Clear({1, 2, 3});
    transparent.GetRow(0)[3] = 0;
    transparent.GetRow(0)[7] = 17;
    transparent.ClearAlpha();
    EXPECT_EQ(pixel(transparent, 0, 0), (rgba{1, 2, 3, 255}));
    EXPECT_EQ(pixel(transparent, 1, 0), (rgba{1, 2, 3, 255}));
}

TEST(xirr_bitmap, rows_are_rgba_bytes_in_memory_order)
{
    xirr_bitmap b(2, 2);
    b.SetPixel(1, 1, 11, 22, 33);
    const uint8_t *row = b.GetRow(1);
    ASSERT_EQ(row, b.GetRow(0) + b.GetStride());
    EXPECT_EQ(row[4], 11);
    EXPECT_EQ(row[5], 22);
    EXPECT_EQ(row[6], 33);
    EXPECT_EQ(row[7], 255);
}

TEST(xirr_bitmap, set_pixel_writes_only_inside_and_keeps_alpha)
{
    xirr_bitmap b(3, 3);
    b.GetRow(1)[4 + 3] = 40;
    for (const auto &xy : std::vector<std::pair<int, int>>{{-1, 0}, {0, -1}, {3, 0}, {0, 3}, {-2147483647 - 1, 2147483647}})
        b.SetPixel(xy.first, xy.second, xirr_rgb{255, 255, 255});
    EXPECT_EQ(th_test::picture(b, {255, 255, 255}), th_test::rows({"...", "...", "..."}));

    b.SetPixel(1, 1, xirr_rgb{9, 8, 7});
    EXPECT_EQ(pixel(b, 1, 1), (rgba{9, 8, 7, 40}));

    uint8_t untouched[4] = {1, 2, 3, 4};
    EXPECT_FALSE(b.GetPixel(3, 0, untouched));
    EXPECT_EQ(untouched[0], 1);
}

TEST(xirr_bitmap, copies_are_independent_and_moves_empty_the_source)
{
    xirr_bitmap original(2, 2);
    original.Clear({5, 5, 5});
    xirr_bitmap copy(original);
    copy.SetPixel(0, 0, 200, 0, 0);
    EXPECT_EQ(pixel(original, 0, 0), (rgba{5, 5, 5, 255}));
    EXPECT_EQ(pixel(copy, 0, 0), (rgba{200, 0, 0, 255}));

    xirr_bitmap assigned(7, 7);
    assigned = copy;
    EXPECT_EQ(assigned.GetWidth(), 2);
    EXPECT_TRUE(th_test::same_pixels(assigned, copy));

    xirr_bitmap moved(std::move(copy));
    EXPECT_FALSE(copy.IsOk());
    EXPECT_EQ(copy.GetWidth(), 0);
    EXPECT_EQ(pixel(moved, 0, 0), (rgba{200, 0, 0, 255}));
}

TEST(xirr_bitmap, bad_sizes_give_an_empty_bitmap_and_an_error)
{
    for (const auto &size : std::vector<std::pair<int, int>>{{0, 5}, {5, 0}, {-3, -3}, {XIRR_BITMAP_MAX_SIDE + 1, 1}}) {
        captured_log log(1);
        const xirr_bitmap b(size.first, size.second);
        EXPECT_FALSE(b.IsOk());
        EXPECT_EQ(b.GetWidth(), 0);
        EXPECT_EQ(b.GetHeight(), 0);
        EXPECT_EQ(b.GetRow(0), nullptr);
        EXPECT_EQ(log.text(), "Error in xirr_bitmap::xirr_bitmap(), bad size " + std::to_string(size.first) +
                                  " x " + std::to_string(size.second) + ".\n");
    }
    const xirr_bitmap largest(XIRR_BITMAP_MAX_SIDE, 1);
    EXPECT_TRUE(largest.IsOk());
}

// Every primitive on a bitmap without pixel memory draws nothing and says
// which bitmap failed, at debug level above 1 only.
TEST(xirr_bitmap, primitives_on_an_empty_bitmap_report_the_failed_pixel_data)
{
    xirr_glyph glyph;
    ASSERT_TRUE(glyph.create(2, 2));
    const xirr_bitmap good(2, 2);
    struct failure_case {
        const char *message;
        std::function<void(xirr_bitmap &, const xirr_bitmap &)> draw;
    };
    const xirr_rgb c{1, 2, 3};
    const failure_case cases[] = {
        {"Clear(), pixel data", [&](xirr_bitmap &t, const xirr_bitmap &) { t.Clear(c); }},
        {"ClearAlpha(), pixel data", [&](xirr_bitmap &t, const xirr_bitmap &) { t.ClearAlpha(); }},
        {"DrawFilledCircle(), pixel data", [&](xirr_bitmap &t, const xirr_bitmap &) { t.DrawFilledCircle(0, 0, 3, c); }},
        {"DrawFilledRectangle(), pixel data", [&](xirr_bitmap &t, const xirr_bitmap &) { t.DrawFilledRectangle(0, 0, 1, 1, c); }},
        {"DrawXGradientRectangle(), pixel data", [&](xirr_bitmap &t, const xirr_bitmap &) { t.DrawXGradientRectangle(0, 0, 1, 1, c, c); }},
        {"DrawYGradientRectangle(), pixel data", [&](xirr_bitmap &t, const xirr_bitmap &) { t.DrawYGradientRectangle(0, 0, 1, 1, c, c); }},
        {"DrawTextGlyph(), pixel data dest", [&](xirr_bitmap &t, const xirr_bitmap &) { t.DrawTextGlyph(glyph, 0, 0, c, c); }},
        {"DrawTextGlyphTransparent(), pixel data dest", [&](xirr_bitmap &t, const xirr_bitmap &) { t.DrawTextGlyphTransparent(glyph, 0, 0, c); }},
        {"DrawBitmapIgnoreAlpha(), pixel data dest", [&](xirr_bitmap &t, const xirr_bitmap &) { t.DrawBitmapIgnoreAlpha(good, 0, 0); }},
        {"DrawBitmapUseAlpha(), pixel data dest", [&](xirr_bitmap &t, const xirr_bitmap &) { t.DrawBitmapUseAlpha(good, 0, 0); }},
    };
    for (const failure_case &f : cases) {
        xirr_bitmap empty = empty_bitmap();
        {
            captured_log quiet(1);
            f.draw(empty, good);
            EXPECT_EQ(quiet.text(), "") << f.message;
        }
        captured_log log(2);
        f.draw(empty, good);
        EXPECT_EQ(log.text(), std::string("Error in xirr_bitmap::") + f.message + " failed?\n");
    }

    // A good target with an empty source names the source and is untouched.
    const xirr_bitmap empty = empty_bitmap();
    for (int use_alpha = 0; use_alpha < 2; use_alpha++) {
        xirr_bitmap target(2, 2);
        captured_log log(2);
        if (use_alpha)
            target.DrawBitmapUseAlpha(empty, 0, 0);
        else
            target.DrawBitmapIgnoreAlpha(empty, 0, 0);
        EXPECT_EQ(log.text(), std::string("Error in xirr_bitmap::DrawBitmap") +
                                  (use_alpha ? "UseAlpha" : "IgnoreAlpha") + "(), pixel data src failed?\n");
        EXPECT_TRUE(th_test::same_pixels(target, xirr_bitmap(2, 2)));
    }
}
