#include "game/status_report.h"

#include "config/zv_config.h"

namespace {

char flag(int on) { return on ? '1' : '0'; }

// A setting with the choices 0, 1 and 2, where unknown values read as 0.
char choice_of_three(int value) { return value == 1 || value == 2 ? char('0' + value) : '0'; }

char font_colours(int value) { return value >= 0 && value <= 3 ? char('0' + value) : '9'; }

}  // namespace

void xirr_build_client_status_report(const ZvConfig &config, xirr_bounded_text *out)
{
    const char fields[] = {
        flag(config.GetSystemAudio()),
        flag(config.get_cmd_separator()),
        flag(config.get_direction_button_enable()),
        flag(config.get_hint_button_enable()),
        flag(config.get_fkey_button_display()),
        flag(config.get_status_bar()),
        flag(config.get_sky_bar()),
        flag(config.get_exp_display()),
        flag(config.get_hpbar_enable()),
        flag(config.get_enemy_hpbar_enable()),
        flag(config.get_popup_display()),
        choice_of_three(config.get_group_status_display()),
        choice_of_three(config.get_current_layout()),
        flag(config.get_automap_display()),
        flag(config.get_automap_docked()),
        flag(config.get_channel_window_enable()),
        flag(config.get_channel_window_dupe()),
        flag(config.get_colorflash_enable()),
        font_colours(config.get_font_colors_setting()),
        flag(config.get_voting_reminders()),
    };
    static_assert(sizeof fields == 20, "the report carries twenty switches");
    out->clear();
    out->append("zvlstatus ");
    out->append(fields, sizeof fields);
    out->appendf(" %2d %2d %2d", config.get_current_theme(), config.get_current_background_theme(),
                 config.get_theme_bg_setting());
}
