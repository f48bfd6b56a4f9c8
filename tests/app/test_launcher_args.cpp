#include "app/launcher_args.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string launcher_version_of(std::vector<const char *> argv)
{
    xirr_launcher_args args;
    xirr_parse_command_line((int)argv.size(), argv.data(), &args);
    return args.launcher_version;
}

struct command_line_case {
    std::vector<const char *> argv;
    const char *expected;
};

TEST(LauncherArgs, TakesFlagsLeftToRight)
{
    const command_line_case cases[] = {
        {{"tarn-hollow"}, ""},
        {{"tarn-hollow", "-l", "2.1", "-x"}, "2.1"},
        {{"tarn-hollow", "-L", "2.1"}, "2.1"},                              // case-insensitive
        {{"tarn-hollow", "-l"}, ""},                                       // lone -l sets nothing
        {{"tarn-hollow", "-l", "2.1", "-n"}, "(old style launcher)"},      // order decides
        {{"tarn-hollow", "-n", "-l", "2.1"}, "2.1"},
        {{"tarn-hollow", "-l", "-n"}, "-n"},                               // whatever follows -l
        {{"tarn-hollow", "-lx", "2.1"}, ""},                               // whole words only
        {{"tarn-hollow", "-l", "1.0", "-l", "3.0"}, "3.0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(launcher_version_of(c.argv), c.expected) << c.argv.size() << " arguments";
}

TEST(LauncherArgs, CutsLongVersionAt256Characters)
{
    std::string long_version(1000, 'v');
    EXPECT_EQ(launcher_version_of({"tarn-hollow", "-l", long_version.c_str()}),
              std::string(XIRR_LAUNCHER_VERSION_MAX, 'v'));
}

TEST(LauncherArgs, IgnoresNullArguments)
{
    EXPECT_EQ(launcher_version_of({"tarn-hollow", nullptr, "-l", "2.0"}), "2.0");
    EXPECT_EQ(launcher_version_of({"tarn-hollow", "-l", nullptr}), "");
}

}  // namespace
