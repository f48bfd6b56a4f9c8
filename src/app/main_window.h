#pragma once
// xirr_mw: the client's single top-level window. It owns the game connection
// and its stream decoder, the three timers and the exit protocol; the main
// tick drives the connection poll, the animations and the work queued for
// the user-interface thread. Until the scrollback display exists, server and
// client text go to a plain read-only text control, and the ping delay to a
// plain status line.

#include "app/exit_countdown.h"
#include "app/pending_work.h"
#include "config/config_hooks.h"
#include "game/game_connection.h"
#include "game/ping_meter.h"
#include "game/stream_decoder.h"

#include <wx/frame.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <cstdint>

class xirr_mw : public wxFrame {
public:
    enum { main_tick_id = 112, ping_timer_id = 113, save_timer_id = 114 };
    static constexpr int main_tick_ms = 20;
    static constexpr int ping_interval_ms = 15000;
    static constexpr int save_interval_ms = 300000;

    xirr_mw(const wxString &title, const wxPoint &position, const wxSize &size);
    ~xirr_mw() override;

    // Builds the children and starts the timers; the window does nothing on
    // timer or size events before this has run.
    void delayed_initialization();

    void system_shutdown_handler();
    void verify_program_exit();
    void open_url(const char *address);
    void add_pending_local_text(const char *text);

    // Decodes one block of bytes from the game server.
    void process_socket_data(const unsigned char *bytes, size_t length);
    // Starts a client message: the display follows new text again and a
    // line break is written.
    void begin_client_message();
    void display_text(const char *bytes, size_t length);

    void socket_connect(int port) { connection_.connect(port); }
    void send_line(const char *text) { connection_.send_line(text); }
    void append_outgoing_string(const char *text) { connection_.append_outgoing_string(text); }
    void handle_disconnect(const char *message) { connection_.disconnect(message); }
    void send_ping();
    void pong_received();

    int login_state() const { return login_state_; }

private:
    void OnTimer(wxTimerEvent &event);
    void OnPingTimer(wxTimerEvent &event);
    void OnSaveTimer(wxTimerEvent &event);
    void OnClose(wxCloseEvent &event);

    void save_state();
    void orderly_close();
    void start_pending_browser();
    void socket_handler();
    void flush_display();

    static void on_message(void *user, const char *text);
    static void on_connected(void *user);
    static void on_received(void *user, const unsigned char *bytes, size_t length);
    static void on_disconnected(void *user, const char *message);
    static const xirr_connection_callbacks connection_callbacks;

    static void on_status_report_due(void *user);
    static const xirr_config_hooks config_hooks;

    static int on_text(void *user, const char *bytes, size_t length);
    static int on_tag(void *user, const char *name, const char *payload, size_t length);
    static int on_echo(void *user, int hidden);
    static int on_bell(void *user);
    static const xirr_stream_callbacks stream_callbacks;

    wxTimer main_tick_{this, main_tick_id};
    wxTimer ping_timer_{this, ping_timer_id};
    wxTimer save_timer_{this, save_timer_id};
    wxTextCtrl *main_display_ = nullptr;

    xirr_stream_decoder decoder_{&stream_callbacks, this};
    xirr_game_connection connection_;
    xirr_ping_meter ping_;
    wxString pending_display_;     // text waiting for the next display update
    xirr_exit_countdown exit_countdown_;
    xirr_pending_url pending_url_;
    xirr_pending_text pending_text_;
    bool constructed_ = false;
    bool focus_return_ = false;
    bool password_mode_ = false;
    bool status_report_pending_ = false;   // sent once the report exists
    int login_state_ = 0;          // 0 not logged in, 1 creating, 2 playing, 3 logging off
    bool drain_queued_ = false;    // a follow-up poll is queued after a busy one

    wxDECLARE_EVENT_TABLE();
};
