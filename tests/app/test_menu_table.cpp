#include "app/menu_table.h"

#include "build_settings.h"
#include "config/zv_config.h"
#include "foundation/bounded_text.h"

#include "../foundation/captured_log.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// One line per item: "label id" for plain items, "[label id setting]" for
// check items, "(label id setting=value)" for radio items, "-" for a
// separator, and a submenu's label with its items indented below it.
void render(const xirr_menu_item *items, size_t count, const std::string &indent,
            std::string *out)
{
    for (size_t i = 0; i < count; i++) {
        const xirr_menu_item &item = items[i];
        std::string target = item.target == XIRR_MENU_TARGET_SYSTEM_AUDIO ? "system_audio"
                             : item.target == XIRR_MENU_TARGET_SETTING
                                 ? xirr_config_settings[item.setting].key
                                 : "";
        std::string id = std::to_string(item.id);
        switch (item.kind) {
        case XIRR_MENU_PLAIN:
            *out += indent + item.label + " " + id + (item.disabled ? " disabled" : "") + "\n";
            break;
        case XIRR_MENU_CHECK:
            *out += indent + "[" + item.label + " " + id + " " + target + "]\n";
            break;
        case XIRR_MENU_RADIO:
            *out += indent + "(" + item.label + " " + id + " " + target + "=" +
                    std::to_string(item.value) + ")\n";
            break;
        case XIRR_MENU_SEPARATOR:
            *out += indent + "-\n";
            break;
        case XIRR_MENU_SUBMENU:
            *out += indent + item.label + ":\n";
            render(item.items, item.count, indent + "  ", out);
            break;
        }
    }
}

