// The tag dispatcher: where each tag goes, what has no handler, the login
// states, the "dirs" and "event" payloads, and the popup text targets.

#include "test_tag_dispatch_recorder.h"

#include "../foundation/captured_log.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::EndsWith;
using th_test::dispatch_fixture;

namespace {

std::string no_handler(const std::string &name)
{
    return "Warning in xirr_mw::process_tagged_data(), no handler for tag '" + name + "'.\n";
}

TEST(TagDispatch, EachTagReachesItsReceiverWithThePayloadAndItsLength)
{
    struct {
        const char *name;
        std::string payload;
        std::vector<std::string> expected;
    } cases[] = {
        {"map", std::string("N@A\0B", 5), {"automap_data " + std::string("N@A\0B", 5)}},
        {"walkfail", "2", {"automap_walkfail 2"}},
        {"areaname", "Dark Wood", {"automap_title Dark Wood"}},
        {"combat", "", {"automap_combat 1"}},
        {"ncombat", "", {"automap_combat 0", "enemy_hp "}},
        {"enemyhp", "50 orc", {"enemy_hp 50 orc"}},
        {"group", "Ann 10 20\nBob 5 5", {"group Ann 10 20\nBob 5 5"}},
        {"xpp", "10 20", {"experience 10 20"}},
        {"hp", "1 2 3 4 5 6", {"hit_points 1 2 3 4 5 6"}},
        {"bclear", "", {"hint_buttons_clear"}},
        {"window_create", "who 1 2", {"popup_create who 1 2"}},
        {"chdiv", "gossip", {"channel_divert gossip"}},
        {"chudiv", "", {"channel_undivert"}},
        {"config", "automap flash", {"config automap flash"}},
        {"skystate", "3", {"sky_state 3"}},
        {"icons", "0101", {"icons 0101"}},
        // Numbered buttons get the number and the full name; "bf" is tried
        // before "b", and what follows the digits is the bar's business.
        {"b12", "Look\nlook", {"hint_button 12 b12 Look\nlook"}},
        {"b1t", "x", {"hint_button 1 b1t x"}},
        {"bf3", "kick", {"fkey_button 3 bf3 kick"}},
        {"bf12", "", {"fkey_button 12 bf12 "}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        dispatch_fixture f;
        captured_log log(2);
        EXPECT_EQ(f.tag(c.name, c.payload), 1);
        EXPECT_THAT(f.window.events, ElementsAreArray(c.expected));
        EXPECT_EQ(log.text(), "");
    }
}

TEST(TagDispatch, NamesWithoutAHandlerAreLoggedAndIgnored)
{
    const char *names[] = {"Login", "MAP", "maps", "nosuch", "b", "b0", "bf0", "bfx",
                           "bx1", "b+3", "b-3", "bf", "b99999999999"};
    for (const char *name : names) {
        SCOPED_TRACE(name);
        dispatch_fixture f;
        captured_log log(2);
        EXPECT_EQ(f.tag(name, "payload"), 0);
        EXPECT_TRUE(f.window.events.empty());
        EXPECT_THAT(log.text(), EndsWith(no_handler(name)));
        EXPECT_EQ(f.dispatch.login_state(), 0);
    }
}

TEST(TagDispatch, WithoutReceiversOnlyTheDispatchersOwnTagsAreHandled)
{
    th_test::scratch_dir dir;
    ZvConfig config(dir.path().c_str());
    config.setup_default_config(nullptr);
    xirr_tag_dispatch dispatch(nullptr, nullptr, config);
    captured_log log(2);

    EXPECT_EQ(dispatch.process_tagged_data("map", "x", 1), 0);
    EXPECT_EQ(dispatch.process_tagged_data("bf3", "x", 1), 0);
    EXPECT_EQ(dispatch.process_tagged_data("chdiv", "gossip", 6), 0);
    EXPECT_EQ(dispatch.channel_divert(), 0);
    EXPECT_EQ(log.text(), no_handler("map") + no_handler("bf3") + no_handler("chdiv"));

    EXPECT_EQ(dispatch.process_tagged_data("login", nullptr, 0), 1);
    EXPECT_EQ(dispatch.login_state(), 2);
    EXPECT_EQ(dispatch.process_tagged_data("divert", "who", 3), 1);
    EXPECT_EQ(dispatch.text_target(), 0);
    EXPECT_EQ(dispatch.process_tagged_data(nullptr, "x", 1), 0);
}

TEST(TagDispatch, LoginNamesTheCharacterFromTheFirstLine)
{
    dispatch_fixture f;
    EXPECT_EQ(f.tag("login", "Ann\nwelcome back"), 1);
    EXPECT_THAT(f.window.events, ElementsAre("title Tarn Hollow - Player Ann", "logged_in"));
    EXPECT_STREQ(f.config.get_name(), "Ann");
    EXPECT_EQ(f.dispatch.login_state(), 2);
    EXPECT_EQ(f.dispatch.status_report_pending(), 1);

    // Logging in again while playing switches to the new character.
    f.window.events.clear();
    f.tag("login", "Bea");
    EXPECT_THAT(f.window.events, ElementsAre("title Tarn Hollow - Player Bea", "logged_in"));
    EXPECT_STREQ(f.config.get_name(), "Bea");
}

TEST(TagDispatch, LoginWithoutANameKeepsTitleAndConfiguration)
{
    for (const char *payload : {"", "\nBob"}) {
        SCOPED_TRACE(payload);
        dispatch_fixture f;
        f.tag("login", payload);
        EXPECT_THAT(f.window.events, ElementsAre("logged_in"));
        EXPECT_STREQ(f.config.get_name(), "");
        EXPECT_EQ(f.dispatch.login_state(), 2);
        EXPECT_EQ(f.dispatch.status_report_pending(), 1);
    }
}

TEST(TagDispatch, LoginStatesFollowTheServer)
{
    struct step {
        const char *tag;     // null: the connection ends
        const char *payload;
        int state;
    };
    const std::vector<std::vector<step>> sequences = {
        {{"login", "Ann", 2}, {"event", "logoff", 3}, {nullptr, "", 0}},
        {{"event", "newcreate", 1}, {"login", "Ann", 2}},
        {{"event", "newcreate", 1}, {"event", "logoff", 3}, {"login", "", 2}},
        {{"event", "logoff extra", 0}, {"event", "Newcreate", 0}},
    };
    for (const auto &sequence : sequences) {
        dispatch_fixture f;
        captured_log log;
        for (const step &s : sequence) {
            SCOPED_TRACE(std::string(s.tag ? s.tag : "closed") + " " + s.payload);
            if (s.tag)
                f.tag(s.tag, s.payload);
            else
                f.dispatch.connection_closed();
            EXPECT_EQ(f.dispatch.login_state(), s.state);
        }
    }
}

TEST(TagDispatch, EventsAreSelectedByTheirPayload)
{
    const std::string unhandled = "Warning in xirr_mw::process_tagged_data(), got unhandled event '";
    struct {
        const char *payload;
        int colorflash_enable;
        std::vector<std::string> expected;
        std::string log;
    } cases[] = {
        {"zvpong", 1, {"pong"}, ""},
        {"zvpong 250", 1, {}, unhandled + "zvpong 250'.\n"},
        {"COLORFLASH red 3", 1, {"colour_flash 0 red 3"}, ""},
        {"colorflash", 1, {"colour_flash 0 "}, ""},
        {"colorflash red 3", 0, {}, ""},
        {"colorflashes", 1, {}, unhandled + "colorflashes'.\n"},
        {"dance", 1, {}, unhandled + "dance'.\n"},
        {"", 1, {}, unhandled + "'.\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.payload);
        dispatch_fixture f;
        f.config.set_colorflash_enable(c.colorflash_enable);
        captured_log log(2);
        EXPECT_EQ(f.tag("event", c.payload), 1);
        EXPECT_THAT(f.window.events, ElementsAreArray(c.expected));
        EXPECT_EQ(log.text(), c.log);
    }
}

TEST(TagDispatch, ColourFlashGoesToTheCurrentTextTarget)
{
    dispatch_fixture f;
    f.tag("append", "who");
    f.tag("event", "colorflash blue");
    EXPECT_EQ(f.window.events.back(), "colour_flash 6 blue");
}

TEST(TagDispatch, DirsSwitchTheButtonsAndCarryTheExitMask)
{
    const std::string bad = "Warning in xirr_mw::process_tagged_data(), bad dirs string '";
    struct {
        const char *payload;
        std::vector<std::string> expected;
        std::string log;
    } cases[] = {
        {"on AQ", {"direction_enable 1", "direction_exits 16", "automap_exits 16"}, ""},
        {"OFF CA", {"direction_enable 0", "direction_exits 64", "automap_exits 64"}, ""},
        {"on BAextra", {"direction_enable 1", "direction_exits 32", "automap_exits 32"}, ""},
        {"on ``", {"direction_enable 1", "direction_exits 1023", "automap_exits 1023"}, ""},
        {"on", {"direction_enable 1"}, ""},
        {"sideways AQ", {"direction_exits 16", "automap_exits 16"}, bad + "sideways AQ'.\n"},
        // Exit letters outside 'A'..'`' would make stray bits: ignored.
        {"on A", {"direction_enable 1"}, bad + "on A'.\n"},
        {"on aa", {"direction_enable 1"}, bad + "on aa'.\n"},
        {"on @A", {"direction_enable 1"}, bad + "on @A'.\n"},
        {"", {}, bad + "'.\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.payload);
        dispatch_fixture f;
        captured_log log(2);
        EXPECT_EQ(f.tag("dirs", c.payload), 1);
        EXPECT_THAT(f.window.events, ElementsAreArray(c.expected));
        EXPECT_EQ(log.text(), c.log);
    }
}

TEST(TagDispatch, SoundsPlayOnlyWithTheSystemAudioOn)
{
    dispatch_fixture f;
    f.config.SetSystemAudio(0);
    EXPECT_EQ(f.tag("sound", "bell.ogg"), 1);
    EXPECT_TRUE(f.window.events.empty());
    f.config.SetSystemAudio(1);
    f.tag("sound", "bell.ogg");
    EXPECT_THAT(f.window.events, ElementsAre("sound bell.ogg"));
}

TEST(TagDispatch, UuidIsStoredSavedAndHandedOn)
{
    dispatch_fixture f;
    f.tag("uuid", "0123456789abcdef0123456789abcdef");
    EXPECT_STREQ(f.config.get_uuid(), "0123456789abcdef0123456789abcdef");
    EXPECT_THAT(f.window.events, ElementsAre("identifier 0123456789abcdef0123456789abcdef"));
    EXPECT_NE(th_test::read_text(f.dir / "tarn_hollow.cfg").find("0123456789abcdef"),
              std::string::npos);
}

TEST(TagDispatch, ChannelDivertLastsUntilItsClosingTag)
{
    dispatch_fixture f;
    f.tag("chdiv", "gossip");
    EXPECT_EQ(f.dispatch.channel_divert(), 1);
    f.dispatch.connection_closed();
    EXPECT_EQ(f.dispatch.channel_divert(), 1);
    f.tag("chudiv");
    EXPECT_EQ(f.dispatch.channel_divert(), 0);
}

// Popup text targets: inventory is popup 5, who popup 6; every display's
// scroll position is 17.
TEST(TagDispatch, PopupTargetsOpenAndCloseAsTheirTagsSay)
{
    const std::vector<std::string> no_popup = {
        "reset_colours 0", "show 0 \n",
        "show 0 Sorry, no popup window by that name has been defined.\n", "show 0 \n",
        "repaint 0"};
    const std::vector<std::string> end_divert_5 = {"repaint 5", "get_scroll 5", "resume 5",
                                                   "set_scroll 5 17"};
    std::vector<std::string> end_append_6_then_no_popup = {"repaint 6", "scroll_to_end 6"};
    end_append_6_then_no_popup.insert(end_append_6_then_no_popup.end(), no_popup.begin(),
                                      no_popup.end());
    struct step {
        const char *tag;   // null: the popup windows are destroyed
        const char *payload;
        std::vector<std::string> expected;
        int target;
    };
    struct {
        const char *what;
        std::vector<step> steps;
    } cases[] = {
        {"divert replaces the popup's contents, drawn once at the end",
         {{"divert", "inventory", {"suspend 5", "clear 5"}, 5},
          {"undivert", "", end_divert_5, 0}}},
        {"append adds to the popup and scrolls to the end",
         {{"append", "who", {}, 6}, {"unappend", "", {"repaint 6", "scroll_to_end 6"}, 0}}},
        {"an unknown popup leaves text in the main display",
         {{"divert", "nosuch", no_popup, 0}, {"append", "nosuch", no_popup, 0}}},
        {"a new target first ends a divert still open",
         {{"divert", "inventory", {"suspend 5", "clear 5"}, 5},
          {"append", "who", end_divert_5, 6},
          {"divert", "nosuch", end_append_6_then_no_popup, 0}}},
        {"the closing tag ends the target as it was opened",
         {{"divert", "inventory", {"suspend 5", "clear 5"}, 5},
          {"unappend", "", end_divert_5, 0}}},
        {"closing without a target does nothing",
         {{"undivert", "", {}, 0}, {"unappend", "", {}, 0}}},
        {"destroyed popups are no longer a target",
         {{"divert", "inventory", {"suspend 5", "clear 5"}, 5},
          {nullptr, "", {}, 0},
          {"undivert", "", {}, 0}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        dispatch_fixture f;
        captured_log log;
        for (const step &s : c.steps) {
            SCOPED_TRACE(std::string(s.tag ? s.tag : "popups closed") + " " + s.payload);
            f.window.events.clear();
            if (s.tag)
                EXPECT_EQ(f.tag(s.tag, s.payload), 1);
            else
                f.dispatch.popups_closed();
            EXPECT_THAT(f.window.events, ElementsAreArray(s.expected));
            EXPECT_EQ(f.dispatch.text_target(), s.target);
        }
    }
}

}  // namespace
