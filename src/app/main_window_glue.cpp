#include "app/main_window_glue.h"

#include "app/main_window.h"
#include "config/config_settings.h"
#include "foundation/xirr_random.h"
#include "input/line_edit.h"

#include <wx/utils.h>

#include <cstdio>
#include <cstring>

namespace {

xirr_mw *mw(void *user)
{
    return static_cast<xirr_mw *>(user);
}

// --- Stream decoder ---

int stream_text(void *user, const char *bytes, size_t length)
{
    mw(user)->emit_text(bytes, length);
    return 1;
}

int stream_tag(void *user, const char *name, const char *payload, size_t length)
{
    return mw(user)->dispatch().process_tagged_data(name, payload, length);
}

int stream_echo(void *user, int hidden)
{
    if (hidden)
        mw(user)->display_text("\n");
    mw(user)->set_password_mode(hidden != 0);
    return 1;
}

int stream_bell(void *)
{
    wxBell();
    return 1;
}

// --- Connection ---

void connection_message(void *user, const char *text)
{
    mw(user)->begin_client_message();
    mw(user)->display_text(text);
    mw(user)->repaint_main_display();
}

void connection_connected(void *user)
{
    mw(user)->connected();
}

void connection_received(void *user, const unsigned char *bytes, size_t length)
{
    mw(user)->process_socket_data(bytes, length);
}

void connection_disconnected(void *user, const char *message)
{
    mw(user)->connection_lost(message);
}

// --- Tag dispatcher ---

void dispatch_set_title(void *user, const char *title)
{
    mw(user)->SetTitle(wxString::FromUTF8(title));
}

void dispatch_logged_in(void *user)
{
    mw(user)->logged_in();
}

void dispatch_identifier_changed(void *user, const char *identifier)
{
    mw(user)->connection().set_identifier(identifier);
}

void dispatch_pong(void *user)
{
    mw(user)->pong_received();
}

void dispatch_process_command(void *user, const char *line)
{
    mw(user)->commands().process_user_command(line, 0);
}

void dispatch_config_command(void *user, const char *payload)
{
    mw(user)->commands().config_cmd_process(payload);
}

// Popup windows come later; until then every target is the main display.
xirr_ansi_display &target(void *user, int)
{
    return *mw(user)->main_display();
}

void dispatch_suspend(void *user, int t)
{
    target(user, t).suspend_updates();
}

void dispatch_resume(void *user, int t)
{
    target(user, t).resume_updates();
}

void dispatch_clear(void *user, int t)
{
    target(user, t).clear();
}

void dispatch_repaint(void *user, int t)
{
    target(user, t).refresh();
}

int dispatch_scroll_position(void *user, int t)
{
    return target(user, t).get_scroll_bar_position();
}

void dispatch_set_scroll_position(void *user, int t, int position)
{
    target(user, t).set_scroll_position(position);
}

void dispatch_scroll_to_end(void *user, int t)
{
    target(user, t).scroll_to_end();
}

void dispatch_reset_colours(void *user, int t)
{
    target(user, t).reset_colors();
}

void dispatch_show(void *user, int t, const char *text)
{
    target(user, t).display_text(text);
}

void dispatch_colour_flash(void *user, int t, const char *arguments)
{
    target(user, t).parse_colorflash(arguments);
}

// --- Command processor ---

void command_begin_message(void *user)
{
    mw(user)->begin_client_message();
}

void command_reset_colours(void *user)
{
    mw(user)->set_ansi_codes(0, 0x37);
}

void command_set_colours(void *user, int attribute, int colour)
{
    mw(user)->set_ansi_codes(attribute, colour);
}

void command_show(void *user, const char *text)
{
    mw(user)->display_text(text);
}

void command_repaint(void *user)
{
    mw(user)->repaint_main_display();
}

void command_follow_if_locked(void *user)
{
    mw(user)->main_display()->follow_if_locked();
}

void command_debug_fill(void *user)
{
    mw(user)->main_display()->interpreter().debug_fill(&xirr_system_random, stdout,
                                                       sizeof(wxString));
    mw(user)->main_display()->refresh();
}

void command_clear_display(void *user)
{
    mw(user)->clear_main_display();
}

void command_list_history(void *user)
{
    mw(user)->begin_client_message();
    mw(user)->display_text(mw(user)->input_line()->list_history().c_str());
    mw(user)->repaint_main_display();
}

int command_password_mode(void *user)
{
    return mw(user)->password_mode();
}

void command_tagged_data(void *user, const char *name, const char *payload, size_t length)
{
    mw(user)->dispatch().process_tagged_data(name, payload, length);
}

int command_is_connected(void *user)
{
    return mw(user)->connection().is_connected();
}

int command_login_state(void *user)
{
    return mw(user)->login_state();
}

void command_send_line(void *user, const char *line)
{
    mw(user)->send_line(line);
}

void command_connect(void *user, int port)
{
    mw(user)->connection().connect(port);
}

void command_disconnect(void *user, const char *message)
{
    mw(user)->handle_disconnect(message);
}

void command_send_ping(void *user)
{
    mw(user)->send_ping();
}

void command_shutdown(void *user)
{
    mw(user)->system_shutdown_handler();
}

// --- Input line ---

void line_process_command(void *user, const char *line, int echo)
{
    mw(user)->commands().process_user_command(line, echo);
}

void line_send_line(void *user, const char *line)
{
    mw(user)->send_line(line);
}

int line_login_state(void *user)
{
    return mw(user)->login_state();
}

int line_font_size(void *user)
{
    return mw(user)->font_size();
}

void line_set_font_size(void *user, int points)
{
    mw(user)->set_font_size(points);
}

void line_focus_returned(void *user)
{
    mw(user)->request_focus_return();
}

// --- Main display ---

void display_open_url(void *user, const char *address)
{
    mw(user)->open_url(address);
}

int display_focus_input(void *user)
{
    mw(user)->input_line()->SetFocus();
    return 1;
}

// --- Configuration ---

void config_setting_changed(void *user, xirr_config_setting id, int value)
{
    mw(user)->setting_changed(id, value);
}

void config_status_report_due(void *user)
{
    mw(user)->dispatch().mark_status_report_due();
}

void config_applied(void *user)
{
    mw(user)->configuration_applied();
}

}  // namespace

