#pragma once
// The main window's menu bar as data: every menu and item with its command
// id, its label ("&" before the mnemonic), its kind and the setting a check
// or radio item shows and changes; and the web links some items open. The
// window code builds the toolkit's menus from these tables and routes each
// command id to its handler. For a check or radio item that handler calls
// xirr_menu_item_choose, and adds what the item does beyond its setter:
// "Docked Map" switches the automap on first, the font colour items switch
// the colour scheme and say so, "Compact Font" re-applies the fonts.

#include "config/config_settings.h"

#include <cstddef>

class ZvConfig;
struct xirr_bounded_text;

// Command ids of the main window.
enum xirr_menu_id {
    XIRR_ID_CONNECT = 1,
    XIRR_ID_DISCONNECT = 2,
    XIRR_ID_SAVE_LOGFILE = 3,
    XIRR_ID_SAVE_AND_QUIT = 4,
    XIRR_ID_VERIFY_EXIT = 5,   // no item carries it
    XIRR_ID_CLEAR_SCROLLBACK = 6,
    XIRR_ID_LAYOUT_EMBEDDED = 7,
    XIRR_ID_LAYOUT_LEFT_TOP = 8,
    XIRR_ID_LAYOUT_LEFT_BOTTOM = 9,
    XIRR_ID_POPUP_BUTTONS = 10,
    XIRR_ID_HINT_BUTTONS = 11,
    XIRR_ID_DIRECTION_BUTTONS = 12,
    XIRR_ID_FKEY_BUTTONS = 13,
    XIRR_ID_STATUS_BAR = 14,
    XIRR_ID_SKY_BAR = 15,
    XIRR_ID_HP_BAR = 16,
    XIRR_ID_EXP_BAR = 17,
    XIRR_ID_ENEMY_HP_BAR = 18,
    XIRR_ID_GROUP_OFF = 19,
    XIRR_ID_GROUP_HORIZONTAL = 20,
    XIRR_ID_GROUP_VERTICAL = 21,
    XIRR_ID_GROUP_BAR_INVERT = 22,
    XIRR_ID_CHANNEL_WINDOW = 23,
    XIRR_ID_CHANNEL_DUPLICATE = 24,
    XIRR_ID_COLOR_FLASH = 25,
    XIRR_ID_SELECT_LAST_COMMAND = 26,
    XIRR_ID_COMMAND_SEPARATOR = 27,
    XIRR_ID_LOCAL_ECHO = 28,
    XIRR_ID_NUMBER_PAD = 29,
    XIRR_ID_MAIN_SCROLLBAR = 30,
    XIRR_ID_LOCKING_SCROLLBACK = 31,
    XIRR_ID_URL_LINKING = 32,
    XIRR_ID_COMPACT_FONT = 33,
    XIRR_ID_ENABLE_SOUNDS = 34,
    XIRR_ID_DEFAULT_PREFERENCES = 35,
    XIRR_ID_BACKGROUND_COLOR_FIRST = 36,   // nine colours, 36 to 44
    XIRR_ID_BUTTON_COLOR_FIRST = 45,       // nine colours, 45 to 53
    XIRR_ID_STYLE_NONE = 54,
    XIRR_ID_STYLE_SOLID = 55,
    XIRR_ID_STYLE_MAZE1 = 56,
    XIRR_ID_STYLE_MAZE2 = 57,
    XIRR_ID_STYLE_MAZE3 = 58,
    XIRR_ID_STYLE_BUBBLES = 59,
    XIRR_ID_DEFAULT_THEME = 60,
    XIRR_ID_FONT_COLORS_DEFAULT = 61,
    XIRR_ID_FONT_COLORS_ZMUD = 62,
    XIRR_ID_FONT_COLORS_GMUD = 63,
    XIRR_ID_FONT_COLORS_BRIGHT = 64,
    XIRR_ID_BIGGER_FONT = 65,
    XIRR_ID_SMALLER_FONT = 66,
    XIRR_ID_CHANGE_FONT = 67,
    XIRR_ID_CHANGE_BUTTON_FONT = 68,
    XIRR_ID_AUTOMAP = 69,
    XIRR_ID_DOCKED_MAP = 70,
    XIRR_ID_BIG_MAP = 71,
    XIRR_ID_MEDIUM_MAP = 72,
    XIRR_ID_SMALL_MAP = 73,
    XIRR_ID_INCREASE_MAP = 74,
    XIRR_ID_DECREASE_MAP = 75,
    XIRR_ID_KEYBOARD_SHORTCUTS = 76,
    XIRR_ID_BASIC_COMMANDS = 77,
    XIRR_ID_MORE_COMMANDS = 78,
    XIRR_ID_LINK_WEB_SITE = 79,
    XIRR_ID_LINK_FORUMS = 80,
    XIRR_ID_LINK_GUIDES = 81,   // handled, but no item carries it
    XIRR_ID_LINK_HELP_SEARCH = 82,
    XIRR_ID_LINK_MAPS = 83,     // in both "&Maps" and "Online &Info"
    XIRR_ID_LINK_SHOPS = 84,
    XIRR_ID_LINK_SPELLS = 85,
    XIRR_ID_LINK_QUESTS = 86,
    XIRR_ID_LINK_AREAS = 87,    // handled, but no item carries it
    XIRR_ID_LINK_RULES = 88,
    XIRR_ID_LINK_COMMANDS = 89,
    XIRR_ID_LINK_SOCIALS = 90,
    XIRR_ID_LINK_FAQ = 91,
    XIRR_ID_LINK_CHANGES = 92,
    XIRR_ID_ABOUT = 93,
    XIRR_ID_POPUP_FIRST = 94,   // one entry per popup window, 94 to 109
    XIRR_ID_POPUP_LAST = 109,
    XIRR_ID_POPUPS_NOT_CONNECTED = 110,
    XIRR_ID_POPUPS_RESET_POSITIONS = 111,
};

