#include "app/menu_table.h"

#include "build_settings.h"
#include "config/zv_config.h"
#include "foundation/bounded_text.h"
#include "foundation/debug_log.h"

#include <array>

namespace {

constexpr xirr_menu_item plain(int id, const char *label, int disabled = 0)
{
    return {id, label, XIRR_MENU_PLAIN, XIRR_MENU_TARGET_NONE, xirr_cfg_count, 0, nullptr, 0,
            disabled};
}

constexpr xirr_menu_item check(int id, const char *label, xirr_config_setting setting)
{
    return {id, label, XIRR_MENU_CHECK, XIRR_MENU_TARGET_SETTING, setting, 0, nullptr, 0, 0};
}

constexpr xirr_menu_item radio(int id, const char *label, xirr_config_setting setting, int value)
{
    return {id, label, XIRR_MENU_RADIO, XIRR_MENU_TARGET_SETTING, setting, value, nullptr, 0, 0};
}

constexpr xirr_menu_item separator()
{
    return {0, nullptr, XIRR_MENU_SEPARATOR, XIRR_MENU_TARGET_NONE, xirr_cfg_count, 0, nullptr, 0, 0};
}

template <size_t N>
constexpr xirr_menu_item submenu(const char *label, const xirr_menu_item (&items)[N])
{
    return {0, label, XIRR_MENU_SUBMENU, XIRR_MENU_TARGET_NONE, xirr_cfg_count, 0, items, N, 0};
}

template <size_t N>
constexpr xirr_menu_item submenu(const char *label, const std::array<xirr_menu_item, N> &items)
{
    return {0, label, XIRR_MENU_SUBMENU, XIRR_MENU_TARGET_NONE, xirr_cfg_count, 0, items.data(), N, 0};
}

// The nine colour themes, in menu order, with their theme codes; the button
// and background colour menus list the same names.
struct theme_colour {
    const char *name;
    int code;
};
constexpr theme_colour theme_colours[] = {
    {"Red", 2},    {"Brown", 40}, {"Yellow", 0}, {"YGreen", 50}, {"Green", 60},
    {"Cyan", 70},  {"Blue", 1},   {"Purple", 80}, {"Grey", 90},
};
constexpr size_t theme_count = sizeof theme_colours / sizeof theme_colours[0];

constexpr std::array<xirr_menu_item, theme_count> theme_items(int first_id,
                                                              xirr_config_setting setting)
{
    std::array<xirr_menu_item, theme_count> items{};
    for (size_t i = 0; i < theme_count; i++)
        items[i] = radio(first_id + (int)i, theme_colours[i].name, setting, theme_colours[i].code);
    return items;
}

constexpr xirr_menu_item file_items[] = {
    plain(XIRR_ID_CONNECT, "&Connect"),
    plain(XIRR_ID_DISCONNECT, "&Disconnect"),
    separator(),
    plain(XIRR_ID_SAVE_LOGFILE, "&Save Logfile"),
    separator(),
    plain(XIRR_ID_CLEAR_SCROLLBACK, "C&lear Scrollback"),
    separator(),
    plain(XIRR_ID_SAVE_AND_QUIT, "Save and &Quit"),
};

constexpr xirr_menu_item layout_items[] = {
    radio(XIRR_ID_LAYOUT_EMBEDDED, "Embedded", xirr_cfg_current_layout, 0),
    radio(XIRR_ID_LAYOUT_LEFT_TOP, "Left Top", xirr_cfg_current_layout, 1),
    radio(XIRR_ID_LAYOUT_LEFT_BOTTOM, "Left Bottom", xirr_cfg_current_layout, 2),
};

constexpr xirr_menu_item group_items[] = {
    radio(XIRR_ID_GROUP_OFF, "Off", xirr_cfg_group_status_display, 0),
    radio(XIRR_ID_GROUP_VERTICAL, "Vertical", xirr_cfg_group_status_display, 1),
    radio(XIRR_ID_GROUP_HORIZONTAL, "Horizontal", xirr_cfg_group_status_display, 2),
    separator(),
    check(XIRR_ID_GROUP_BAR_INVERT, "Bar Invert", xirr_cfg_group_status_inverted_bars),
};

constexpr xirr_menu_item preferences_items[] = {
    submenu("Layout", layout_items),
    submenu("Group Display", group_items),
    check(XIRR_ID_STATUS_BAR, "&Status Bar", xirr_cfg_status_bar),
    check(XIRR_ID_SKY_BAR, "S&ky Bar", xirr_cfg_sky_bar),
    check(XIRR_ID_HP_BAR, "HP Bar", xirr_cfg_hpbar_enable),
    check(XIRR_ID_ENEMY_HP_BAR, "Enemy HP Bar", xirr_cfg_enemy_hpbar_enable),
    check(XIRR_ID_EXP_BAR, "E&xp Bar", xirr_cfg_exp_display),
    check(XIRR_ID_COLOR_FLASH, "Show &Color Flash Events", xirr_cfg_colorflash_enable),
    separator(),
    check(XIRR_ID_CHANNEL_WINDOW, "Tabbed &Channel Window", xirr_cfg_channel_window_enable),
    check(XIRR_ID_CHANNEL_DUPLICATE, "D&uplicate Channel Sends in Main Window",
          xirr_cfg_channel_window_dupe),
    separator(),
    check(XIRR_ID_POPUP_BUTTONS, "&Popup Buttons", xirr_cfg_popup_display),
    check(XIRR_ID_FKEY_BUTTONS, "&Function Key Buttons", xirr_cfg_fkey_button_display),
    check(XIRR_ID_DIRECTION_BUTTONS, "&Direction Buttons", xirr_cfg_direction_button_enable),
    check(XIRR_ID_HINT_BUTTONS, "&Hint Buttons", xirr_cfg_hint_button_enable),
    separator(),
    check(XIRR_ID_SELECT_LAST_COMMAND, "Select &Last Command", xirr_cfg_cmd_pushthrough),
    check(XIRR_ID_LOCAL_ECHO, "&Enable Local Echo", xirr_cfg_local_echo),
    check(XIRR_ID_COMMAND_SEPARATOR, "Command Separator", xirr_cfg_cmd_separator),
    check(XIRR_ID_NUMBER_PAD, "Move Using &Number Pad", xirr_cfg_keypad_walking),
    separator(),
    check(XIRR_ID_MAIN_SCROLLBAR, "Main Scrollbar", xirr_cfg_mw_scrollbar_enable),
    check(XIRR_ID_LOCKING_SCROLLBACK, "Locking Scrollback", xirr_cfg_locking_scrollback_enable),
    check(XIRR_ID_URL_LINKING, "Enable URL Linking", xirr_cfg_url_hotlinking),
    separator(),
    {XIRR_ID_ENABLE_SOUNDS, "Enable Sounds", XIRR_MENU_CHECK, XIRR_MENU_TARGET_SYSTEM_AUDIO,
     xirr_cfg_count, 0, nullptr, 0, 0},
    separator(),
    plain(XIRR_ID_DEFAULT_PREFERENCES, "Use Default Preferences"),
};

constexpr auto button_colour_items = theme_items(XIRR_ID_BUTTON_COLOR_FIRST, xirr_cfg_current_theme);
constexpr auto background_colour_items =
    theme_items(XIRR_ID_BACKGROUND_COLOR_FIRST, xirr_cfg_current_background_theme);

constexpr xirr_menu_item background_style_items[] = {
    radio(XIRR_ID_STYLE_NONE, "None", xirr_cfg_theme_bg_setting, 0),
    radio(XIRR_ID_STYLE_SOLID, "Solid", xirr_cfg_theme_bg_setting, 1),
    radio(XIRR_ID_STYLE_MAZE1, "Maze1", xirr_cfg_theme_bg_setting, 2),
    radio(XIRR_ID_STYLE_MAZE2, "Maze2", xirr_cfg_theme_bg_setting, 3),
    radio(XIRR_ID_STYLE_MAZE3, "Maze3", xirr_cfg_theme_bg_setting, 5),
    radio(XIRR_ID_STYLE_BUBBLES, "Bubbles", xirr_cfg_theme_bg_setting, 4),
};

constexpr xirr_menu_item font_colour_items[] = {
    radio(XIRR_ID_FONT_COLORS_DEFAULT, "Default", xirr_cfg_font_colors_setting, 0),
    radio(XIRR_ID_FONT_COLORS_ZMUD, "ZMud Font Colors", xirr_cfg_font_colors_setting, 2),
    radio(XIRR_ID_FONT_COLORS_GMUD, "GMud Font Colors", xirr_cfg_font_colors_setting, 3),
    radio(XIRR_ID_FONT_COLORS_BRIGHT, "Bright Font Colors", xirr_cfg_font_colors_setting, 1),
};

constexpr xirr_menu_item themes_items[] = {
    submenu("Button Colors", button_colour_items),
    submenu("Background Colors", background_colour_items),
    submenu("Background Styles", background_style_items),
    plain(XIRR_ID_DEFAULT_THEME, "Default Color/Background"),
    separator(),
    submenu("Font Colors", font_colour_items),
    plain(XIRR_ID_BIGGER_FONT, "Bigger Font"),
    plain(XIRR_ID_SMALLER_FONT, "Smaller Font"),
    check(XIRR_ID_COMPACT_FONT, "Compact Font", xirr_cfg_compact_mode),
    separator(),
    plain(XIRR_ID_CHANGE_FONT, "Change &Font"),
    plain(XIRR_ID_CHANGE_BUTTON_FONT, "Change &Button Font"),
};

// The popup manager replaces this entry with one per popup window.
constexpr xirr_menu_item popups_items[] = {
    plain(XIRR_ID_POPUPS_NOT_CONNECTED, "Not Connected", 1),
};

constexpr xirr_menu_item maps_items[] = {
    plain(XIRR_ID_LINK_MAPS, "&Online Maps"),
    separator(),
    check(XIRR_ID_AUTOMAP, "&Automap", xirr_cfg_automap_display),
    check(XIRR_ID_DOCKED_MAP, "Docked Map", xirr_cfg_automap_docked),
    separator(),
    plain(XIRR_ID_BIG_MAP, "Big Map"),
    plain(XIRR_ID_MEDIUM_MAP, "Medium Map"),
    plain(XIRR_ID_SMALL_MAP, "Small Map"),
    separator(),
    plain(XIRR_ID_INCREASE_MAP, "Increase Map Size"),
    plain(XIRR_ID_DECREASE_MAP, "Decrease Map Size"),
};

constexpr xirr_menu_item info_items[] = {
    plain(XIRR_ID_LINK_WEB_SITE, "Tarn Hollow &Web Site"),
    plain(XIRR_ID_LINK_FORUMS, "Player &Forums"),
    plain(XIRR_ID_LINK_HELP_SEARCH, "&Help Search"),
    separator(),
    plain(XIRR_ID_LINK_MAPS, "&Maps"),
    plain(XIRR_ID_LINK_QUESTS, "&Quests"),
    plain(XIRR_ID_LINK_SPELLS, "S&pells and Skills"),
    plain(XIRR_ID_LINK_SHOPS, "&Shops and Stores"),
    separator(),
    plain(XIRR_ID_LINK_RULES, "Game &Rules"),
    plain(XIRR_ID_LINK_COMMANDS, "All &Commands"),
    plain(XIRR_ID_LINK_SOCIALS, "S&ocials"),
    plain(XIRR_ID_LINK_FAQ, "F.A.&Q."),
    separator(),
    plain(XIRR_ID_LINK_CHANGES, "Recent &Changes"),
};

constexpr xirr_menu_item help_items[] = {
    plain(XIRR_ID_KEYBOARD_SHORTCUTS, "&Keyboard Shortcuts"),
    plain(XIRR_ID_BASIC_COMMANDS, "&Basic Commands"),
    plain(XIRR_ID_MORE_COMMANDS, "&More Commands"),
    separator(),
    plain(XIRR_ID_ABOUT, "&About"),
};

template <size_t N>
constexpr xirr_menu menu(const char *title, const xirr_menu_item (&items)[N])
{
    return {title, items, N};
}

void walk_items(const xirr_menu_item *items, size_t count,
                void (*visit)(const xirr_menu_item &item, void *user), void *user)
{
    for (size_t i = 0; i < count; i++) {
        visit(items[i], user);
        if (items[i].kind == XIRR_MENU_SUBMENU)
            walk_items(items[i].items, items[i].count, visit, user);
    }
}

}  // namespace

