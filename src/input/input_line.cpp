#include "input/input_line.h"

#include "config/zv_config.h"
#include "foundation/ascii_text.h"
#include "foundation/bounded_text.h"

#include <algorithm>

namespace {

constexpr int login_playing = 2;
const char break_line[] = "\x03";
const char abort_line[] = "\x1a";

}  // namespace

xirr_input_line::xirr_input_line(xirr_line_editor &editor, ZvConfig &config,
                                 const xirr_line_edit_callbacks *callbacks, void *user)
    : editor_(editor), config_(config), callbacks_(callbacks), user_(user)
{
}

int xirr_input_line::key_down(const xirr_key_event &event)
{
    const int ctrl = (event.modifiers & XIRR_MOD_CONTROL) != 0;
    xirr_key_context context;
    context.repeat = key_held_ && event.key == last_key_;
    context.repeat_with_control = context.repeat && last_control_ == 1;
    key_held_ = 1;
    last_key_ = event.key;
    last_control_ = ctrl;

    context.keypad_walking = config_.get_keypad_walking();
    context.cmd_pushthrough = config_.get_cmd_pushthrough();
    context.playing = playing();
    long from = 0, to = 0;
    editor_.selection(&from, &to);
    long length = (long)editor_.text().size();
    context.whole_line_selected = length > 0 && from == 0 && to == length;

    return perform(xirr_bind_key(event, context));
}

int xirr_input_line::perform(const xirr_key_binding &binding)
{
    switch (binding.action) {
    case XIRR_ACT_PASS:
        return 0;
    case XIRR_ACT_TYPE:
        if (!config_.get_locking_scrollback_enable())
            follow_main();
        return 0;
    case XIRR_ACT_IGNORE:
        break;
    case XIRR_ACT_WALK:
        follow_main();
        process(binding.word, 1);
        break;
    case XIRR_ACT_FUNCTION_KEY:
        process(binding.word, 0);
        follow_main();
        break;
    case XIRR_ACT_CURSOR_HOME:
        editor_.set_cursor(0);
        break;
    case XIRR_ACT_RECALL_SELECTED:
        // The first step only recalls the command already shown.
        editor_.set_cursor((long)editor_.text().size());
        history_up();
        history_up();
        break;
    case XIRR_ACT_FONT_SIZE:
        change_font_size(binding.arg);
        break;
    case XIRR_ACT_CHANNEL_HEIGHT:
        adjust_setting(xirr_cfg_channel_window_height, binding.arg);
        break;
    case XIRR_ACT_INPUT_HEIGHT:
        adjust_setting(xirr_cfg_input_height, binding.arg);
        break;
    case XIRR_ACT_AUTOMAP_SIZE:
        if (callbacks_ && callbacks_->resize_automap)
            callbacks_->resize_automap(user_, binding.arg);
        break;
    case XIRR_ACT_POPUP:
        if (callbacks_ && callbacks_->toggle_popup)
            callbacks_->toggle_popup(user_, binding.arg);
        break;
    case XIRR_ACT_TOGGLE_SETTING: {
        auto id = (xirr_config_setting)binding.arg;
        config_.set_setting(id, !config_.get_setting(id));
        break;
    }
    case XIRR_ACT_GROUP_DISPLAY:
        config_.set_group_status_display(config_.get_group_status_display() ? 0 : 1);
        break;
    case XIRR_ACT_COPY_OR_BREAK:
        copy_or_break();
        break;
    case XIRR_ACT_ERASE:
        editor_.set_text(std::wstring());
        break;
    case XIRR_ACT_ERASE_BREAK:
        erase_and_send(break_line);
        break;
    case XIRR_ACT_ERASE_ABORT:
        erase_and_send(abort_line);
        break;
    case XIRR_ACT_LOCK:
        display(XIRR_MAIN_DISPLAY, XIRR_DISPLAY_LOCK_IF_FOLLOWING);
        break;
    case XIRR_ACT_UNLOCK:
        unlock();
        break;
    case XIRR_ACT_PASTE:
        editor_.paste_primary();
        break;
    case XIRR_ACT_SUBMIT:
        follow_main();
        submit_line();
        break;
    case XIRR_ACT_ESCAPE:
        escape();
        break;
    case XIRR_ACT_HISTORY_UP:
        history_up();
        break;
    case XIRR_ACT_HISTORY_DOWN:
        history_down();
        break;
    case XIRR_ACT_PAGE:
        display(XIRR_MAIN_DISPLAY, XIRR_DISPLAY_LOCK_IF_FOLLOWING);
        display(XIRR_MAIN_DISPLAY, XIRR_DISPLAY_SCROLL_PAGES, binding.arg);
        break;
    }
    return 1;
}

// Ctrl C: a selection in the line is copied (never a hidden password);
// otherwise the line is erased and a selection on the main display is
// cleared, or, without one, the break line goes to the server.
void xirr_input_line::copy_or_break()
{
    long from = 0, to = 0;
    editor_.selection(&from, &to);
    if (from < to) {
        if (!password_mode_)
            editor_.copy_to_primary(editor_.text().substr(from, to - from));
        editor_.set_cursor(editor_.cursor());
        return;
    }
    editor_.set_text(std::wstring());
    if (display(XIRR_MAIN_DISPLAY, XIRR_DISPLAY_HAS_SELECTION)) {
        display(XIRR_MAIN_DISPLAY, XIRR_DISPLAY_CLEAR_SELECTION);
        return;
    }
    if (callbacks_ && callbacks_->send_line)
        callbacks_->send_line(user_, break_line);
    follow_main();
}

