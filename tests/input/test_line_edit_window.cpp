// The input line widget in a real frame under Xvfb, typed at with xdotool:
// lines reach the window exactly, Up and Down recall per slot, the keypad
// walks, the Control shortcuts arrive through the toolkit's key codes,
// password mode shows nothing on screen and keeps nothing, the primary
// selection pastes, the wheel scrolls and the focus comes back.

#include "config/zv_config.h"
#include "input/line_edit.h"
#include "input/primary_selection.h"

#include "../foundation/captured_log.h"
#include "../window_test_support.h"

#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/image.h>
#include <wx/panel.h>
#include <wx/sizer.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

const char frame_title[] = "th-line-edit-window-test";

// Records what the line asks of the main window.
struct window_recorder {
    std::vector<std::string> calls;
    int login_state = 0;
    int focus_returns = 0;

    static window_recorder &of(void *user) { return *static_cast<window_recorder *>(user); }
    static void process_command(void *u, const char *line, int echo)
    {
        of(u).calls.push_back(std::string(echo ? "typed " : "issued ") + line);
    }
    static void send_line(void *u, const char *line)
    {
        of(u).calls.push_back(std::string("send ") + line);
    }
    static int login(void *u) { return of(u).login_state; }
    static int display(void *u, xirr_display_target target, xirr_display_op op, int amount)
    {
        if (target == XIRR_MAIN_DISPLAY && op == XIRR_DISPLAY_SCROLL_LINES)
            of(u).calls.push_back("lines " + std::to_string(amount));
        return 0;
    }
    static void focus_returned(void *u) { ++of(u).focus_returns; }
};

const xirr_line_edit_callbacks callbacks = {
    &window_recorder::process_command,
    &window_recorder::send_line,
    &window_recorder::login,
    &window_recorder::display,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    &window_recorder::focus_returned,
};

using th_window::pump_for;
using th_window::pump_until;

int xdotool(const std::string &args)
{
    return system(("xdotool " + args).c_str());
}

// The frame and its input panel, built once for all tests.
struct fixture {
    th_test::scratch_dir dir;
    ZvConfig config{dir.path().c_str()};
    window_recorder window;
    wxFrame *frame = nullptr;
    wxPanel *panel = nullptr;
};

fixture *world = nullptr;

class LineEditWindow : public ::testing::Test {
protected:
    // A new line for each test, filling the input panel, with the focus.
    void SetUp() override
    {
        ASSERT_NE(world, nullptr);
        world->window = window_recorder();
        world->config.set_keypad_walking(1);
        line = new xirr_line_edit(world->panel, world->config, &callbacks, &world->window);
        line->apply_font(wxFont(wxFontInfo(12).Family(wxFONTFAMILY_TELETYPE)));
        world->panel->GetSizer()->Add(line, 1, wxEXPAND);
        world->panel->Layout();
        line->SetFocus();
        ASSERT_TRUE(pump_until([&] { return wxWindow::FindFocus() == line; }));
    }
    void TearDown() override
    {
        world->panel->GetSizer()->Detach(line);
        line->Destroy();
        pump_for(50);
    }

    // Sends keys (xdotool returns once the X server has them) and lets the
    // window handle them.
    void keys(const std::string &xdotool_args)
    {
        ASSERT_EQ(xdotool(xdotool_args), 0) << xdotool_args;
        pump_for(150);
    }
    std::vector<std::string> calls() const { return world->window.calls; }
    std::string value() const { return line->GetValue().ToStdString(); }

    xirr_line_edit *line = nullptr;
};

using strings = std::vector<std::string>;

TEST_F(LineEditWindow, TypedLineArrivesExactly)
{
    keys("type --delay 15 'say Hi! (50% off) ~x_y=z'");
    keys("key Return");
    EXPECT_EQ(calls(), strings{"typed say Hi! (50% off) ~x_y=z"});
    EXPECT_EQ(value(), "");
}

