#include "display/themes.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

xirr_rgb hex(uint32_t v)
{
    return {int(v >> 16), int((v >> 8) & 0xFF), int(v & 0xFF)};
}

// The theme codes in the column order of the tables below.
const int codes[XIRR_THEME_COUNT] = {2, 40, 0, 50, 60, 70, 1, 80, 90};

TEST(themes, names_are_the_menu_labels_of_the_codes)
{
    const char *labels[XIRR_THEME_COUNT] = {"Red",  "Brown", "Yellow", "YGreen", "Green",
                                            "Cyan", "Blue",  "Purple", "Grey"};
    for (int i = 0; i < XIRR_THEME_COUNT; i++) {
        EXPECT_EQ(xirr_theme_names[i].code, codes[i]);
        EXPECT_STREQ(xirr_theme_names[i].label, labels[i]);
    }
}

TEST(themes, button_themes_hold_the_26_colours_of_each_code)
{
    const uint32_t expected[XIRR_BUTTON_THEME_SLOTS][XIRR_THEME_COUNT] = {
        {0xc00000, 0xa06040, 0xc0c000, 0x90c000, 0x00c000, 0x3090c0, 0x3030c0, 0xc060c0, 0xc0c0c0},
        {0xc00000, 0xa06040, 0xc0c000, 0x90c000, 0x00c000, 0x3090c0, 0x3030c0, 0xc060c0, 0xc0c0c0},
        {0xffc000, 0xa06040, 0xffff00, 0xc0ff00, 0x80ff80, 0x40c0ff, 0x4040ff, 0xffc0ff, 0xc0c0c0},
        {0x500000, 0x503020, 0x606060, 0x486000, 0x005000, 0x004050, 0x000050, 0x500050, 0x505050},
        {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
        {0x606060, 0x606060, 0xc0c000, 0x90c000, 0x306030, 0x3090c0, 0x3030c0, 0x603060, 0x808080},
        {0x400000, 0x403020, 0x404040, 0x304000, 0x004000, 0x003040, 0x000040, 0x400040, 0x404040},
        {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
        {0x806000, 0x806040, 0xc0c000, 0x90c000, 0x008000, 0x206080, 0x202080, 0x804080, 0x606060},
        {0x300000, 0x302010, 0x303030, 0x203000, 0x003000, 0x002030, 0x000030, 0x300030, 0x303030},
        {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
        {0x808080, 0x808080, 0xffff00, 0xc0ff00, 0x408040, 0x40c0ff, 0x4040ff, 0x804080, 0x808080},
        {0x400000, 0x403020, 0x404040, 0x304000, 0x004000, 0x003040, 0x000040, 0x400040, 0x404040},
        {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
        {0x404040, 0x404040, 0x808000, 0x608000, 0x204020, 0x006080, 0x000080, 0x402040, 0x404040},
        {0x300000, 0x302010, 0x303030, 0x203000, 0x003000, 0x002030, 0x000030, 0x300030, 0x202020},
        {0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0},
        {0x808080, 0x808080, 0xffff00, 0xc0ff00, 0x408040, 0x00c0ff, 0x0000ff, 0x804080, 0x808080},
        {0x300000, 0x302010, 0x303030, 0x203000, 0x003000, 0x002030, 0x000030, 0x300030, 0x303030},
        {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
        {0x606060, 0x606060, 0xc0c000, 0x90c000, 0x306030, 0x0090c0, 0x0000c0, 0x603060, 0x606060},
        {0x200000, 0x201810, 0x202020, 0x102000, 0x002000, 0x001820, 0x000020, 0x200020, 0x202020},
        {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
        {0x303030, 0x303030, 0x606030, 0x486030, 0x183018, 0x184860, 0x181860, 0x301830, 0x404040},
        {0x200000, 0x201810, 0x202020, 0x102000, 0x002000, 0x001820, 0x000020, 0x200020, 0x202020},
        {0x606060, 0x606060, 0x606060, 0x606060, 0x606060, 0x606060, 0x606060, 0x606060, 0x606060},
    };
    for (int t = 0; t < XIRR_THEME_COUNT; t++) {
        const xirr_button_theme &theme = xirr_button_theme_for(codes[t]);
        for (int s = 0; s < XIRR_BUTTON_THEME_SLOTS; s++)
            EXPECT_EQ(theme.slot[s], hex(expected[s][t])) << "code " << codes[t] << " slot " << s;
    }
}

TEST(themes, background_themes_hold_light_middle_and_dark)
{
    const struct {
        int code;
        xirr_rgb light, middle, dark;
    } expected[] = {
        {2, {80, 0, 0}, {56, 0, 0}, {32, 0, 0}},        {40, {80, 32, 16}, {56, 24, 16}, {32, 16, 8}},
        {0, {80, 80, 0}, {56, 56, 0}, {32, 32, 0}},     {50, {48, 80, 0}, {32, 56, 0}, {16, 32, 0}},
        {60, {0, 80, 0}, {0, 48, 0}, {0, 32, 0}},       {70, {0, 56, 80}, {0, 40, 64}, {0, 24, 48}},
        {1, {0, 0, 96}, {0, 0, 64}, {0, 0, 32}},        {80, {80, 0, 80}, {56, 0, 56}, {32, 0, 32}},
        {90, {64, 64, 64}, {32, 32, 32}, {16, 16, 16}},
    };
    for (const auto &row : expected) {
        const xirr_background_theme &theme = xirr_background_theme_for(row.code);
        EXPECT_EQ(theme.light, row.light) << "code " << row.code;
        EXPECT_EQ(theme.middle, row.middle) << "code " << row.code;
        EXPECT_EQ(theme.dark, row.dark) << "code " << row.code;
    }
}

TEST(themes, codes_without_a_table_select_blue)
{
    for (int code : {7, 3, -1, 100, 91}) {
        EXPECT_EQ(&xirr_button_theme_for(code), &xirr_button_theme_for(1)) << code;
        EXPECT_EQ(&xirr_background_theme_for(code), &xirr_background_theme_for(1)) << code;
    }
}

TEST(themes, colour_sets_are_frame_face_text_triples)
{
    const xirr_button_theme &red = xirr_button_theme_for(2);
    const struct {
        int set;
        uint32_t frame, face, text;
    } cases[] = {
        {XIRR_SET_UP_HIGHLIGHTED, 0xffc000, 0x500000, 0xffffff},
        {XIRR_SET_UP, 0x806000, 0x300000, 0xffffff},
        {XIRR_SET_DOWN_HOVER_TOGGLE, 0x606060, 0x200000, 0xffffff},
        {XIRR_SET_DISABLED, 0x303030, 0x200000, 0x606060},
        {0, 0x806000, 0x300000, 0xffffff},   // out of range: the up set
        {9, 0x806000, 0x300000, 0xffffff},
    };
    for (const auto &c : cases) {
        const xirr_colour_set set = red.colour_set(c.set);
        EXPECT_EQ(set.frame, hex(c.frame)) << "set " << c.set;
        EXPECT_EQ(set.face, hex(c.face)) << "set " << c.set;
        EXPECT_EQ(set.text, hex(c.text)) << "set " << c.set;
    }
}

TEST(themes, switching_moves_each_current_theme_on_its_own)
{
    xirr_themes themes;
    EXPECT_EQ(&themes.button(), &xirr_button_theme_for(1));
    EXPECT_EQ(&themes.background(), &xirr_background_theme_for(1));

    themes.switch_button_theme(80);
    themes.switch_background_theme(2);
    EXPECT_EQ(&themes.button(), &xirr_button_theme_for(80));
    EXPECT_EQ(&themes.background(), &xirr_background_theme_for(2));

    themes.switch_button_theme(7);
    EXPECT_EQ(&themes.button(), &xirr_button_theme_for(1));
    EXPECT_EQ(&themes.background(), &xirr_background_theme_for(2));
}

} // namespace
