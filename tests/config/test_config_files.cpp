// Saving and loading: the two file formats, round trips of every setting,
// files of older versions, and character names that are not file names.

#include "config/zv_config.h"

#include "config_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>


using ::testing::HasSubstr;
using ::testing::Not;
using th_test::config_dir;
using th_test::expect_same_config;
using th_test::expect_same_system;

namespace {

// A value for setting id that differs from its default and stays in range.
int other_value(int id)
{
    const xirr_config_setting_info &info = xirr_config_settings[id];
    switch (info.kind) {
    case XIRR_CFG_KIND_FLAG: return 1 - info.default_value;
    case XIRR_CFG_KIND_RANGE:
    case XIRR_CFG_KIND_CLAMP: return info.default_value == info.high ? info.low : info.high;
    default: return info.default_value + 7 + id;
    }
}

const char default_char_file[] =
    "<single_config>\n"
    "  <name>Ann</name>\n"
    "  <font></font>\n"
    "  <font_size>8</font_size>\n"
    "  <button_font></button_font>\n"
    "  <button_font_size>6</button_font_size>\n"
    "  <keypad_walking>1</keypad_walking>\n"
    "  <url_hotlinking>1</url_hotlinking>\n"
    "  <compact_mode>0</compact_mode>\n"
    "  <local_echo>1</local_echo>\n"
    "  <cmd_separator>1</cmd_separator>\n"
    "  <cmd_pushthrough>0</cmd_pushthrough>\n"
    "  <hint_button_enable>1</hint_button_enable>\n"
    "  <direction_button_enable>0</direction_button_enable>\n"
    "  <fkey_button_display>0</fkey_button_display>\n"
    "  <button_tooltips>0</button_tooltips>\n"
    "  <status_bar>1</status_bar>\n"
    "  <sky_bar>1</sky_bar>\n"
    "  <exp_display>1</exp_display>\n"
    "  <hpbar_enable>1</hpbar_enable>\n"
    "  <hp_display>0</hp_display>\n"
    "  <enemy_hpbar_enable>1</enemy_hpbar_enable>\n"
    "  <enemy_hp_display>1</enemy_hp_display>\n"
    "  <group_status_display>1</group_status_display>\n"
    "  <group_status_inverted_bars>1</group_status_inverted_bars>\n"
    "  <popup_display>1</popup_display>\n"
    "  <locking_scrollback_enable>0</locking_scrollback_enable>\n"
    "  <mw_scrollbar_enable>1</mw_scrollbar_enable>\n"
    "  <current_layout>2</current_layout>\n"
    "  <current_theme>1</current_theme>\n"
    "  <current_background_theme>2</current_background_theme>\n"
    "  <font_colors_setting>0</font_colors_setting>\n"
    "  <theme_bg_setting>3</theme_bg_setting>\n"
    "  <automap_docked>1</automap_docked>\n"
    "  <automap_display>1</automap_display>\n"
    "  <automap_size>11</automap_size>\n"
    "  <input_height>48</input_height>\n"
    "  <channel_window_enable>0</channel_window_enable>\n"
    "  <channel_window_height>25</channel_window_height>\n"
    "  <channel_window_dupe>1</channel_window_dupe>\n"
    "  <colorflash_enable>1</colorflash_enable>\n"
    "  <popup_window_list>\n"
    "    <single_popup_window>\n"
    "      <name>map</name>\n"
    "      <x>10</x>\n"
    "      <y>20</y>\n"
    "      <width>300</width>\n"
    "      <height>200</height>\n"
    "    </single_popup_window>\n"
    "  </popup_window_list>\n"
    "</single_config>\n";

TEST(ConfigFiles, WritesTheDocumentedLayoutOfBothFiles)
{
    config_dir d;
    ZvConfig config(d.dir.path().c_str());
    config.load_system_config_file();
    config.set_uuid("0123456789abcdef0123456789abcdef");
    config.switch_to_character("Ann");
    config.store_popup({"map", 10, 20, 300, 200, 5, 6});
    ASSERT_EQ(config.save_system_config_file(), 1);

    EXPECT_EQ(d.read("char_configs/Ann.cfg"), default_char_file);
    std::string system = d.read("tarn_hollow.cfg");
    const std::string when = std::to_string(config.system_settings().uuid_create_time);
    EXPECT_EQ(system, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                      "<system_config_list>\n"
                      "  <uuid>0123456789abcdef0123456789abcdef</uuid>\n"
                      "  <uuid_create_time>" + when + "</uuid_create_time>\n"
                      "  <curr_config>Ann</curr_config>\n"
                      "  <system_audio_enable>1</system_audio_enable>\n"
                      "  <last_voting_time>" + when + "</last_voting_time>\n"
                      "  <last_voting_reminder_time>" + when + "</last_voting_reminder_time>\n"
                      "  <voting_reminders>1</voting_reminders>\n"
                      "</system_config_list>\n"
                      "\n");
}

TEST(ConfigFiles, EverySettingOfBothFilesReadsBackEqual)
{
    config_dir d;
    single_config saved;
    xirr_system_settings saved_system;
    {
        ZvConfig config(d.dir.path().c_str());
        config.load_system_config_file();
        config.switch_to_character("Ann");
        for (int id = 0; id < xirr_cfg_count; id++)
            if (xirr_config_settings[id].kind != XIRR_CFG_KIND_TEXT)
                config.set_setting((xirr_config_setting)id, other_value(id));
        // Text with every kind of byte the writer must escape or replace.
        config.store_font("Monospace Bold 9 <&>", 9);
        config.store_button_font("Sans\t6\n", 7);
        config.store_popup({"inventory", -5, 7, 640, 480, 0, 0});
        config.store_popup({"map & more", 100, 200, 0, 0, 0, 0});
        config.set_uuid("fedcba9876543210fedcba9876543210X");
        config.SetSystemAudio(0);
        saved = *config.current();
        saved_system = config.system_settings();
        ASSERT_EQ(config.save_system_config_file(), 1);
    }
    EXPECT_EQ(saved.font, "Monospace Bold 9 <&>");
    EXPECT_EQ(saved.button_font, "Sans.6.");   // stored as it is written

    ZvConfig reloaded(d.dir.path().c_str());
    reloaded.load_system_config_file();
    ASSERT_NE(reloaded.current(), nullptr);
    expect_same_config(*reloaded.current(), saved);
    expect_same_system(reloaded.system_settings(), saved_system);
    EXPECT_EQ(std::string(reloaded.get_uuid()).size(), 33u);
}

TEST(ConfigFiles, VoteMenuEntriesKeepTheirSlots)
{
    config_dir d;
    d.write("tarn_hollow.cfg",
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
            "<system_config_list>\n"
            "  <uuid>abc</uuid>\n"
            "  <vote_menu3_name>Top</vote_menu3_name>\n"
            "  <vote_menu3_url>http://a/vote?x=1&amp;y=2</vote_menu3_url>\n"
            "  <vote_menu7_name>Other</vote_menu7_name>\n"
            "  <vote_menu9_url>http://orphan/</vote_menu9_url>\n"
            "  <voting_reminders>0</voting_reminders>\n"
            "  <bootloader_version>12</bootloader_version>\n"
            "  <autoupdate_executable1_state>1</autoupdate_executable1_state>\n"
            "</system_config_list>\n");
    ZvConfig config(d.dir.path().c_str());
    config.load_system_config_file();
    EXPECT_EQ(config.get_voting_reminders(), 0);
    ASSERT_EQ(config.save_system_config_file(), 1);
    std::string saved = d.read("tarn_hollow.cfg");
    EXPECT_THAT(saved, HasSubstr("  <vote_menu3_name>Top</vote_menu3_name>\n"
                                 "  <vote_menu3_url>http://a/vote?x=1&amp;y=2</vote_menu3_url>\n"
                                 "  <vote_menu7_name>Other</vote_menu7_name>\n"
                                 "  <vote_menu7_url></vote_menu7_url>\n"
                                 "</system_config_list>\n"));
    EXPECT_THAT(saved, Not(HasSubstr("vote_menu9")));
    EXPECT_THAT(saved, Not(HasSubstr("bootloader")));
}

TEST(ConfigFiles, FirstStartUsesDefaultsAndSavesNoCharacterFile)
{
    config_dir d;
    ZvConfig config(d.dir.path().c_str());
    config.load_system_config_file();
    EXPECT_TRUE(th_test::is_default_uuid(config.get_uuid())) << config.get_uuid();
    EXPECT_EQ(config.GetSystemAudio(), 1);
    ASSERT_NE(config.current(), nullptr);
    EXPECT_STREQ(config.get_name(), "");
    expect_same_config(*config.current(), single_config());

    ASSERT_EQ(config.save_system_config_file(), 1);
    EXPECT_THAT(d.read("tarn_hollow.cfg"), Not(HasSubstr("curr_config")));
    EXPECT_EQ(d.listing(), std::vector<std::string>{"tarn_hollow.cfg"});
}

TEST(ConfigFiles, StartUpRemovesFilesOfOlderVersions)
{
    config_dir d;
    d.write("bootname.txt", "x");
    d.write("sound_version.cfg", "x");
    ZvConfig config(d.dir.path().c_str());
    config.load_system_config();
    EXPECT_EQ(d.listing(), std::vector<std::string>{});
}

TEST(ConfigFiles, CharacterConfigurationsInsideTheSystemFileMoveToTheirOwnFiles)
{
    config_dir d;
    d.write("tarn_hollow.cfg",
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
            "<system_config_list>\n"
            "  <uuid>abc</uuid>\n"
            "  <curr_config>Bob</curr_config>\n"
            "  <single_config>\n"
            "    <name>Ann</name>\n"
            "    <font_size>12</font_size>\n"
            "  </single_config>\n"
            "  <single_config>\n"
            "    <name>Bob</name>\n"
            "    <local_echo>0</local_echo>\n"
            "  </single_config>\n"
            "  <single_config>\n"
            "    <font_size>14</font_size>\n"
            "  </single_config>\n"
            "</system_config_list>\n");
    {
        captured_log log;
        ZvConfig config(d.dir.path().c_str());
        config.load_system_config_file();
        EXPECT_STREQ(config.get_name(), "Bob");
        EXPECT_EQ(config.get_local_echo(), 0);
        EXPECT_EQ(config.configurations().size(), 2u);
        EXPECT_THAT(log.text(), HasSubstr("missing name for loaded config.  Ignoring."));
        ASSERT_EQ(config.save_system_config_file(), 1);
    }
    EXPECT_THAT(d.read("tarn_hollow.cfg"), Not(HasSubstr("single_config")));
    EXPECT_THAT(d.read("char_configs/Ann.cfg"), HasSubstr("<font_size>12</font_size>"));
    EXPECT_THAT(d.read("char_configs/Bob.cfg"), HasSubstr("<local_echo>0</local_echo>"));

    ZvConfig reloaded(d.dir.path().c_str());
    reloaded.load_system_config_file();
    EXPECT_STREQ(reloaded.get_name(), "Bob");
    EXPECT_EQ(reloaded.get_local_echo(), 0);
    ASSERT_NE(reloaded.get_or_find("Ann"), nullptr);
    EXPECT_EQ(reloaded.get_or_find("Ann")->value[xirr_cfg_font_size], 12);
}

TEST(ConfigFiles, AFileOfTheOldLocationMovesOnceTheNewOneIsWritten)
{
    config_dir d;
    const std::string bob = "<single_config>\n  <name>Bob</name>\n  <sky_bar>0</sky_bar>\n</single_config>\n";
    d.write("Bob.cfg", bob);
    {
        ZvConfig config(d.dir.path().c_str());
        config.load_system_config_file();
        config.switch_to_character("Bob");
        EXPECT_EQ(config.get_sky_bar(), 0);
        EXPECT_EQ(d.listing(), (std::vector<std::string>{"char_configs", "char_configs/Bob.cfg"}));
    }
    // Where the new file cannot be written, the old one stays.
    config_dir blocked;
    blocked.write("Bob.cfg", bob);
    blocked.write("char_configs", "a file where the directory should be");
    captured_log log;
    ZvConfig config(blocked.dir.path().c_str());
    config.load_system_config_file();
    config.switch_to_character("Bob");
    EXPECT_EQ(config.get_sky_bar(), 0);
    EXPECT_EQ(blocked.read("Bob.cfg"), bob);
    EXPECT_THAT(log.text(), HasSubstr("Unable to save config file '" + blocked.path("char_configs/Bob.cfg")));
}

TEST(ConfigFiles, AFileMustHoldTheNameExactly)
{
    config_dir d;
    d.make_char_dir();
    d.write("char_configs/Bob.cfg", "<single_config><name>bob</name><sky_bar>0</sky_bar></single_config>");
    captured_log log;
    ZvConfig config(d.dir.path().c_str());
    config.load_system_config_file();
    config.switch_to_character("Bob");
    EXPECT_STREQ(config.get_name(), "Bob");
    EXPECT_EQ(config.get_sky_bar(), 1);
    EXPECT_THAT(log.text(), HasSubstr("Error in ZvConfig::load_xml_single_system_config(), got bad "
                                      "name 'bob' for loaded config 'Bob'.\n"));
}

TEST(ConfigFiles, ValuesOutOfRangeLoadAsTheRangeSays)
{
    config_dir d;
    d.make_char_dir();
    struct {
        const char *element;
        xirr_config_setting id;
        int loaded;
    } cases[] = {
        {"<font_size>200</font_size>", xirr_cfg_font_size, 10},
        {"<font_size>2</font_size>", xirr_cfg_font_size, 2},
        {"<input_height>10</input_height>", xirr_cfg_input_height, 48},
        {"<channel_window_height>90</channel_window_height>", xirr_cfg_channel_window_height, 25},
        {"<current_layout>-3</current_layout>", xirr_cfg_current_layout, 0},
        {"<current_layout>7</current_layout>", xirr_cfg_current_layout, 2},
        {"<group_status_display>5</group_status_display>", xirr_cfg_group_status_display, 0},
        {"<theme_bg_setting>6</theme_bg_setting>", xirr_cfg_theme_bg_setting, 3},
        {"<font_colors_setting>4</font_colors_setting>", xirr_cfg_font_colors_setting, 0},
        {"<automap_size>401</automap_size>", xirr_cfg_automap_size, 11},
        {"<keypad_walking>3</keypad_walking>", xirr_cfg_keypad_walking, 1},
        {"<keypad_walking>2</keypad_walking>", xirr_cfg_keypad_walking, 0},
        {"<current_theme>-40</current_theme>", xirr_cfg_current_theme, -40},
        {"<KEYPAD_WALKING>0</KEYPAD_WALKING>", xirr_cfg_keypad_walking, 0},
        {"<use_new_layout>5</use_new_layout>", xirr_cfg_current_layout, 1},
        {"<use_new_layout>0</use_new_layout>", xirr_cfg_current_layout, 0},
        {"<zmud_color_display>1</zmud_color_display>", xirr_cfg_font_colors_setting, 2},
        {"<bright_color_display>0</bright_color_display>", xirr_cfg_font_colors_setting, 0},
        {"<gmud_color_display>1</gmud_color_display><font_colors_setting>1</font_colors_setting>",
         xirr_cfg_font_colors_setting, 1},
        {"<font_colors_setting>1</font_colors_setting><gmud_color_display>1</gmud_color_display>",
         xirr_cfg_font_colors_setting, 3},
        {"<font_size>big</font_size>", xirr_cfg_font_size, 8},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.element);
        d.write("char_configs/Cy.cfg", std::string("<single_config><name>Cy</name>") + c.element +
                                           "</single_config>");
        captured_log quiet;
        ZvConfig config(d.dir.path().c_str());
        ASSERT_NE(config.get_or_load("Cy"), nullptr);
        EXPECT_EQ(config.get_or_load("Cy")->value[c.id], c.loaded);
    }
}