TEST_F(LineEditWindow, UpAndDownRecallPerSlot)
{
    line->set_history_slot(1);
    keys("type --delay 15 gandalf");
    keys("key Return");
    line->set_history_slot(2);
    keys("type --delay 15 look");
    keys("key Return");
    keys("type --delay 15 'kill rat'");
    keys("key Return");

    keys("key Up");
    EXPECT_EQ(value(), "kill rat");
    keys("key Up Up");
    EXPECT_EQ(value(), "look") << "nothing older in the playing slot";
    keys("key Down Down");
    EXPECT_EQ(value(), "");

    line->set_history_slot(1);
    keys("key Up");
    EXPECT_EQ(value(), "gandalf");
    line->ChangeValue(wxEmptyString);
    line->set_history_slot(0);
    keys("key Up");
    EXPECT_EQ(value(), "connect") << "the disconnected slot's own command";
    EXPECT_EQ(calls(), (strings{"typed gandalf", "typed look", "typed kill rat"}));
}

TEST_F(LineEditWindow, KeypadWalksOncePerPress)
{
    keys("key KP_Up KP_Home KP_Begin KP_Add KP_Subtract KP_Next");
    EXPECT_EQ(calls(), (strings{"typed north", "typed northwest", "typed scan -zv", "typed up",
                                "typed down", "typed southeast"}));
    EXPECT_EQ(value(), "");

    // The server repeats held keys here: a held letter types many.
    world->config.set_keypad_walking(0);
    keys("keydown x sleep 1.2 keyup x");
    ASSERT_GT(value().size(), 3u) << "no auto-repeat, the next check would prove nothing";

    world->config.set_keypad_walking(1);
    line->ChangeValue(wxEmptyString);
    world->window.calls.clear();
    keys("keydown KP_Up sleep 1.2 keyup KP_Up");
    EXPECT_EQ(calls(), strings{"typed north"});
    EXPECT_EQ(value(), "");
}

TEST_F(LineEditWindow, ShiftedControlShortcutsAndFunctionKeys)
{
    world->config.set_automap_display(1);
    world->config.set_input_height(48);
    keys("key ctrl+shift+1");
    EXPECT_EQ(world->config.get_automap_display(), 0);
    keys("key ctrl+shift+bracketleft");
    EXPECT_EQ(world->config.get_input_height(), 36);
    keys("key ctrl+m");
    EXPECT_EQ(world->config.get_automap_display(), 1);

    keys("key F5");
    EXPECT_EQ(calls(), strings{}) << "function keys are plain keys at the login prompt";
    world->window.login_state = 2;
    keys("key F5 ctrl+F5 shift+F5");
    keys("key ctrl+backslash");
    EXPECT_EQ(calls(), (strings{"issued f05", "issued cf05", "issued sf05", "send \x1a"}));
}

// Pixels of the line on screen brighter than dark grey, the caret hidden.
int bright_pixels(xirr_line_edit *line)
{
    line->GetCaret()->Hide();
    line->Refresh();
    line->Update();
    pump_for(200);
    wxRect r = line->GetScreenRect();
    std::string png = std::string(getenv("TMPDIR") ? getenv("TMPDIR") : "/tmp") +
                      "/th_line_edit_" + std::to_string(getpid()) + ".png";
    char command[512];
    snprintf(command, sizeof command, "/usr/bin/import -window root -crop %dx%d+%d+%d png:%s",
             r.width, r.height, r.x, r.y, png.c_str());
    int status = system(command);
    line->GetCaret()->Show();
    wxImage image;
    if (status != 0 || !image.LoadFile(png, wxBITMAP_TYPE_PNG))
        return -1;
    unlink(png.c_str());
    int bright = 0;
    const unsigned char *p = image.GetData();
    for (int i = 0; i < image.GetWidth() * image.GetHeight(); ++i, p += 3)
        if (p[0] > 64 || p[1] > 64 || p[2] > 64)
            ++bright;
    return bright;
}

TEST_F(LineEditWindow, PasswordModeShowsAndKeepsNothing)
{
    line->set_history_slot(1);
    keys("type --delay 15 gandalf");
    keys("key Return");
    keys("type --delay 15 WWWW");
    ASSERT_GT(bright_pixels(line), 20) << "the check must see ordinary text";

    line->enter_password_mode();
    keys("type --delay 15 WWWWhunter2");
    EXPECT_EQ(value(), "WWWWWWWWhunter2");
    wxRichTextAttr style;
    ASSERT_TRUE(line->GetStyle(10, style));
    EXPECT_EQ(style.GetTextColour(), *wxBLACK);
    EXPECT_EQ(bright_pixels(line), 0) << "text typed before and in password mode is hidden";

    keys("key Return");
    keys("type --delay 15 again");
    EXPECT_EQ(bright_pixels(line), 0) << "still hidden after the first password";
    line->ChangeValue(wxEmptyString);
    line->leave_password_mode();
    keys("key Up");
    EXPECT_EQ(value(), "gandalf");
    keys("key Up");
    EXPECT_EQ(value(), "gandalf") << "the password is not in the history";
    EXPECT_EQ(calls(), (strings{"typed gandalf", "typed WWWWWWWWhunter2"}));
}