TEST(MenuTable, MenusItemsAndTheirSettings)
{
    std::map<std::string, std::string> expected = {
        {"&File",
         "&Connect 1\n&Disconnect 2\n-\n&Save Logfile 3\n-\nC&lear Scrollback 6\n-\n"
         "Save and &Quit 4\n"},
        {"&Preferences",
         "Layout:\n"
         "  (Embedded 7 current_layout=0)\n"
         "  (Left Top 8 current_layout=1)\n"
         "  (Left Bottom 9 current_layout=2)\n"
         "Group Display:\n"
         "  (Off 19 group_status_display=0)\n"
         "  (Vertical 21 group_status_display=1)\n"
         "  (Horizontal 20 group_status_display=2)\n"
         "  -\n"
         "  [Bar Invert 22 group_status_inverted_bars]\n"
         "[&Status Bar 14 status_bar]\n"
         "[S&ky Bar 15 sky_bar]\n"
         "[HP Bar 16 hpbar_enable]\n"
         "[Enemy HP Bar 18 enemy_hpbar_enable]\n"
         "[E&xp Bar 17 exp_display]\n"
         "[Show &Color Flash Events 25 colorflash_enable]\n"
         "-\n"
         "[Tabbed &Channel Window 23 channel_window_enable]\n"
         "[D&uplicate Channel Sends in Main Window 24 channel_window_dupe]\n"
         "-\n"
         "[&Popup Buttons 10 popup_display]\n"
         "[&Function Key Buttons 13 fkey_button_display]\n"
         "[&Direction Buttons 12 direction_button_enable]\n"
         "[&Hint Buttons 11 hint_button_enable]\n"
         "-\n"
         "[Select &Last Command 26 cmd_pushthrough]\n"
         "[&Enable Local Echo 28 local_echo]\n"
         "[Command Separator 27 cmd_separator]\n"
         "[Move Using &Number Pad 29 keypad_walking]\n"
         "-\n"
         "[Main Scrollbar 30 mw_scrollbar_enable]\n"
         "[Locking Scrollback 31 locking_scrollback_enable]\n"
         "[Enable URL Linking 32 url_hotlinking]\n"
         "-\n"
         "[Enable Sounds 34 system_audio]\n"
         "-\n"
         "Use Default Preferences 35\n"},
        {"&Themes",
         "Button Colors:\n"
         "  (Red 45 current_theme=2)\n"
         "  (Brown 46 current_theme=40)\n"
         "  (Yellow 47 current_theme=0)\n"
         "  (YGreen 48 current_theme=50)\n"
         "  (Green 49 current_theme=60)\n"
         "  (Cyan 50 current_theme=70)\n"
         "  (Blue 51 current_theme=1)\n"
         "  (Purple 52 current_theme=80)\n"
         "  (Grey 53 current_theme=90)\n"
         "Background Colors:\n"
         "  (Red 36 current_background_theme=2)\n"
         "  (Brown 37 current_background_theme=40)\n"
         "  (Yellow 38 current_background_theme=0)\n"
         "  (YGreen 39 current_background_theme=50)\n"
         "  (Green 40 current_background_theme=60)\n"
         "  (Cyan 41 current_background_theme=70)\n"
         "  (Blue 42 current_background_theme=1)\n"
         "  (Purple 43 current_background_theme=80)\n"
         "  (Grey 44 current_background_theme=90)\n"
         "Background Styles:\n"
         "  (None 54 theme_bg_setting=0)\n"
         "  (Solid 55 theme_bg_setting=1)\n"
         "  (Maze1 56 theme_bg_setting=2)\n"
         "  (Maze2 57 theme_bg_setting=3)\n"
         "  (Maze3 58 theme_bg_setting=5)\n"
         "  (Bubbles 59 theme_bg_setting=4)\n"
         "Default Color/Background 60\n"
         "-\n"
         "Font Colors:\n"
         "  (Default 61 font_colors_setting=0)\n"
         "  (ZMud Font Colors 62 font_colors_setting=2)\n"
         "  (GMud Font Colors 63 font_colors_setting=3)\n"
         "  (Bright Font Colors 64 font_colors_setting=1)\n"
         "Bigger Font 65\n"
         "Smaller Font 66\n"
         "[Compact Font 33 compact_mode]\n"
         "-\n"
         "Change &Font 67\n"
         "Change &Button Font 68\n"},
        {"&Popups", "Not Connected 110 disabled\n"},
        {"&Maps",
         "&Online Maps 83\n-\n[&Automap 69 automap_display]\n[Docked Map 70 automap_docked]\n-\n"
         "Big Map 71\nMedium Map 72\nSmall Map 73\n-\nIncrease Map Size 74\n"
         "Decrease Map Size 75\n"},
        {"Online &Info",
         "Tarn Hollow &Web Site 79\nPlayer &Forums 80\n&Help Search 82\n-\n&Maps 83\n"
         "&Quests 86\nS&pells and Skills 85\n&Shops and Stores 84\n-\nGame &Rules 88\n"
         "All &Commands 89\nS&ocials 90\nF.A.&Q. 91\n-\nRecent &Changes 92\n"},
        {"&Help",
         "&Keyboard Shortcuts 76\n&Basic Commands 77\n&More Commands 78\n-\n&About 93\n"},
    };
    std::vector<std::string> titles;
    for (size_t i = 0; i < xirr_menu_bar_count; i++) {
        const xirr_menu &menu = xirr_menu_bar[i];
        titles.push_back(menu.title);
        std::string text;
        render(menu.items, menu.count, "", &text);
        EXPECT_EQ(text, expected[menu.title]) << menu.title;
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Preferences", "&Themes", "&Popups",
                                                "&Maps", "Online &Info", "&Help"}));
}

// A lookup by id reaches into submenus; "Online Maps" and "Maps" share
// their id (both open the same page), every other id is carried once.
TEST(MenuTable, FindByIdReachesSubmenus)
{
    struct {
        int id;
        const char *label;   // null: no item
    } cases[] = {
        {XIRR_ID_CONNECT, "&Connect"},
        {XIRR_ID_STYLE_MAZE2, "Maze2"},
        {XIRR_ID_GROUP_BAR_INVERT, "Bar Invert"},
        {XIRR_ID_LINK_MAPS, "&Online Maps"},
        {XIRR_ID_POPUPS_NOT_CONNECTED, "Not Connected"},
        {XIRR_ID_VERIFY_EXIT, nullptr},
        {XIRR_ID_LINK_GUIDES, nullptr},
        {XIRR_ID_LINK_AREAS, nullptr},
        {XIRR_ID_POPUP_FIRST, nullptr},
        {0, nullptr},
        {-2, nullptr},
        {112, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.id);
        const xirr_menu_item *item = xirr_menu_find(c.id);
        if (!c.label) {
            EXPECT_EQ(item, nullptr);
            continue;
        }
        ASSERT_NE(item, nullptr);
        EXPECT_STREQ(item->label, c.label);
    }

    std::map<int, int> uses;
    xirr_menu_walk(
        [](const xirr_menu_item &item, void *user) {
            if (item.id)
                (*static_cast<std::map<int, int> *>(user))[item.id]++;
        },
        &uses);
    for (const auto &[id, count] : uses)
        EXPECT_EQ(count, id == XIRR_ID_LINK_MAPS ? 2 : 1) << "id " << id;
}