TEST(ConfigFiles, NamesThatAreNotFileNamesStayInsideTheConfigurationDirectory)
{
    const std::string names[] = {"../evil", "..", "a/b/c", "a\\b", ".hidden", "50%",
                                 "tarn_hollow", "B\xc8t\x01", std::string(300, 'n')};
    for (const std::string &name : names) {
        SCOPED_TRACE(name);
        config_dir d;
        std::string kept;
        {
            ZvConfig config(d.dir.path().c_str());
            config.load_system_config_file();
            config.switch_to_character(name.c_str());
            config.set_sky_bar(0);
            kept = config.get_name();
            ASSERT_EQ(config.save_system_config_file(), 1);
        }
        std::vector<std::string> files = d.listing();
        ASSERT_EQ(files.size(), 3u);   // the system file, char_configs/ and one file in it
        EXPECT_EQ(files[0], "char_configs");
        EXPECT_EQ(files[1].rfind("char_configs/", 0), 0u);
        EXPECT_EQ(files[1].find('/', 13), std::string::npos);
        EXPECT_EQ(files[2], "tarn_hollow.cfg");

        ZvConfig reloaded(d.dir.path().c_str());
        reloaded.load_system_config_file();
        EXPECT_EQ(reloaded.get_name(), kept);
        EXPECT_EQ(reloaded.get_sky_bar(), 0);
    }
}

}  // namespace
