// The input line's behaviour behind its keys: submitting, history browsing,
// password mode, the display and window shortcuts and the wheel, with a
// plain string standing in for the text control and a recorder for the
// main window.

#include "input/input_line.h"

#include "config/zv_config.h"

#include "../foundation/captured_log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The text control: a string with a cursor and a selection.
struct fake_editor : xirr_line_editor {
    std::wstring line;
    long caret = 0;
    long sel_from = 0, sel_to = 0;
    int hidden = 0;
    std::wstring copied;          // what the line put into the primary selection

    std::wstring text() const override { return line; }
    long cursor() const override { return caret; }
    void selection(long *from, long *to) const override
    {
        *from = sel_from;
        *to = sel_to;
    }
    void set_text(const std::wstring &t) override
    {
        line = t;
        caret = (long)t.size();
        sel_from = sel_to = 0;
    }
    void set_cursor(long position) override
    {
        caret = position;
        sel_from = sel_to = 0;
    }
    void select_all() override
    {
        sel_from = 0;
        sel_to = (long)line.size();
    }
    void copy_to_primary(const std::wstring &t) override { copied = t; }
    void paste_primary() override {}
    void apply_input_style(int h) override { hidden = h; }

    // Typing as the text control would do it with keys passed on.
    void type(const std::wstring &t)
    {
        if (sel_from < sel_to) {
            line.erase(sel_from, sel_to - sel_from);
            caret = sel_from;
            sel_from = sel_to = 0;
        }
        line.insert(caret, t);
        caret += (long)t.size();
    }
};

// The main window: records what the line asks of it.
struct window_recorder {
    std::vector<std::string> calls;
    int login_state = 0;
    int main_locked = 0;
    int channel_locked = 0;
    int main_selection = 0;
    int font = 8;

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
        window_recorder &w = of(u);
        int &locked = target == XIRR_MAIN_DISPLAY ? w.main_locked : w.channel_locked;
        std::string name = target == XIRR_MAIN_DISPLAY ? "main " : "channel ";
        switch (op) {
        case XIRR_DISPLAY_IS_LOCKED:
            return locked;
        case XIRR_DISPLAY_HAS_SELECTION:
            return target == XIRR_MAIN_DISPLAY && w.main_selection;
        case XIRR_DISPLAY_FOLLOW_IF_LOCKED:
            if (locked)
                w.calls.push_back(name + "follows");
            locked = 0;
            break;
        case XIRR_DISPLAY_LOCK_IF_FOLLOWING:
            if (!locked)
                w.calls.push_back(name + "locks");
            locked = 1;
            break;
        case XIRR_DISPLAY_SCROLL_LINES:
            w.calls.push_back(name + "lines " + std::to_string(amount));
            break;
        case XIRR_DISPLAY_SCROLL_PAGES:
            w.calls.push_back(name + "pages " + std::to_string(amount));
            break;
        case XIRR_DISPLAY_CLEAR_SELECTION:
            w.calls.push_back(name + "selection cleared");
            if (target == XIRR_MAIN_DISPLAY)
                w.main_selection = 0;
            break;
        }
        return 0;
    }
    static int font_size(void *u) { return of(u).font; }
    static void set_font_size(void *u, int points)
    {
        of(u).font = points;
        of(u).calls.push_back("font " + std::to_string(points));
    }
    static void toggle_popup(void *u, int n) { of(u).calls.push_back("popup " + std::to_string(n)); }
    static void resize_automap(void *u, int step)
    {
        of(u).calls.push_back("automap " + std::to_string(step));
    }
};

const xirr_line_edit_callbacks recorder_callbacks = {
    &window_recorder::process_command,
    &window_recorder::send_line,
    &window_recorder::login,
    &window_recorder::display,
    &window_recorder::font_size,
    &window_recorder::set_font_size,
    &window_recorder::toggle_popup,
    &window_recorder::resize_automap,
    nullptr,
};

