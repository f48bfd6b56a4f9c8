#include "foundation/client_dirs.h"

#include "foundation/debug_log.h"
#include "log_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using th_test::exists;
using th_test::is_directory;
using th_test::opened_line;
using th_test::read_text;
using th_test::write_text;

using ClientDirs = th_test::log_test;

mode_t permissions(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST_F(ClientDirs, RecursiveMkdirCreatesComponentsFollowedByASeparator)
{
    struct mkdir_case {
        const char *path;                  // below the scratch directory
        bool backslashes;                  // every "/" of the whole path written as "\"
        std::vector<std::string> dirs;     // directories afterwards
        std::vector<std::string> absent;   // names that must not exist
    };
    const mkdir_case cases[] = {
        {"a/b/c.txt", false, {"a", "a/b"}, {"a/b/c.txt"}},
        {"a/b/", false, {"a", "a/b"}, {}},
        {"a//b///c", false, {"a", "a/b"}, {"a/b/c"}},
        {"a\\b\\c\\", false, {"a", "a/b", "a/b/c"}, {}},
        {"a/b\\c.txt", true, {"a", "a/b"}, {"a/b/c.txt"}},
        {"file_only", false, {}, {"file_only"}},
    };
    for (const mkdir_case &c : cases) {
        SCOPED_TRACE(c.path);
        th_test::scratch_dir base;
        std::string path = base / c.path;
        if (c.backslashes)
            std::replace(path.begin(), path.end(), '/', '\\');
        xirr_bounded_text failed;
        EXPECT_EQ(xirr_recursive_mkdir(path.c_str(), 0755, &failed), 1);
        EXPECT_STREQ(failed.c_str(), "");
        for (const std::string &d : c.dirs)
            EXPECT_TRUE(is_directory(base / d)) << d;
        for (const std::string &a : c.absent)
            EXPECT_FALSE(exists(base / a)) << a;
    }
}

TEST_F(ClientDirs, RecursiveMkdirReportsTheFailingPath)
{
    write_text(dir / "file", "");
    ASSERT_EQ(mkdir((dir / "a").c_str(), 0700), 0);
    write_text(dir / "a/file", "");
    struct failure_case {
        std::string path;
        std::string failing;
    };
    const failure_case cases[] = {
        {dir / "file/sub/", dir / "file"},             // a regular file on the way
        {dir / "a/file/", dir / "a/file"},             // the last directory is a regular file
        {"/proc/th_no_such/x/", "/proc/th_no_such"},   // creation refused
        {"/" + std::string(6000, 'x') + "/", "/" + std::string(6000, 'x') + "/"},   // too long
    };
    for (const failure_case &c : cases) {
        SCOPED_TRACE(c.path.substr(0, 80));
        xirr_bounded_text failed;
        failed.append("earlier: ");
        EXPECT_EQ(xirr_recursive_mkdir(c.path.c_str(), 0700, &failed), 0);
        EXPECT_EQ(std::string(failed.c_str()), ("earlier: " + c.failing).substr(0, 5999));
        EXPECT_EQ(xirr_recursive_mkdir(c.path.c_str(), 0700, nullptr), 0);
    }
}

TEST_F(ClientDirs, NullPathsAreLoggedErrors)
{
    std::string log = dir / "log.txt";
    xirr_client_set_debug_logfile_name(log.c_str());
    xirr_bounded_text failed;
    EXPECT_EQ(xirr_recursive_mkdir(nullptr, 0700, &failed), 0);
    EXPECT_EQ(xirr_create_and_check_writeable_directory(nullptr, 0700, &failed), 0);
    EXPECT_STREQ(failed.c_str(), "");
    close_log();
    EXPECT_EQ(read_text(log),
              "Error in xirr_recursive_mkdir(), NULL path.\n"
              "Error in xirr_create_and_check_writeable_directory(), NULL path.\n");
}

TEST_F(ClientDirs, WriteableDirectoryIsCreatedPrivateAndLeftClean)
{
    std::string path = dir / "a/b";
    mode_t saved_mask = umask(0);
    xirr_bounded_text failed;
    int result = xirr_create_and_check_writeable_directory(path.c_str(), 0777, &failed);
    umask(saved_mask);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(permissions(dir / "a"), 0700u);
    EXPECT_EQ(permissions(path), 0700u);
    EXPECT_FALSE(exists(path + "/xx-rw-test.qqq"));
    // An existing directory passes again.
    EXPECT_EQ(xirr_create_and_check_writeable_directory(path.c_str(), 0700, &failed), 1);
    EXPECT_STREQ(failed.c_str(), "");
}

TEST_F(ClientDirs, UnusableDirectoriesReportTheFailingPath)
{
    write_text(dir / "file", "");
    struct unusable_case {
        std::string path;
        std::string failing;
    };
    const unusable_case cases[] = {
        {dir / "file", dir / "file"},             // a regular file
        {"/proc", "/proc/xx-rw-test.qqq"},        // a directory that takes no new files
        {std::string(5998, 'x'), std::string(5998, 'x') + "/"},   // too long
    };
    for (const unusable_case &c : cases) {
        SCOPED_TRACE(c.path.substr(0, 80));
        xirr_bounded_text failed;
        EXPECT_EQ(xirr_create_and_check_writeable_directory(c.path.c_str(), 0700, &failed), 0);
        EXPECT_EQ(std::string(failed.c_str()), c.failing);
    }
}

// Set-up changes state that cannot be reset (the stored directory, HOME, the
// working directory), so each of these tests runs it in a child process.
class ConfigDirectory : public th_test::log_test {
protected:
    // In the child: log into the scratch directory at level 3 and work from
    // cwd with the given HOME (null: unset).
    void enter(const char *home, const std::string &cwd)
    {
        if (home)
            setenv("HOME", home, 1);
        else
            unsetenv("HOME");
        ASSERT_EQ(chdir(cwd.c_str()), 0);
        unlink(log.c_str());
        xirr_client_set_debug_logfile_name(log.c_str());
        xirr_debug_level = 3;
    }
    std::string log_text()
    {
        close_log();
        return read_text(log);
    }

    std::string log = dir / "log.txt";
};

std::string checking(const std::string &candidate, bool usable)
{
    return "Checking config directory: " + candidate + (usable ? "\n" : " [FAIL]\n");
}

std::string got_final(const std::string &path)
{
    return "xirr_client_set_up_config_directory() - got final config directory '" + path + "'\n";
}

TEST_F(ConfigDirectory, HiddenDirectoryInHome)
{
    std::string home = dir / "home";
    ASSERT_EQ(mkdir(home.c_str(), 0700), 0);
    th_test::run_in_child([&] {
        enter(home.c_str(), dir.path());
        ASSERT_EQ(xirr_client_set_up_config_directory("TarnHollow"), 1);
        std::string expected = home + "/.TarnHollow";
        EXPECT_STREQ(xirr_client_get_config_directory(), expected.c_str());
        EXPECT_TRUE(is_directory(expected));
        EXPECT_EQ(log_text(), opened_line(log) + checking(expected, true) + got_final(expected));
    });
}

TEST_F(ConfigDirectory, FallsBackWhenHomeIsNotWriteable)
{
    // HOME lies below a regular file; each row blocks more candidates with
    // regular files of their names.
    write_text(dir / "home_file", "");
    std::string home = dir / "home_file/home";
    struct fallback_case {
        int blocked;   // how many of ".base", "/tmp/base", "base" are regular files
        int chosen;    // candidate taken (0 home, 1 ".base", 2 "/tmp/base", 3 "base"), -1 none
    };
    const fallback_case cases[] = {{0, 1}, {1, 2}, {2, 3}, {3, -1}};
    for (const fallback_case &c : cases) {
        SCOPED_TRACE("blocked " + std::to_string(c.blocked));
        th_test::scratch_dir cwd;
        th_test::run_in_child([&] {
            const std::string base = "th_dirs_test_" + std::to_string(getpid());
            const std::string candidates[] = {home + "/." + base, "." + base, "/tmp/" + base, base};
            enter(home.c_str(), cwd.path());
            for (int i = 1; i <= c.blocked; ++i)
                write_text(candidates[i], "");

            EXPECT_EQ(xirr_client_set_up_config_directory(base.c_str()), c.chosen >= 0);
            std::string expected = opened_line(log);
            int last = c.chosen >= 0 ? c.chosen : 3;
            for (int i = 0; i <= last; ++i)
                expected += checking(candidates[i], i == c.chosen);
            if (c.chosen >= 0) {
                expected += got_final(candidates[c.chosen]);
                EXPECT_STREQ(xirr_client_get_config_directory(), candidates[c.chosen].c_str());
                EXPECT_TRUE(is_directory(candidates[c.chosen]));
            } else {
                expected += "xirr_client_set_up_config_directory() - Giving up.  "
                            "Cannot create config directory.\n";
                EXPECT_EQ(xirr_client_get_config_directory(), nullptr);
            }
            EXPECT_EQ(log_text(), expected);
            std::error_code ignored;
            std::filesystem::remove_all(candidates[2], ignored);
        });
    }
}

TEST_F(ConfigDirectory, MissingHomeIsAnError)
{
    const char *homes[] = {nullptr, ""};
    for (const char *home : homes) {
        SCOPED_TRACE(home ? "empty HOME" : "HOME unset");
        th_test::run_in_child([&] {
            enter(home, dir.path());
            EXPECT_EQ(xirr_client_set_up_config_directory("TarnHollow"), 0);
            EXPECT_EQ(xirr_client_get_config_directory(), nullptr);
            EXPECT_EQ(log_text(),
                      opened_line(log) +
                          "Error in xirr_client_set_up_config_directory(), unable to fetch home "
                          "directory - please set HOME environment variable and restart.\n");
            EXPECT_FALSE(exists(".TarnHollow"));
        });
    }
}

TEST_F(ConfigDirectory, MissingBaseNameIsRefused)
{
    std::string home = dir / "home";
    th_test::run_in_child([&] {
        enter(home.c_str(), dir.path());
        EXPECT_EQ(xirr_client_set_up_config_directory(nullptr), 0);
        EXPECT_EQ(xirr_client_set_up_config_directory(""), 0);
        EXPECT_EQ(xirr_client_get_config_directory(), nullptr);
        EXPECT_FALSE(exists(home));
    });
}

TEST_F(ConfigDirectory, SecondSetUpLogsAndReplacesThePath)
{
    std::string home = dir / "home";
    th_test::run_in_child([&] {
        enter(home.c_str(), dir.path());
        ASSERT_EQ(xirr_client_set_up_config_directory("first"), 1);
        close_log();
        ASSERT_EQ(unlink(log.c_str()), 0);
        xirr_client_set_debug_logfile_name(log.c_str());

        ASSERT_EQ(xirr_client_set_up_config_directory("second"), 1);
        EXPECT_STREQ(xirr_client_get_config_directory(), (home + "/.second").c_str());
        EXPECT_EQ(log_text(),
                  opened_line(log) +
                      "Error in xirr_client_set_up_config_directory(), attempt to change config "
                      "directory path after initial configuration.\n"
                      "Old path '" + home + "/.first', new base name 'second'\n" +
                      checking(home + "/.second", true) + got_final(home + "/.second"));

        // A set-up that fails keeps the directory found before.
        xirr_debug_level = 0;
        unsetenv("HOME");
        EXPECT_EQ(xirr_client_set_up_config_directory("third"), 0);
        EXPECT_STREQ(xirr_client_get_config_directory(), (home + "/.second").c_str());
    });
}

}  // namespace
