// The client setting commands of the tag "config": what each target and
// action switches and flashes, and what is refused.

#include "app/config_commands.h"
#include "config/zv_config.h"

#include "../foundation/captured_log.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::ElementsAreArray;

namespace {

struct flash_recorder {
    std::vector<int> flashed;
    int reports = 0;

    static void flash(void *user, xirr_flash_target target)
    {
        static_cast<flash_recorder *>(user)->flashed.push_back(target);
    }
    static constexpr xirr_config_hooks hooks = {
        nullptr, [](void *u) { static_cast<flash_recorder *>(u)->reports++; },
        nullptr, nullptr, nullptr, nullptr, nullptr,
    };
};

// Every switch the commands reach starts off.
struct config_fixture {
    th_test::scratch_dir dir;
    ZvConfig config{dir.path().c_str()};
    flash_recorder window;
    xirr_config_commands commands{config, &flash_recorder::flash, &window};

    static constexpr xirr_config_setting switches[] = {
        xirr_cfg_automap_display, xirr_cfg_hint_button_enable,   xirr_cfg_fkey_button_display,
        xirr_cfg_hpbar_enable,    xirr_cfg_popup_display,        xirr_cfg_direction_button_enable,
        xirr_cfg_exp_display,
    };

    config_fixture()
    {
        config.setup_default_config(nullptr);
        for (xirr_config_setting id : switches)
            config.set_setting(id, 0);
        config.set_hooks(&flash_recorder::hooks, &window);
    }
    // The switches that are on.
    std::vector<xirr_config_setting> on() const
    {
        std::vector<xirr_config_setting> ids;
        for (xirr_config_setting id : switches)
            if (config.get_setting(id))
                ids.push_back(id);
        return ids;
    }
};

TEST(ConfigCommands, TargetsSwitchAndFlashTheirParts)
{
    const std::string no_log;
    struct {
        const char *payload;
        std::vector<xirr_config_setting> on;
        std::vector<int> flashed;
        std::string log;
    } cases[] = {
        {"automap enable", {xirr_cfg_automap_display}, {}, no_log},
        {"automap flash", {xirr_cfg_automap_display}, {XIRR_FLASH_AUTOMAP}, no_log},
        {"AUTOMAP Enable", {xirr_cfg_automap_display}, {}, no_log},
        {"hint_buttons flash", {xirr_cfg_hint_button_enable}, {XIRR_FLASH_HINT_BUTTONS}, no_log},
        {"fkey_buttons enable", {xirr_cfg_fkey_button_display}, {}, no_log},
        {"status_bar flash", {xirr_cfg_hpbar_enable}, {XIRR_FLASH_GAUGES}, no_log},
        {"popup_buttons flash", {xirr_cfg_popup_display}, {XIRR_FLASH_POPUP_BUTTONS}, no_log},
        {"main_window flash", {}, {XIRR_FLASH_MAIN_DISPLAY}, no_log},
        {"input_window flash", {}, {XIRR_FLASH_INPUT_PANEL}, no_log},
        {"direction_buttons enable", {xirr_cfg_direction_button_enable}, {}, no_log},
        {"exp_bar enable", {xirr_cfg_exp_display}, {}, no_log},
        // Refused actions change nothing and name the target's parser.
        {"exp_bar flash", {}, {},
         "Error in xirr_mw::parse_cmd_exp_bar(), bad command 'flash'.\n"},
        {"fkey_buttons flash", {}, {},
         "Error in xirr_mw::parse_cmd_fkey_buttons(), bad command 'flash'.\n"},
        {"direction_buttons flash", {}, {},
         "Error in xirr_mw::parse_cmd_direction_buttons(), bad command 'flash'.\n"},
        {"main_window enable", {}, {},
         "Error in xirr_mw::parse_cmd_main_display(), bad command 'enable'.\n"},
        {"input_window disable", {}, {},
         "Error in xirr_mw::parse_cmd_input_window(), bad command 'disable'.\n"},
        {"popup_buttons sideways now", {}, {},
         "Error in xirr_mw::parse_cmd_popup_display(), bad command 'sideways'.\n"},
        {"automap", {}, {}, no_log},
        {"bogus enable", {}, {},
         "Warning in xirr_mw::config_cmd_process() - got unknown command 'bogus enable'.\n"},
        {"", {}, {}, "Warning in xirr_mw::config_cmd_process() - got null string?\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string("payload '") + c.payload + "'");
        config_fixture f;
        captured_log log(2);
        int done = f.commands.config_cmd_process(c.payload);
        EXPECT_THAT(f.on(), ElementsAreArray(c.on));
        EXPECT_THAT(f.window.flashed, ElementsAreArray(c.flashed));
        EXPECT_EQ(log.text(), c.log);
        EXPECT_EQ(done, !c.on.empty() || !c.flashed.empty());
    }
}

TEST(ConfigCommands, SwitchesChangeOnlyWhatIsNotAlreadySoAndReportIt)
{
    config_fixture f;
    f.commands.config_cmd_process("automap flash");
    EXPECT_EQ(f.window.reports, 1);
    // Already on: flashed again, stored and reported no more.
    f.commands.config_cmd_process("automap flash");
    f.commands.config_cmd_process("automap enable");
    EXPECT_EQ(f.window.reports, 1);
    EXPECT_THAT(f.window.flashed, ElementsAreArray({XIRR_FLASH_AUTOMAP, XIRR_FLASH_AUTOMAP}));

    f.commands.config_cmd_process("automap disable");
    EXPECT_EQ(f.config.get_automap_display(), 0);
    EXPECT_EQ(f.window.reports, 2);
}

TEST(ConfigCommands, NullPayloadAndNullFlashAreHarmless)
{
    th_test::scratch_dir dir;
    ZvConfig config(dir.path().c_str());
    config.setup_default_config(nullptr);
    xirr_config_commands commands(config, nullptr, nullptr);
    captured_log log(2);
    EXPECT_EQ(commands.config_cmd_process(nullptr), 0);
    EXPECT_EQ(commands.config_cmd_process("main_window flash"), 1);
    EXPECT_EQ(log.text(), "Warning in xirr_mw::config_cmd_process() - got null string?\n");
}

}  // namespace
