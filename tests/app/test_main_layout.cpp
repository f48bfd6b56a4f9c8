#include "app/main_layout.h"

#include "config/zv_config.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

bool operator==(const xirr_layout_rect &a, const xirr_layout_rect &b)
{
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

void PrintTo(const xirr_layout_rect &r, std::ostream *os)
{
    *os << "(" << r.x << ", " << r.y << ", " << r.width << " x " << r.height << ")";
}

namespace {

using rect = xirr_layout_rect;
const rect not_placed{};

// A 984 x 700 client area while playing, in the left-top layout with every
// bar, column and map switched off. The automap is 143 x 164 with margin 3,
// the group display needs 50 pixels for its 2 members, and the main display
// keeps 19 pixels beside its text area.
xirr_main_layout_input bare()
{
    xirr_main_layout_input in;
    in.width = 984;
    in.height = 700;
    in.login_state = 2;
    in.current_layout = 1;
    in.input_height = 48;
    in.channel_window_height = 25;
    in.map_width = 143;
    in.map_height = 164;
    in.map_margin = 3;
    in.group_height = 50;
    in.group_members = 2;
    in.display_frame_width = 19;
    return in;
}

TEST(MainLayout, WithEveryBarOffTheMainDisplayFillsTheCentre)
{
    struct {
        const char *what;
        int login_state;
        int channel_window;
        rect channel;
        rect main;
    } cases[] = {
        {"playing without the channel window", 2, 0, not_placed, {0, 0, 984, 652}},
        {"playing with the channel window", 2, 1, {0, 0, 984, 163}, {0, 163, 984, 489}},
        // At the login prompt the channel window's space belongs to the main display.
        {"not logged in", 0, 1, not_placed, {0, 0, 984, 652}},
        {"creating a character", 1, 1, not_placed, {0, 0, 984, 652}},
        {"logging off", 3, 1, not_placed, {0, 0, 984, 652}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        xirr_main_layout_input in = bare();
        in.login_state = c.login_state;
        in.channel_window_enable = c.channel_window;
        xirr_main_layout l = xirr_layout_main_window(in);

        EXPECT_EQ(l.channel_window.rect, c.channel);
        EXPECT_EQ(l.channel_window.shown, c.channel.height > 0);
        EXPECT_EQ(l.main_display.rect, c.main);
        EXPECT_EQ(l.input_panel.rect, (rect{0, 652, 984, 48}));
        for (const xirr_layout_child *hidden :
             {&l.direction_buttons, &l.hint_buttons, &l.fkey_bar, &l.popup_bar, &l.status_bar,
              &l.gauge_strip, &l.automap, &l.group_display, &l.map_frame}) {
            EXPECT_FALSE(hidden->shown);
        }
    }
}

// Every part switched on: the sizes of the columns, rows and gaps.
TEST(MainLayout, EveryPartInPlace)
{
    xirr_main_layout_input in = bare();
    in.automap_docked = in.automap_display = 1;
    in.group_status_display = 1;
    in.fkey_button_display = in.popup_display = 1;
    in.direction_button_enable = in.hint_button_enable = 1;
    in.status_bar = 1;
    in.hpbar_enable = in.exp_display = in.enemy_hpbar_enable = 1;
    in.channel_window_enable = 1;
    xirr_main_layout l = xirr_layout_main_window(in);

    const struct {
        const char *what;
        const xirr_layout_child &child;
        rect expected;
    } cases[] = {
        {"direction buttons", l.direction_buttons, {885, 2, 97, 130}},
        {"hint buttons below them", l.hint_buttons, {885, 136, 97, 564}},
        {"automap at the top left", l.automap, {2, 2, 143, 164}},
        {"group display under the map", l.group_display, {2, 176, 143, 50}},
        {"function-key bar", l.fkey_bar, {147, 654, 358, 46}},
        {"popup bar to the right edge", l.popup_bar, {505, 654, 479, 46}},
        {"status bar", l.status_bar, {147, 633, 736, 21}},
        {"input panel", l.input_panel, {147, 585, 736, 48}},
        {"gauge strip in two rows", l.gauge_strip, {147, 543, 736, 42}},
        {"channel window", l.channel_window, {147, 0, 736, 135}},
        {"main display", l.main_display, {147, 135, 736, 408}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.child.rect, c.expected);
        EXPECT_TRUE(c.child.shown);
    }
    EXPECT_EQ(l.automap_parent, XIRR_PARENT_MAIN_WINDOW);
    EXPECT_EQ(l.group_parent, XIRR_PARENT_MAIN_WINDOW);
    EXPECT_FALSE(l.map_frame.shown);

    // At the login prompt the status bar and the gauge strip keep their
    // space but are hidden.
    in.login_state = 0;
    l = xirr_layout_main_window(in);
    EXPECT_EQ(l.status_bar.rect, (rect{147, 633, 736, 21}));
    EXPECT_EQ(l.gauge_strip.rect, (rect{147, 543, 736, 42}));
    EXPECT_FALSE(l.status_bar.shown);
    EXPECT_FALSE(l.gauge_strip.shown);
    EXPECT_EQ(l.main_display.rect, (rect{147, 0, 736, 543}));
}

TEST(MainLayout, RightColumnAndBottomRow)
{
    struct {
        const char *what;
        std::function<void(xirr_main_layout_input &)> set;
        rect hint, fkey, popup, main;
    } cases[] = {
        {"hint buttons alone start at the top",
         [](xirr_main_layout_input &in) { in.hint_button_enable = 1; },
         {885, 2, 97, 698}, not_placed, not_placed, {0, 0, 883, 652}},
        {"direction buttons alone narrow the centre the same",
         [](xirr_main_layout_input &in) { in.direction_button_enable = 1; },
         not_placed, not_placed, not_placed, {0, 0, 883, 652}},
        {"popup bar alone starts at the left column",
         [](xirr_main_layout_input &in) { in.popup_display = 1; },
         not_placed, not_placed, {0, 654, 984, 46}, {0, 0, 984, 606}},
        {"function keys alone",
         [](xirr_main_layout_input &in) { in.fkey_button_display = 1; },
         not_placed, {0, 654, 358, 46}, not_placed, {0, 0, 984, 606}},
        {"the row starts right of a group column",
         [](xirr_main_layout_input &in) {
             in.group_status_display = 2;
             in.fkey_button_display = in.popup_display = 1;
         },
         not_placed, {164, 654, 358, 46}, {522, 654, 462, 46}, {164, 0, 820, 606}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        xirr_main_layout_input in = bare();
        c.set(in);
        xirr_main_layout l = xirr_layout_main_window(in);
        EXPECT_EQ(l.hint_buttons.rect, c.hint);
        EXPECT_EQ(l.fkey_bar.rect, c.fkey);
        EXPECT_EQ(l.popup_bar.rect, c.popup);
        EXPECT_EQ(l.main_display.rect, c.main);
    }
}

TEST(MainLayout, GaugeStripHeight)
{
    struct {
        int hp, exp, enemy;
        int height;   // 0: not placed
    } cases[] = {
        {1, 0, 1, 42}, {1, 1, 1, 42}, {1, 0, 0, 21}, {0, 1, 0, 21},
        {0, 0, 1, 21}, {0, 1, 1, 21}, {1, 1, 0, 21}, {0, 0, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "hp " << c.hp << " exp " << c.exp << " enemy " << c.enemy);
        xirr_main_layout_input in = bare();
        in.hpbar_enable = c.hp;
        in.exp_display = c.exp;
        in.enemy_hpbar_enable = c.enemy;
        xirr_main_layout l = xirr_layout_main_window(in);
        EXPECT_EQ(l.gauge_strip.rect.height, c.height);
        EXPECT_EQ(l.gauge_strip.shown, c.height > 0);
        EXPECT_EQ(l.main_display.rect.height, 652 - c.height);
    }
}

TEST(MainLayout, LeftColumnOfTheLeftLayouts)
{
    struct {
        const char *what;
        int layout, docked, displayed, group, members, fkey;
        rect automap;
        int automap_shown;
        rect group_rect;
        int group_shown;
        int centre_x;
    } cases[] = {
        {"top: map, then the group display", 1, 1, 1, 1, 2, 0,
         {2, 2, 143, 164}, 1, {2, 176, 143, 50}, 1, 147},
        {"top: a docked map that is not displayed leaves the group at the top", 1, 1, 0, 1, 2, 0,
         not_placed, 0, {2, 2, 160, 50}, 1, 164},
        {"top: a group display without members keeps its column", 1, 0, 0, 2, 0, 0,
         not_placed, 0, {2, 2, 160, 50}, 0, 164},
        {"top: nothing in the column", 1, 1, 0, 0, 2, 0, not_placed, 0, {2, 2, 160, 50}, 0, 0},
        {"bottom: map at the bottom, group above it", 2, 1, 1, 1, 2, 1,
         {2, 534, 143, 164}, 1, {2, 474, 143, 50}, 1, 147},
        {"bottom: group display on the bottom edge", 2, 0, 1, 1, 2, 0,
         not_placed, 0, {2, 648, 160, 50}, 1, 164},
        {"bottom: group display above the button row", 2, 0, 1, 1, 2, 1,
         not_placed, 0, {2, 602, 160, 50}, 1, 164},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        xirr_main_layout_input in = bare();
        in.current_layout = c.layout;
        in.automap_docked = c.docked;
        in.automap_display = c.displayed;
        in.group_status_display = c.group;
        in.group_members = c.members;
        in.fkey_button_display = c.fkey;
        xirr_main_layout l = xirr_layout_main_window(in);
        if (c.docked) {
            EXPECT_EQ(l.automap.rect, c.automap);
            EXPECT_EQ(l.automap.shown, c.automap_shown);
        }
        EXPECT_EQ(l.group_display.rect, c.group_rect);
        EXPECT_EQ(l.group_display.shown, c.group_shown);
        EXPECT_EQ(l.main_display.rect.x, c.centre_x);
        EXPECT_EQ(l.main_display.rect.width, 984 - c.centre_x);
        EXPECT_EQ(l.group_parent, XIRR_PARENT_MAIN_WINDOW);
    }
}

TEST(MainLayout, UndockedMapFloatsInItsFrame)
{
    for (int layout : {0, 1, 2}) {
        SCOPED_TRACE(layout);
        xirr_main_layout_input in = bare();
        in.current_layout = layout;
        in.automap_display = 1;
        in.login_state = 0;
        xirr_main_layout l = xirr_layout_main_window(in);
        EXPECT_EQ(l.automap_parent, XIRR_PARENT_MAP_FRAME);
        EXPECT_EQ(l.automap.rect, (rect{0, 0, 143, 164}));
        EXPECT_TRUE(l.automap.shown);
        EXPECT_EQ(l.map_frame.rect, (rect{0, 0, 143, 164}));
        EXPECT_TRUE(l.map_frame.shown);
        EXPECT_EQ(l.main_display.rect.x, 0);

        in.automap_display = 0;
        l = xirr_layout_main_window(in);
        EXPECT_FALSE(l.automap.shown);
        EXPECT_FALSE(l.map_frame.shown);
    }
}

// The embedded layout puts the docked map in the main display's top right
// corner; the left-top layout then moves it to the window's left column.
TEST(MainLayout, EmbeddedMapMovesToTheLeftColumn)
{
    xirr_main_layout_input in = bare();
    in.current_layout = 0;
    in.automap_docked = in.automap_display = 1;
    in.group_status_display = 1;
    in.hint_button_enable = 1;
    xirr_main_layout l = xirr_layout_main_window(in);
    // Text area 883 - 19 = 864 wide; the map 2 m = 6 from its top right.
    EXPECT_EQ(l.main_display.rect, (rect{0, 0, 883, 652}));
    EXPECT_EQ(l.automap_parent, XIRR_PARENT_MAIN_DISPLAY);
    EXPECT_EQ(l.automap.rect, (rect{715, 6, 143, 164}));
    EXPECT_TRUE(l.automap.shown);
    EXPECT_EQ(l.group_parent, XIRR_PARENT_MAIN_DISPLAY);
    EXPECT_EQ(l.group_display.rect, (rect{715, 180, 143, 50}));
    EXPECT_TRUE(l.group_display.shown);

    in.current_layout = 1;
    l = xirr_layout_main_window(in);
    EXPECT_EQ(l.automap_parent, XIRR_PARENT_MAIN_WINDOW);
    EXPECT_EQ(l.automap.rect, (rect{2, 2, 143, 164}));
    EXPECT_EQ(l.group_parent, XIRR_PARENT_MAIN_WINDOW);
    EXPECT_EQ(l.main_display.rect, (rect{147, 0, 736, 652}));
}

TEST(MainLayout, EmbeddedGroupDisplayWithoutAMap)
{
    struct {
        const char *what;
        int docked, displayed, login_state;
        int map_shown;
    } cases[] = {
        {"map docked but not displayed", 1, 0, 2, 0},
        {"map docked at the login prompt", 1, 1, 0, 0},
        {"map floating", 0, 1, 2, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        xirr_main_layout_input in = bare();
        in.current_layout = 0;
        in.automap_docked = c.docked;
        in.automap_display = c.displayed;
        in.login_state = c.login_state;
        in.group_status_display = 2;
        xirr_embedded_layout e = xirr_layout_embedded(in, 965);
        EXPECT_FALSE(e.automap.shown);
        // x = 965 - 965 / 5 - 10, width 965 / 5.
        EXPECT_EQ(e.group_display.rect, (rect{762, 10, 193, 50}));
    }
}

// However small the window, every placed child gets a real size: a width or
// height of -1 would mean "keep the current one" to the toolkit.
TEST(MainLayout, TinyWindowKeepsEverySizePositive)
{
    for (int layout : {0, 1, 2}) {
        SCOPED_TRACE(layout);
        xirr_main_layout_input in = bare();
        in.width = 30;
        in.height = 20;
        in.current_layout = layout;
        in.automap_docked = in.automap_display = 1;
        in.group_status_display = 1;
        in.fkey_button_display = in.popup_display = 1;
        in.direction_button_enable = in.hint_button_enable = 1;
        in.status_bar = in.hpbar_enable = in.enemy_hpbar_enable = 1;
        in.channel_window_enable = 1;
        in.map_width = in.map_height = 0;
        in.input_height = 0;
        xirr_main_layout l = xirr_layout_main_window(in);
        for (const xirr_layout_child *child :
             {&l.direction_buttons, &l.hint_buttons, &l.fkey_bar, &l.popup_bar, &l.status_bar,
              &l.input_panel, &l.gauge_strip, &l.channel_window, &l.main_display, &l.automap,
              &l.group_display}) {
            EXPECT_GE(child->rect.width, 1);
            EXPECT_GE(child->rect.height, 1);
        }
    }
}

// The default settings of a new configuration at the login prompt: left
// bottom layout with the docked map, hint buttons, popup bar, status bar
// and the gauge strip's two rows.
TEST(MainLayout, DefaultSettingsFromTheConfiguration)
{
    ZvConfig config("/nonexistent/th-layout-test");
    config.setup_default_config("");
    xirr_main_layout_input in = bare();
    in.login_state = 0;
    xirr_layout_read_settings(config, &in);
    xirr_main_layout l = xirr_layout_main_window(in);

    EXPECT_EQ(l.automap.rect, (rect{2, 534, 143, 164}));
    EXPECT_EQ(l.group_display.rect, (rect{2, 474, 143, 50}));
    EXPECT_FALSE(l.direction_buttons.shown);
    EXPECT_EQ(l.hint_buttons.rect, (rect{885, 2, 97, 698}));
    EXPECT_FALSE(l.fkey_bar.shown);
    EXPECT_EQ(l.popup_bar.rect, (rect{147, 654, 837, 46}));
    EXPECT_EQ(l.status_bar.rect, (rect{147, 633, 736, 21}));
    EXPECT_EQ(l.input_panel.rect, (rect{147, 585, 736, 48}));
    EXPECT_EQ(l.gauge_strip.rect, (rect{147, 543, 736, 42}));
    EXPECT_FALSE(l.channel_window.shown);
    EXPECT_EQ(l.main_display.rect, (rect{147, 0, 736, 543}));
}

}  // namespace

TEST(MainLayout, BannerSitsInTheCornerEachLayoutLeavesFree)
{
    struct banner_case {
        int layout;
        int banner_x, banner_y, text_x, text_y;
        xirr_layout_rect rect;
    };
    // A 192 x 43 banner over a 100 x 15 name in a 1000 x 700 window: the
    // rectangle is 192 x 53.
    const banner_case cases[] = {
        {2, 0, 0, 46, 38, {0, 0, 192, 53}},
        {1, 0, 652, 46, 685, {0, 647, 192, 53}},
        {0, 808, 652, 854, 685, {808, 647, 192, 53}},
    };
    for (const banner_case &c : cases) {
        SCOPED_TRACE(c.layout);
        xirr_banner_layout b = xirr_layout_banner(c.layout, 1000, 700, 192, 43, 100, 15);
        EXPECT_EQ(b.banner_x, c.banner_x);
        EXPECT_EQ(b.banner_y, c.banner_y);
        EXPECT_EQ(b.text_x, c.text_x);
        EXPECT_EQ(b.text_y, c.text_y);
        EXPECT_EQ(b.rect.x, c.rect.x);
        EXPECT_EQ(b.rect.y, c.rect.y);
        EXPECT_EQ(b.rect.width, c.rect.width);
        EXPECT_EQ(b.rect.height, c.rect.height);
    }
}
