// Window tests of the text display: under Xvfb (GDK_BACKEND=x11) a real
// display shows text in the real main font; pixels are read back from the
// screen, the mouse is driven through the X server (XTest), and the primary
// selection and a stand-in browser are read back.

#include "app/pending_work.h"
#include "config/zv_config.h"
#include "display/ansi_display_window.h"
#include "display/colour_schemes.h"
#include "display/textctrl_window.h"
#include "foundation/browser_launch.h"
#include "gfx/shared_fonts.h"
#include "gfx/xirr_glyph_font.h"
#include "input/primary_selection.h"

#include "../../foundation/log_test_support.h"
#include "../../window_test_support.h"

#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <string>

namespace {

using th_window::pump_a_while;
using th_window::pump_until;
using th_window::screen_of;
using th_window::screen_pixel;

// Whether p is colour 0xRRGGBB blended over black with some coverage C:
// each channel C * colour / 256.
bool is_ink_of(xirr_rgb p, uint32_t rgb)
{
    const int r = rgb >> 16, g = (rgb >> 8) & 0xff, b = rgb & 0xff;
    for (int c = 1; c < 256; c++)
        if (p == xirr_rgb{c * r >> 8, c * g >> 8, c * b >> 8})
            return true;
    return false;
}

void on_open_url(void *user, const char *address) { static_cast<xirr_pending_url *>(user)->set(address); }
int on_focus_input(void *) { return 0; }

const xirr_display_callbacks callbacks = {on_open_url, nullptr, on_focus_input};

class display_window_test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ZvConfig::instance().set_url_hotlinking(1);
        frame = new wxFrame(nullptr, wxID_ANY, "display test", wxPoint(0, 0), wxSize(420, 240));
        frame->Show();
        display = new xirr_ansi_display(frame, wxID_ANY, "main display", xirr_main_text_font(), &callbacks,
                                        &pending_url);
        display->set_position_and_size(0, 0, 400, 200);
        display->Show();
        pump_a_while();
    }
    void TearDown() override
    {
        frame->Destroy();
        pump_a_while();
    }

    xirr_textctrl &text() { return display->text_control(); }
    // Shows server text and repaints as the main window does after a batch.
    void show(const std::string &bytes)
    {
        display->display_socket_data(bytes.data(), bytes.size());
        display->refresh();
        text().Update();
        display->Update();
        pump_a_while();
    }
    // The client point in the middle of character offset of line.
    wxPoint point_of(int line, int offset)
    {
        xirr_textctrl_store &store = text().store();
        const int *widths = store.char_widths();
        std::string content;
        store.line_text(line, &content);
        int x = 1;
        for (int i = 0; i < offset; i++)
            x += widths[static_cast<unsigned char>(content[i])];
        x += widths[static_cast<unsigned char>(content[offset])] / 2;
        const int h = store.font_height();
        const int y = text().GetClientSize().y - h - 1 - (store.display_line() - line) * h + h / 2;
        return wxPoint(x, y);
    }
    // Presses the left button at one character, drags to another and
    // releases there, through the X server.
    void drag_select(int line1, int offset1, int line2, int offset2)
    {
        wxUIActionSimulator mouse;
        mouse.MouseMove(text().ClientToScreen(point_of(line1, offset1)));
        pump_a_while();
        mouse.MouseDown();
        pump_a_while();
        const wxPoint to = text().ClientToScreen(point_of(line2, offset2));
        mouse.MouseMove(to - wxPoint(3, 0));
        pump_a_while();
        mouse.MouseMove(to);
        pump_a_while();
        mouse.MouseUp();
        pump_a_while();
    }
    void wheel(int rotation)
    {
        wxMouseEvent event(wxEVT_MOUSEWHEEL);
        event.SetEventObject(&text());
        event.m_wheelRotation = rotation;
        event.m_wheelDelta = 120;
        event.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
        text().GetEventHandler()->ProcessEvent(event);
        display->Update();
        pump_a_while();
    }
    std::string primary_selection()
    {
        wxString selection;
        xirr_get_clipboard_data(&selection);
        return selection.ToStdString();
    }

    wxFrame *frame = nullptr;
    xirr_ansi_display *display = nullptr;
    xirr_pending_url pending_url;
};

TEST_F(display_window_test, bright_red_text_is_drawn_in_the_schemes_bright_red)
{
    show("\x1b[1m\x1b[31mHHHHHHHH\x1b[0m\n");
    const wxImage screen = screen_of(&text());
    const uint32_t red = xirr_current_colour_scheme->rgb[XIRR_SCHEME_RED][XIRR_INTENSITY_BRIGHT];
    const wxPoint at = point_of(0, 0);
    const int h = text().store().font_height();
    int inked_pixels = 0, wrong = 0;
    for (int y = at.y - h / 2; y < at.y + h / 2; y++)
        for (int x = 1; x < point_of(0, 7).x; x++) {
            const xirr_rgb p = screen_pixel(screen, x, y);
            if (p == xirr_rgb{0, 0, 0})
                continue;
            inked_pixels++;
            wrong += !is_ink_of(p, red);
        }
    EXPECT_GT(inked_pixels, 8 * 10);
    EXPECT_EQ(wrong, 0);
}