const xirr_stream_callbacks xirr_mw_stream_callbacks = {
    stream_text,
    stream_tag,
    stream_echo,
    stream_bell,
};

const xirr_connection_callbacks xirr_mw_connection_callbacks = {
    connection_message,
    connection_connected,
    connection_received,
    connection_disconnected,
};

const xirr_dispatch_callbacks xirr_mw_dispatch_callbacks = [] {
    xirr_dispatch_callbacks c = {};
    c.set_title = dispatch_set_title;
    c.logged_in = dispatch_logged_in;
    c.identifier_changed = dispatch_identifier_changed;
    c.pong = dispatch_pong;
    c.process_command = dispatch_process_command;
    c.config_command = dispatch_config_command;
    c.suspend_updates = dispatch_suspend;
    c.resume_updates = dispatch_resume;
    c.clear = dispatch_clear;
    c.repaint = dispatch_repaint;
    c.scroll_position = dispatch_scroll_position;
    c.set_scroll_position = dispatch_set_scroll_position;
    c.scroll_to_end = dispatch_scroll_to_end;
    c.reset_colours = dispatch_reset_colours;
    c.show = dispatch_show;
    c.colour_flash = dispatch_colour_flash;
    return c;
}();

const xirr_command_callbacks xirr_mw_command_callbacks = [] {
    xirr_command_callbacks c = {};
    c.begin_message = command_begin_message;
    c.reset_colours = command_reset_colours;
    c.set_colours = command_set_colours;
    c.show = command_show;
    c.repaint = command_repaint;
    c.follow_if_locked = command_follow_if_locked;
    c.clear_display = command_clear_display;
    c.debug_fill = command_debug_fill;
    c.list_history = command_list_history;
    c.password_mode = command_password_mode;
    c.tagged_data = command_tagged_data;
    c.is_connected = command_is_connected;
    c.login_state = command_login_state;
    c.send_line = command_send_line;
    c.connect = command_connect;
    c.disconnect = command_disconnect;
    c.send_ping = command_send_ping;
    c.shutdown = command_shutdown;
    return c;
}();

const xirr_line_edit_callbacks xirr_mw_line_edit_callbacks = [] {
    xirr_line_edit_callbacks c = {};
    c.process_command = line_process_command;
    c.send_line = line_send_line;
    c.login_state = line_login_state;
    c.font_size = line_font_size;
    c.set_font_size = line_set_font_size;
    c.focus_returned = line_focus_returned;
    return c;
}();

const xirr_display_callbacks xirr_mw_display_callbacks = {
    display_open_url,
    nullptr,
    display_focus_input,
};

const xirr_config_hooks xirr_mw_config_hooks = [] {
    xirr_config_hooks c = {};
    c.setting_changed = config_setting_changed;
    c.status_report_due = config_status_report_due;
    c.configuration_applied = config_applied;
    return c;
}();
