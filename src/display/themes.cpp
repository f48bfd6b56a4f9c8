#include "display/themes.h"

#include <array>
#include <cstdint>

const xirr_theme_name xirr_theme_names[XIRR_THEME_COUNT] = {
    {2, "Red"},    {40, "Brown"}, {0, "Yellow"}, {50, "YGreen"}, {60, "Green"},
    {70, "Cyan"},  {1, "Blue"},   {80, "Purple"}, {90, "Grey"},
};

xirr_themes xirr_current_themes;

namespace {

// Button colours as 0xRRGGBB: one row per slot, one column per theme in the
// order of xirr_theme_names.
constexpr uint32_t button_slot_colours[XIRR_BUTTON_THEME_SLOTS][XIRR_THEME_COUNT] = {
    //        Red       Brown     Yellow    YGreen    Green     Cyan      Blue      Purple    Grey
    /*  0 */ {0xc00000, 0xa06040, 0xc0c000, 0x90c000, 0x00c000, 0x3090c0, 0x3030c0, 0xc060c0, 0xc0c0c0},
    /*  1 */ {0xc00000, 0xa06040, 0xc0c000, 0x90c000, 0x00c000, 0x3090c0, 0x3030c0, 0xc060c0, 0xc0c0c0},
    /*  2 */ {0xffc000, 0xa06040, 0xffff00, 0xc0ff00, 0x80ff80, 0x40c0ff, 0x4040ff, 0xffc0ff, 0xc0c0c0},
    /*  3 */ {0x500000, 0x503020, 0x606060, 0x486000, 0x005000, 0x004050, 0x000050, 0x500050, 0x505050},
    /*  4 */ {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
    /*  5 */ {0x606060, 0x606060, 0xc0c000, 0x90c000, 0x306030, 0x3090c0, 0x3030c0, 0x603060, 0x808080},
    /*  6 */ {0x400000, 0x403020, 0x404040, 0x304000, 0x004000, 0x003040, 0x000040, 0x400040, 0x404040},
    /*  7 */ {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
    /*  8 */ {0x806000, 0x806040, 0xc0c000, 0x90c000, 0x008000, 0x206080, 0x202080, 0x804080, 0x606060},
    /*  9 */ {0x300000, 0x302010, 0x303030, 0x203000, 0x003000, 0x002030, 0x000030, 0x300030, 0x303030},
    /* 10 */ {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
    /* 11 */ {0x808080, 0x808080, 0xffff00, 0xc0ff00, 0x408040, 0x40c0ff, 0x4040ff, 0x804080, 0x808080},
    /* 12 */ {0x400000, 0x403020, 0x404040, 0x304000, 0x004000, 0x003040, 0x000040, 0x400040, 0x404040},
    /* 13 */ {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
    /* 14 */ {0x404040, 0x404040, 0x808000, 0x608000, 0x204020, 0x006080, 0x000080, 0x402040, 0x404040},
    /* 15 */ {0x300000, 0x302010, 0x303030, 0x203000, 0x003000, 0x002030, 0x000030, 0x300030, 0x202020},
    /* 16 */ {0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0},
    /* 17 */ {0x808080, 0x808080, 0xffff00, 0xc0ff00, 0x408040, 0x00c0ff, 0x0000ff, 0x804080, 0x808080},
    /* 18 */ {0x300000, 0x302010, 0x303030, 0x203000, 0x003000, 0x002030, 0x000030, 0x300030, 0x303030},
    /* 19 */ {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
    /* 20 */ {0x606060, 0x606060, 0xc0c000, 0x90c000, 0x306030, 0x0090c0, 0x0000c0, 0x603060, 0x606060},
    /* 21 */ {0x200000, 0x201810, 0x202020, 0x102000, 0x002000, 0x001820, 0x000020, 0x200020, 0x202020},
    /* 22 */ {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
    /* 23 */ {0x303030, 0x303030, 0x606030, 0x486030, 0x183018, 0x184860, 0x181860, 0x301830, 0x404040},
    /* 24 */ {0x200000, 0x201810, 0x202020, 0x102000, 0x002000, 0x001820, 0x000020, 0x200020, 0x202020},
    /* 25 */ {0x606060, 0x606060, 0x606060, 0x606060, 0x606060, 0x606060, 0x606060, 0x606060, 0x606060},
};

// Background colours, one row per theme in the order of xirr_theme_names.
constexpr xirr_background_theme background_themes[XIRR_THEME_COUNT] = {
    //           light          middle         dark
    /* Red    */ {{80, 0, 0},   {56, 0, 0},   {32, 0, 0}},
    /* Brown  */ {{80, 32, 16}, {56, 24, 16}, {32, 16, 8}},
    /* Yellow */ {{80, 80, 0},  {56, 56, 0},  {32, 32, 0}},
    /* YGreen */ {{48, 80, 0},  {32, 56, 0},  {16, 32, 0}},
    /* Green  */ {{0, 80, 0},   {0, 48, 0},   {0, 32, 0}},
    /* Cyan   */ {{0, 56, 80},  {0, 40, 64},  {0, 24, 48}},
    /* Blue   */ {{0, 0, 96},   {0, 0, 64},   {0, 0, 32}},
    /* Purple */ {{80, 0, 80},  {56, 0, 56},  {32, 0, 32}},
    /* Grey   */ {{64, 64, 64}, {32, 32, 32}, {16, 16, 16}},
};

constexpr xirr_rgb rgb_of(uint32_t hex)
{
    return {static_cast<int>((hex >> 16) & 0xFF), static_cast<int>((hex >> 8) & 0xFF),
            static_cast<int>(hex & 0xFF)};
}

// One button theme per column of the slot table.
constexpr std::array<xirr_button_theme, XIRR_THEME_COUNT> button_themes_by_column()
{
    std::array<xirr_button_theme, XIRR_THEME_COUNT> themes{};
    for (int t = 0; t < XIRR_THEME_COUNT; t++)
        for (int s = 0; s < XIRR_BUTTON_THEME_SLOTS; s++)
            themes[t].slot[s] = rgb_of(button_slot_colours[s][t]);
    return themes;
}

constexpr std::array<xirr_button_theme, XIRR_THEME_COUNT> button_themes = button_themes_by_column();

// The column of a theme code; the Blue column for any other code.
int theme_index(int code)
{
    int blue = 0;
    for (int i = 0; i < XIRR_THEME_COUNT; i++) {
        if (xirr_theme_names[i].code == code)
            return i;
        if (xirr_theme_names[i].code == XIRR_THEME_CODE_BLUE)
            blue = i;
    }
    return blue;
}

} // namespace

xirr_colour_set xirr_button_theme::colour_set(int set) const
{
    if (set < XIRR_SET_UP_HIGHLIGHTED || set > XIRR_SET_DISABLED)
        set = XIRR_SET_UP;
    const int first = 3 * set - 1;
    return {slot[first], slot[first + 1], slot[first + 2]};
}

const xirr_button_theme &xirr_button_theme_for(int code)
{
    return button_themes[theme_index(code)];
}

const xirr_background_theme &xirr_background_theme_for(int code)
{
    return background_themes[theme_index(code)];
}

void xirr_themes::switch_button_theme(int code)
{
    button_ = &xirr_button_theme_for(code);
}

void xirr_themes::switch_background_theme(int code)
{
    background_ = &xirr_background_theme_for(code);
}
