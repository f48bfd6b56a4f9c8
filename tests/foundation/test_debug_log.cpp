#include "foundation/debug_log.h"

#include "log_test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using th_test::exists;
using th_test::opened_line;
using th_test::read_text;
using th_test::write_text;

using DebugLog = th_test::log_test;

const char write_failed_line[] = "Error in xirr_signal_safe_logfile::write(), write failed.\n";
const char limiter_line[] = "Error in xirr_signal_safe_logfile::write(), recursion limiter triggered.\n";

TEST_F(DebugLog, LevelAndClassGate)
{
    struct gate_case {
        int level;
        unsigned mask;
        bool written;
    };
    const gate_case cases[] = {
        {-5, 0x04, false}, {-1, 0x100, false}, {0, 0x04, false},  {0, 0x100, false},
        {0, 0x00, false},  {1, 0x00, false},   {1, 0x04, true},   {1, 0x100, false},
        {1, 0x104, false}, {2, 0x04, true},    {2, 0x100, false}, {3, 0x00, false},
        {3, 0x04, true},   {3, 0x100, true},   {9, 0x100, true},
    };
    int index = 0;
    for (const gate_case &c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.level) + " mask " + std::to_string(c.mask));
        std::string path = dir / ("log" + std::to_string(index++) + ".txt");
        ASSERT_NE(xirr_client_set_debug_logfile_name(path.c_str()), nullptr);
        xirr_debug_level = c.level;
        xirr_debug_log("message", c.mask);
        xirr_debug_level = 1;
        close_log();
        if (c.written)
            EXPECT_EQ(read_text(path), (c.level > 2 ? opened_line(path) : "") + "message\n");
        else
            EXPECT_FALSE(exists(path)) << "a message below the gate opened the log";
    }
}

TEST_F(DebugLog, PrintfAppendsUnchangedTextToAnExistingFile)
{
    std::string path = dir / "log.txt";
    write_text(path, "earlier run\n");
    xirr_client_set_debug_logfile_name(path.c_str());
    xirr_debug_printf("%s=%d", "level", 5);
    xirr_debug_printf(" and %c\n", 'x');
    xirr_debug_log(nullptr, XIRR_LOG_MALFORMED);
    close_log();
    EXPECT_EQ(read_text(path), "earlier run\nlevel=5 and x\n(null)\n");
}

TEST_F(DebugLog, NewLogFileHasMode0644)
{
    std::string path = dir / "log.txt";
    mode_t saved_mask = umask(0);
    xirr_client_set_debug_logfile_name(path.c_str());
    xirr_debug_log("hello", XIRR_LOG_BAD_ARGUMENT);
    umask(saved_mask);
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
}

TEST_F(DebugLog, PrintfCutsAt10239Characters)
{
    const size_t lengths[] = {10238, 10239, 10240, 30000};
    for (size_t length : lengths) {
        SCOPED_TRACE(length);
        std::string path = dir / ("log" + std::to_string(length) + ".txt");
        xirr_client_set_debug_logfile_name(path.c_str());
        xirr_debug_printf("%s", std::string(length, 'a').c_str());
        close_log();
        EXPECT_EQ(read_text(path), std::string(std::min(length, XIRR_DEBUG_PRINTF_MAX), 'a'));
    }
}

TEST_F(DebugLog, UnopenablePathsSetTheFailedFlag)
{
    write_text(dir / "plain_file", "");
    const std::string paths[] = {
        dir / "plain_file/log.txt",      // parent is a regular file
        dir.path(),                      // a directory
        "/proc/th_no_such_dir/log.txt",  // a file system that refuses new files
    };
    for (const std::string &path : paths) {
        SCOPED_TRACE(path);
        xirr_client_set_debug_logfile_name(path.c_str());
        xirr_debug_log("lost", XIRR_LOG_CREATE_FAILED);
        EXPECT_FALSE(xirr_client_debug_logfile_is_open());
        EXPECT_EQ(xirr_client_debug_logfile_failed(), 1);
        EXPECT_STREQ(xirr_client_debug_logfile_name(), path.c_str());
    }
}

