#include "app/config_commands.h"

#include "config/zv_config.h"
#include "foundation/debug_log.h"
#include "foundation/text_utils.h"

#include <cstring>

namespace {

constexpr xirr_config_setting no_setting = xirr_cfg_count;
constexpr int no_flash = -1;

struct config_target {
    const char *name;
    xirr_config_setting setting;   // switched by "enable" and "disable"
    int flash;                     // an xirr_flash_target, or no_flash
    const char *refusal;           // logged for an action the target does not take
};

const config_target targets[] = {
    {"automap", xirr_cfg_automap_display, XIRR_FLASH_AUTOMAP,
     "Error in xirr_mw::parse_cmd_automap(), bad command '%.*s'.\n"},
    {"hint_buttons", xirr_cfg_hint_button_enable, XIRR_FLASH_HINT_BUTTONS,
     "Error in xirr_mw::parse_cmd_hint_buttons(), bad command '%.*s'.\n"},
    {"fkey_buttons", xirr_cfg_fkey_button_display, no_flash,
     "Error in xirr_mw::parse_cmd_fkey_buttons(), bad command '%.*s'.\n"},
    {"status_bar", xirr_cfg_hpbar_enable, XIRR_FLASH_GAUGES,
     "Error in xirr_mw::parse_cmd_status_bar(), bad command '%.*s'.\n"},
    {"popup_buttons", xirr_cfg_popup_display, XIRR_FLASH_POPUP_BUTTONS,
     "Error in xirr_mw::parse_cmd_popup_display(), bad command '%.*s'.\n"},
    {"main_window", no_setting, XIRR_FLASH_MAIN_DISPLAY,
     "Error in xirr_mw::parse_cmd_main_display(), bad command '%.*s'.\n"},
    {"input_window", no_setting, XIRR_FLASH_INPUT_PANEL,
     "Error in xirr_mw::parse_cmd_input_window(), bad command '%.*s'.\n"},
    {"direction_buttons", xirr_cfg_direction_button_enable, no_flash,
     "Error in xirr_mw::parse_cmd_direction_buttons(), bad command '%.*s'.\n"},
    {"exp_bar", xirr_cfg_exp_display, no_flash,
     "Error in xirr_mw::parse_cmd_exp_bar(), bad command '%.*s'.\n"},
};

int word_length(const char *text) { return (int)strcspn(text, " \t\n"); }

}  // namespace

xirr_config_commands::xirr_config_commands(ZvConfig &config, xirr_flash_callback flash,
                                           void *user)
    : config_(config), flash_(flash), user_(user)
{
}

int xirr_config_commands::config_cmd_process(const char *payload)
{
    if (!payload || word_length(payload) == 0) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("Warning in xirr_mw::config_cmd_process() - got null string?\n");
        return 0;
    }
    const config_target *target = nullptr;
    for (const config_target &t : targets) {
        if (word_equals(payload, t.name)) {
            target = &t;
            break;
        }
    }
    if (!target) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("Warning in xirr_mw::config_cmd_process() - got unknown command '%s'.\n",
                              payload);
        return 0;
    }
    const char *action = next_arg(payload);
    if (!action)
        return 0;

    int enable = word_equals(action, "enable");
    int disable = word_equals(action, "disable");
    int flash = word_equals(action, "flash");
    int has_setting = target->setting != no_setting;
    int accepted = enable || disable ? has_setting : flash && target->flash != no_flash;
    if (!accepted) {
        if (xirr_debug_level > 1)
            xirr_debug_printf(target->refusal, word_length(action), action);
        return 0;
    }
    // A flash first switches its part on.
    int on = !disable;
    if (has_setting && config_.get_setting(target->setting) != on)
        config_.set_setting(target->setting, on);
    if (flash && flash_)
        flash_(user_, (xirr_flash_target)target->flash);
    return 1;
}
