#include "display/view_textctrl.h"

#include "../foundation/captured_log.h"
#include "display/scroll_model.h"
#include "gfx/xirr_glyph_set.h"
#include "view_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int char_w = 8;
constexpr int line_h = 10;
constexpr int client_w = 400;
constexpr int client_h = 100;   // 10 visible lines

// A following view of 400 x 100 pixels with 8 x 10 glyphs. Character i of
// a line covers x = 8i+1 .. 8i+8; the line n rows above the display line
// covers y = 90 - 10n .. 99 - 10n.
class ViewTextctrl : public ::testing::Test {
protected:
    ViewTextctrl()
    {
        th_view::fill_block_glyphs(glyphs, char_w, line_h);
        view.set_font(&glyphs, 0);
        view.set_client_size(client_w, client_h);
        view.set_owner(&model);
    }

    // Client pixel of character offset on line.
    int x_of(int offset) const { return offset * char_w + 1; }
    int y_of(int line) { return client_h - line_h + (line - view.store().display_line()) * line_h + 5; }

    void mouse(xirr_view_mouse::kind_type kind, int x, int y, int left_held)
    {
        xirr_view_mouse event;
        event.kind = kind;
        event.x = x;
        event.y = y;
        event.left = left_held;
        view.mouse_event(event);
    }
    void press(int x, int y) { mouse(xirr_view_mouse::LEFT_DOWN, x, y, 1); }
    void drag(int x, int y) { mouse(xirr_view_mouse::MOTION, x, y, 1); }
    void release(int x, int y) { mouse(xirr_view_mouse::LEFT_UP, x, y, 0); }
    void wheel(int rotation)
    {
        xirr_view_mouse event;
        event.kind = xirr_view_mouse::WHEEL;
        event.wheel = rotation;
        view.mouse_event(event);
    }
    void button(xirr_view_mouse::kind_type kind)
    {
        xirr_view_mouse event;
        event.kind = kind;
        event.x = 20;
        event.y = 20;
        (kind == xirr_view_mouse::RIGHT_DOWN ? event.right : event.middle) = 1;
        view.mouse_event(event);
    }

    void fill_numbered(int lines)
    {
        for (int i = 0; i < lines; i++) {
            const std::string text = "line " + std::to_string(i) + "\n";
            view.store().append(text.data(), text.size());
        }
        model.scroll_to_end();
    }

    xirr_glyph_set glyphs;
    th_view::recording_host host;
    xirr_textctrl_view view{&host};
    xirr_scroll_model model{&view.store()};
};

TEST_F(ViewTextctrl, DragSelectionReachesThePrimarySelectionOnEveryChange)
{
    th_view::append_lines(view.store(), {"hello world", "second line"});
    model.scroll_to_end();
    press(x_of(6), y_of(0));
    EXPECT_EQ(host.captured, 1);
    EXPECT_TRUE(host.clipboard.empty());
    EXPECT_FALSE(view.selection().active);

    drag(x_of(10), y_of(0));
    drag(x_of(2), y_of(1));
    ASSERT_EQ(host.clipboard.size(), 2u);
    EXPECT_EQ(host.clipboard[0], "world");
    EXPECT_EQ(host.clipboard[1], "world\nsec");
    // Selecting inside the window holds the view where it is.
    EXPECT_FALSE(model.following());
    EXPECT_TRUE(view.store().locked());

    release(x_of(3), y_of(1));
    EXPECT_EQ(host.released, 1);
    EXPECT_EQ(host.clipboard.back(), "world\nseco");
    EXPECT_TRUE(view.selection().active);

    // A new press outside a link drops the selection.
    press(x_of(1), y_of(1));
    EXPECT_FALSE(view.selection().active);
    EXPECT_EQ(host.captured, 2);
}

TEST_F(ViewTextctrl, DraggingBackToTheAnchorKeepsOneCharacter)
{
    th_view::append_lines(view.store(), {"abcdef"});
    model.scroll_to_end();
    press(x_of(2), y_of(0));
    drag(x_of(4), y_of(0));
    drag(x_of(2), y_of(0));
    EXPECT_EQ(host.clipboard.back(), "c");
}

