#pragma once
// The client status report: one line telling the game server which of the
// client's displays and switches are on, sent after login and after every
// change of a reported setting. Format: "zvlstatus ", twenty one-character
// fields, then " %2d %2d %2d" with the button theme, the background theme
// and the background style.
//
//   field  setting                  values
//   1      system audio             "1" on, "0" off
//   2..11  cmd_separator, direction_button_enable, hint_button_enable,
//          fkey_button_display, status_bar, sky_bar, exp_display,
//          hpbar_enable, enemy_hpbar_enable, popup_display
//   12     group_status_display     "1", "2", anything else "0"
//   13     current_layout           "1", "2", anything else "0"
//   14..18 automap_display, automap_docked, channel_window_enable,
//          channel_window_dupe, colorflash_enable
//   19     font_colors_setting      "0".."3", anything else "9"
//   20     voting reminders (system setting)

#include "foundation/bounded_text.h"

class ZvConfig;

// Replaces out with the report line for config's current settings.
void xirr_build_client_status_report(const ZvConfig &config, xirr_bounded_text *out);
