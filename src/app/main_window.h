#pragma once
// xirr_mw: the client's single top-level window. It owns the game connection
// with its stream decoder, the tag dispatcher, the command processor, the
// menu bar, the three timers and the exit protocol; the main tick drives the
// connection poll, the status report and the work queued for the
// user-interface thread. The plain objects talk back through callback tables
// kept in main_window_glue.cpp. Until the status bar exists, the ping delay
// goes to a plain status line.

#include "app/exit_countdown.h"
#include "app/pending_work.h"
#include "app/user_commands.h"
#include "display/background.h"
#include "game/game_connection.h"
#include "game/ping_meter.h"
#include "game/stream_decoder.h"
#include "game/tag_dispatch.h"

#include <wx/bitmap.h>
#include <wx/font.h>
#include <wx/frame.h>
#include <wx/timer.h>

#include <cstdint>

class xirr_ansi_display;
class xirr_line_edit;
class xirr_main_menu;
class wxPanel;

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
    void delayed_initialization(const char *launcher_version);

    void system_shutdown_handler();
    void verify_program_exit();
    void menu_file_save_and_quit();
    void open_url(const char *address);
    void add_pending_local_text(const char *text);

    // --- Server text ---
    // Decodes one block of bytes from the game server.
    void process_socket_data(const unsigned char *bytes, size_t length);
    // Text for the current text target (the main display for now).
    void emit_text(const char *bytes, size_t length);

    // --- The main display ---
    // Starts a client message: the display follows new text again, the
    // colours return to normal white and a line break is written.
    void begin_client_message();
    void display_text(const char *bytes, size_t length);
    void display_text(const char *text);
    void set_ansi_codes(int attribute, int colour);
    void repaint_main_display();
    void clear_main_display();
    xirr_ansi_display *main_display() const { return main_display_; }

    // --- The game ---
    xirr_game_connection &connection() { return connection_; }
    xirr_tag_dispatch &dispatch() { return dispatch_; }
    xirr_user_commands &commands() { return commands_; }
    void handle_disconnect(const char *message) { connection_.disconnect(message); }
    void send_line(const char *text) { connection_.send_line(text); }
    void send_ping();
    void pong_received();
    int login_state() const { return dispatch_.login_state(); }
    bool password_mode() const;
    void set_password_mode(bool on);
    void connected();
    void logged_in();
    void connection_lost(const char *message);
    xirr_line_edit *input_line() const { return input_line_; }
    void request_focus_return() { focus_return_ = true; }

    // Places every child from the client size and the settings.
    void layout();

    // --- Settings ---
    // The main text font's size in points, applied to every window using it.
    int font_size() const;
    void set_font_size(int points);
    void setting_changed(int id, int value);
    void configuration_applied();

private:
    void OnTimer(wxTimerEvent &event);
    void OnPingTimer(wxTimerEvent &event);
    void OnSaveTimer(wxTimerEvent &event);
    void OnClose(wxCloseEvent &event);
    void OnMenu(wxCommandEvent &event);
    void OnResize(wxSizeEvent &event);
    void OnFocus(wxFocusEvent &event);
    void OnPaint(wxPaintEvent &event);
    void OnMouse(wxMouseEvent &event);
    void load_banner();
    void OnEraseBackground(wxEraseEvent &event);
    void update_background(int force);

    void menu_command(int id);
    void menu_in_game_help(const char *request);
    void menu_web_link(int id);
    void menu_change_font();
    void menu_change_button_font();
    void show_separator_line();
    void save_state();
    void orderly_close();
    void start_pending_browser();
    void queue_manual_link_message(const char *address);
    void socket_handler();

    wxTimer main_tick_{this, main_tick_id};
    wxTimer ping_timer_{this, ping_timer_id};
    wxTimer save_timer_{this, save_timer_id};
    xirr_ansi_display *main_display_ = nullptr;
    wxPanel *input_panel_ = nullptr;
    xirr_line_edit *input_line_ = nullptr;
    xirr_main_menu *menu_ = nullptr;
    wxSize last_size_{-1, -1};
    xirr_background background_;
    wxBitmap background_copy_;     // the background as the toolkit paints it
    wxBitmap banner_;
    wxFont banner_font_;
    wxRect banner_rect_;           // a click here opens the game's web page

    xirr_stream_decoder decoder_;
    xirr_game_connection connection_;
    xirr_tag_dispatch dispatch_;
    xirr_user_commands commands_;
    xirr_ping_meter ping_;
    xirr_exit_countdown exit_countdown_;
    xirr_pending_url pending_url_;
    xirr_pending_text pending_text_;
    bool constructed_ = false;
    bool focus_return_ = false;
    bool drain_queued_ = false;    // a follow-up poll is queued after a busy one
    bool display_dirty_ = false;   // server text arrived since the last repaint
    int64_t last_forced_paint_us_ = 0;

    wxDECLARE_EVENT_TABLE();
};