TEST_F(LineEditWindow, PrimarySelectionCopyAndPaste)
{
    captured_log log(2);
    ASSERT_EQ(xirr_set_clipboard_data("cast 'fireball'"), 1);
    keys("type --delay 15 'c '");
    keys("key ctrl+v");
    EXPECT_EQ(value(), "c cast 'fireball'");

    line->SetSelection(2, 6);
    keys("key ctrl+c");
    wxString copied;
    ASSERT_EQ(xirr_get_clipboard_data(&copied), 1);
    EXPECT_EQ(copied, "cast");
    EXPECT_EQ(value(), "c cast 'fireball'") << "copying keeps the line";
    EXPECT_EQ(calls(), strings{}) << "and sends no break";

    ASSERT_EQ(xirr_set_clipboard_data("drop"), 1);
    line->SetSelection(2, 6);
    line->Paste();
    pump_for(100);
    EXPECT_EQ(value(), "c drop 'fireball'");
    EXPECT_EQ(log.text(), "xirr_line_edit::manual_clipboard_paste()\n"
                          "xirr_line_edit::pasteEvent()\n"
                          "xirr_line_edit::manual_clipboard_paste()\n");
}

TEST_F(LineEditWindow, WheelScrollsTheMainDisplay)
{
    wxPoint centre = line->GetScreenRect().GetPosition() + wxPoint(20, 10);
    keys("mousemove " + std::to_string(centre.x) + " " + std::to_string(centre.y));
    keys("click 4");
    keys("click 5 click 5");
    EXPECT_EQ(calls(), (strings{"lines -3", "lines 3", "lines 3"}));
}

TEST_F(LineEditWindow, FocusComesBackFromWindowsOfTheMainWindow)
{
    captured_log log(2);
    auto *child = new wxPanel(world->panel, wxID_ANY, wxDefaultPosition, wxSize(10, 10));
    auto *floating = new wxFrame(world->frame, wxID_ANY, "float", wxDefaultPosition,
                                 wxSize(50, 50), wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT);
    auto *in_floating = new wxPanel(floating);
    int returns = world->window.focus_returns;

    child->SetFocus();
    ASSERT_TRUE(pump_until([&] { return wxWindow::FindFocus() == child; }));
    line->transfer_focus_main(child);
    EXPECT_TRUE(pump_until([&] { return wxWindow::FindFocus() == line; }));
    EXPECT_EQ(world->window.focus_returns, returns + 1);

    line->transfer_focus_main(in_floating);
    line->transfer_focus_main(nullptr);
    EXPECT_EQ(world->window.focus_returns, returns + 1) << "floating frames keep their focus";
    EXPECT_EQ(log.text(), "Error in transfer_focus_main() - null w?\n");

    floating->Destroy();
    child->Destroy();
    pump_for(50);
}

}  // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    th_window::toolkit toolkit(argc, argv);
    if (!toolkit.started() || !wxTheApp->CallOnInit()) {
        fprintf(stderr, "cannot start the toolkit\n");
        return 1;
    }

    fixture f;
    world = &f;
    f.config.setup_default_config(nullptr);
    f.frame = new wxFrame(nullptr, wxID_ANY, frame_title, wxPoint(0, 0), wxSize(600, 120));
    f.panel = new wxPanel(f.frame, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE,
                          "main input window");
    f.panel->SetSizer(new wxBoxSizer(wxVERTICAL));
    f.frame->Show();
    pump_for(300);

    // No window manager: give the frame the X focus ourselves.
    int result = 1;
    std::string focus = std::string("xdotool search --sync --name '^") + frame_title +
                        "$' windowfocus --sync";
    if (system(focus.c_str()) != 0) {
        fprintf(stderr, "cannot focus the test frame\n");
    } else {
        pump_for(200);
        result = RUN_ALL_TESTS();
    }

    f.frame->Destroy();
    pump_for(100);
    world = nullptr;
    return result;
}
