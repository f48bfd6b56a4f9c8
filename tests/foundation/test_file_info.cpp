#include "foundation/file_info.h"

#include "captured_log.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/time.h>

TEST(file_info, kinds_sizes_and_times)
{
    th_test::scratch_dir dir;
    th_test::write_text(dir / "five.txt", "12345");
    timeval times[2] = {{1600000000, 0}, {1700000000, 0}};
    ASSERT_EQ(utimes((dir / "five.txt").c_str(), times), 0);
    ASSERT_EQ(mkdir((dir / "sub").c_str(), 0700), 0);
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    ASSERT_EQ(symlink("five.txt", (dir / "link").c_str()), 0);

    struct kind_case {
        const char *name;
        int exists, directory, regular;
    };
    const kind_case cases[] = {
        {"five.txt", 1, 0, 1},
        {"link", 1, 0, 1},   // a link is followed
        {"sub", 1, 1, 0},
        {"pipe", 1, 0, 0},   // neither kind
        {"missing", 0, 0, 0},
    };
    for (const kind_case &c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = dir / c.name;
        EXPECT_EQ(file_exists(path.c_str()), c.exists);
        EXPECT_EQ(is_directory(path.c_str()), c.directory);
        EXPECT_EQ(is_regular_file(path.c_str()), c.regular);

        xirr_file_info info;
        info.is_directory = info.is_regular_file = 7;
        ASSERT_EQ(xirr_filename_get_file_info(path.c_str(), &info), c.exists);
        if (c.exists) {
            EXPECT_EQ(info.is_directory, c.directory);
            EXPECT_EQ(info.is_regular_file, c.regular);
        }
    }

    xirr_file_info info;
    ASSERT_EQ(xirr_filename_get_file_info((dir / "five.txt").c_str(), &info), 1);
    EXPECT_EQ(info.size, 5);
    EXPECT_EQ(info.modification_time, 1700000000);
}

TEST(file_info, null_arguments_fail)
{
    captured_log log;
    EXPECT_EQ(xirr_filename_get_file_info("/", nullptr), 0);
    EXPECT_EQ(log.text(), "Error in xirr_filename_get_file_info(), NULL dest.\n");

    xirr_file_info info;
    EXPECT_EQ(xirr_filename_get_file_info(nullptr, &info), 0);
    EXPECT_EQ(file_exists(nullptr), 0);
    EXPECT_EQ(is_directory(nullptr), 0);
    EXPECT_EQ(is_regular_file(nullptr), 0);
}
