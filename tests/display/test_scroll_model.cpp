#include "display/scroll_model.h"

#include "display/text_store.h"
#include "view_test_support.h"

#include <gtest/gtest.h>

namespace {

// A view of 10 visible lines (100 pixels at 10 per line) over `lines` lines
// of text, following.
class ScrollModel : public ::testing::Test {
protected:
    void fill(int lines)
    {
        th_view::set_fixed_metrics(store, 8, 10);
        store.set_client_size(800, 100);
        for (int i = 0; i < lines; i++)
            store.append("text\n", 5);
        model.scroll_to_end();
    }

    xirr_textctrl_store store;
    xirr_scroll_model model{&store};
};

TEST_F(ScrollModel, PageUpFromFollowingLocksAndStopsAtTheFirstPage)
{
    fill(100);
    ASSERT_EQ(store.current_line(), 100);
    model.lock_if_following();
    model.page_up();
    EXPECT_EQ(store.display_line(), 95);
    EXPECT_FALSE(model.following());
    EXPECT_TRUE(store.locked());
    for (int i = 0; i < 30; i++)
        model.page_up();
    EXPECT_EQ(store.display_line(), 9);

    xirr_scroll_info info = model.get_scroll_info();
    EXPECT_EQ(info.position, -1);
    EXPECT_EQ(info.range, 100);
    EXPECT_EQ(info.page, 10);
}

TEST_F(ScrollModel, ScrollingDownToTheEndFollowsAgain)
{
    fill(100);
    model.lock();
    model.scroll_up(3);
    model.scroll_up(3);
    EXPECT_EQ(store.display_line(), 94);
    model.scroll_down(3);
    EXPECT_FALSE(model.following());
    model.scroll_down(3);
    EXPECT_EQ(store.display_line(), 100);
    EXPECT_TRUE(model.following());
    EXPECT_FALSE(store.locked());
}

TEST_F(ScrollModel, StepSizes)
{
    // m = min(n, visible / 2), at least 1; pages are visible / 2, at least 1.
    struct step_case {
        int client_height;   // visible lines = client_height / 10
        int n;               // 0: a page
        int moved;
    } cases[] = {
        {100, 3, 3}, {100, 7, 5}, {100, 0, 5}, {100, -4, 1}, {10, 3, 1}, {10, 0, 1}, {30, 0, 1},
    };
    for (const step_case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.client_height << " px, n " << c.n);
        xirr_textctrl_store s;
        th_view::set_fixed_metrics(s, 8, 10);
        s.set_client_size(800, c.client_height);
        for (int i = 0; i < 100; i++)
            s.append("text\n", 5);
        xirr_scroll_model m(&s);
        m.lock();
        if (c.n == 0)
            m.page_up();
        else
            m.scroll_up(c.n);
        EXPECT_EQ(s.display_line(), 100 - c.moved);
    }
}

TEST_F(ScrollModel, LockedViewKeepsItsLineWhileTextArrives)
{
    fill(100);
    model.lock();
    model.page_up();
    for (int i = 0; i < 20; i++)
        store.append("more\n", 5);
    EXPECT_EQ(store.display_line(), 95);
    EXPECT_EQ(model.get_scroll_info().range, 120);

    model.follow();
    EXPECT_EQ(store.display_line(), 120);
    store.append("last\n", 5);
    EXPECT_EQ(store.display_line(), 121);
}

TEST_F(ScrollModel, PageDownWhileFollowingStaysAtTheEnd)
{
    // The position last asked for is line 0; text arrived since.
    th_view::set_fixed_metrics(store, 8, 10);
    store.set_client_size(800, 100);
    for (int i = 0; i < 100; i++)
        store.append("text\n", 5);
    model.page_down();
    EXPECT_EQ(store.display_line(), 100);
    EXPECT_TRUE(model.following());
    model.scroll_down(1);
    EXPECT_EQ(store.display_line(), 100);
}

TEST_F(ScrollModel, ThumbAwayFromTheEndLocksAndBackFollows)
{
    fill(100);
    model.thumb_moved(40);
    EXPECT_EQ(store.display_line(), 50);
    EXPECT_FALSE(model.following());
    EXPECT_TRUE(store.locked());

    // The next wheel step starts from where the thumb left the view.
    model.scroll_down(3);
    EXPECT_EQ(store.display_line(), 53);
    EXPECT_FALSE(model.following());

    model.thumb_moved(90);
    EXPECT_EQ(store.display_line(), 100);
    EXPECT_TRUE(model.following());
    EXPECT_FALSE(store.locked());
}

TEST_F(ScrollModel, WhenAllTextFitsNothingScrolls)
{
    fill(3);
    model.lock();
    model.scroll_up(3);
    EXPECT_EQ(store.display_line(), 3);
    EXPECT_TRUE(model.following());

    model.lock();
    model.thumb_moved(0);
    EXPECT_TRUE(model.following());
    EXPECT_EQ(store.display_line(), 3);
}

TEST_F(ScrollModel, RestoredPositionAndRelayout)
{
    fill(100);
    model.lock();
    model.set_scroll_position(30);
    EXPECT_EQ(store.display_line(), 40);
    EXPECT_EQ(model.scroll_position(), 40);
    model.scroll_up(2);
    EXPECT_EQ(store.display_line(), 38);

    // A restored top past the end is held at the last line plus a page.
    model.set_scroll_position(1000000);
    EXPECT_EQ(store.display_line(), 110);

    model.relayout();
    EXPECT_TRUE(model.following());
    EXPECT_EQ(store.display_line(), 100);
}

}  // namespace