const xirr_menu xirr_menu_bar[] = {
    menu("&File", file_items),
    menu("&Preferences", preferences_items),
    menu("&Themes", themes_items),
    menu("&Popups", popups_items),
    menu("&Maps", maps_items),
    menu("Online &Info", info_items),
    menu("&Help", help_items),
};
const size_t xirr_menu_bar_count = sizeof xirr_menu_bar / sizeof xirr_menu_bar[0];

void xirr_menu_walk(void (*visit)(const xirr_menu_item &item, void *user), void *user)
{
    for (size_t i = 0; i < xirr_menu_bar_count; i++)
        walk_items(xirr_menu_bar[i].items, xirr_menu_bar[i].count, visit, user);
}

const xirr_menu_item *xirr_menu_find(int id)
{
    struct search {
        int id;
        const xirr_menu_item *found;
    } s = {id, nullptr};
    if (id <= 0)
        return nullptr;
    xirr_menu_walk(
        [](const xirr_menu_item &item, void *user) {
            auto *s = static_cast<search *>(user);
            if (!s->found && item.id == s->id)
                s->found = &item;
        },
        &s);
    return s.found;
}

int xirr_menu_item_marked_by(const xirr_menu_item &item, int value)
{
    if (item.target == XIRR_MENU_TARGET_NONE)
        return 0;
    if (item.kind == XIRR_MENU_CHECK)
        return value != 0;
    if (item.kind == XIRR_MENU_RADIO)
        return value == item.value;
    return 0;
}