using calls = std::vector<std::string>;

class InputLine : public ::testing::Test {
protected:
    InputLine() : config(dir.path().c_str()), line(editor, config, &recorder_callbacks, &window)
    {
        config.setup_default_config(nullptr);
        config.set_keypad_walking(1);
    }

    int press(int key, unsigned modifiers = 0)
    {
        int consumed = line.key_down({key, modifiers});
        line.key_up();
        return consumed;
    }
    void enter(const std::wstring &text)
    {
        editor.type(text);
        press(XIRR_KEY_ENTER);
    }
    calls take()
    {
        calls taken = window.calls;
        window.calls.clear();
        return taken;
    }

    th_test::scratch_dir dir;
    ZvConfig config;
    fake_editor editor;
    window_recorder window;
    xirr_input_line line;
};

TEST_F(InputLine, EnterRunsTheLineAndStoresIt)
{
    window.main_locked = 1;
    enter(L"look");
    EXPECT_EQ(take(), (calls{"main follows", "typed look"}));
    EXPECT_EQ(editor.line, L"");

    enter(L"");
    EXPECT_EQ(take(), calls{"typed "}) << "an empty line is sent too";

    press(XIRR_KEY_UP);
    EXPECT_EQ(editor.line, L"look") << "but not stored";
}

TEST_F(InputLine, SubmittedLineIsAsciiAndCutAt4999)
{
    enter(L"say caf\u00e9\ttab");
    EXPECT_EQ(take(), calls{"typed say cafe\ttab"});

    enter(std::wstring(6000, L'x'));
    calls sent = take();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], "typed " + std::string(4999, 'x'));
    press(XIRR_KEY_UP);
    EXPECT_EQ(editor.line.size(), 4999u);
}

TEST_F(InputLine, PushthroughWhilePlayingKeepsTheCommandSelected)
{
    config.set_cmd_pushthrough(1);
    window.login_state = 2;
    line.set_history_slot(2);
    enter(L"kill rat");
    enter(L"look");
    EXPECT_EQ(editor.line, L"look");
    EXPECT_EQ(editor.sel_from, 0);
    EXPECT_EQ(editor.sel_to, 4);

    press(XIRR_KEY_ENTER);
    EXPECT_EQ(take(), (calls{"typed kill rat", "typed look", "typed look"}));
    EXPECT_EQ(editor.sel_to, 4) << "Enter repeats it and it stays selected";

    press(XIRR_KEY_UP);
    EXPECT_EQ(editor.line, L"kill rat") << "Up shows the command before it";

    editor.select_all();
    press(XIRR_KEY_HOME);
    EXPECT_EQ(editor.caret, 0);
    EXPECT_EQ(editor.sel_from, editor.sel_to);

    editor.select_all();
    editor.type(L"north");
    press(XIRR_KEY_ENTER);
    EXPECT_EQ(take(), calls{"typed north"}) << "typing replaced the selected command";

    window.login_state = 1;
    enter(L"x");
    EXPECT_EQ(editor.line, L"") << "only while playing";
}

TEST_F(InputLine, UpAndDownWalkLinesBeforeTheHistory)
{
    line.set_history_slot(2);
    enter(L"look");
    editor.set_text(L"ab\ncd\nef");
    editor.caret = 7;
    const long up_steps[] = {5, 2, 0, 0};
    for (long expected : up_steps) {
        press(XIRR_KEY_UP);
        EXPECT_EQ(editor.caret, expected);
    }
    const long down_steps[] = {3, 6, 8};
    for (long expected : down_steps) {
        press(XIRR_KEY_DOWN);
        EXPECT_EQ(editor.caret, expected);
    }
    EXPECT_EQ(editor.line, L"ab\ncd\nef");
    press(XIRR_KEY_UP);
    EXPECT_EQ(editor.line, L"look") << "at the end Up recalls";
    press(XIRR_KEY_DOWN);
    EXPECT_EQ(editor.line, L"ab\ncd\nef") << "and Down brings the typed text back";
}

