#include "display/selection.h"

#include "../foundation/captured_log.h"
#include "display/text_store.h"
#include "view_test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

TEST(Selection, NormaliseOrdersAnchorAndCursor)
{
    struct order_case {
        xirr_text_position anchor, cursor, start, end;
    } cases[] = {
        {{1, 5}, {3, 2}, {1, 5}, {3, 2}},   // cursor on a later line
        {{3, 2}, {1, 5}, {1, 5}, {3, 2}},   // cursor on an earlier line
        {{2, 7}, {2, 3}, {2, 3}, {2, 7}},   // same line: the smaller offset starts
        {{2, 3}, {2, 7}, {2, 3}, {2, 7}},
        {{2, 4}, {2, 4}, {2, 4}, {2, 4}},
    };
    for (const order_case &c : cases) {
        xirr_selection s;
        s.anchor = c.anchor;
        s.cursor = c.cursor;
        s.normalise();
        EXPECT_EQ(s.start, c.start);
        EXPECT_EQ(s.end, c.end);
    }
}

TEST(Selection, SelectedOffsetsPerLine)
{
    xirr_selection s;
    s.active = 1;
    s.start = {2, 4};
    s.end = {5, 1};
    struct range_case {
        int line, selected, first, last;
    } cases[] = {
        {1, 0, 0, 0}, {2, 1, 4, INT_MAX}, {3, 1, 0, INT_MAX}, {5, 1, 0, 1}, {6, 0, 0, 0},
    };
    for (const range_case &c : cases) {
        SCOPED_TRACE(c.line);
        int first = -1, last = -1;
        ASSERT_EQ(s.line_range(c.line, &first, &last), c.selected);
        if (c.selected) {
            EXPECT_EQ(first, c.first);
            EXPECT_EQ(last, c.last);
        }
    }
    s.start = s.end = {4, 3};
    int first = -1, last = -1;
    ASSERT_EQ(s.line_range(4, &first, &last), 1);
    EXPECT_EQ(first, 3);
    EXPECT_EQ(last, 3);
    s.active = 0;
    EXPECT_EQ(s.line_range(4, &first, &last), 0);
}

// Lines of 10 characters of 8 pixels (an 80-pixel window).
class SelectionText : public ::testing::Test {
protected:
    void SetUp() override
    {
        th_view::set_fixed_metrics(store, 8, 10);
        store.set_client_size(80, 100);
    }
    std::string text_of(xirr_text_position start, xirr_text_position end)
    {
        xirr_selection s;
        s.active = 1;
        s.start = start;
        s.end = end;
        std::string out = "unset";
        EXPECT_EQ(s.text(store, &out), 1);
        return out;
    }
    xirr_textctrl_store store;
};

TEST_F(SelectionText, LineFeedsOnlyAtHardLineEnds)
{
    // "abcdefgh " is broken off by word wrap; "ijklmnop" ends with a line feed.
    store.append("abcdefgh ijklmnop\nshort\nlast", 28);
    ASSERT_EQ(store.current_line(), 3);
    EXPECT_EQ(text_of({0, 4}, {1, 3}), "efgh ijkl");
    EXPECT_EQ(text_of({1, 5}, {2, 1}), "nop\nsh");
    EXPECT_EQ(text_of({0, 0}, {3, 99}), "abcdefgh ijklmnop\nshort\nlast");
    EXPECT_EQ(text_of({2, 1}, {2, 3}), "hor");
    // Starting past the end of a line gives only its line feed.
    EXPECT_EQ(text_of({2, 40}, {3, 0}), "\nl");
}

TEST_F(SelectionText, MissingLineCopiesNothing)
{
    store.append("one\ntwo\n", 8);
    captured_log log(2);
    xirr_selection s;
    s.active = 1;
    s.start = {1, 0};
    s.end = {7, 2};
    std::string out = "unset";
    EXPECT_EQ(s.text(store, &out), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(log.text(), "Error in copy_selection_to_clipboard(), line 7 NULL.\n");
}

}  // namespace
