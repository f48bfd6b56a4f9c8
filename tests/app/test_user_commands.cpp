// The command processor: which command a line selects in which state, the
// echo of typed lines, and the texts of the client's screens.

#include "test_user_commands_recorder.h"

#include "../foundation/captured_log.h"

#include "game/client_version.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::Not;
using th_test::command_fixture;
using th_test::command_recorder;

namespace {

const std::string yellow = "colour 1,51";        // (1, 0x33)
const std::string bright_white = "colour 1,55";  // (1, 0x37)
const std::string white = "colour 0,55";         // (0, 0x37)
const std::string separator = "\n=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=";

// What a line made the window do, in one line: its actions, with the
// screen it showed named first; "nothing" when it did nothing at all.
std::string outcome(const command_recorder &window)
{
    static const struct {
        const char *marker;
        const char *label;
    } screens[] = {
        {"Zorvik Control Commands", "command list"},
        {"Keyboard controls", "keyboard help"},
        {"Tarn Hollow Client Version", "version screen"},
        {"To change the debug level", "debug level help"},
        {"You must give a filename", "debug file help"},
    };
    std::vector<std::string> parts = window.actions();
    std::string text = window.shown();
    for (const auto &screen : screens)
        if (text.find(screen.marker) != std::string::npos)
            parts.insert(parts.begin(), screen.label);
    if (parts.empty() && !window.events.empty())
        parts.push_back("show '" + text + "'");
    std::string joined;
    for (const std::string &part : parts)
        joined += (joined.empty() ? "" : "; ") + part;
    return joined.empty() ? "nothing" : joined;
}

TEST(UserCommands, TheFirstMatchInTheTableWinsInEachState)
{
    enum { D = 0, C = 1 };   // the game socket disconnected or connected
    struct {
        const char *line;
        int connected;
        int login;
        const char *expected;
    } cases[] = {
        // Abbreviations go to the earliest command they fit; case is ignored.
        {"//C", D, 0, "command list"},
        {"//co", D, 0, "command list"},
        {"//cl", D, 0, "clear"},
        {"//cle", C, 2, "clear"},
        {"//cc", D, 0, "chanclear"},
        {"//ch", D, 0, "chanclear"},
        {"//h", D, 0, "keyboard help"},
        {"//hi", D, 0, "history"},
        {"//V", D, 0, "version screen"},
        {"//b", C, 2, "send \x03; follow"},
        {"//debug", D, 0, "debug level help"},
        {"//debugfile", D, 0, "debug file help"},
        {"//debugfill", D, 0, "fill"},
        {"//e  hello  there", D, 0, "show '\nhello  there'"},
        {"//echo", D, 0, "show '\n'"},
        {"//icons 3 7", C, 2, "tag icons '3 7'"},
        {"//soundtest", D, 0, "tag sound ''"},
        // "//quit" and "//disconnect" need six characters; shorter ones are
        // unknown "//" commands, which go to the server while connected.
        {"//qui", C, 2, "send //qui"},
        {"//quit", C, 2, "quit"},
        {"//EXIT now", C, 2, "quit"},
        {"//quit", D, 0, "quit"},
        {"//dis", C, 2, "send //dis"},
        {"//disc", C, 2, "disconnect Disconnecting."},
        {"//nosuch", C, 0, "send //nosuch"},
        {"//nosuch", D, 0, "nothing"},
        {"//icon", C, 2, "send //icon"},
        // The ping words count only while playing.
        {"//ping", C, 0, "send //ping"},
        {"//pi", C, 2, "ping"},
        {"zvping", C, 2, "ping"},
        {"zvping", C, 1, "send zvping"},
        {"zvpingx", C, 2, "send zvpingx"},
        // Connected, everything else goes out unchanged, even the words of
        // the disconnected state and lines that do not start with a word.
        {"quit", C, 0, "send quit"},
        {" //quit", C, 2, "send  //quit"},
        {"", C, 0, "send "},
        // Disconnected, only these words do anything.
        {"", D, 0, "nothing"},
        {"look", D, 0, "nothing"},
        {"q", D, 0, "nothing"},
        {"qui", D, 0, "quit"},
        {"QUIT", D, 0, "quit"},
        {"ex", D, 0, "quit"},
        {"e", D, 0, "nothing"},
        {"c", D, 0, "connect 0"},
        {"connect 4000", D, 0, "connect 4000"},
        {"CONNECT abc", D, 0, "connect 0"},
        {"connect 70000", D, 0, "connect 0"},
        {"connectx", D, 0, "nothing"},
        {"re 4001", D, 0, "connect 4001"},
        {"st", D, 0, "connect 0"},
        {"s", D, 0, "nothing"},
        {"log", D, 0, "nothing"},
        {"logi", D, 0, "connect 0"},
    };
    captured_log log;
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string("line '") + c.line + "'");
        command_fixture f;
        f.window.connected = c.connected;
        f.window.login = c.login;
        int acted = f.commands.process_user_command(c.line, 0);
        EXPECT_EQ(outcome(f.window), c.expected);
        EXPECT_EQ(acted, std::string(c.expected) != "nothing");
    }
}