TEST_F(ViewTextctrl, PointerLeftOfTheWindowSelectsToTheEndOfTheLineAbove)
{
    th_view::append_lines(view.store(), {"hello world", "second line"});
    model.scroll_to_end();
    press(x_of(3), y_of(1));
    drag(-5, y_of(1));
    EXPECT_EQ(view.selection().start, (xirr_text_position{0, 11}));
    EXPECT_EQ(host.clipboard.back(), "\nseco");
}

TEST_F(ViewTextctrl, WheelLocksAndScrollingBackDownFollows)
{
    fill_numbered(100);
    wheel(120);
    EXPECT_FALSE(model.following());
    EXPECT_EQ(view.store().display_line(), 97);
    wheel(120);
    EXPECT_EQ(view.store().display_line(), 94);
    wheel(-120);
    wheel(-120);
    EXPECT_TRUE(model.following());
    EXPECT_EQ(view.store().display_line(), 100);
    EXPECT_GT(host.scrolls, 0);
}

TEST_F(ViewTextctrl, RightOrMiddleClickJumpsToTheEnd)
{
    for (xirr_view_mouse::kind_type kind : {xirr_view_mouse::RIGHT_DOWN, xirr_view_mouse::MIDDLE_DOWN}) {
        fill_numbered(50);
        model.lock();
        model.page_up();
        ASSERT_LT(view.store().display_line(), view.store().current_line());
        button(kind);
        EXPECT_TRUE(model.following());
        EXPECT_EQ(view.store().display_line(), view.store().current_line());
    }
}

TEST_F(ViewTextctrl, ClickOnALinkOpensAndSelectsItAndSwallowsTheRelease)
{
    th_view::append_lines(view.store(), {"Visit www.tarnhollow.com. Now"});
    model.scroll_to_end();
    press(x_of(10), y_of(0));
    ASSERT_EQ(host.urls, std::vector<std::string>{"www.tarnhollow.com"});
    EXPECT_EQ(host.clipboard.back(), "www.tarnhollow.com");
    EXPECT_EQ(view.selection().start, (xirr_text_position{0, 6}));
    EXPECT_EQ(view.selection().end, (xirr_text_position{0, 23}));
    EXPECT_EQ(host.captured, 0);

    // Until the release, nothing the mouse does changes the selection.
    const size_t copies = host.clipboard.size();
    drag(x_of(1), y_of(0));
    release(x_of(1), y_of(0));
    EXPECT_EQ(host.clipboard.size(), copies);
    EXPECT_EQ(host.released, 0);
    EXPECT_TRUE(view.selection().active);

    // The next press is an ordinary one again.
    press(x_of(1), y_of(0));
    EXPECT_FALSE(view.selection().active);
    EXPECT_EQ(host.captured, 1);
}

TEST_F(ViewTextctrl, WithoutHotlinkingALinkClickStartsASelection)
{
    host.hotlinking = 0;
    th_view::append_lines(view.store(), {"Visit www.tarnhollow.com. Now"});
    model.scroll_to_end();
    press(x_of(10), y_of(0));
    drag(x_of(12), y_of(0));
    EXPECT_TRUE(host.urls.empty());
    EXPECT_EQ(host.clipboard.back(), "tar");
}

TEST_F(ViewTextctrl, DragAboveTheWindowScrollsUpWhileThePointerStaysThere)
{
    fill_numbered(40);
    press(x_of(2), y_of(38));
    drag(x_of(2), -20);   // speed (2 * -20 * 10) / 100 = -4 lines
    EXPECT_EQ(view.drag_speed(), -4);
    EXPECT_EQ(host.animations_started, 1);

    // One scroll every four animation steps, and the animation stays alive.
    std::vector<int> lines;
    for (int tick = 0; tick < 40; tick++) {
        ASSERT_TRUE(view.animation_callback(20));
        lines.push_back(view.store().display_line());
    }
    EXPECT_EQ(lines[0], 40);
    EXPECT_EQ(lines[1], 36);
    EXPECT_FALSE(model.following());
    EXPECT_EQ(lines[5], 32);
    EXPECT_EQ(lines.back(), 9);   // stopped at the first page
    // The selection grew to the top line shown, offset 0.
    EXPECT_EQ(view.selection().start, (xirr_text_position{0, 0}));
    EXPECT_EQ(host.clipboard.back().substr(0, 7), "line 0\n");
    EXPECT_EQ(host.clipboard.back().substr(host.clipboard.back().size() - 3), "lin");

    // Any mouse event stops the drag scrolling; the animation then runs out.
    release(x_of(2), -20);
    EXPECT_EQ(view.drag_speed(), 0);
    int ticks = 0;
    while (view.animation_callback(20) && ticks < 100)
        ticks++;
    EXPECT_LT(ticks, 20);
    EXPECT_EQ(view.store().display_line(), 9);
}

