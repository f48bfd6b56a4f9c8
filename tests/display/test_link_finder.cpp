#include "display/link_finder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// The link found when clicking the first occurrence of `at` in text, or
// "-" when there is none.
std::string link_at(const std::string &text, const std::string &at, int shift = 0)
{
    size_t pos = text.find(at);
    EXPECT_NE(pos, std::string::npos) << at;
    int start = -1, end = -1;
    if (!xirr_find_link(text.data(), static_cast<int>(text.size()), static_cast<int>(pos) + shift,
                        &start, &end))
        return "-";
    EXPECT_LE(start, static_cast<int>(pos) + shift);
    EXPECT_GE(end, static_cast<int>(pos) + shift);
    return text.substr(start, end - start + 1);
}

struct link_case {
    const char *text;
    const char *click;   // the first occurrence of this is clicked
    const char *link;    // "-": no link
};

TEST(LinkFinder, AcceptsAndRejects)
{
    const link_case cases[] = {
        // Schemes and "www." are links whatever the host looks like.
        {"go to http://tarnhollow.example/map now", "hollow", "http://tarnhollow.example/map"},
        {"https://a.b/x", "a.b", "https://a.b/x"},
        {"ftp://files.x.org", "files", "ftp://files.x.org"},
        {"Visit www.tarnhollow.com.", "tarn", "www.tarnhollow.com"},
        {"Visit www.x.com?,", "www", "www.x.com"},
        // The start stops at a scheme even inside a longer run.
        {"xhttp://a.bc/d", "a.bc", "http://a.bc/d"},
        // Host names without a scheme.
        {"see tarnhollow.org/help?x=1 please", "org", "tarnhollow.org/help?x=1"},
        {"host.net:8080/x", "net", "host.net:8080/x"},
        {"host.info:8", "host", "host.info:8"},
        {"example.info", "ample", "example.info"},
        {"a.b.co.uk", "a.b", "a.b.co.uk"},
        {"host.com:0", "host", "-"},        // a port starts with 1..9
        {"ab.cd:1x", "ab", "-"},            // the port must end the text or start a path
        {"1.2", "1", "-"},
        {"a.b", "a", "-"},                  // a single letter after the dot
        {"example.toolong", "ex", "-"},     // five letters after the dot
        {"FOO.COM", "FOO", "-"},            // upper case
        {"foo..com", "foo", "-"},
        {"https://localhost", "local", "-"},   // no dot at all
        // Mail addresses are not links; with a scheme the "@" is part of one.
        {"mail bob@example.com now", "bob", "-"},
        {"ftp://bob@example.com", "bob", "ftp://bob@example.com"},
        // Brackets: balanced pairs stay, the first unmatched closing one ends the link.
        {"(see http://x.org/a(b)) now", "x.org", "http://x.org/a(b)"},
        {"[www.x.com]", "www", "www.x.com"},
        {"{x.com}", "x.com", "x.com"},
        {"http://x.com/a]b", "x.com", "http://x.com/a"},
        {"a)b.com", "b.com", "-"},          // the bracket ends the link before the click
        // Characters that are never part of a link.
        {"'www.a.com'", "www", "www.a.com"},
        {"<http://x.com>", "http", "http://x.com"},
        {"`www.a.com`*", "a.com", "www.a.com"},
    };
    for (const link_case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(link_at(c.text, c.click), c.link);
    }
}

TEST(LinkFinder, ClickMustBeOnTheLink)
{
    // On the trimmed full stop, on the space before, and outside the text.
    EXPECT_EQ(link_at("www.x.com. ok", ". ok"), "-");
    EXPECT_EQ(link_at("go www.x.com", " www"), "-");
    const char text[] = "www.x.com";
    int start = 7, end = 7;
    EXPECT_EQ(xirr_find_link(text, 9, 9, &start, &end), 0);
    EXPECT_EQ(xirr_find_link(text, 9, -1, &start, &end), 0);
    EXPECT_EQ(xirr_find_link(nullptr, 9, 0, &start, &end), 0);
    EXPECT_EQ(start, 7);
    EXPECT_EQ(end, 7);
}

TEST(LinkFinder, StaysInsideTheGivenLength)
{
    // The bytes after length are not looked at: "www.x.com" cut to "www.x".
    const char text[] = "www.x.com";
    int start = -1, end = -1;
    ASSERT_EQ(xirr_find_link(text, 5, 0, &start, &end), 1);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 4);
}

}  // namespace