TEST_F(InputLine, PasswordModeHidesAndStoresNothing)
{
    line.set_history_slot(1);
    enter(L"gandalf");
    line.enter_password_mode();
    EXPECT_EQ(editor.hidden, 1);

    editor.type(L"sec");
    press(XIRR_KEY_UP);
    EXPECT_EQ(editor.line, L"gandalf");
    press(XIRR_KEY_DOWN);
    EXPECT_EQ(editor.line, L"") << "the half-typed password was not kept";

    editor.type(L"secret");
    editor.select_all();
    press('C', XIRR_MOD_CONTROL);
    EXPECT_EQ(editor.copied, L"") << "a password is never copied";

    config.set_cmd_pushthrough(1);
    window.login_state = 2;
    take();
    press(XIRR_KEY_ENTER);
    EXPECT_EQ(take(), calls{"typed secret"});
    EXPECT_EQ(editor.line, L"") << "a password does not stay in the line";
    EXPECT_EQ(editor.hidden, 1) << "the line stays hidden for a second password";

    line.leave_password_mode();
    EXPECT_EQ(editor.hidden, 0);
    press(XIRR_KEY_UP);
    EXPECT_EQ(editor.line, L"gandalf");
    press(XIRR_KEY_UP);
    EXPECT_EQ(editor.line, L"gandalf") << "nothing newer or older";
    EXPECT_EQ(line.list_history().find("secret"), std::string::npos);
}

TEST_F(InputLine, HeldWalkingKeySendsOnce)
{
    window.main_locked = 1;
    EXPECT_EQ(line.key_down({XIRR_KEY_KP_UP, 0}), 1);
    EXPECT_EQ(line.key_down({XIRR_KEY_KP_UP, 0}), 1);
    EXPECT_EQ(line.key_down({XIRR_KEY_KP_UP, 0}), 1);
    line.key_up();
    EXPECT_EQ(take(), (calls{"main follows", "typed north"}));

    // Rolling from one key to the next before releasing the first is two
    // steps, not an auto-repeat.
    line.key_down({XIRR_KEY_KP_UP, 0});
    line.key_down({XIRR_KEY_KP_RIGHT, 0});
    line.key_up();
    EXPECT_EQ(take(), (calls{"typed north", "typed east"}));

    config.set_keypad_walking(0);
    EXPECT_EQ(press(XIRR_KEY_KP_UP), 0);
    EXPECT_EQ(take(), calls{});
}

TEST_F(InputLine, HeldShortcutActsOnce)
{
    ASSERT_EQ(config.get_automap_display(), 1);
    const unsigned ctrl_shift = XIRR_MOD_CONTROL | XIRR_MOD_SHIFT;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(line.key_down({'1', ctrl_shift}), 1);
    line.key_up();
    EXPECT_EQ(config.get_automap_display(), 0);
    press('1', ctrl_shift);
    EXPECT_EQ(config.get_automap_display(), 1);

    // Ctrl+Backspace keeps deleting while held.
    line.key_down({XIRR_KEY_BACKSPACE, XIRR_MOD_CONTROL});
    EXPECT_EQ(line.key_down({XIRR_KEY_BACKSPACE, XIRR_MOD_CONTROL}), 0);
}

