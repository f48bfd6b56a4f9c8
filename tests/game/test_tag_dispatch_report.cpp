// The client status report: its exact line, and when the main tick sends it.

#include "test_tag_dispatch_recorder.h"

#include "game/status_report.h"

#include "../foundation/captured_log.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using ::testing::ElementsAre;
using th_test::dispatch_fixture;

namespace {

// The reported switches of the character configuration.
const xirr_config_setting reported_flags[] = {
    xirr_cfg_cmd_separator,    xirr_cfg_direction_button_enable, xirr_cfg_hint_button_enable,
    xirr_cfg_fkey_button_display, xirr_cfg_status_bar,           xirr_cfg_sky_bar,
    xirr_cfg_exp_display,      xirr_cfg_hpbar_enable,            xirr_cfg_enemy_hpbar_enable,
    xirr_cfg_popup_display,    xirr_cfg_automap_display,         xirr_cfg_automap_docked,
    xirr_cfg_channel_window_enable, xirr_cfg_channel_window_dupe, xirr_cfg_colorflash_enable,
};

// A configuration loaded from a system file with sound on and the voting
// reminders off, and every reported switch of the character off.
struct report_fixture : dispatch_fixture {
    report_fixture()
    {
        th_test::write_text(dir / "tarn_hollow.cfg",
                            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                            "<system_config_list>\n"
                            "  <uuid>0123456789abcdef0123456789abcdef</uuid>\n"
                            "  <system_audio_enable>1</system_audio_enable>\n"
                            "  <voting_reminders>0</voting_reminders>\n"
                            "</system_config_list>\n");
        config.load_system_config_file();
        for (xirr_config_setting id : reported_flags)
            config.set_setting(id, 0);
        config.set_group_status_display(0);
        config.set_current_layout(0);
        config.set_font_colors_setting(0);
    }
    std::string report() const
    {
        xirr_bounded_text line;
        xirr_build_client_status_report(config, &line);
        return line.c_str();
    }
};

TEST(StatusReport, OneCharacterPerSwitchThenTheThemes)
{
    struct {
        const char *what;
        void (*change)(ZvConfig &);
        const char *expected;
    } cases[] = {
        {"sounds and the status bar on, themes 0, 40 and 1",
         [](ZvConfig &c) {
             c.set_status_bar(1);
             c.set_current_theme(0);
             c.set_current_background_theme(40);
             c.set_theme_bg_setting(1);
         },
         "zvlstatus 10000100000000000000  0 40  1"},
        {"every switch on, the choices at their highest",
         [](ZvConfig &c) {
             for (xirr_config_setting id : reported_flags)
                 c.set_setting(id, 1);
             c.set_group_status_display(2);
             c.set_current_layout(2);
             c.set_font_colors_setting(3);
             c.set_current_theme(123);
             c.set_current_background_theme(7);
             c.set_theme_bg_setting(5);
         },
         "zvlstatus 11111111111221111130 123  7  5"},
        {"the middle choices",
         [](ZvConfig &c) {
             c.set_group_status_display(1);
             c.set_current_layout(1);
             c.set_font_colors_setting(2);
             c.set_current_theme(-3);
             c.set_current_background_theme(0);
             c.set_theme_bg_setting(0);
         },
         "zvlstatus 10000000000110000020 -3  0  0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        report_fixture f;
        c.change(f.config);
        EXPECT_EQ(f.report(), c.expected);
    }
}

TEST(StatusReport, EachSwitchHasItsOwnPosition)
{
    const struct {
        xirr_config_setting id;
        int position;   // 1 to 20
    } switches[] = {
        {xirr_cfg_cmd_separator, 2},         {xirr_cfg_direction_button_enable, 3},
        {xirr_cfg_hint_button_enable, 4},    {xirr_cfg_fkey_button_display, 5},
        {xirr_cfg_status_bar, 6},            {xirr_cfg_sky_bar, 7},
        {xirr_cfg_exp_display, 8},           {xirr_cfg_hpbar_enable, 9},
        {xirr_cfg_enemy_hpbar_enable, 10},   {xirr_cfg_popup_display, 11},
        {xirr_cfg_automap_display, 14},      {xirr_cfg_automap_docked, 15},
        {xirr_cfg_channel_window_enable, 16}, {xirr_cfg_channel_window_dupe, 17},
        {xirr_cfg_colorflash_enable, 18},
    };
    const std::string prefix = "zvlstatus ";
    for (const auto &s : switches) {
        SCOPED_TRACE(xirr_config_settings[s.id].key);
        report_fixture f;
        f.config.SetSystemAudio(0);
        f.config.set_setting(s.id, 1);
        std::string expected(20, '0');
        expected[s.position - 1] = '1';
        EXPECT_EQ(f.report().substr(prefix.size(), 20), expected);
    }
}

TEST(StatusReport, SentAsOneCommandOnlyWhenDueAndPlaying)
{
    report_fixture f;
    EXPECT_EQ(f.dispatch.send_pending_status_report(), 0);

    // Due but not yet playing: kept for later.
    f.dispatch.mark_status_report_due();
    EXPECT_EQ(f.dispatch.send_pending_status_report(), 0);
    EXPECT_EQ(f.dispatch.status_report_pending(), 1);

    f.tag("login");
    f.window.events.clear();
    EXPECT_EQ(f.dispatch.send_pending_status_report(), 1);
    EXPECT_THAT(f.window.events, ElementsAre("command " + f.report()));
    EXPECT_EQ(f.dispatch.status_report_pending(), 0);
    EXPECT_EQ(f.dispatch.send_pending_status_report(), 0);
}

// The window passes the configuration's "report due" on to the dispatcher:
// a setting changed while playing is reported once, on the next tick.
TEST(StatusReport, AChangedSettingIsReportedOnceOnTheNextTick)
{
    report_fixture f;
    static const xirr_config_hooks hooks = {
        nullptr,
        [](void *user) { static_cast<xirr_tag_dispatch *>(user)->mark_status_report_due(); },
        nullptr, nullptr, nullptr, nullptr, nullptr,
    };
    f.config.set_hooks(&hooks, &f.dispatch);
    f.tag("login");
    f.dispatch.send_pending_status_report();
    f.window.events.clear();

    f.config.set_sky_bar(1);
    f.config.set_exp_display(1);
    EXPECT_EQ(f.dispatch.send_pending_status_report(), 1);
    EXPECT_EQ(f.dispatch.send_pending_status_report(), 0);
    EXPECT_THAT(f.window.events, ElementsAre("command zvlstatus 10000011000000000000  1  2  3"));
}

}  // namespace
