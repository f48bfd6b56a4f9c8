#include "display/color_flash.h"

#include "../foundation/captured_log.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

const xirr_rgb base{0, 0, 80};

// The backgrounds of a flash list from the parse on, until it is empty and
// shows base once more (bounded).
std::vector<xirr_rgb> run(xirr_color_flash_list &list, xirr_rgb first)
{
    std::vector<xirr_rgb> seen{first};
    for (int i = 0; i < 1000 && !list.empty(); i++)
        seen.push_back(list.compute_background(base));
    return seen;
}

TEST(ColorFlash, HexColours)
{
    struct hex_case {
        const char *text;
        xirr_rgb colour;
        const char *log;
    } cases[] = {
        {"ff0000", {255, 0, 0}, ""},
        {"0A1b2C", {10, 27, 44}, ""},
        {"123456789", {18, 52, 86}, ""},   // only the first six count
        {"#ff0000", {0, 0, 0}, "xirr_textctrl::GetColorFromHexString() - string doesn't appear to be hex.\n"},
        {"12345g", {0, 0, 0}, "xirr_textctrl::GetColorFromHexString() - string doesn't appear to be hex.\n"},
        {"fffff", {0, 0, 0}, "xirr_textctrl::GetColorFromHexString() - string too short.\n"},
        {nullptr, {0, 0, 0}, "xirr_textctrl::GetColorFromHexString() - string too short.\n"},
    };
    for (const hex_case &c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        captured_log log(2);
        EXPECT_EQ(xirr_color_flash_list::GetColorFromHexString(c.text), c.colour);
        EXPECT_EQ(log.text(), c.log);
    }
}

TEST(ColorFlash, FadesToTargetAndBackThenReturnsToBase)
{
    xirr_color_flash_list list;
    xirr_rgb first;
    ASSERT_EQ(list.parse_colorflash("000000 ff0000 10 000000 10", base, &first), 22);
    std::vector<xirr_rgb> expected;
    for (int red : {0, 25, 51, 76, 102, 127, 153, 178, 204, 229, 255, 255, 229, 204, 178, 153, 127,
                    102, 76, 51, 25, 0})
        expected.push_back({red, 0, 0});
    expected.push_back(base);
    EXPECT_EQ(run(list, first), expected);
}

TEST(ColorFlash, OverlappingFlashesTakeTheMaximumPerChannel)
{
    xirr_color_flash_list list;
    xirr_rgb shown;
    ASSERT_EQ(list.parse_colorflash("000000 ff0000 4", base, &shown), 5);
    EXPECT_EQ(shown, (xirr_rgb{0, 0, 0}));
    // Starting the second flash advances the first one too.
    ASSERT_EQ(list.parse_colorflash("000000 0000ff 2", base, &shown), 3);
    // The second flash ending does not drop the first one's colour to base
    // for a step, nor hold the first one back.
    std::vector<xirr_rgb> expected{{63, 0, 0}, {127, 0, 127}, {191, 0, 255}, {255, 0, 0}, base};
    EXPECT_EQ(run(list, shown), expected);
}

TEST(ColorFlash, ShortAndNegativeStepsLastOneStepAndShowTheStart)
{
    xirr_color_flash_list list;
    xirr_rgb shown;
    // Every step counts at least one animation step, so the animation runs
    // long enough for the step that follows a negative one.
    ASSERT_EQ(list.parse_colorflash("102030 ff0000 0 00ff00 -7 0000ff 1", base, &shown), 4);
    std::vector<xirr_rgb> expected{{16, 32, 48}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, base};
    EXPECT_EQ(run(list, shown), expected);
}

TEST(ColorFlash, PayloadErrors)
{
    const char *bad = "xirr_textctrl::parse_colorflash() - bad duration.\n";
    const char *bad_next = "xirr_textctrl::parse_colorflash() - bad subsequent duration.\n";
    struct payload_case {
        const char *payload;
        int length;         // 0: nothing added
        const char *log;
    } cases[] = {
        {"000000\tff0000\n+5", 6, ""},
        {"000000 ff0000 5   ", 6, ""},
        {nullptr, 0,
         "xirr_textctrl::GetColorFromHexString() - string too short.\n"
         "xirr_textctrl::parse_colorflash() - bad duration.\n"},
        {"000000 ff0000", 0, bad},
        {"000000 ff0000 5s", 0, bad},
        {"000000 ff0000 -", 0, bad},
        {"000000 ff0000 99999999999", 0, bad},
        {"000000 ff0000 5 00ff00", 6, bad_next},
        {"000000 ff0000 5 00ff00 x 0000ff 3", 6, bad_next},
        {"000000 ff0000 2147483647 000000 2147483647", INT_MAX, ""},
    };
    for (const payload_case &c : cases) {
        SCOPED_TRACE(c.payload ? c.payload : "(null)");
        captured_log log(2);
        xirr_color_flash_list list;
        xirr_rgb shown{1, 2, 3};
        EXPECT_EQ(list.parse_colorflash(c.payload, base, &shown), c.length);
        EXPECT_EQ(list.empty(), c.length == 0);
        EXPECT_EQ(log.text(), c.log);
        if (c.length == 0) {
            EXPECT_EQ(shown, (xirr_rgb{1, 2, 3}));
        }
    }
}

TEST(ColorFlash, HugeDurationsDoNotOverflowTheFade)
{
    xirr_color_flash_list list;
    xirr_rgb shown;
    list.parse_colorflash("ffffff ffffff 2147483647", base, &shown);
    EXPECT_EQ(shown, (xirr_rgb{255, 255, 255}));
    EXPECT_EQ(list.compute_background(base), (xirr_rgb{255, 255, 255}));
}

TEST(ColorFlash, KeepsABoundedNumberOfFlashes)
{
    captured_log log(2);
    xirr_color_flash_list list;
    xirr_rgb shown;
    // The first, long red flash is the oldest and goes when the limit is passed.
    list.parse_colorflash("ff0000 ff0000 1000", base, &shown);
    for (int i = 0; i < XIRR_COLOR_FLASH_MAX; i++)
        list.parse_colorflash("000000 000010 1000", base, &shown);
    EXPECT_EQ(shown.r, 0);
    EXPECT_NE(log.text().find("flashes running, the oldest is dropped"), std::string::npos);
}

}  // namespace