void xirr_input_line::erase_and_send(const char *line)
{
    editor_.set_text(std::wstring());
    if (callbacks_ && callbacks_->send_line)
        callbacks_->send_line(user_, line);
    follow_main();
}

// Escape undoes one thing at a time: scroll lock of the main display, then
// of the channel tab, and only then the line and the selections.
void xirr_input_line::escape()
{
    if (display(XIRR_MAIN_DISPLAY, XIRR_DISPLAY_IS_LOCKED)) {
        follow_main();
    } else if (display(XIRR_CHANNEL_DISPLAY, XIRR_DISPLAY_IS_LOCKED)) {
        display(XIRR_CHANNEL_DISPLAY, XIRR_DISPLAY_FOLLOW_IF_LOCKED);
    } else {
        editor_.set_text(std::wstring());
        display(XIRR_MAIN_DISPLAY, XIRR_DISPLAY_CLEAR_SELECTION);
        display(XIRR_CHANNEL_DISPLAY, XIRR_DISPLAY_CLEAR_SELECTION);
    }
}

void xirr_input_line::unlock()
{
    if (display(XIRR_MAIN_DISPLAY, XIRR_DISPLAY_IS_LOCKED))
        follow_main();
    else if (display(XIRR_CHANNEL_DISPLAY, XIRR_DISPLAY_IS_LOCKED))
        display(XIRR_CHANNEL_DISPLAY, XIRR_DISPLAY_FOLLOW_IF_LOCKED);
}

// Moves a size setting by step within the setting's own range, so that a
// step past the end stops there instead of falling back to the default.
void xirr_input_line::adjust_setting(xirr_config_setting id, int step)
{
    const xirr_config_setting_info &info = xirr_config_settings[id];
    int old_value = config_.get_setting(id);
    int value = std::clamp(old_value + step, info.low, info.high);
    if (value != old_value)
        config_.set_setting(id, value);
}

void xirr_input_line::wheel(int rotation, int delta)
{
    if (rotation == 0)
        return;
    delta = std::max(delta, 1);
    wheel_sum_ += rotation;
    // Whole notches scroll; what is left of a partial rotation, either way,
    // waits for the next event.
    int notches = wheel_sum_ / delta;
    wheel_sum_ -= notches * delta;
    if (notches == 0)
        return;
    display(XIRR_MAIN_DISPLAY, XIRR_DISPLAY_LOCK_IF_FOLLOWING);
    display(XIRR_MAIN_DISPLAY, XIRR_DISPLAY_SCROLL_LINES, -notches * scroll_lines_per_notch);
}

void xirr_input_line::submit_line()
{
    std::wstring wide = editor_.text();
    xirr_bounded_text line;
    to_ascii_text(wide.c_str(), wide.size(), &line);
    if (line.length > (size_t)max_line_length) {
        line.length = max_line_length;
        line.text[line.length] = '\0';
    }
    if (line.length > 0)
        history_store(std::wstring(line.text, line.text + line.length));
    // A password is never left in the line to be sent again.
    if (playing() && config_.get_cmd_pushthrough() && !password_mode_)
        editor_.select_all();
    else
        editor_.set_text(std::wstring());
    process(line.c_str(), 1);
    editor_.apply_input_style(password_mode_);
}

void xirr_input_line::history_store(const std::wstring &text)
{
    if (!password_mode_)
        history_.store(text);
}

void xirr_input_line::history_up()
{
    std::wstring text = editor_.text();
    long cursor = editor_.cursor();
    if (cursor < (long)text.size()) {
        size_t at = cursor > 0 ? text.rfind(L'\n', cursor - 1) : std::wstring::npos;
        editor_.set_cursor(at == std::wstring::npos ? 0 : (long)at);
        return;
    }
    if (const std::wstring *shown = history_.up(password_mode_ ? std::wstring() : text))
        editor_.set_text(*shown);
}

void xirr_input_line::history_down()
{
    std::wstring text = editor_.text();
    long cursor = editor_.cursor();
    if (cursor < (long)text.size()) {
        size_t at = text.find(L'\n', cursor);
        editor_.set_cursor(at == std::wstring::npos ? (long)text.size() : (long)at + 1);
        return;
    }
    if (const std::wstring *shown = history_.down(password_mode_ ? std::wstring() : text))
        editor_.set_text(*shown);
}

void xirr_input_line::change_font_size(int step)
{
    if (!callbacks_ || !callbacks_->font_size || !callbacks_->set_font_size)
        return;
    int size = callbacks_->font_size(user_);
    int next = size + step;
    if (next < min_font_size)
        next = std::min(size, min_font_size);
    if (next == size)
        return;
    callbacks_->set_font_size(user_, next);
    follow_main();
}

void xirr_input_line::enter_password_mode()
{
    password_mode_ = 1;
    editor_.apply_input_style(1);
}

void xirr_input_line::leave_password_mode()
{
    password_mode_ = 0;
    editor_.apply_input_style(0);
}

int xirr_input_line::display(xirr_display_target target, xirr_display_op op, int amount)
{
    if (!callbacks_ || !callbacks_->display)
        return 0;
    return callbacks_->display(user_, target, op, amount);
}

void xirr_input_line::process(const char *line, int echo)
{
    if (callbacks_ && callbacks_->process_command)
        callbacks_->process_command(user_, line, echo);
}

int xirr_input_line::playing() const
{
    return callbacks_ && callbacks_->login_state &&
           callbacks_->login_state(user_) == login_playing;
}
