#include "widgets/border_flash.h"

#include "gfx/xirr_bitmap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The bitmap as rows of letters: W white, g grey (128), K black, '.' the
// untouched background, '?' anything else.
std::vector<std::string> picture(const xirr_bitmap &bitmap)
{
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.GetHeight(); y++) {
        std::string row;
        for (int x = 0; x < bitmap.GetWidth(); x++) {
            uint8_t p[4];
            bitmap.GetPixel(x, y, p);
            const int v = p[0];
            const bool grey = p[0] == p[1] && p[1] == p[2];
            row += !grey ? '?' : v == 255 ? 'W' : v == 128 ? 'g' : v == 0 ? 'K' : v == 9 ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

xirr_bitmap background()
{
    xirr_bitmap bitmap(6, 4);
    bitmap.Clear({9, 9, 9});
    return bitmap;
}

// Advances the flash to the given counter with 20 ms steps.
void run_to(xirr_border_flash &flash, int counter)
{
    for (int i = 0; i < 1000 && flash.counter() > counter; i++)
        flash.step(20);
}

TEST(border_flash, frames_plain_and_flashing)
{
    const int all = XIRR_BORDER_TOP | XIRR_BORDER_RIGHT | XIRR_BORDER_BOTTOM | XIRR_BORDER_LEFT;
    const struct {
        const char *what;
        int flash_counter;   // 0: no flash
        int sides;
        std::vector<std::string> expected;
    } cases[] = {
        {"plain, all sides", 0, all, {"WgWWWW", "Wg..WW", "Wg..WW", "WgWWWW"}},
        {"plain, left", 0, XIRR_BORDER_LEFT, {"Wg....", "Wg....", "Wg....", "Wg...."}},
        {"plain, right", 0, XIRR_BORDER_RIGHT, {"....WW", "....WW", "....WW", "....WW"}},
        {"even count: black, top added", 16, XIRR_BORDER_RIGHT,
         {"KKKKKK", "....KK", "....KK", "....KK"}},
        {"odd count: white", 15, XIRR_BORDER_BOTTOM | XIRR_BORDER_LEFT,
         {"WWWWWW", "WW....", "WW....", "WWWWWW"}},
        {"no sides: nothing, even while flashing", 15, 0, {"......", "......", "......", "......"}},
    };
    for (const auto &c : cases) {
        xirr_border_flash flash;
        if (c.flash_counter) {
            flash.start();
            run_to(flash, c.flash_counter);
            ASSERT_EQ(flash.counter(), c.flash_counter);
        }
        xirr_bitmap bitmap = background();
        flash.draw_border(bitmap, c.sides);
        EXPECT_EQ(picture(bitmap), c.expected) << c.what;
    }
}

TEST(border_flash, a_flash_lasts_16_half_periods_of_200_ms)
{
    xirr_border_flash flash;
    flash.start();
    int elapsed = 0;
    int running = 1;
    int redraw = flash.redraw_due();
    while (running && elapsed < 10000) {
        elapsed += 20;
        running = flash.step(20);
        redraw = flash.redraw_due();
    }
    EXPECT_EQ(elapsed, 3200);
    EXPECT_EQ(flash.counter(), 0);
    EXPECT_EQ(redraw, 1);   // the last step draws the plain frame again
    EXPECT_EQ(flash.step(20), 0);       // nothing runs any more
    EXPECT_EQ(flash.redraw_due(), 0);
}

TEST(border_flash, leftover_time_carries_unless_one_step_spans_a_period)
{
    xirr_border_flash flash;
    flash.start();
    flash.step(150);
    flash.step(150);   // 300: one half-period, 100 carried
    EXPECT_EQ(flash.counter(), 15);
    flash.step(100);   // 200 with the carry
    EXPECT_EQ(flash.counter(), 14);
    flash.step(450);   // one long step ends one half-period and drops the rest
    EXPECT_EQ(flash.counter(), 13);
    flash.step(199);
    EXPECT_EQ(flash.counter(), 13);
}

TEST(border_flash, starting_again_restarts_and_redraws)
{
    xirr_border_flash flash;
    flash.start();
    EXPECT_EQ(flash.redraw_due(), 1);
    EXPECT_EQ(flash.redraw_due(), 0);
    run_to(flash, 5);
    flash.redraw_due();
    flash.start();
    EXPECT_EQ(flash.counter(), 16);
    EXPECT_EQ(flash.redraw_due(), 1);
}

} // namespace
