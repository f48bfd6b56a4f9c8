#include "app/user_commands.h"

#include "app/debug_commands.h"
#include "app/help_texts.h"
#include "config/zv_config.h"
#include "foundation/bounded_text.h"
#include "foundation/client_dirs.h"
#include "foundation/debug_log.h"
#include "foundation/text_utils.h"
#include "game/client_version.h"
#include "game/tag_dispatch.h"

#include <cstring>

namespace {

const xirr_command_callbacks no_callbacks = {};

constexpr int playing = xirr_tag_dispatch::playing;
constexpr int highest_port = 65535;

}  // namespace

xirr_user_commands::xirr_user_commands(const xirr_command_callbacks *callbacks, void *user,
                                       ZvConfig &config)
    : cb_(callbacks ? callbacks : &no_callbacks), user_(user), config_(config),
      config_commands_(config, cb_->flash, user)
{
}

void xirr_user_commands::set_launcher_version(const char *version)
{
    size_t n = version ? strnlen(version, XIRR_LAUNCHER_VERSION_MAX) : 0;
    memcpy(launcher_version_, version ? version : "", n);
    launcher_version_[n] = '\0';
}

int xirr_user_commands::process_user_command(const char *line, int echo)
{
    if (!line) {
        xirr_debug_log("Error in process_user_command(), NULL line.", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    if (echo && config_.get_local_echo() && !(cb_->password_mode && cb_->password_mode(user_)))
        echo_line(line);
    for (const command_entry *entry = command_table; entry->name; entry++) {
        if (matches(*entry, line) && guard_holds(entry->guard)) {
            (this->*entry->run)(line, next_arg(line));
            return 1;
        }
    }
    return 0;
}

int xirr_user_commands::guard_holds(command_guard guard)
{
    switch (guard) {
    case always:
        return 1;
    case while_playing:
        return login_state() == playing;
    case while_connected:
        return is_connected();
    case while_disconnected:
        return !is_connected();
    }
    return 0;
}

// The typed line between a yellow ">" and "<"; with the command separator
// on, a non-empty line also gets a blank line before it and a bright white
// rule after it.
void xirr_user_commands::echo_line(const char *line)
{
    int separated = config_.get_cmd_separator() && *line;
    reset_colours();
    show("\n");
    if (separated)
        show("\n");
    set_colours(1, 0x33);
    show(">");
    reset_colours();
    show(line);
    set_colours(1, 0x33);
    show("<");
    if (separated) {
        set_colours(1, 0x37);
        show("\n-------------------------------------------------------------------------");
    }
    reset_colours();
    repaint();
}

void xirr_user_commands::show_command_list()
{
    reset_colours();
    for (const char *const *text = xirr_command_list; *text; text++)
        show(*text);
    repaint();
}

void xirr_user_commands::show_keyboard_help()
{
    begin_message();
    show("\n");
    show_separator();
    int in_game = login_state() == playing;
    for (const xirr_help_line *line = xirr_keyboard_help; line->text; line++) {
        if (!line->playing_only || in_game)
            show(line->text);
    }
    show_separator();
    show("\n");
    repaint();
}

// The server's version is asked for only in the game; its answer arrives as
// ordinary text.
void xirr_user_commands::show_version()
{
    begin_message();
    show("\n");
    show_separator();
    show("\nTarn Hollow Client Version: ");
    show(XIRR_CLIENT_VERSION);
    if (launcher_version_[0]) {
        show("\nLauncher Version:          ");
        show(launcher_version_);
    }
    show("\nClient config directory:   ");
    const char *directory = xirr_client_get_config_directory();
    show(directory ? directory : "");
    show("\n");
    show_separator();
    show("\n");
    if (is_connected() && login_state() == playing)
        send_line("version");
    else
        show("\nUnable to retrieve server version.");
    repaint();
}

void xirr_user_commands::show_debug_state()
{
    xirr_bounded_text text;
    xirr_debug_state_text(&text);
    show(text.c_str());
    repaint();
}

void xirr_user_commands::cmd_commands(const char *, const char *)
{
    show_command_list();
}

void xirr_user_commands::cmd_help(const char *, const char *)
{
    show_keyboard_help();
}

void xirr_user_commands::cmd_version(const char *, const char *)
{
    show_version();
}

// The break line is the single byte 3.
void xirr_user_commands::cmd_break(const char *, const char *)
{
    send_line("\x03");
    if (cb_->follow_if_locked)
        cb_->follow_if_locked(user_);
}

void xirr_user_commands::cmd_history(const char *, const char *)
{
    if (cb_->list_history)
        cb_->list_history(user_);
}

void xirr_user_commands::cmd_quit(const char *, const char *)
{
    if (cb_->shutdown)
        cb_->shutdown(user_);
}

void xirr_user_commands::cmd_disconnect(const char *, const char *)
{
    if (cb_->disconnect)
        cb_->disconnect(user_, "Disconnecting.");
}

void xirr_user_commands::cmd_clear(const char *, const char *)
{
    if (cb_->clear_display)
        cb_->clear_display(user_);
    repaint();
}

void xirr_user_commands::cmd_chanclear(const char *, const char *)
{
    if (cb_->clear_channels)
        cb_->clear_channels(user_);
    repaint();
}

void xirr_user_commands::cmd_ping(const char *, const char *)
{
    if (cb_->send_ping)
        cb_->send_ping(user_);
}

void xirr_user_commands::cmd_echo(const char *, const char *arguments)
{
    show("\n");
    if (arguments)
        show(arguments);
    repaint();
}

void xirr_user_commands::cmd_debuglevel(const char *, const char *arguments)
{
    xirr_bounded_text text;
    xirr_debug_level_command(arguments, &text);
    show(text.c_str());
    repaint();
}

void xirr_user_commands::cmd_debugfilename(const char *, const char *arguments)
{
    xirr_bounded_text text;
    xirr_debug_file_command(arguments, &text);
    show(text.c_str());
    repaint();
}

void xirr_user_commands::cmd_debugfill(const char *, const char *)
{
    if (cb_->debug_fill)
        cb_->debug_fill(user_);
    repaint();
}

void xirr_user_commands::cmd_icons(const char *, const char *arguments)
{
    tagged_data("icons", arguments);
    repaint();
}

void xirr_user_commands::cmd_soundtest(const char *, const char *arguments)
{
    tagged_data("sound", arguments);
    repaint();
}

void xirr_user_commands::cmd_send(const char *line, const char *)
{
    send_line(line);
}

// The port is the next word read as a decimal number; none, or one that is
// not a number, means the default port. A number beyond the range of TCP
// ports would be cut to some other port by the socket, so it is logged and
// the default port used instead.
void xirr_user_commands::cmd_connect(const char *, const char *arguments)
{
    int port = 0;
    if (!arguments || !parse_int_text(arguments, &port))
        port = 0;
    if (port > highest_port) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Warning in process_user_command() - port %d out of range, "
                              "using the default port.\n",
                              port);
        port = 0;
    }
    if (cb_->connect)
        cb_->connect(user_, port);
}