TEST(UserCommands, TypedLinesAreEchoedAsTheSettingsSay)
{
    const std::string rule = "show \n" + std::string(73, '-');
    struct {
        const char *what;
        int local_echo, separator, password, echo;
        const char *line;
        std::vector<std::string> expected;
    } cases[] = {
        {"plain echo", 1, 0, 0, 1, "look",
         {"reset", "show \n", yellow, "show >", "reset", "show look", yellow, "show <", "reset",
          "repaint"}},
        {"with the command separator", 1, 1, 0, 1, "look",
         {"reset", "show \n", "show \n", yellow, "show >", "reset", "show look", yellow, "show <",
          bright_white, rule, "reset", "repaint"}},
        {"an empty line gets no separator", 1, 1, 0, 1, "",
         {"reset", "show \n", yellow, "show >", "reset", "show ", yellow, "show <", "reset",
          "repaint"}},
        {"local echo off", 0, 1, 0, 1, "look", {}},
        {"a password is never shown", 1, 1, 1, 1, "secret", {}},
        {"lines the client issues", 1, 1, 0, 0, "look", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        command_fixture f;
        f.config.set_local_echo(c.local_echo);
        f.config.set_cmd_separator(c.separator);
        f.window.password = c.password;
        f.commands.process_user_command(c.line, c.echo);
        EXPECT_THAT(f.window.events, ElementsAreArray(c.expected));
    }
}

TEST(UserCommands, EchoComesBeforeTheCommandItShows)
{
    command_fixture f;
    f.window.connected = 1;
    f.config.set_cmd_separator(0);
    f.commands.process_user_command("say hi", 1);
    ASSERT_FALSE(f.window.events.empty());
    EXPECT_EQ(f.window.events.back(), "send say hi");
    EXPECT_EQ(f.window.shown(), "\n>say hi<");
}

TEST(UserCommands, VersionScreenWhileDisconnected)
{
    command_fixture f;
    f.commands.set_launcher_version("L-7");
    f.commands.process_user_command("//version", 0);
    EXPECT_THAT(f.window.events,
                ElementsAre("begin", "show \n", yellow, "show " + separator, white,
                            "show \nTarn Hollow Client Version: ",
                            std::string("show ") + XIRR_CLIENT_VERSION,
                            "show \nLauncher Version:          ", "show L-7",
                            "show \nClient config directory:   ", "show ", "show \n", yellow,
                            "show " + separator, white, "show \n",
                            "show \nUnable to retrieve server version.", "repaint"));
}

TEST(UserCommands, VersionScreenAsksTheServerOnlyInTheGame)
{
    struct {
        int connected, login;
        bool asks;
    } cases[] = {{1, 2, true}, {1, 0, false}, {0, 2, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.connected * 10 + c.login);
        command_fixture f;
        f.window.connected = c.connected;
        f.window.login = c.login;
        f.commands.show_version();
        std::string text = f.window.shown();
        EXPECT_THAT(text, Not(HasSubstr("Launcher Version")));
        if (c.asks) {
            EXPECT_THAT(f.window.actions(), ElementsAre("send version"));
            EXPECT_THAT(text, Not(HasSubstr("Unable to retrieve")));
        } else {
            EXPECT_TRUE(f.window.actions().empty());
            EXPECT_THAT(text, HasSubstr("Unable to retrieve server version."));
        }
    }
}

// Lines of a screen that describe a key or a command: "\n", a name padded
// with spaces, "- " at a fixed column.
void expect_aligned(const std::string &text, size_t dash_column)
{
    size_t described = 0;
    size_t start = 0;
    while ((start = text.find('\n', start)) != std::string::npos) {
        size_t end = text.find('\n', start + 1);
        std::string line = text.substr(start + 1, end == std::string::npos ? end : end - start - 1);
        start++;
        size_t dash = line.rfind(" - ");
        if (dash == std::string::npos)
            continue;
        described++;
        EXPECT_EQ(dash + 1, dash_column) << "'" << line << "'";
    }
    EXPECT_GT(described, 0u);
}

TEST(UserCommands, KeyboardHelpShowsTheFunctionKeysOnlyInTheGame)
{
    for (int login : {0, 2}) {
        SCOPED_TRACE(login);
        command_fixture f;
        f.window.login = login;
        f.commands.process_user_command("//help", 0);
        std::string text = f.window.shown();
        EXPECT_EQ(f.window.events.front(), "begin");
        EXPECT_EQ(f.window.events.back(), "repaint");
        EXPECT_EQ(text.rfind("\n" + separator + "\nKeyboard controls you can use with this client:\n",
                             0),
                  0u);
        EXPECT_THAT(text, HasSubstr("\nControl \\         - (abort) erase current line and stop "
                                    "all aliases\n"));
        EXPECT_EQ(text.find("'f01' through 'f12'") != std::string::npos, login == 2);
        EXPECT_THAT(text, HasSubstr("\nUp/Down           - look through previous commands" +
                                    separator + "\n"));
        expect_aligned(text.substr(0, text.rfind(separator)), 18);
    }
}

TEST(UserCommands, CommandListIsPlainTextWithoutAClientMessage)
{
    command_fixture f;
    f.commands.process_user_command("//commands", 0);
    EXPECT_EQ(f.window.events.front(), "reset");
    EXPECT_EQ(f.window.events.back(), "repaint");
    std::string text = f.window.shown();
    EXPECT_EQ(text.rfind("\n\nZorvik Control Commands -------------------------------\n//commands", 0),
              0u);
    EXPECT_THAT(text, HasSubstr("\n\nCommands Used While Disconnected -----------------------"
                                "\nconnect <port>           - connect on a specified port"
                                "\nquit                     - quick program exit\n"));
    expect_aligned(text, 25);
}

TEST(UserCommands, NullCallbacksAndNullLinesAreHarmless)
{
    th_test::scratch_dir dir;
    ZvConfig config(dir.path().c_str());
    config.setup_default_config(nullptr);
    xirr_user_commands commands(nullptr, nullptr, config);
    captured_log log;
    EXPECT_EQ(commands.process_user_command("//version", 1), 1);
    EXPECT_EQ(commands.process_user_command("connect 4000", 1), 1);
    EXPECT_EQ(commands.process_user_command(nullptr, 1), 0);
    EXPECT_EQ(log.text(), "Error in process_user_command(), NULL line.\n");
}

}  // namespace
