// The getters and setters, what they tell the window code, and the changes
// of configuration at login and by "Use Default Preferences".

#include "config/zv_config.h"

#include "config_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ctime>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Pair;
using th_test::config_dir;
using th_test::hook_recorder;

namespace {

// A first start in an empty directory, with the recorder attached.
struct started_config {
    config_dir d;
    ZvConfig config{d.dir.path().c_str()};
    hook_recorder seen;

    started_config()
    {
        config.load_system_config_file();
        seen.attach(config);
    }
};

TEST(ConfigSetters, ActAsTheirSettingsSay)
{
    struct {
        const char *what;
        xirr_config_setting id;
        int value;
        int stored;
        int changes;   // calls of setting_changed
        int reports;   // settings reports made due
    } cases[] = {
        {"unchanged on-change setting does nothing", xirr_cfg_hint_button_enable, 1, 1, 0, 0},
        {"changed on-change setting is reported", xirr_cfg_hint_button_enable, 0, 0, 1, 1},
        {"keypad walking is never reported", xirr_cfg_keypad_walking, 0, 0, 1, 0},
        {"keypad walking acts even when unchanged", xirr_cfg_keypad_walking, 1, 1, 1, 0},
        {"an always-reported setting reports unchanged values", xirr_cfg_font_colors_setting, 0, 0, 1, 1},
        {"the scroll bar changes without a report", xirr_cfg_mw_scrollbar_enable, 0, 0, 1, 0},
        {"values are brought in range", xirr_cfg_current_layout, 9, 2, 0, 0},
        {"flags keep their low bit", xirr_cfg_status_bar, 2, 0, 1, 1},
        {"stored-only settings tell the windows", xirr_cfg_input_height, 100, 100, 1, 0},
        {"out of range becomes the fallback", xirr_cfg_input_height, 5, 48, 1, 0},
        {"text settings have no int setter", xirr_cfg_font, 5, 0, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        started_config s;
        s.config.set_setting(c.id, c.value);
        EXPECT_EQ(s.config.get_setting(c.id), c.stored);
        EXPECT_EQ((int)s.seen.changes.size(), c.changes);
        EXPECT_EQ(s.seen.reports, c.reports);
    }
}

TEST(ConfigSetters, NamedAccessorsReachTheCurrentConfiguration)
{
    started_config s;
    s.config.set_channel_window_height(60);
    EXPECT_EQ(s.config.get_channel_window_height(), 60);
    EXPECT_EQ(s.config.current()->value[xirr_cfg_channel_window_height], 60);
    EXPECT_THAT(s.seen.changes, ElementsAre(Pair(xirr_cfg_channel_window_height, 60)));
}

TEST(ConfigSetters, WithoutACurrentConfigurationGettersGiveZero)
{
    ZvConfig config("/nonexistent/th-config-test");
    hook_recorder seen;
    seen.attach(config);
    config.set_sky_bar(0);
    EXPECT_EQ(config.get_sky_bar(), 0);
    EXPECT_STREQ(config.get_name(), "");
    EXPECT_STREQ(config.get_font(), "");
    EXPECT_TRUE(seen.changes.empty());
    EXPECT_EQ(config.lookup_popup("map").x, 48);

    captured_log log;
    config.apply_font();
    EXPECT_EQ(log.text(), "Error in ZvConfig::apply_font(), null current_char_cfg.\n");
    EXPECT_EQ(seen.fonts_applied, 0);
}

TEST(ConfigSystemAudio, StartsAndStopsTheOutputAndFallsBackWhenItCannotStart)
{
    started_config s;
    s.config.SetSystemAudio(1);   // already on
    EXPECT_EQ(s.seen.audio_started, 0);
    EXPECT_EQ(s.seen.reports, 0);

    s.config.SetSystemAudio(0);
    EXPECT_EQ(s.config.GetSystemAudio(), 0);
    EXPECT_EQ(s.seen.audio_stopped, 1);
    EXPECT_THAT(s.seen.audio_marks, ElementsAre(0));
    EXPECT_EQ(s.seen.reports, 1);

    s.seen.clear();
    s.seen.audio_starts_ok = 0;
    captured_log log;
    s.config.SetSystemAudio(1);
    EXPECT_EQ(s.config.GetSystemAudio(), 0);
    EXPECT_EQ(s.seen.audio_started, 1);
    EXPECT_EQ(s.seen.audio_marks.back(), 0);
    EXPECT_THAT(log.text(), HasSubstr("ZvConfig::SetSystemAudio() - unable to start audio.  Disabling.\n"));
}

TEST(ConfigLogin, TheFirstLoginNamesTheUnnamedConfiguration)
{
    started_config s;
    single_config *blank = s.config.current();
    s.config.set_mw_scrollbar_enable(0);
    s.seen.clear();
    s.config.switch_to_character("Ann");
    EXPECT_EQ(s.config.current(), blank);
    EXPECT_STREQ(s.config.get_name(), "Ann");
    EXPECT_EQ(s.config.get_mw_scrollbar_enable(), 0);
    EXPECT_EQ(s.seen.applied, 1);
    EXPECT_EQ(s.seen.fonts_applied, 1);
    EXPECT_GE(s.seen.reports, 1);

    ASSERT_EQ(s.config.save_system_config_file(), 1);
    EXPECT_THAT(s.d.read("char_configs/Ann.cfg"), HasSubstr("<mw_scrollbar_enable>0</mw_scrollbar_enable>"));
}

TEST(ConfigLogin, AnotherCharacterStartsAsACopyAndEachKeepsItsOwnChanges)
{
    started_config s;
    s.config.switch_to_character("Ann");
    s.config.set_sky_bar(0);
    s.config.store_popup({"map", 1, 2, 3, 4, 0, 0});
    s.config.switch_to_character("Ben");
    EXPECT_STREQ(s.config.get_name(), "Ben");
    EXPECT_EQ(s.config.get_sky_bar(), 0);
    EXPECT_EQ(s.config.lookup_popup("map").width, 3);
    s.config.set_sky_bar(1);

    s.config.switch_to_character("Ann");
    EXPECT_EQ(s.config.get_sky_bar(), 0);
    EXPECT_EQ(s.config.configurations().size(), 2u);

    // Both are saved, whichever is current.
    ASSERT_EQ(s.config.save_system_config_file(), 1);
    ZvConfig reloaded(s.d.dir.path().c_str());
    reloaded.load_system_config_file();
    EXPECT_STREQ(reloaded.get_name(), "Ann");
    reloaded.switch_to_character("Ben");
    EXPECT_EQ(reloaded.get_sky_bar(), 1);
}

TEST(ConfigLogin, AnEmptyNameChangesNothing)
{
    started_config s;
    single_config *before = s.config.current();
    captured_log log;
    s.config.switch_to_character("");
    s.config.switch_to_character(nullptr);
    EXPECT_EQ(s.config.current(), before);
    EXPECT_EQ(s.seen.applied, 0);
    EXPECT_THAT(log.text(), HasSubstr("empty name"));
}

TEST(ConfigLogin, CreatingWithoutACurrentConfigurationStartsFromTheDefaults)
{
    ZvConfig config("/nonexistent/th-config-test");
    config.set_font_defaults("Monospace 8", 8, "Sans 6", 6);
    captured_log log;
    single_config *made = config.create_new_config("Ann", nullptr);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->name, "Ann");
    EXPECT_EQ(made->font, "Monospace 8");
    EXPECT_THAT(log.text(), HasSubstr("Error in ZvConfig::create_new_config(), NULL old config?  Creating new.\n"));
}

TEST(ConfigReset, DefaultPreferencesKeepNameFontsAndPopups)
{
    started_config s;
    s.config.switch_to_character("Ann");
    s.config.store_font("Monospace 14", 14);
    s.config.store_button_font("Sans 9", 9);
    s.config.store_popup({"map", 1, 2, 3, 4, 0, 0});
    for (int id = 0; id < xirr_cfg_count; id++)
        if (xirr_config_settings[id].kind == XIRR_CFG_KIND_FLAG)
            s.config.set_setting((xirr_config_setting)id, 1 - xirr_config_settings[id].default_value);
    s.config.set_automap_size(200);
    s.seen.clear();

    s.config.reset_to_defaults();
    single_config expected;
    expected.name = "Ann";
    expected.font = "Monospace 14";
    expected.button_font = "Sans 9";
    expected.value[xirr_cfg_font_size] = 14;
    expected.value[xirr_cfg_button_font_size] = 9;
    expected.popups = s.config.current()->popups;
    th_test::expect_same_config(*s.config.current(), expected);
    EXPECT_EQ(s.config.lookup_popup("map").x, 1);
    EXPECT_EQ(s.seen.applied, 1);
    EXPECT_EQ(s.seen.changes.size(), 8u);   // the settings whose marks only their setters set
}

TEST(ConfigPopups, LookupsFindTheNewestEntryOfAName)
{
    started_config s;
    single_popup_window none = s.config.lookup_popup("map");
    EXPECT_EQ(none.x, 48);
    EXPECT_EQ(none.y, 48);
    EXPECT_EQ(none.width, 0);

    s.config.store_popup({"map", 1, 2, 3, 4, 5, 6});
    s.config.store_popup({"who", 7, 8, 9, 10, 0, 0});
    s.config.store_popup({"map", 11, 12, 13, 14, 15, 16});
    single_popup_window map = s.config.lookup_popup("map");
    EXPECT_EQ(map.x, 11);
    EXPECT_EQ(map.rows, 16);
    ASSERT_EQ(s.config.current()->popups.size(), 2u);
    EXPECT_EQ(s.config.current()->popups[0].name, "who");
    EXPECT_EQ(s.config.lookup_popup("Map").x, 48);   // names match exactly

    // Names are kept as they can be saved, and found the same way.
    std::string odd = "tab\there" + std::string(200, 'x');
    s.config.store_popup({odd, 3, 3, 3, 3, 0, 0});
    EXPECT_EQ(s.config.current()->popups[0].name.size(), single_popup_window::max_name_length);
    EXPECT_EQ(s.config.lookup_popup(odd.c_str()).x, 3);
}

TEST(ConfigUuid, TheServersIdentifierIsKeptStampedAndSaved)
{
    started_config s;
    const long before = time(nullptr);
    std::string forty(40, 'u');
    s.config.set_uuid(forty.c_str());
    EXPECT_EQ(std::string(s.config.get_uuid()), std::string(33, 'u'));
    EXPECT_GE(s.config.system_settings().uuid_create_time, before);
    EXPECT_EQ(s.config.system_settings().last_voting_time, s.config.system_settings().uuid_create_time);
    EXPECT_THAT(s.d.read("tarn_hollow.cfg"), HasSubstr("<uuid>" + std::string(33, 'u') + "</uuid>"));

    ZvConfig restarted(s.d.dir.path().c_str());
    restarted.load_system_config_file();
    EXPECT_EQ(std::string(restarted.get_uuid()), std::string(33, 'u'));
}

TEST(ConfigUuid, AMissingIdentifierBecomesADefaultOne)
{
    started_config s;
    captured_log log;
    s.config.set_uuid(nullptr);
    EXPECT_TRUE(th_test::is_default_uuid(s.config.get_uuid())) << s.config.get_uuid();
    EXPECT_THAT(log.text(), HasSubstr("Error in set_uuid(), null string?\n"));
    std::string first = s.config.get_uuid();
    s.config.set_uuid("");
    EXPECT_NE(std::string(s.config.get_uuid()), first);
}

}  // namespace
