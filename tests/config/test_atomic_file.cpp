#include "config/atomic_file.h"

#include "config_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

TEST(AtomicFile, CommitReplacesTheFileAndAnAbandonedWriteLeavesIt)
{
    th_test::config_dir d;
    const std::string path = d.path("file.cfg");
    d.write("file.cfg", "old contents");
    {
        xirr_atomic_file file(path.c_str());
        ASSERT_NE(file.stream(), nullptr);
        fputs("half written", file.stream());
        EXPECT_EQ(d.read("file.cfg"), "old contents");
    }
    EXPECT_EQ(d.read("file.cfg"), "old contents");
    EXPECT_EQ(d.listing(), std::vector<std::string>{"file.cfg"});

    xirr_atomic_file file(path.c_str());
    fputs("new contents", file.stream());
    EXPECT_EQ(file.commit(), 1);
    EXPECT_EQ(d.read("file.cfg"), "new contents");
    EXPECT_EQ(d.listing(), std::vector<std::string>{"file.cfg"});
    EXPECT_EQ(file.commit(), 0);   // once only
}

TEST(AtomicFile, AFileThatCannotBeCreatedIsReported)
{
    th_test::config_dir d;
    captured_log log;
    xirr_atomic_file file(d.path("missing/file.cfg").c_str());
    EXPECT_EQ(file.stream(), nullptr);
    EXPECT_EQ(file.commit(), 0);
    EXPECT_THAT(log.text(), HasSubstr("cannot create a temporary file for '" + d.path("missing/file.cfg") + "'"));

    xirr_atomic_file none(nullptr);
    EXPECT_EQ(none.stream(), nullptr);
}

TEST(AtomicFile, ARenameOntoADirectoryFailsAndCleansUp)
{
    th_test::config_dir d;
    mkdir(d.path("taken").c_str(), 0700);
    mkdir(d.path("taken/inside").c_str(), 0700);
    captured_log log;
    xirr_atomic_file file(d.path("taken").c_str());
    ASSERT_NE(file.stream(), nullptr);
    fputs("x", file.stream());
    EXPECT_EQ(file.commit(), 0);
    EXPECT_EQ(d.listing(), (std::vector<std::string>{"taken", "taken/inside"}));
    EXPECT_THAT(log.text(), HasSubstr("cannot write '" + d.path("taken") + "'"));
}

}  // namespace