void xirr_user_commands::begin_message()
{
    if (cb_->begin_message)
        cb_->begin_message(user_);
}

void xirr_user_commands::reset_colours()
{
    if (cb_->reset_colours)
        cb_->reset_colours(user_);
}

void xirr_user_commands::set_colours(int attribute, int colour)
{
    if (cb_->set_colours)
        cb_->set_colours(user_, attribute, colour);
}

void xirr_user_commands::show(const char *text)
{
    if (cb_->show)
        cb_->show(user_, text);
}

void xirr_user_commands::repaint()
{
    if (cb_->repaint)
        cb_->repaint(user_);
}

void xirr_user_commands::show_separator()
{
    set_colours(1, 0x33);
    show(xirr_separator_line);
    set_colours(0, 0x37);
}

// The text after the command is the payload, with its real length.
void xirr_user_commands::tagged_data(const char *name, const char *arguments)
{
    if (!arguments)
        arguments = "";
    if (cb_->tagged_data)
        cb_->tagged_data(user_, name, arguments, strlen(arguments));
}

int xirr_user_commands::is_connected()
{
    return cb_->is_connected ? cb_->is_connected(user_) : 0;
}

int xirr_user_commands::login_state()
{
    return cb_->login_state ? cb_->login_state(user_) : 0;
}

void xirr_user_commands::send_line(const char *line)
{
    if (cb_->send_line)
        cb_->send_line(user_, line);
}
