// The debug commands: the level, the log file and the state screen, run as
// typed lines on the process-wide debug log.

#include "test_user_commands_recorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using ::testing::HasSubstr;
using th_test::command_fixture;

namespace {

class DebugCommands : public th_test::log_test {
protected:
    // The text the line showed; the display is repainted after it.
    std::string run(const std::string &line)
    {
        command_fixture f;
        f.commands.process_user_command(line.c_str(), 0);
        EXPECT_EQ(f.window.events.back(), "repaint");
        return f.window.shown();
    }
    // What the log wrote to path, read after closing it.
    std::string logged(const std::string &path)
    {
        close_log();
        return th_test::read_text(path);
    }
};

TEST_F(DebugCommands, LevelIsSetFromTheNextWordWithoutARangeCheck)
{
    struct {
        const char *line;
        int before;
        int after;
    } cases[] = {
        {"//debuglevel 3", 1, 3},
        {"//debug 2 more words", 0, 2},
        {"//debug abc", 2, 0},
        {"//debugl 7", 1, 7},
        {"//deb -1", 1, -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        xirr_debug_level = c.before;
        std::string shown = run(c.line);
        EXPECT_EQ(xirr_debug_level, c.after);
        EXPECT_EQ(shown, "\nDebug level changed from " + std::to_string(c.before) + " to " +
                             std::to_string(c.after) + ".\n\n");
    }
}

TEST_F(DebugCommands, WithoutAnArgumentTheStateAndAHintAreShown)
{
    const std::string level_hint =
        "\nTo change the debug level, you must give a number between 0 and 3.\n\n";
    const std::string file_hint = "\nYou must give a filename to change the debug file.\n\n";
    std::string good = dir / "debug.log";
    std::string bad = dir / "missing/debug.log";

    xirr_client_set_debug_logfile_name(good.c_str());
    xirr_debug_level = 2;
    EXPECT_EQ(run("//debuglevel"), "\nThe current debug level is:     2\n"
                                   "The current debug filename is:  " + good + "\n" + level_hint);
    EXPECT_EQ(run("//debugfilename"), "\nThe current debug level is:     2\n"
                                      "The current debug filename is:  " + good + "\n" + file_hint);
    close_log();

    xirr_client_set_debug_logfile_name(bad.c_str());
    EXPECT_EQ(run("//debuglevel"),
              "\n\nDebug logging is currently DISABLED - unable to open debug file.\n"
              "The failed filename is:  " + bad + "\n\n" + level_hint);

    // A log on standard output has no name to show.
    xirr_client_set_debug_logfile_name(nullptr);
    EXPECT_EQ(run("//debuglevel"), "\nThe current debug level is:     2\n"
                                   "The current debug filename is:  \n" + level_hint);
}

TEST_F(DebugCommands, FileChangeKeepsALogWhereverItCan)
{
    std::string old_log = dir / "old/old.log";
    std::string new_log = dir / "new.log";
    std::string bad = dir / "missing/x.log";
    std::filesystem::create_directory(dir / "old");

    // A file that opens becomes the log; only the command's first word is
    // the name.
    xirr_client_set_debug_logfile_name(old_log.c_str());
    EXPECT_EQ(run("//debugfilename " + new_log + " trailing words"),
              "\nDebug logfile changed.\n\n");
    xirr_debug_printf("to the new file\n");
    EXPECT_EQ(logged(new_log), "to the new file\n");

    // One that does not leaves the old one in place.
    xirr_client_set_debug_logfile_name(old_log.c_str());
    EXPECT_EQ(run("//debugf " + bad), "\nUnable to open new logfile, old logfile not changed.\n\n");
    xirr_debug_printf("still the old file\n");
    EXPECT_EQ(logged(old_log), "still the old file\n");

    // When the old file cannot open again either, the user is told so.
    xirr_client_set_debug_logfile_name(old_log.c_str());
    xirr_client_try_open_debug_logfile();
    std::filesystem::remove_all(dir / "old");
    EXPECT_EQ(run("//debugfile " + bad),
              "\nUnable to open new logfile, and could not re-open old logfile.  "
              "No logfile currently set.\n\n");

    // Without an old name (the log was on standard output) there is nothing
    // to go back to.
    close_log();
    xirr_client_set_debug_logfile_name(nullptr);
    EXPECT_EQ(run("//debugfile " + bad),
              "\nUnable to open logfile.  Please try again with a different name/path.\n\n");
    EXPECT_FALSE(th_test::exists(bad));
}

}  // namespace
