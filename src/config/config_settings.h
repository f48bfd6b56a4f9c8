#pragma once
// The settings of a character configuration, listed once in the order of its
// file: key, kind, default, range, and how its setter behaves. Everything
// that walks the settings (defaults, loading, saving, the range checks, the
// getters and setters of ZvConfig) is generated from this list.

// What a value may hold; loading and the setters bring other values in range.
enum xirr_config_kind {
    XIRR_CFG_KIND_TEXT,    // text (not in the int table)
    XIRR_CFG_KIND_INT,     // any int
    XIRR_CFG_KIND_FLAG,    // 0 or 1: a value v becomes v & 1
    XIRR_CFG_KIND_RANGE,   // low..high: any other value becomes the fallback
    XIRR_CFG_KIND_CLAMP,   // below low becomes low, above high becomes high
};

// How a setter acts, besides storing the value and telling the window code.
enum : unsigned {
    XIRR_CFG_ON_CHANGE = 1,   // does nothing when the value is unchanged
    XIRR_CFG_REPORTED = 2,    // makes the settings report to the server due
};

// TEXT(key) and INT(key, kind, default, low, high, fallback, setter).
// The font sizes' defaults are those of the fonts at start-up; ZvConfig
// replaces them with the fonts in use (set_font_defaults).
#define XIRR_CONFIG_SETTINGS(TEXT, INT)                                                   \
    TEXT(name)                                                                            \
    TEXT(font)                                                                            \
    INT(font_size, XIRR_CFG_KIND_RANGE, 8, 2, 150, 10, 0)                                 \
    TEXT(button_font)                                                                     \
    INT(button_font_size, XIRR_CFG_KIND_INT, 6, 0, 0, 0, 0)                               \
    INT(keypad_walking, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0, 0)                                \
    INT(url_hotlinking, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0, 0)                                \
    INT(compact_mode, XIRR_CFG_KIND_FLAG, 0, 0, 1, 0, 0)                                  \
    INT(local_echo, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0, 0)                                    \
    INT(cmd_separator, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0, XIRR_CFG_REPORTED)                 \
    INT(cmd_pushthrough, XIRR_CFG_KIND_FLAG, 0, 0, 1, 0, 0)                               \
    INT(hint_button_enable, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0,                               \
        XIRR_CFG_ON_CHANGE | XIRR_CFG_REPORTED)                                           \
    INT(direction_button_enable, XIRR_CFG_KIND_FLAG, 0, 0, 1, 0,                          \
        XIRR_CFG_ON_CHANGE | XIRR_CFG_REPORTED)                                           \
    INT(fkey_button_display, XIRR_CFG_KIND_FLAG, 0, 0, 1, 0,                              \
        XIRR_CFG_ON_CHANGE | XIRR_CFG_REPORTED)                                           \
    INT(button_tooltips, XIRR_CFG_KIND_FLAG, 0, 0, 1, 0, 0)                               \
    INT(status_bar, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0, XIRR_CFG_ON_CHANGE | XIRR_CFG_REPORTED) \
    INT(sky_bar, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0, XIRR_CFG_ON_CHANGE | XIRR_CFG_REPORTED)  \
    INT(exp_display, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0, XIRR_CFG_ON_CHANGE | XIRR_CFG_REPORTED) \
    INT(hpbar_enable, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0, XIRR_CFG_ON_CHANGE | XIRR_CFG_REPORTED) \
    INT(hp_display, XIRR_CFG_KIND_FLAG, 0, 0, 1, 0, 0)                                    \
    INT(enemy_hpbar_enable, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0,                               \
        XIRR_CFG_ON_CHANGE | XIRR_CFG_REPORTED)                                           \
    INT(enemy_hp_display, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0, 0)                              \
    INT(group_status_display, XIRR_CFG_KIND_RANGE, 1, 0, 2, 0,                            \
        XIRR_CFG_ON_CHANGE | XIRR_CFG_REPORTED)                                           \
    INT(group_status_inverted_bars, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0, 0)                    \
    INT(popup_display, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0, XIRR_CFG_ON_CHANGE | XIRR_CFG_REPORTED) \
    INT(locking_scrollback_enable, XIRR_CFG_KIND_FLAG, 0, 0, 1, 0, 0)                     \
    INT(mw_scrollbar_enable, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0, XIRR_CFG_ON_CHANGE)          \
    INT(current_layout, XIRR_CFG_KIND_CLAMP, 2, 0, 2, 0, XIRR_CFG_ON_CHANGE | XIRR_CFG_REPORTED) \
    INT(current_theme, XIRR_CFG_KIND_INT, 1, 0, 0, 0, XIRR_CFG_ON_CHANGE | XIRR_CFG_REPORTED) \
    INT(current_background_theme, XIRR_CFG_KIND_INT, 2, 0, 0, 0,                          \
        XIRR_CFG_ON_CHANGE | XIRR_CFG_REPORTED)                                           \
    INT(font_colors_setting, XIRR_CFG_KIND_RANGE, 0, 0, 3, 0, XIRR_CFG_REPORTED)          \
    INT(theme_bg_setting, XIRR_CFG_KIND_RANGE, 3, 0, 5, 3, XIRR_CFG_ON_CHANGE | XIRR_CFG_REPORTED) \
    INT(automap_docked, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0, XIRR_CFG_REPORTED)                \
    INT(automap_display, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0, XIRR_CFG_REPORTED)               \
    INT(automap_size, XIRR_CFG_KIND_RANGE, 11, 1, 400, 11, 0)                             \
    INT(input_height, XIRR_CFG_KIND_RANGE, 48, 24, 800, 48, 0)                            \
    INT(channel_window_enable, XIRR_CFG_KIND_FLAG, 0, 0, 1, 0,                            \
        XIRR_CFG_ON_CHANGE | XIRR_CFG_REPORTED)                                           \
    INT(channel_window_height, XIRR_CFG_KIND_RANGE, 25, 10, 80, 25, 0)                    \
    INT(channel_window_dupe, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0, XIRR_CFG_REPORTED)           \
    INT(colorflash_enable, XIRR_CFG_KIND_FLAG, 1, 0, 1, 0, XIRR_CFG_REPORTED)

// One id per setting, in file order.
enum xirr_config_setting {
#define XIRR_CFG_ID_TEXT(key) xirr_cfg_##key,
#define XIRR_CFG_ID_INT(key, ...) xirr_cfg_##key,
    XIRR_CONFIG_SETTINGS(XIRR_CFG_ID_TEXT, XIRR_CFG_ID_INT)
#undef XIRR_CFG_ID_TEXT
#undef XIRR_CFG_ID_INT
    xirr_cfg_count
};

struct xirr_config_setting_info {
    const char *key;          // element name in the file
    xirr_config_kind kind;
    int default_value;
    int low, high;            // the range of RANGE and CLAMP kinds
    int fallback;             // what a RANGE value outside low..high becomes
    unsigned setter;          // XIRR_CFG_ON_CHANGE, XIRR_CFG_REPORTED
};

// Every setting, indexed by its id.
extern const xirr_config_setting_info xirr_config_settings[xirr_cfg_count];

// The value a setting keeps for v: v itself when it is in range.
int xirr_config_in_range(xirr_config_setting id, int v);