// A configuration at its defaults, current, with no files.
struct default_config {
    ZvConfig config{"/nonexistent/th-menu-test"};
    default_config() { config.setup_default_config(""); }
};

std::vector<int> marked_ids(const ZvConfig &config)
{
    struct walk {
        const ZvConfig &config;
        std::vector<int> ids;
    } w{config, {}};
    xirr_menu_walk(
        [](const xirr_menu_item &item, void *user) {
            auto *w = static_cast<walk *>(user);
            if (xirr_menu_item_marked(item, w->config))
                w->ids.push_back(item.id);
        },
        &w);
    return w.ids;
}

TEST(MenuTable, MarksFollowTheDefaultSettings)
{
    default_config d;
    // Every check item whose setting is on by default, and per radio group
    // the item of the default value: Left Bottom, Vertical, Blue buttons, a
    // Red background, Maze2 and the default font colours.
    EXPECT_EQ(marked_ids(d.config),
              (std::vector<int>{9, 21, 22, 14, 15, 16, 18, 17, 25, 24, 10, 11, 28, 27, 29, 30,
                                32, 34, 51, 36, 57, 61, 69, 70}));
}

TEST(MenuTable, ChoosingAnItemChangesItsTarget)
{
    struct {
        const char *what;
        int id;
        int handled;
        xirr_config_setting setting;   // xirr_cfg_count: system audio
        int before, after;
    } cases[] = {
        {"a check item turns its setting off", XIRR_ID_HP_BAR, 1, xirr_cfg_hpbar_enable, 1, 0},
        {"and on", XIRR_ID_FKEY_BUTTONS, 1, xirr_cfg_fkey_button_display, 0, 1},
        {"a radio item selects its value", XIRR_ID_STYLE_MAZE3, 1, xirr_cfg_theme_bg_setting, 3, 5},
        {"the theme codes are not the menu order", XIRR_ID_BUTTON_COLOR_FIRST + 3, 1,
         xirr_cfg_current_theme, 1, 50},
        {"the group display's radio items", XIRR_ID_GROUP_HORIZONTAL, 1,
         xirr_cfg_group_status_display, 1, 2},
        {"Enable Sounds switches the system audio", XIRR_ID_ENABLE_SOUNDS, 1, xirr_cfg_count, 1, 0},
        {"a plain item is left to the window code", XIRR_ID_DEFAULT_THEME, 0,
         xirr_cfg_current_theme, 1, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        default_config d;
        auto value = [&] {
            return c.setting == xirr_cfg_count ? d.config.GetSystemAudio()
                                               : d.config.get_setting(c.setting);
        };
        const xirr_menu_item *item = xirr_menu_find(c.id);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(value(), c.before);
        EXPECT_EQ(xirr_menu_item_choose(*item, d.config), c.handled);
        EXPECT_EQ(value(), c.after);
        if (c.handled) {
            EXPECT_EQ(xirr_menu_item_marked(*item, d.config),
                      item->kind == XIRR_MENU_RADIO || c.after);
        }
    }
}

TEST(MenuTable, RadioMarksAnswerTheirOwnValueOnly)
{
    const xirr_menu_item *maze3 = xirr_menu_find(XIRR_ID_STYLE_MAZE3);
    const xirr_menu_item *bubbles = xirr_menu_find(XIRR_ID_STYLE_BUBBLES);
    const xirr_menu_item *hp = xirr_menu_find(XIRR_ID_HP_BAR);
    const xirr_menu_item *plain = xirr_menu_find(XIRR_ID_CONNECT);
    ASSERT_TRUE(maze3 && bubbles && hp && plain);
    EXPECT_TRUE(xirr_menu_item_marked_by(*maze3, 5));
    EXPECT_FALSE(xirr_menu_item_marked_by(*bubbles, 5));
    EXPECT_FALSE(xirr_menu_item_marked_by(*maze3, 0));
    EXPECT_TRUE(xirr_menu_item_marked_by(*hp, 3));
    EXPECT_FALSE(xirr_menu_item_marked_by(*hp, 0));
    EXPECT_FALSE(xirr_menu_item_marked_by(*plain, 1));

    // A theme code no item selects marks none of its group.
    default_config d;
    d.config.set_current_theme(3);
    for (int id = XIRR_ID_BUTTON_COLOR_FIRST; id < XIRR_ID_BUTTON_COLOR_FIRST + 9; id++)
        EXPECT_FALSE(xirr_menu_item_marked(*xirr_menu_find(id), d.config)) << id;
}

TEST(MenuTable, WebLinks)
{
    struct {
        int id;
        xirr_link_host host;
        const char *path;
        const char *line;
    } expected[] = {
        {79, XIRR_LINK_WEB_HOST, "/?zv", "\nOpening the main Tarn Hollow web page in your browser..."},
        {80, XIRR_LINK_WEB_HOST, "/forum", "\nOpening the Tarn Hollow Player Forums in your browser..."},
        {81, XIRR_LINK_WEB_HOST, "/guides?zv",
         "\nOpening the Tarn Hollow Player Guides page in your browser..."},
        {82, XIRR_LINK_INFO_HOST, "/help", "\nOpening the help page search engine in your browser..."},
        {83, XIRR_LINK_WEB_HOST, "/maps?zv", "\nOpening the Tarn Hollow Maps page in your web browser..."},
        {84, XIRR_LINK_INFO_HOST, "/shops",
         "\nOpening the Tarn Hollow Stores and Shops page in your web browser..."},
        {85, XIRR_LINK_INFO_HOST, "/spells",
         "\nOpening the Tarn Hollow Spells and Skills page in your web browser..."},
        {86, XIRR_LINK_WEB_HOST, "/quests?zv",
         "\nOpening the Tarn Hollow Quest Guides in your web browser..."},
        {87, XIRR_LINK_INFO_HOST, "/areas", "\nOpening the Tarn Hollow Area list in your web browser..."},
        {88, XIRR_LINK_INFO_HOST, "/rules", "\nOpening the Tarn Hollow Rules in your web browser..."},
        {89, XIRR_LINK_INFO_HOST, "/commands",
         "\nOpening the Tarn Hollow Command list in your web browser..."},
        {90, XIRR_LINK_INFO_HOST, "/socials",
         "\nOpening the Tarn Hollow Social list in your web browser..."},
        {91, XIRR_LINK_INFO_HOST, "/faq", "\nOpening the Tarn Hollow FAQ in your web browser..."},
        {92, XIRR_LINK_INFO_HOST, "/changes", "\nOpening the Tarn Hollow Changelog in your web browser..."},
    };
    ASSERT_EQ(xirr_web_link_count, sizeof expected / sizeof expected[0]);
    for (size_t i = 0; i < xirr_web_link_count; i++) {
        const xirr_web_link &link = xirr_web_links[i];
        SCOPED_TRACE(link.id);
        EXPECT_EQ(link.id, expected[i].id);
        EXPECT_EQ(link.host, expected[i].host);
        EXPECT_STREQ(link.path, expected[i].path);
        EXPECT_STREQ(link.line, expected[i].line);
        EXPECT_EQ(xirr_web_link_find(link.id), &link);
    }
}

TEST(MenuTable, WebAddresses)
{
    struct {
        const char *host;
        int port;
        const char *path;
        const char *address;
    } cases[] = {
        {"www.example.org", 80, "/?zv", "http://www.example.org/?zv"},
        {"info.example.org", 8080, "/help", "http://info.example.org:8080/help"},
        {"localhost", 8081, "/maps?zv", "http://localhost:8081/maps?zv"},
    };
    xirr_bounded_text out;
    for (const auto &c : cases) {
        ASSERT_EQ(xirr_web_address(c.host, c.port, c.path, &out), 1);
        EXPECT_STREQ(out.c_str(), c.address);
    }

    // The links go to the hosts the client was built with.
    xirr_bounded_text expected;
    ASSERT_EQ(xirr_web_link_address(XIRR_ID_LINK_FAQ, &out), 1);
    xirr_web_address(TH_INFO_HOST, TH_INFO_PORT, "/faq", &expected);
    EXPECT_STREQ(out.c_str(), expected.c_str());
    ASSERT_EQ(xirr_web_link_address(XIRR_ID_LINK_QUESTS, &out), 1);
    xirr_web_address(TH_WEB_HOST, TH_WEB_PORT, "/quests?zv", &expected);
    EXPECT_STREQ(out.c_str(), expected.c_str());
}

TEST(MenuTable, AddressOfAnUnknownLinkIsLogged)
{
    captured_log log;
    xirr_bounded_text out;
    out.append("old");
    EXPECT_EQ(xirr_web_link_address(XIRR_ID_ABOUT, &out), 0);
    EXPECT_STREQ(out.c_str(), "");
    EXPECT_EQ(log.text(), "Error in xirr_web_link_address(), no web link for id 93.\n");
}

}  // namespace
