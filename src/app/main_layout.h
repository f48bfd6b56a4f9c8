#pragma once
// Where the main window's children go: a pure function of the client size,
// the settings that shape the layout and a few facts the windows know (the
// login state, the automap's size, the group display's needed height). The
// main window applies the result; in the embedded layout the main display
// places the automap and the group display itself with
// xirr_layout_embedded when it lays itself out.
//
// Three layouts: 0 embedded (map and group display inside the main
// display's text area), 1 left top and 2 left bottom (both in a column at
// the window's left). The direction and hint buttons form a column at the
// right, the function-key and popup buttons a row at the bottom; between
// them, from the bottom up: status bar, input panel, gauge strip, then the
// main display under the channel window.

class ZvConfig;

struct xirr_layout_rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A child's place in its parent's client area and whether it is shown. A
// child the layout does not place keeps an empty rect; placed rects are at
// least 1 x 1.
struct xirr_layout_child {
    xirr_layout_rect rect;
    int shown = 0;
};

// The window a movable child belongs to.
enum xirr_layout_parent {
    XIRR_PARENT_MAIN_WINDOW,
    XIRR_PARENT_MAIN_DISPLAY,
    XIRR_PARENT_MAP_FRAME,   // the floating "Tarn Hollow Map" frame
};

struct xirr_main_layout_input {
    // The client size; the caller passes the last stored size when either
    // dimension of the current one is 0.
    int width = 0;
    int height = 0;
    int login_state = 0;   // 0 not logged in, 1 creating, 2 playing, 3 logging off

    // The settings, as their getters give them.
    int current_layout = 0;
    int automap_docked = 0;
    int automap_display = 0;
    int group_status_display = 0;
    int fkey_button_display = 0;
    int popup_display = 0;
    int direction_button_enable = 0;
    int hint_button_enable = 0;
    int status_bar = 0;
    int input_height = 0;
    int hpbar_enable = 0;
    int exp_display = 0;
    int enemy_hpbar_enable = 0;
    int channel_window_enable = 0;
    int channel_window_height = 0;   // percent of the height above the input

    // What the windows know.
    int map_width = 0;       // the automap window's size
    int map_height = 0;
    int map_margin = 0;      // the automap's margin m, used when embedded
    int group_height = 0;    // the height the group display needs for its members
    int group_members = 0;   // how many members it shows
    // The main display's width less the width of its text area (its frame
    // and, while shown, its scroll bar).
    int display_frame_width = 0;
};

struct xirr_main_layout {
    xirr_layout_child direction_buttons;
    xirr_layout_child hint_buttons;
    xirr_layout_child fkey_bar;
    xirr_layout_child popup_bar;
    // The status bar and the gauge strip keep their space whenever their
    // settings are on, but are shown only while playing.
    xirr_layout_child status_bar;
    xirr_layout_child input_panel;
    xirr_layout_child gauge_strip;
    xirr_layout_child channel_window;   // only while playing
    xirr_layout_child main_display;
    // The automap and the group display, in their parents' coordinates.
    xirr_layout_child automap;
    xirr_layout_child group_display;
    xirr_layout_parent automap_parent = XIRR_PARENT_MAIN_WINDOW;
    xirr_layout_parent group_parent = XIRR_PARENT_MAIN_WINDOW;
    // The floating frame's client area (at 0, 0); shown while the automap
    // is displayed undocked.
    xirr_layout_child map_frame;
};

// The automap and the group display inside the main display (layout 0),
// in the main display's coordinates.
struct xirr_embedded_layout {
    xirr_layout_child automap;   // placed only while the map is docked
    xirr_layout_child group_display;
};

xirr_main_layout xirr_layout_main_window(const xirr_main_layout_input &in);

// text_width: the width of the main display's text area.
xirr_embedded_layout xirr_layout_embedded(const xirr_main_layout_input &in, int text_width);

// Copies the layout settings of config's current configuration into *in;
// the size and the window facts stay as they are.
void xirr_layout_read_settings(const ZvConfig &config, xirr_main_layout_input *in);

// Where the banner goes: the banner image (bw x bh) with the web host's name
// (tw x th) below it, in the corner the layout leaves free. rect is where a
// click opens the web page.
struct xirr_banner_layout {
    int banner_x = 0, banner_y = 0;
    int text_x = 0, text_y = 0;
    xirr_layout_rect rect;
};
xirr_banner_layout xirr_layout_banner(int current_layout, int width, int height, int bw, int bh,
                                      int tw, int th);
