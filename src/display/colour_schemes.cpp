#include "display/colour_schemes.h"

const xirr_colour_scheme xirr_colour_schemes[XIRR_COLOUR_SCHEME_COUNT] = {
    {"default",
     {
         //  dim       normal    bright
         {0x606060, 0xa0a0a0, 0xffffff},   // white
         {0x550000, 0xaa0000, 0xff5555},   // red
         {0x774000, 0xaa8800, 0xffff55},   // yellow
         {0x005500, 0x00aa00, 0x55ff55},   // green
         {0x008060, 0x0080aa, 0x40ffff},   // cyan
         {0x000088, 0x0000cc, 0x5050ff},   // blue
         {0x550088, 0xaa00cc, 0xff40ff},   // purple
         {0x606060, 0xa0a0a0, 0xffffff},   // default
     }},
    {"bright",
     {
         {0x404040, 0xcccccc, 0xffffff},
         {0x800000, 0xcc0000, 0xff8080},
         {0x808000, 0xcccc00, 0xffff80},
         {0x008000, 0x00cc00, 0x80ff80},
         {0x008080, 0x00cccc, 0x80ffff},
         {0x000080, 0x0000cc, 0x8080ff},
         {0x800080, 0xcc00cc, 0xff80ff},
         {0x404040, 0xcccccc, 0xffffff},
     }},
    {"ZMud-style",
     {
         {0x404040, 0x808080, 0xffffff},
         {0x400000, 0x800000, 0xff0000},
         {0x404000, 0x808000, 0xffff00},
         {0x008000, 0x00b300, 0x00ff00},
         {0x004040, 0x008080, 0x00ffff},
         {0x000040, 0x000080, 0x0000ff},
         {0x400040, 0x800080, 0xff00ff},
         {0x404040, 0x808080, 0xffffff},
     }},
    // Bright white (and bright default) is darker than normal white here.
    {"GMud-style",
     {
         {0x404040, 0xffffff, 0x808080},
         {0x400000, 0x800000, 0xff0000},
         {0x404000, 0x808000, 0xffff00},
         {0x008000, 0x00b300, 0x00ff00},
         {0x004040, 0x008080, 0x00ffff},
         {0x000040, 0x000080, 0x0000ff},
         {0x400040, 0x800080, 0xff00ff},
         {0x404040, 0xffffff, 0x808080},
     }},
};

const xirr_colour_scheme *xirr_current_colour_scheme = &xirr_colour_schemes[0];

int xirr_select_colour_scheme(int setting)
{
    if (setting < 0 || setting >= XIRR_COLOUR_SCHEME_COUNT)
        return 0;
    xirr_current_colour_scheme = &xirr_colour_schemes[setting];
    return 1;
}

xirr_scheme_colour xirr_scheme_row_of_code(int colour_code)
{
    switch (colour_code) {
    case 0x31: return XIRR_SCHEME_RED;
    case 0x32: return XIRR_SCHEME_GREEN;
    case 0x33: return XIRR_SCHEME_YELLOW;
    case 0x34: return XIRR_SCHEME_BLUE;
    case 0x35: return XIRR_SCHEME_PURPLE;
    case 0x36: return XIRR_SCHEME_CYAN;
    case 0x37: return XIRR_SCHEME_WHITE;
    default: return XIRR_SCHEME_DEFAULT;
    }
}