TEST_F(DebugLog, FailedOpenIsNotRetriedUntilANewNameIsSet)
{
    std::string blocker = dir / "blocker";
    std::string path = blocker + "/log.txt";
    write_text(blocker, "");
    xirr_client_set_debug_logfile_name(path.c_str());
    xirr_debug_log("first", XIRR_LOG_BAD_ARGUMENT);
    ASSERT_EQ(xirr_client_debug_logfile_failed(), 1);

    // The place becomes writable, but the log does not try again.
    ASSERT_EQ(unlink(blocker.c_str()), 0);
    ASSERT_EQ(mkdir(blocker.c_str(), 0700), 0);
    xirr_debug_log("second", XIRR_LOG_BAD_ARGUMENT);
    xirr_debug_printf("third\n");
    EXPECT_EQ(xirr_client_debug_logfile_failed(), 1);
    EXPECT_FALSE(exists(path));

    xirr_client_set_debug_logfile_name(path.c_str());
    EXPECT_EQ(xirr_client_debug_logfile_failed(), 0);
    xirr_debug_log("fourth", XIRR_LOG_BAD_ARGUMENT);
    close_log();
    EXPECT_EQ(read_text(path), "fourth\n");
}

TEST_F(DebugLog, WithoutANameTheLogIsStandardOutput)
{
    std::string captured = dir / "stdout.txt";
    th_test::run_in_child([&] {
        int out = open(captured.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(out, 0);
        ASSERT_EQ(dup2(out, STDOUT_FILENO), STDOUT_FILENO);
        xirr_debug_level = 3;
        xirr_debug_log("to standard output", XIRR_LOG_PROTOCOL);
        EXPECT_EQ(xirr_client_debug_logfile_name(), nullptr);
    });
    EXPECT_EQ(read_text(captured),
              "xirr_client_try_open_debug_logfile() - using STDOUT.\nto standard output\n");
}

TEST_F(DebugLog, MisuseIsLoggedAndChangesNothing)
{
    std::string path = dir / "log.txt";
    std::string other = dir / "other.txt";
    xirr_client_set_debug_logfile_name(path.c_str());
    // Closing a log that is not open: the error itself opens the log.
    xirr_client_debug_logfile_close();
    ASSERT_TRUE(xirr_client_debug_logfile_is_open());
    EXPECT_EQ(xirr_client_set_debug_logfile_name(other.c_str()), nullptr);
    EXPECT_STREQ(xirr_client_debug_logfile_name(), path.c_str());
    xirr_client_try_open_debug_logfile();
    close_log();
    EXPECT_EQ(read_text(path),
              "Error in xirr_client_debug_logfile_close(), no logfile open.\n"
              "Error in xirr_client_set_debug_logfile_name(), logfile already open.\n"
              "Error in xirr_client_try_open_debug_logfile(), logfile already open.\n");
    EXPECT_FALSE(exists(other));
}

TEST_F(DebugLog, SetNameStoresACopy)
{
    char name[64];
    snprintf(name, sizeof name, "%s", (dir / "a.txt").c_str());
    const char *stored = xirr_client_set_debug_logfile_name(name);
    ASSERT_NE(stored, nullptr);
    name[0] = 'X';
    EXPECT_EQ(std::string(stored), dir / "a.txt");
    // Setting the stored name again, from the stored copy itself, keeps it.
    EXPECT_STREQ(xirr_client_set_debug_logfile_name(stored), (dir / "a.txt").c_str());
    EXPECT_EQ(xirr_client_set_debug_logfile_name(nullptr), nullptr);
}

TEST_F(DebugLog, FailingWriteIsReportedOncePerRunOfFailures)
{
    std::string path = dir / "log.txt";
    std::string good_path = dir / "good.txt";
    xirr_client_set_debug_logfile_name(path.c_str());   // receives the reports

    xirr_signal_safe_logfile writer;
    int full = open("/dev/full", O_WRONLY);
    int good = open(good_path.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(full, 0);
    ASSERT_GE(good, 0);
    writer.descriptor = full;
    errno = EDOM;
    EXPECT_EQ(writer.write("lost 1"), 0);
    EXPECT_EQ(errno, EDOM);
    EXPECT_EQ(writer.write("lost 2"), 0);
    writer.descriptor = good;
    EXPECT_EQ(writer.write("kept"), 1);
    EXPECT_EQ(writer.write_failed, 0);
    writer.descriptor = full;
    EXPECT_EQ(writer.write("lost 3"), 0);
    EXPECT_EQ(writer.depth, 0);
    close(good);

    close_log();
    EXPECT_EQ(read_text(path), std::string(write_failed_line) + write_failed_line);
    EXPECT_EQ(read_text(good_path), "kept");
}

TEST_F(DebugLog, FailingDiskUnderTheLogDoesNotRecurse)
{
    xirr_client_set_debug_logfile_name("/dev/full");
    for (int i = 0; i < 3; ++i)
        xirr_debug_log("lost", XIRR_LOG_OP_FAILED);
    EXPECT_TRUE(xirr_client_debug_logfile_is_open());
    EXPECT_EQ(xirr_client_debug_logfile_failed(), 0);
}

TEST_F(DebugLog, RecursionLimiterReportsAtThe26thNestedWrite)
{
    struct depth_case {
        int depth;
        const char *text;
        int result;
        std::string written;
    };
    const depth_case cases[] = {
        {0, "text", 1, "text"},
        {0, nullptr, 1, "(null)"},
        {24, "text", 1, "text"},
        {25, "text", 0, limiter_line},
        {26, "text", 0, ""},
        {1000, "text", 0, ""},
    };
    int index = 0;
    for (const depth_case &c : cases) {
        SCOPED_TRACE("depth " + std::to_string(c.depth));
        std::string path = dir / ("out" + std::to_string(index++) + ".txt");
        xirr_signal_safe_logfile writer;
        writer.descriptor = open(path.c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(writer.descriptor, 0);
        writer.depth = c.depth;
        EXPECT_EQ(writer.write(c.text), c.result);
        EXPECT_EQ(writer.depth, c.depth);
        writer.close();
        EXPECT_EQ(writer.descriptor, -1);
        EXPECT_EQ(read_text(path), c.written);
    }
}

TEST_F(DebugLog, ChangeToANewFile)
{
    std::string old_path = dir / "old.txt";
    std::string new_path = dir / "new.txt";
    xirr_client_set_debug_logfile_name(old_path.c_str());
    xirr_debug_log("before", XIRR_LOG_BAD_ARGUMENT);
    EXPECT_EQ(xirr_client_change_debug_logfile(new_path.c_str(), nullptr), 1);
    xirr_debug_log("after", XIRR_LOG_BAD_ARGUMENT);
    EXPECT_STREQ(xirr_client_debug_logfile_name(), new_path.c_str());
    close_log();
    EXPECT_EQ(read_text(old_path), "before\n");
    EXPECT_EQ(read_text(new_path), "after\n");
}

TEST_F(DebugLog, ChangeFailureGoesBackToTheOldFile)
{
    std::string old_path = dir / "old.txt";
    std::string bad_path = dir / "missing/new.txt";
    xirr_client_set_debug_logfile_name(old_path.c_str());
    xirr_debug_log("before", XIRR_LOG_BAD_ARGUMENT);
    xirr_logfile_fallback fallback = XIRR_LOGFILE_NO_OLD;
    EXPECT_EQ(xirr_client_change_debug_logfile(bad_path.c_str(), &fallback), 0);
    EXPECT_EQ(fallback, XIRR_LOGFILE_OLD_REOPENED);
    xirr_debug_log("after", XIRR_LOG_BAD_ARGUMENT);
    EXPECT_STREQ(xirr_client_debug_logfile_name(), old_path.c_str());
    close_log();
    EXPECT_EQ(read_text(old_path), "before\nafter\n");
}

TEST_F(DebugLog, ChangeFailureWithoutAnOldName)
{
    // No name: the log is standard output, which does not count as a file to go back to.
    std::string bad_path = dir / "missing/new.txt";
    xirr_logfile_fallback fallback = XIRR_LOGFILE_OLD_REOPENED;
    EXPECT_EQ(xirr_client_change_debug_logfile(bad_path.c_str(), &fallback), 0);
    EXPECT_EQ(fallback, XIRR_LOGFILE_NO_OLD);
    EXPECT_EQ(xirr_client_debug_logfile_failed(), 1);
}

TEST_F(DebugLog, ChangeFailureWhenTheOldFileCannotBeReopened)
{
    std::string old_dir = dir / "old";
    std::string old_path = old_dir + "/log.txt";
    ASSERT_EQ(mkdir(old_dir.c_str(), 0700), 0);
    xirr_client_set_debug_logfile_name(old_path.c_str());
    xirr_debug_log("before", XIRR_LOG_BAD_ARGUMENT);
    // The old file's directory is replaced by a regular file while the log is open.
    ASSERT_EQ(unlink(old_path.c_str()), 0);
    ASSERT_EQ(rmdir(old_dir.c_str()), 0);
    write_text(old_dir, "");

    xirr_logfile_fallback fallback = XIRR_LOGFILE_NO_OLD;
    EXPECT_EQ(xirr_client_change_debug_logfile((dir / "missing/new.txt").c_str(), &fallback), 0);
    EXPECT_EQ(fallback, XIRR_LOGFILE_OLD_LOST);
    EXPECT_FALSE(xirr_client_debug_logfile_is_open());
    EXPECT_EQ(xirr_client_debug_logfile_failed(), 1);
}

}  // namespace
