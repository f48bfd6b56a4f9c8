// Damaged files load what can be read and the next save writes a good file;
// a save that fails leaves the previous files exactly as they were.

#include "config/zv_config.h"

#include "config_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <random>

#include <sys/resource.h>

using ::testing::HasSubstr;
using th_test::config_dir;
using th_test::expect_same_config;
using th_test::expect_same_system;

namespace {

// A saved configuration of Ann with every setting away from its default.
struct saved_state {
    config_dir d;
    single_config ann;
    xirr_system_settings system;
    std::string char_file;
    std::string system_file;

    saved_state()
    {
        ZvConfig config(d.dir.path().c_str());
        config.load_system_config_file();
        config.switch_to_character("Ann");
        for (int id = 0; id < xirr_cfg_count; id++) {
            const xirr_config_setting_info &info = xirr_config_settings[id];
            if (info.kind == XIRR_CFG_KIND_FLAG)
                config.set_setting((xirr_config_setting)id, 1 - info.default_value);
        }
        config.set_font_colors_setting(2);
        config.set_current_layout(0);
        config.store_font("Monospace 11", 11);
        config.store_popup({"map", 1, 2, 3, 4, 0, 0});
        config.set_uuid("uuid-of-this-installation");
        config.SetSystemAudio(0);
        EXPECT_EQ(config.save_system_config_file(), 1);
        ann = *config.current();
        system = config.system_settings();
        char_file = d.read("char_configs/Ann.cfg");
        system_file = d.read("tarn_hollow.cfg");
    }
};

// 1 when prefix holds the whole text of element key: its opening tag, its
// text and the bracket that ends the text.
int holds_value(const std::string &prefix, const std::string &key)
{
    size_t open = prefix.find("<" + key + ">");
    return open != std::string::npos && prefix.find('<', open + key.size() + 2) != std::string::npos;
}

// Saves what loaded holds and expects a fresh load of the saved files to
// give the same.
void expect_next_save_reads_back(const config_dir &d, ZvConfig &loaded)
{
    ASSERT_NE(loaded.current(), nullptr);
    ASSERT_EQ(loaded.save_system_config_file(), 1);
    ZvConfig reloaded(d.dir.path().c_str());
    reloaded.load_system_config_file();
    ASSERT_NE(reloaded.current(), nullptr);
    expect_same_config(*reloaded.current(), *loaded.current());
    expect_same_system(reloaded.system_settings(), loaded.system_settings());
}

TEST(ConfigDamage, ACharacterFileCutAtEveryOffsetKeepsWhatCameBeforeTheCut)
{
    saved_state s;
    const std::string &full = s.char_file;
    const single_config defaults;
    const size_t root_end = full.rfind('>') + 1;
    for (size_t cut = 0; cut <= full.size(); cut++) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        const std::string prefix = full.substr(0, cut);
        s.d.write("char_configs/Ann.cfg", prefix);
        s.d.write("tarn_hollow.cfg", s.system_file);
        captured_log log;
        ZvConfig config(s.d.dir.path().c_str());
        config.load_system_config_file();
        ASSERT_NE(config.current(), nullptr);
        const single_config &loaded = *config.current();
        if (holds_value(prefix, "name")) {
            EXPECT_EQ(loaded.name, "Ann");
            for (int id = 0; id < xirr_cfg_count; id++) {
                const xirr_config_setting_info &info = xirr_config_settings[id];
                if (info.kind == XIRR_CFG_KIND_TEXT)
                    continue;
                if (holds_value(prefix, info.key)) {
                    EXPECT_EQ(loaded.value[id], s.ann.value[id]) << info.key;
                } else {
                    EXPECT_THAT(loaded.value[id], ::testing::AnyOf(s.ann.value[id], defaults.value[id]))
                        << info.key;
                }
            }
        } else {
            EXPECT_EQ(loaded.name, "");
        }
        if (cut > 0 && cut < root_end) {
            EXPECT_NE(log.text(), "");
        }
        th_test::expect_written_form_reads_back(config);
    }
}