enum xirr_menu_kind {
    XIRR_MENU_PLAIN,
    XIRR_MENU_CHECK,
    XIRR_MENU_RADIO,       // consecutive radio items form one group
    XIRR_MENU_SEPARATOR,
    XIRR_MENU_SUBMENU,
};

// What a check or radio item shows and changes.
enum xirr_menu_target {
    XIRR_MENU_TARGET_NONE,
    XIRR_MENU_TARGET_SETTING,        // a setting of the current configuration
    XIRR_MENU_TARGET_SYSTEM_AUDIO,   // the system file's audio switch
};

struct xirr_menu_item {
    int id;                        // 0 for separators and submenus
    const char *label;             // null for separators
    xirr_menu_kind kind;
    xirr_menu_target target;
    xirr_config_setting setting;   // for XIRR_MENU_TARGET_SETTING
    int value;                     // the value a radio item selects
    const xirr_menu_item *items;   // a submenu's items
    size_t count;
    int disabled;                  // 1: the item starts disabled
};

struct xirr_menu {
    const char *title;
    const xirr_menu_item *items;
    size_t count;
};

// The menu bar, left to right.
extern const xirr_menu xirr_menu_bar[];
extern const size_t xirr_menu_bar_count;

// The first item with that command id, submenus included; null (without a
// message) for ids no item carries.
const xirr_menu_item *xirr_menu_find(int id);

// Calls visit for every item of the menu bar, submenus' items after their
// submenu, in menu order.
void xirr_menu_walk(void (*visit)(const xirr_menu_item &item, void *user), void *user);

// Whether item carries a mark when its target holds value: a check item
// when value is not 0, a radio item when value is its own. Always 0 for
// other kinds and for items without a target.
int xirr_menu_item_marked_by(const xirr_menu_item &item, int value);
// The same for the value its target holds in config now.
int xirr_menu_item_marked(const xirr_menu_item &item, const ZvConfig &config);

// What choosing item does to its target: a check item toggles it, a radio
// item selects its value, through the setters (which tell the window code).
// Returns 1 when item has a target, 0 for items the window code handles
// itself.
int xirr_menu_item_choose(const xirr_menu_item &item, ZvConfig &config);

// --- Web links ---

enum xirr_link_host {
    XIRR_LINK_WEB_HOST,    // the game's web host
    XIRR_LINK_INFO_HOST,   // the information host
};

struct xirr_web_link {
    int id;
    xirr_link_host host;
    const char *path;
    const char *line;   // shown in the main display when the browser starts
};

extern const xirr_web_link xirr_web_links[];
extern const size_t xirr_web_link_count;

// The link of that command id, or null.
const xirr_web_link *xirr_web_link_find(int id);

// Replaces *out with "http://", host_name, ":" and port unless port is 80,
// and path. Returns 1.
int xirr_web_address(const char *host_name, int port, const char *path, xirr_bounded_text *out);

// The address of the link of command id, on the hosts and ports the client
// was built with. For an id without a link it logs an error, empties *out
// and returns 0.
int xirr_web_link_address(int id, xirr_bounded_text *out);