TEST_F(InputLine, SettingsShortcuts)
{
    const unsigned ctrl = XIRR_MOD_CONTROL, ctrl_shift = XIRR_MOD_CONTROL | XIRR_MOD_SHIFT;
    struct step {
        const char *name;
        xirr_config_setting id;
        int before;
        int key;
        unsigned modifiers;
        int after;
    } steps[] = {
        {"input smaller", xirr_cfg_input_height, 30, '[', ctrl_shift, 24},
        {"input at its least", xirr_cfg_input_height, 24, '[', ctrl_shift, 24},
        {"input larger", xirr_cfg_input_height, 48, ']', ctrl_shift, 60},
        {"input stops at its most", xirr_cfg_input_height, 795, ']', ctrl_shift, 800},
        {"channel taller", xirr_cfg_channel_window_height, 25, '=', ctrl_shift, 30},
        {"channel stops at 80", xirr_cfg_channel_window_height, 78, '=', ctrl_shift, 80},
        {"channel shorter", xirr_cfg_channel_window_height, 12, '-', ctrl_shift, 10},
        {"group display off", xirr_cfg_group_status_display, 2, '2', ctrl_shift, 0},
        {"group display vertical", xirr_cfg_group_status_display, 0, '2', ctrl_shift, 1},
        {"HP bar", xirr_cfg_hpbar_enable, 1, 'P', ctrl, 0},
        {"enemy HP bar", xirr_cfg_enemy_hpbar_enable, 0, '4', ctrl_shift, 1},
        {"scroll bar", xirr_cfg_mw_scrollbar_enable, 1, '9', ctrl_shift, 0},
    };
    for (const step &s : steps) {
        SCOPED_TRACE(s.name);
        config.set_setting(s.id, s.before);
        EXPECT_EQ(press(s.key, s.modifiers), 1);
        EXPECT_EQ(config.get_setting(s.id), s.after);
    }
}

TEST_F(InputLine, FontSizeStopsAt3)
{
    window.main_locked = 1;
    window.font = 4;
    press('-', XIRR_MOD_CONTROL);
    EXPECT_EQ(take(), (calls{"font 3", "main follows"}));
    window.main_locked = 1;
    press('-', XIRR_MOD_CONTROL);
    EXPECT_EQ(take(), calls{}) << "nothing changes on screen";
    press(XIRR_KEY_KP_PLUS, XIRR_MOD_CONTROL);
    EXPECT_EQ(take(), (calls{"font 4", "main follows"}));
}

TEST_F(InputLine, WindowShortcuts)
{
    const unsigned ctrl = XIRR_MOD_CONTROL;
    press('3', ctrl);
    EXPECT_EQ(take(), calls{}) << "popups only while playing";
    window.login_state = 2;
    press('3', ctrl);
    press('0', ctrl);
    press('[', ctrl);
    press(']', ctrl);
    EXPECT_EQ(take(), (calls{"popup 3", "popup 10", "automap -1", "automap 1"}));
}

TEST_F(InputLine, FunctionKeysWhilePlaying)
{
    const int f5 = XIRR_KEY_F1 + 4;
    window.login_state = 2;
    window.main_locked = 1;
    EXPECT_EQ(press(f5), 1);
    press(f5, XIRR_MOD_CONTROL);
    press(f5, XIRR_MOD_SHIFT);
    EXPECT_EQ(take(), (calls{"issued f05", "main follows", "issued cf05", "issued sf05"}));

    window.login_state = 1;
    EXPECT_EQ(press(f5), 0) << "at the login prompt the key is the control's";
    EXPECT_EQ(take(), calls{});
}

TEST_F(InputLine, TypingEndsScrollLockUnlessItIsKept)
{
    window.main_locked = 1;
    EXPECT_EQ(press(XIRR_KEY_MODIFIER, XIRR_MOD_SHIFT), 0);
    EXPECT_EQ(take(), calls{}) << "a modifier on its own keeps the lock";
    EXPECT_EQ(press('A'), 0);
    EXPECT_EQ(take(), calls{"main follows"});

    config.set_locking_scrollback_enable(1);
    window.main_locked = 1;
    press('A');
    EXPECT_EQ(window.main_locked, 1);
}

