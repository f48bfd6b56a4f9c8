#pragma once
// The colour themes of the client's own controls: nine button colour themes
// of 26 colours each (buttons, tabs, frames) and nine background colour
// themes of three colours each (the main window's background picture). The
// tables are constant data that live for the whole run; choosing a theme
// only moves a pointer. Both settings share the same theme codes; any code
// that is not one of the nine selects the Blue tables, so a stored code that
// no table knows still shows a valid theme.
//
// User-interface thread only.

#include "gfx/xirr_rgb.h"

constexpr int XIRR_THEME_COUNT = 9;
constexpr int XIRR_BUTTON_THEME_SLOTS = 26;
// The code whose tables stand in for every unknown code.
constexpr int XIRR_THEME_CODE_BLUE = 1;

// Slots 0 and 1 are frame colours.
enum : int {
    XIRR_SLOT_MAP_FRAME = 0,     // the automap's frame
    XIRR_SLOT_PANEL_FRAME = 1,   // the group display's and the gauge strip's frame
};

// Slots 2 to 25 form eight colour sets of three slots (frame, face, text);
// set n starts at slot 3n - 1. The names say which image button picture
// takes them.
enum xirr_colour_set_id : int {
    XIRR_SET_UP_HIGHLIGHTED = 1,
    XIRR_SET_UP_HOVER_HIGHLIGHTED = 2,
    XIRR_SET_UP = 3,
    XIRR_SET_UP_HOVER = 4,
    XIRR_SET_DOWN = 5,              // down, with or without hover, not a toggle
    XIRR_SET_DOWN_TOGGLE = 6,
    XIRR_SET_DOWN_HOVER_TOGGLE = 7,
    XIRR_SET_DISABLED = 8,
};

// The colours of one button picture. The face fills the picture (its bevel
// is computed from it), the text draws the label, the frame draws the
// one-pixel frame of the hover pictures only.
struct xirr_colour_set {
    xirr_rgb frame;
    xirr_rgb face;
    xirr_rgb text;
};

struct xirr_button_theme {
    xirr_rgb slot[XIRR_BUTTON_THEME_SLOTS];

    // Set 1..8 (xirr_colour_set_id); other values give set XIRR_SET_UP.
    xirr_colour_set colour_set(int set) const;
};

struct xirr_background_theme {
    xirr_rgb light;
    xirr_rgb middle;
    xirr_rgb dark;
};

struct xirr_theme_name {
    int code;
    const char *label;   // the radio item's label, e.g. "Red"
};

// The nine theme codes with their labels, in menu order: Red 2, Brown 40,
// Yellow 0, YGreen 50, Green 60, Cyan 70, Blue 1, Purple 80, Grey 90.
extern const xirr_theme_name xirr_theme_names[XIRR_THEME_COUNT];

// The table of a theme code, the Blue table for any other code.
const xirr_button_theme &xirr_button_theme_for(int code);
const xirr_background_theme &xirr_background_theme_for(int code);

// The current button theme and background theme. Both start as Blue, so
// they are valid before the configuration first switches them.
class xirr_themes {
public:
    // Makes the table of code current (Blue for an unknown code).
    void switch_button_theme(int code);
    void switch_background_theme(int code);

    const xirr_button_theme &button() const { return *button_; }
    const xirr_background_theme &background() const { return *background_; }

private:
    const xirr_button_theme *button_ = &xirr_button_theme_for(XIRR_THEME_CODE_BLUE);
    const xirr_background_theme *background_ = &xirr_background_theme_for(XIRR_THEME_CODE_BLUE);
};

// The themes every themed display draws with.
extern xirr_themes xirr_current_themes;
