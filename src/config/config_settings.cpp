#include "config/config_settings.h"

const xirr_config_setting_info xirr_config_settings[xirr_cfg_count] = {
#define XIRR_CFG_INFO_TEXT(key) {#key, XIRR_CFG_KIND_TEXT, 0, 0, 0, 0, 0},
#define XIRR_CFG_INFO_INT(key, kind, def, low, high, fallback, setter) \
    {#key, kind, def, low, high, fallback, setter},
    XIRR_CONFIG_SETTINGS(XIRR_CFG_INFO_TEXT, XIRR_CFG_INFO_INT)
#undef XIRR_CFG_INFO_TEXT
#undef XIRR_CFG_INFO_INT
};

int xirr_config_in_range(xirr_config_setting id, int v)
{
    const xirr_config_setting_info &info = xirr_config_settings[id];
    switch (info.kind) {
    case XIRR_CFG_KIND_FLAG:
        return v & 1;
    case XIRR_CFG_KIND_RANGE:
        return v < info.low || v > info.high ? info.fallback : v;
    case XIRR_CFG_KIND_CLAMP:
        return v < info.low ? info.low : v > info.high ? info.high : v;
    case XIRR_CFG_KIND_TEXT:
    case XIRR_CFG_KIND_INT:
        break;
    }
    return v;
}