TEST(ConfigDamage, ASystemFileCutAtEveryOffsetKeepsWhatCameBeforeTheCut)
{
    saved_state s;
    const std::string &full = s.system_file;
    const size_t root_start = full.find("<system_config_list>");
    const size_t root_end = full.rfind('>') + 1;
    for (size_t cut = 0; cut <= full.size(); cut++) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        const std::string prefix = full.substr(0, cut);
        s.d.write("tarn_hollow.cfg", prefix);
        s.d.write("char_configs/Ann.cfg", s.char_file);
        captured_log log;
        ZvConfig config(s.d.dir.path().c_str());
        config.load_system_config_file();
        const xirr_system_settings &loaded = config.system_settings();
        if (holds_value(prefix, "uuid")) {
            EXPECT_EQ(loaded.uuid, s.system.uuid);
        } else {
            EXPECT_TRUE(loaded.uuid == s.system.uuid || loaded.uuid.rfind("DFLT", 0) == 0) << loaded.uuid;
        }
        EXPECT_EQ(config.GetSystemAudio(), holds_value(prefix, "system_audio_enable") ? 0 : 1);
        EXPECT_STREQ(config.get_name(), holds_value(prefix, "curr_config") ? "Ann" : "");
        if (cut > root_start && cut < root_end) {
            EXPECT_NE(log.text(), "");
        }
        th_test::expect_written_form_reads_back(config);
    }
}

struct damaged_case {
    const char *what;
    std::string file;
    xirr_config_setting id;   // a setting that must be read despite the damage
    int value;
};

std::vector<damaged_case> damaged_char_files()
{
    const std::string head = "<single_config><name>Ann</name>";
    const std::string tail = "<sky_bar>0</sky_bar></single_config>";
    std::string deep;
    for (int i = 0; i < 20000; i++)
        deep += "<deep>";
    return {
        {"wrong nesting", head + "<font_size>12</wrong>" + tail, xirr_cfg_sky_bar, 0},
        {"value of the wrong nesting", head + "<font_size>12</wrong>" + tail, xirr_cfg_font_size, 12},
        {"unknown elements", head + "<mystery><deep><x>1</x></deep>text</mystery><old/>" + tail,
         xirr_cfg_sky_bar, 0},
        {"oversized text", head + "<font>" + std::string(100000, 'f') + "</font>" + tail,
         xirr_cfg_sky_bar, 0},
        {"oversized tag", head + "<" + std::string(50000, 't') + ">x</t>" + tail, xirr_cfg_sky_bar, 0},
        {"unreadable bytes in a value", head + "<font>a\nb\xff</font><font_size>13</font_size>" + tail,
         xirr_cfg_font_size, 13},
        {"garbage around", std::string("\x00\xff junk >>> <<", 14) + head + "<!-- note --> & >" + tail +
                               "trailing <<<>>> garbage",
         xirr_cfg_sky_bar, 0},
        {"stray closing tags", "</a></single_config>" + head + tail, xirr_cfg_sky_bar, 0},
        {"deep nesting", head + "<unknown>" + deep + tail, xirr_cfg_sky_bar, 1},
        {"a declaration line", "<?xml version=\"1.0\" encoding=\"x\"?>\n" + head + tail,
         xirr_cfg_sky_bar, 0},
        {"attributes", "<single_config version=\"2\"><name>Ann</name>" + tail, xirr_cfg_sky_bar, 0},
        {"empty popup list", head + "<popup_window_list/>" + tail, xirr_cfg_sky_bar, 0},
    };
}

TEST(ConfigDamage, DamagedCharacterFilesKeepWhatCanBeRead)
{
    for (const damaged_case &c : damaged_char_files()) {
        SCOPED_TRACE(c.what);
        config_dir d;
        d.make_char_dir();
        d.write("char_configs/Ann.cfg", c.file);
        captured_log log;
        ZvConfig config(d.dir.path().c_str());
        config.load_system_config_file();
        config.switch_to_character("Ann");
        EXPECT_EQ(config.get_setting(c.id), c.value);
        if (c.what != std::string("a declaration line") && c.what != std::string("empty popup list")) {
            EXPECT_NE(log.text(), "");
        }
        expect_next_save_reads_back(d, config);
    }
}

