#include "config/char_config_file_name.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(CharConfigFileName, PlainNamesStayAndOthersAreEscaped)
{
    struct {
        std::string name;
        const char *file;
    } cases[] = {
        {"Ann", "Ann"},
        {"Sir Ann-Marie_2", "Sir Ann-Marie_2"},
        {"../evil", "%2E%2E%2Fevil"},
        {"..", "%2E%2E"},
        {"a/b", "a%2Fb"},
        {"a\\b", "a%5Cb"},
        {".hidden", "%2Ehidden"},
        {"50%", "50%25"},
        {"~", "%7E"},
        {"B\xc8t\n", "B%C8t%0A"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::string file;
        ASSERT_EQ(xirr_char_config_file_name(c.name, &file), 1);
        EXPECT_EQ(file, c.file);
    }
    std::string file = "unchanged";
    EXPECT_EQ(xirr_char_config_file_name("", &file), 0);
    EXPECT_EQ(file, "unchanged");
}

TEST(CharConfigFileName, LongNamesAreCutWithAHashAndStayDistinct)
{
    std::set<std::string> files;
    const std::string names[] = {std::string(300, 'a'), std::string(300, 'a') + "b",
                                 std::string(100, '/'), std::string(192, 'a') + "~12345678",
                                 std::string(200, 'a')};
    for (const std::string &name : names) {
        std::string file;
        ASSERT_EQ(xirr_char_config_file_name(name, &file), 1);
        EXPECT_LE(file.size(), XIRR_CHAR_CONFIG_FILE_NAME_MAX);
        EXPECT_EQ(file.find('/'), std::string::npos);
        files.insert(file);
    }
    EXPECT_EQ(files.size(), sizeof names / sizeof names[0]);
    std::string exact;
    xirr_char_config_file_name(std::string(200, 'a'), &exact);
    EXPECT_EQ(exact, std::string(200, 'a'));   // at the limit: not cut
}

}  // namespace
