#include "foundation/bounded_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

constexpr size_t limit = xirr_bounded_text::capacity - 1;   // 5999 characters

// Every way of appending, each given the text to add.
struct append_method {
    const char *name;
    std::function<void(xirr_bounded_text &, const std::string &)> append;
};

const append_method methods[] = {
    {"append", [](xirr_bounded_text &t, const std::string &s) { t.append(s.c_str()); }},
    {"append with length",
     [](xirr_bounded_text &t, const std::string &s) { t.append(s.data(), s.size()); }},
    {"append_char",
     [](xirr_bounded_text &t, const std::string &s) {
         for (char c : s)
             t.append_char(c);
     }},
    {"appendf", [](xirr_bounded_text &t, const std::string &s) { t.appendf("%s", s.c_str()); }},
};

TEST(BoundedText, AppendsStopAt5999CharactersAndStayTerminated)
{
    struct cut_case {
        size_t before;   // 'a' characters already there
        size_t added;    // 'b' characters appended
    };
    const cut_case cases[] = {
        {0, 5998}, {0, 5999}, {0, 6000}, {0, 20000}, {5000, 998}, {5000, 2000}, {5999, 1}, {5998, 5},
    };
    for (const append_method &m : methods) {
        for (const cut_case &c : cases) {
            SCOPED_TRACE(std::string(m.name) + ": " + std::to_string(c.before) + " + " +
                         std::to_string(c.added));
            xirr_bounded_text t;
            t.append(std::string(c.before, 'a').c_str());
            m.append(t, std::string(c.added, 'b'));
            size_t kept = std::min(c.added, limit - c.before);
            std::string expected = std::string(c.before, 'a') + std::string(kept, 'b');
            ASSERT_EQ(t.length, expected.size());
            EXPECT_EQ(t.text[t.length], '\0');
            EXPECT_EQ(std::string(t.c_str()), expected);
            EXPECT_EQ(t.full(), expected.size() == limit);
        }
    }
}

TEST(BoundedText, NullTextAppendsNullMarker)
{
    xirr_bounded_text t;
    t.append(nullptr);
    t.append_char(' ');
    t.append(nullptr, 2);
    EXPECT_STREQ(t.c_str(), "(null) (null)");
    EXPECT_EQ(t.length, strlen("(null) (null)"));

    // Cut like any other text when it does not fit.
    xirr_bounded_text nearly_full;
    nearly_full.append(std::string(limit - 3, 'a').c_str());
    nearly_full.append(nullptr);
    EXPECT_EQ(std::string(nearly_full.c_str()), std::string(limit - 3, 'a') + "(nu");
}

TEST(BoundedText, AppendsAndFormatsAfterExistingText)
{
    xirr_bounded_text t;
    t.append("path=");
    t.append("/home/user/extra", 10);
    t.appendf(" %d%c%s", 42, '/', "x");
    EXPECT_STREQ(t.c_str(), "path=/home/user 42/x");
    EXPECT_EQ(t.length, strlen("path=/home/user 42/x"));

    t.clear();
    EXPECT_EQ(t.length, 0u);
    EXPECT_STREQ(t.c_str(), "");
    t.append("again");
    EXPECT_STREQ(t.c_str(), "again");
}

}  // namespace