TEST(ConfigDamage, DamagedSystemFilesKeepWhatCanBeRead)
{
    const std::string list = "<system_config_list><uuid>kept</uuid><curr_config>Ann</curr_config>"
                             "<voting_reminders>0</voting_reminders></system_config_list>\n";
    struct {
        const char *what;
        std::string file;
        int damaged;
    } cases[] = {
        {"missing declaration", list, 1},
        {"bad declaration", "<?xml version=\"1.0\"?>\n" + list, 1},
        {"declaration and root on one line", "<?xml version=\"1\" encoding=\"a\"?>" + list, 0},
        {"unknown top-level element", "<?xml version=\"1\" encoding=\"a\"?>\n<other><x/></other>\n" + list, 1},
        {"stray closing tag first", "</system_config_list>" + list, 1},
        {"garbage first", "\x01\x02 garbage > here\n" + list, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        config_dir d;
        d.make_char_dir();
        d.write("char_configs/Ann.cfg", "<single_config><name>Ann</name></single_config>");
        d.write("tarn_hollow.cfg", c.file);
        captured_log log;
        ZvConfig config(d.dir.path().c_str());
        config.load_system_config_file();
        EXPECT_STREQ(config.get_uuid(), "kept");
        EXPECT_STREQ(config.get_name(), "Ann");
        EXPECT_EQ(config.get_voting_reminders(), 0);
        EXPECT_EQ(log.text() != "", c.damaged) << log.text();
        expect_next_save_reads_back(d, config);
    }
}

TEST(ConfigDamage, RandomBytesLoadWithoutHarm)
{
    std::mt19937 random(20240501);
    for (int round = 0; round < 200; round++) {
        std::string bytes(random() % 3000, '\0');
        for (char &b : bytes) {
            // Mostly the dialect's own characters, so the reader goes deep.
            static const char alphabet[] = "<>/&;!?ltgamp_name single_config ui\n\xff";
            b = random() % 4 ? alphabet[random() % (sizeof alphabet - 1)] : (char)random();
        }
        config_dir d;
        d.make_char_dir();
        d.write("tarn_hollow.cfg", bytes);
        d.write("char_configs/Ann.cfg", bytes);
        captured_log quiet;
        ZvConfig config(d.dir.path().c_str());
        config.load_system_config_file();
        config.switch_to_character("Ann");
        th_test::expect_written_form_reads_back(config);
        if (::testing::Test::HasFailure())
            break;
    }
}

TEST(ConfigDamage, AFailedSaveLeavesThePreviousFilesAsTheyWere)
{
    saved_state s;
    const std::vector<std::string> before = s.d.listing();
    th_test::run_in_child([&] {
        ZvConfig config(s.d.dir.path().c_str());
        config.load_system_config_file();
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = {64, 64};
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
        config.set_sky_bar(1);
        config.set_uuid("x");   // saves, and fails
        EXPECT_EQ(config.save_system_config_file(), 0);
    });
    EXPECT_EQ(s.d.read("tarn_hollow.cfg"), s.system_file);
    EXPECT_EQ(s.d.read("char_configs/Ann.cfg"), s.char_file);
    EXPECT_EQ(s.d.listing(), before);   // no temporary file left behind
}

TEST(ConfigDamage, ACharacterDirectoryThatIsAFileFailsOnlyThatCharacter)
{
    config_dir d;
    d.write("char_configs", "not a directory");
    captured_log log(2);
    ZvConfig config(d.dir.path().c_str());
    config.load_system_config_file();
    config.switch_to_character("Ann");
    config.set_sky_bar(0);
    EXPECT_EQ(config.save_system_config_file(), 0);
    EXPECT_EQ(d.read("char_configs"), "not a directory");
    EXPECT_THAT(d.read("tarn_hollow.cfg"), HasSubstr("<curr_config>Ann</curr_config>"));
    EXPECT_EQ(config.get_sky_bar(), 0);   // still in memory
    EXPECT_THAT(log.text(), HasSubstr("Unable to create directory for config file '" +
                                      d.path("char_configs/Ann.cfg") + "'."));
    EXPECT_THAT(log.text(), HasSubstr("Unable to save config file '" + d.path("char_configs/Ann.cfg") + "'."));
}

TEST(ConfigDamage, SavingWithoutADirectoryReportsIt)
{
    captured_log log;
    std::string gone;
    {
        config_dir d;
        gone = d.dir.path();
    }
    ZvConfig config(gone.c_str());
    config.load_system_config_file();
    EXPECT_EQ(config.save_system_config_file(), 0);
    EXPECT_THAT(log.text(), HasSubstr("Unable to save system config - cannot open config file '" + gone +
                                      "/tarn_hollow.cfg'.\n"));
}

}  // namespace