int xirr_menu_item_marked(const xirr_menu_item &item, const ZvConfig &config)
{
    switch (item.target) {
    case XIRR_MENU_TARGET_SETTING:
        return xirr_menu_item_marked_by(item, config.get_setting(item.setting));
    case XIRR_MENU_TARGET_SYSTEM_AUDIO:
        return xirr_menu_item_marked_by(item, config.GetSystemAudio());
    case XIRR_MENU_TARGET_NONE:
        break;
    }
    return 0;
}

int xirr_menu_item_choose(const xirr_menu_item &item, ZvConfig &config)
{
    switch (item.target) {
    case XIRR_MENU_TARGET_SETTING:
        if (item.kind == XIRR_MENU_RADIO)
            config.set_setting(item.setting, item.value);
        else
            config.set_setting(item.setting, !config.get_setting(item.setting));
        return 1;
    case XIRR_MENU_TARGET_SYSTEM_AUDIO:
        config.SetSystemAudio(!config.GetSystemAudio());
        return 1;
    case XIRR_MENU_TARGET_NONE:
        break;
    }
    return 0;
}

const xirr_web_link xirr_web_links[] = {
    {XIRR_ID_LINK_WEB_SITE, XIRR_LINK_WEB_HOST, "/?zv",
     "\nOpening the main Tarn Hollow web page in your browser..."},
    {XIRR_ID_LINK_FORUMS, XIRR_LINK_WEB_HOST, "/forum",
     "\nOpening the Tarn Hollow Player Forums in your browser..."},
    {XIRR_ID_LINK_GUIDES, XIRR_LINK_WEB_HOST, "/guides?zv",
     "\nOpening the Tarn Hollow Player Guides page in your browser..."},
    {XIRR_ID_LINK_HELP_SEARCH, XIRR_LINK_INFO_HOST, "/help",
     "\nOpening the help page search engine in your browser..."},
    {XIRR_ID_LINK_MAPS, XIRR_LINK_WEB_HOST, "/maps?zv",
     "\nOpening the Tarn Hollow Maps page in your web browser..."},
    {XIRR_ID_LINK_SHOPS, XIRR_LINK_INFO_HOST, "/shops",
     "\nOpening the Tarn Hollow Stores and Shops page in your web browser..."},
    {XIRR_ID_LINK_SPELLS, XIRR_LINK_INFO_HOST, "/spells",
     "\nOpening the Tarn Hollow Spells and Skills page in your web browser..."},
    {XIRR_ID_LINK_QUESTS, XIRR_LINK_WEB_HOST, "/quests?zv",
     "\nOpening the Tarn Hollow Quest Guides in your web browser..."},
    {XIRR_ID_LINK_AREAS, XIRR_LINK_INFO_HOST, "/areas",
     "\nOpening the Tarn Hollow Area list in your web browser..."},
    {XIRR_ID_LINK_RULES, XIRR_LINK_INFO_HOST, "/rules",
     "\nOpening the Tarn Hollow Rules in your web browser..."},
    {XIRR_ID_LINK_COMMANDS, XIRR_LINK_INFO_HOST, "/commands",
     "\nOpening the Tarn Hollow Command list in your web browser..."},
    {XIRR_ID_LINK_SOCIALS, XIRR_LINK_INFO_HOST, "/socials",
     "\nOpening the Tarn Hollow Social list in your web browser..."},
    {XIRR_ID_LINK_FAQ, XIRR_LINK_INFO_HOST, "/faq",
     "\nOpening the Tarn Hollow FAQ in your web browser..."},
    {XIRR_ID_LINK_CHANGES, XIRR_LINK_INFO_HOST, "/changes",
     "\nOpening the Tarn Hollow Changelog in your web browser..."},
};
const size_t xirr_web_link_count = sizeof xirr_web_links / sizeof xirr_web_links[0];

const xirr_web_link *xirr_web_link_find(int id)
{
    for (const xirr_web_link &link : xirr_web_links) {
        if (link.id == id)
            return &link;
    }
    return nullptr;
}

int xirr_web_address(const char *host_name, int port, const char *path, xirr_bounded_text *out)
{
    out->clear();
    out->append("http://");
    out->append(host_name);
    if (port != 80)
        out->appendf(":%d", port);
    out->append(path);
    return 1;
}

int xirr_web_link_address(int id, xirr_bounded_text *out)
{
    const xirr_web_link *link = xirr_web_link_find(id);
    if (!link) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in xirr_web_link_address(), no web link for id %d.\n", id);
        out->clear();
        return 0;
    }
    if (link->host == XIRR_LINK_WEB_HOST)
        return xirr_web_address(TH_WEB_HOST, TH_WEB_PORT, link->path, out);
    return xirr_web_address(TH_INFO_HOST, TH_INFO_PORT, link->path, out);
}
