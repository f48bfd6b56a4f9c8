#pragma once
// The four text colour schemes of the ANSI displays: fixed tables of eight
// colours by three intensities, 0xRRGGBB. One process-wide pointer selects
// the scheme every display uses for text it shows from then on; text already
// shown keeps the colour it was shown in. User-interface thread only.

#include <cstdint>

constexpr int XIRR_COLOUR_SCHEME_COUNT = 4;

// Rows of a scheme, in table order. The "default" row serves colour code 0
// (ESC[0m) and always equals the white row.
enum xirr_scheme_colour : int {
    XIRR_SCHEME_WHITE,
    XIRR_SCHEME_RED,
    XIRR_SCHEME_YELLOW,
    XIRR_SCHEME_GREEN,
    XIRR_SCHEME_CYAN,
    XIRR_SCHEME_BLUE,
    XIRR_SCHEME_PURPLE,
    XIRR_SCHEME_DEFAULT,
    XIRR_SCHEME_COLOURS,
};

// Columns of a scheme.
enum xirr_scheme_intensity : int {
    XIRR_INTENSITY_DIM,
    XIRR_INTENSITY_NORMAL,
    XIRR_INTENSITY_BRIGHT,
    XIRR_INTENSITIES,
};

struct xirr_colour_scheme {
    const char *name;   // as the user is told: "default", "bright", "ZMud-style", "GMud-style"
    uint32_t rgb[XIRR_SCHEME_COLOURS][XIRR_INTENSITIES];
};

// Indexed by the setting font_colors_setting: 0 default, 1 bright,
// 2 ZMud-style, 3 GMud-style.
extern const xirr_colour_scheme xirr_colour_schemes[XIRR_COLOUR_SCHEME_COUNT];

// The scheme of all displays; "default" until one is selected.
extern const xirr_colour_scheme *xirr_current_colour_scheme;

// Selects scheme number setting (0..3) and returns 1; any other value
// changes nothing and returns 0.
int xirr_select_colour_scheme(int setting);

// The row of an SGR colour code in packed decimal: 0 the default row, 0x31
// red, 0x32 green, 0x33 yellow, 0x34 blue, 0x35 purple, 0x36 cyan, 0x37
// white. Any other code gives the default row.
xirr_scheme_colour xirr_scheme_row_of_code(int colour_code);