TEST_F(display_window_test, reverse_turns_the_text_area_dark_grey_until_reset)
{
    show("plain\n");
    const wxPoint empty(text().GetClientSize().x - 5, 5);
    EXPECT_EQ(screen_pixel(screen_of(&text()), empty.x, empty.y), (xirr_rgb{0, 0, 0}));
    show("\x1b[7mreverse\n");
    EXPECT_EQ(screen_pixel(screen_of(&text()), empty.x, empty.y), (xirr_rgb{64, 64, 64}));
    show("\x1b[0mnormal\n");
    EXPECT_EQ(screen_pixel(screen_of(&text()), empty.x, empty.y), (xirr_rgb{0, 0, 0}));
}

TEST_F(display_window_test, drag_selection_reaches_the_primary_selection_with_hard_line_ends_only)
{
    show("alpha beta\ngamma delta\n");
    drag_select(0, 6, 1, 2);
    EXPECT_EQ(primary_selection(), "beta\ngam");

    // A line broken by word wrap is joined without a line feed.
    std::string words;
    for (int i = 0; i < 40; i++)
        words += "w" + std::to_string(10 + i) + " ";
    show(words + "\n");
    const int first = 2;
    std::string first_part;
    text().store().line_text(first, &first_part);
    ASSERT_LT(first_part.size(), words.size()) << "the long line did not wrap";
    drag_select(first, 0, first + 1, 2);
    EXPECT_EQ(primary_selection(), words.substr(0, first_part.size() + 3));
}

TEST_F(display_window_test, click_on_a_link_starts_the_browser_with_the_trimmed_address)
{
    th_test::scratch_dir dir;
    const std::string record = dir / "opened.txt";
    th_test::write_text(dir / "firefox", "#!/bin/sh\nprintf '%s' \"$1\" > '" + record + "'\n");
    ASSERT_EQ(chmod((dir / "firefox").c_str(), 0755), 0);
    const std::string path = dir.path() + ":" + getenv("PATH");
    setenv("PATH", path.c_str(), 1);

    show("Visit www.tarnhollow.com. Now\n");
    wxUIActionSimulator mouse;
    mouse.MouseMove(text().ClientToScreen(point_of(0, 10)));
    pump_a_while();
    mouse.MouseClick();
    ASSERT_TRUE(pump_until([&] { return pending_url.pending(); }));

    // What the main window does on its next tick.
    char url[xirr_pending_url::capacity];
    ASSERT_TRUE(pending_url.take(url));
    ASSERT_TRUE(xirr_http_fork(url));
    ASSERT_TRUE(pump_until([&] { return th_test::exists(record); }));
    pump_a_while();
    EXPECT_EQ(th_test::read_text(record), "www.tarnhollow.com");
    EXPECT_EQ(primary_selection(), "www.tarnhollow.com");
}

TEST_F(display_window_test, frame_is_red_while_scrolled_back)
{
    std::string lines;
    for (int i = 0; i < 100; i++)
        lines += "line " + std::to_string(i) + "\n";
    show(lines);
    const xirr_rgb white{255, 255, 255}, grey{128, 128, 128};
    wxImage screen = screen_of(display);
    EXPECT_EQ(screen_pixel(screen, 0, 50), white);
    EXPECT_EQ(screen_pixel(screen, 1, 50), grey);

    wheel(120);
    EXPECT_FALSE(display->following());
    screen = screen_of(display);
    EXPECT_EQ(screen_pixel(screen, 0, 50), (xirr_rgb{255, 0, 0}));
    EXPECT_EQ(screen_pixel(screen, 1, 50), (xirr_rgb{192, 0, 0}));
    EXPECT_EQ(screen_pixel(screen, 50, 0), (xirr_rgb{255, 0, 0}));

    // Scrolling back down to the end ends the lock.
    wheel(-120);
    EXPECT_TRUE(display->following());
    screen = screen_of(display);
    EXPECT_EQ(screen_pixel(screen, 0, 50), white);
    EXPECT_EQ(screen_pixel(screen, 1, 50), grey);
}

// The configuration at its defaults and the shared fonts, for every test.
class display_environment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ZvConfig::instance().setup_default_config(nullptr);
        ASSERT_EQ(xirr_create_shared_fonts(8), 1);
    }
    void TearDown() override { xirr_destroy_shared_fonts(); }
};

}  // namespace

int main(int argc, char **argv)
{
    ::testing::AddGlobalTestEnvironment(new display_environment);
    return th_window::run_all_tests(argc, argv);
}