TEST_F(ViewTextctrl, DragBelowTheWindowScrollsDownToTheEnd)
{
    fill_numbered(40);
    model.lock();
    for (int i = 0; i < 4; i++)
        model.page_up();
    ASSERT_EQ(view.store().display_line(), 20);
    press(x_of(0), y_of(15));
    drag(x_of(0), client_h + 30);   // speed (2 * 30 * 10) / 100 = 6, scrolled 5 at a time
    EXPECT_EQ(view.drag_speed(), 6);
    for (int tick = 0; tick < 30; tick++)
        view.animation_callback(20);
    EXPECT_EQ(view.store().display_line(), 40);
    EXPECT_TRUE(model.following());
    EXPECT_EQ(view.selection().end, (xirr_text_position{40, 0}));
}

TEST_F(ViewTextctrl, LosingTheCaptureCopiesOnceMoreAndDropsTheSelection)
{
    th_view::append_lines(view.store(), {"hello world"});
    model.scroll_to_end();
    press(x_of(0), y_of(0));
    drag(x_of(4), y_of(0));
    const size_t copies = host.clipboard.size();
    captured_log log(2);
    view.mouse_capture_lost();
    EXPECT_EQ(host.clipboard.size(), copies + 1);
    EXPECT_EQ(host.clipboard.back(), "hello");
    EXPECT_FALSE(view.selection().active);
    EXPECT_EQ(log.text(), "xirr_textctrl::mouse_event_handler()\n");
}

TEST_F(ViewTextctrl, ClearAndRelayoutDropTheSelection)
{
    th_view::append_lines(view.store(), {"hello world"});
    model.scroll_to_end();
    press(x_of(0), y_of(0));
    drag(x_of(4), y_of(0));
    ASSERT_TRUE(view.selection().active);
    view.set_client_size(200, client_h);
    EXPECT_FALSE(view.selection().active);

    drag(x_of(3), y_of(0));
    ASSERT_TRUE(view.selection().active);
    view.store().clear();
    EXPECT_FALSE(view.selection().active);
}

TEST_F(ViewTextctrl, ColourFlashRunsTheAnimationAndReturnsToTheTextBackground)
{
    // Reverse text made the background dark grey; the flash ends there.
    view.store().set_colors(0xffffff, 0x404040);
    view.parse_colorflash("000000 ff0000 2");
    EXPECT_EQ(host.animations_started, 1);
    EXPECT_EQ(view.background(), (xirr_rgb{0, 0, 0}));
    std::vector<xirr_rgb> seen;
    int running = 1;
    for (int tick = 0; tick < 10 && running; tick++) {
        running = view.animation_callback(20);
        seen.push_back(view.background());
    }
    const std::vector<xirr_rgb> expected{{127, 0, 0}, {255, 0, 0}, {64, 64, 64}};
    EXPECT_EQ(seen, expected);
    EXPECT_FALSE(running);
}

TEST_F(ViewTextctrl, ALongerFlashExtendsARunningAnimation)
{
    view.parse_colorflash("000000 ff0000 1");
    view.animation_callback(20);
    view.parse_colorflash("000000 00ff00 4");
    EXPECT_EQ(host.animations_started, 1);
    int ticks = 0;
    while (view.animation_callback(20) && ticks < 100)
        ticks++;
    EXPECT_EQ(ticks, 4);   // the fifth tick ends it
    EXPECT_EQ(view.background(), (xirr_rgb{0, 0, 0}));

    // A bad payload starts nothing.
    view.parse_colorflash("000000 ff0000 x");
    EXPECT_EQ(host.animations_started, 1);
}

}  // namespace