TEST_F(InputLine, EscapeUndoesOneThingAtATime)
{
    editor.type(L"half a command");
    window.main_locked = 1;
    window.channel_locked = 1;
    press(XIRR_KEY_ESCAPE);
    EXPECT_EQ(take(), calls{"main follows"});
    press(XIRR_KEY_ESCAPE);
    EXPECT_EQ(take(), calls{"channel follows"});
    EXPECT_EQ(editor.line, L"half a command");
    press(XIRR_KEY_ESCAPE);
    EXPECT_EQ(take(), (calls{"main selection cleared", "channel selection cleared"}));
    EXPECT_EQ(editor.line, L"");
}

TEST_F(InputLine, ControlCCopiesClearsOrBreaks)
{
    editor.type(L"say ok");
    editor.caret = 2;
    editor.sel_from = 4;
    editor.sel_to = 6;
    press('C', XIRR_MOD_CONTROL);
    EXPECT_EQ(editor.copied, L"ok");
    EXPECT_EQ(editor.line, L"say ok");
    EXPECT_EQ(editor.caret, 2);
    EXPECT_EQ(editor.sel_from, editor.sel_to);

    window.main_selection = 1;
    press('C', XIRR_MOD_CONTROL);
    EXPECT_EQ(editor.line, L"");
    EXPECT_EQ(take(), calls{"main selection cleared"}) << "no break while text is selected";

    window.main_locked = 1;
    editor.type(L"x");
    press('C', XIRR_MOD_CONTROL);
    EXPECT_EQ(editor.line, L"");
    EXPECT_EQ(take(), (calls{"send \x03", "main follows"}));
}

TEST_F(InputLine, EraseShortcuts)
{
    struct {
        int key;
        calls expected;
    } cases[] = {
        {'D', {"send \x03"}},
        {'\\', {"send \x1a"}},
        {'K', {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        editor.type(L"kill rat");
        press(c.key, XIRR_MOD_CONTROL);
        EXPECT_EQ(editor.line, L"");
        EXPECT_EQ(take(), c.expected);
    }
}

TEST_F(InputLine, ScrollLockShortcuts)
{
    press(XIRR_KEY_PAGE_UP);
    press(XIRR_KEY_PAGE_UP);
    press(XIRR_KEY_DOWN, XIRR_MOD_CONTROL);
    EXPECT_EQ(take(), (calls{"main locks", "main pages -1", "main pages -1", "main pages 1"}));

    press('Q', XIRR_MOD_CONTROL);
    EXPECT_EQ(take(), calls{"main follows"});
    window.channel_locked = 1;
    press('Q', XIRR_MOD_CONTROL);
    EXPECT_EQ(take(), calls{"channel follows"});
    press('Z', XIRR_MOD_CONTROL);
    EXPECT_EQ(take(), calls{"main locks"});
}

TEST_F(InputLine, WheelScrollsByWholeNotches)
{
    struct {
        int rotation;
        calls expected;
    } turns[] = {
        {120, {"main locks", "main lines -3"}},
        {-120, {"main lines 3"}},
        {0, {}},
        {40, {}},
        {40, {}},
        {40, {"main lines -3"}},
        {-30, {}},
        {-90, {"main lines 3"}},
        {-240, {"main lines 6"}},
    };
    for (const auto &t : turns) {
        SCOPED_TRACE(t.rotation);
        line.wheel(t.rotation, 120);
        EXPECT_EQ(take(), t.expected);
    }
}

TEST_F(InputLine, WorksWithoutAWindow)
{
    xirr_input_line alone(editor, config, nullptr, nullptr);
    editor.type(L"look");
    EXPECT_EQ(alone.key_down({XIRR_KEY_ENTER, 0}), 1);
    alone.key_down({'C', XIRR_MOD_CONTROL});
    alone.key_down({'-', XIRR_MOD_CONTROL});
    alone.wheel(120, 0);
    alone.key_up();
    alone.key_down({XIRR_KEY_UP, 0});
    EXPECT_EQ(editor.line, L"look");
}

}  // namespace
