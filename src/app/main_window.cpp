#include "app/main_window.h"

#include "build_settings.h"
#include "config/zv_config.h"
#include "foundation/browser_launch.h"
#include "foundation/debug_log.h"
#include "foundation/xirr_time.h"
#include "game/client_version.h"

#include <wx/sizer.h>
#include <wx/utils.h>

#include <cstdlib>
#include <cstring>
#include <string>

wxBEGIN_EVENT_TABLE(xirr_mw, wxFrame)
    EVT_TIMER(xirr_mw::main_tick_id, xirr_mw::OnTimer)
    EVT_TIMER(xirr_mw::ping_timer_id, xirr_mw::OnPingTimer)
    EVT_TIMER(xirr_mw::save_timer_id, xirr_mw::OnSaveTimer)
    EVT_CLOSE(xirr_mw::OnClose)
wxEND_EVENT_TABLE()

const xirr_stream_callbacks xirr_mw::stream_callbacks = {
    &xirr_mw::on_text,
    &xirr_mw::on_tag,
    &xirr_mw::on_echo,
    &xirr_mw::on_bell,
};

const xirr_config_hooks xirr_mw::config_hooks = {
    nullptr,
    &xirr_mw::on_status_report_due,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};

const xirr_connection_callbacks xirr_mw::connection_callbacks = {
    &xirr_mw::on_message,
    &xirr_mw::on_connected,
    &xirr_mw::on_received,
    &xirr_mw::on_disconnected,
};

xirr_mw::xirr_mw(const wxString &title, const wxPoint &position, const wxSize &size)
    : wxFrame(nullptr, wxID_ANY, title, position, size),
      connection_(TH_GAME_HOST, TH_GAME_PORT, XIRR_CLIENT_VERSION, &connection_callbacks, this)
{
}

xirr_mw::~xirr_mw()
{
    main_tick_.Stop();
    ping_timer_.Stop();
    save_timer_.Stop();
}

void xirr_mw::delayed_initialization()
{
    main_display_ = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                   wxDefaultSize,
                                   wxTE_MULTILINE | wxTE_READONLY | wxTE_RICH2 | wxBORDER_NONE);
    main_display_->SetBackgroundColour(*wxBLACK);
    main_display_->SetForegroundColour(wxColour(192, 192, 192));
    // The window's own background shows in the 2-pixel gaps at its edges.
    SetBackgroundColour(wxColour(64, 64, 64));
    auto *sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(main_display_, 1, wxEXPAND | wxALL, 2);
    SetSizer(sizer);
    CreateStatusBar(1);

    ZvConfig &config = ZvConfig::instance();
    config.set_hooks(&config_hooks, this);
    connection_.set_identifier(config.get_uuid());

    constructed_ = true;
    main_tick_.Start(main_tick_ms);
    ping_timer_.Start(ping_interval_ms);
    save_timer_.Start(save_interval_ms);
}

void xirr_mw::OnTimer(wxTimerEvent &)
{
    if (!constructed_) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("xirr_mw::OnTimer() - constructor not finished?\n");
        return;
    }
    if (focus_return_) {
        focus_return_ = false;
        main_display_->SetFocus();
    }
    socket_handler();
    if (pending_text_.pending()) {
        begin_client_message();
        const xirr_bounded_text &text = pending_text_.text();
        display_text(text.c_str(), text.length);
        pending_text_.clear();
        flush_display();
    }
    if (pending_url_.pending())
        start_pending_browser();

    switch (exit_countdown_.tick()) {
    case xirr_exit_countdown::none:
        break;
    case xirr_exit_countdown::orderly_close:
        orderly_close();
        break;
    case xirr_exit_countdown::force_exit:
        if (xirr_debug_level > 1)
            xirr_debug_printf("xirr_mw::shutdown - exit forced.\n");
        _Exit(0);
    }
}

void xirr_mw::OnPingTimer(wxTimerEvent &)
{
    send_ping();
}

// One poll of the game connection. A poll that stopped at its time budget
// queues another right after the toolkit has handled its pending events, so
// a flood of server text is read at full speed without starving repaints
// and input.
void xirr_mw::socket_handler()
{
    int more = connection_.poll();
    flush_display();
    if (more && !drain_queued_) {
        drain_queued_ = true;
        CallAfter([this] {
            drain_queued_ = false;
            socket_handler();
        });
    }
}

void xirr_mw::send_ping()
{
    if (login_state_ != 2)
        return;
    send_line("zvping");
    ping_.sent(xirr_gettimeofday_useconds());
}

void xirr_mw::pong_received()
{
    int delay = ping_.delay_ms(xirr_gettimeofday_useconds());
    SetStatusText(wxString::Format("Ping: %d ms", delay));
}

void xirr_mw::OnSaveTimer(wxTimerEvent &)
{
    save_state();
}

void xirr_mw::OnClose(wxCloseEvent &event)
{
    if (!exit_countdown_.closing() && event.CanVeto()) {
        event.Veto();
        verify_program_exit();
        return;
    }
    save_state();
    Destroy();
}

void xirr_mw::save_state()
{
    ZvConfig::instance().save_system_config_file();
}

void xirr_mw::orderly_close()
{
    if (xirr_debug_level > 1)
        xirr_debug_printf("xirr_mw::shutdown - requested exit\n");
    save_state();
    Destroy();
}

void xirr_mw::system_shutdown_handler()
{
    if (xirr_debug_level > 1)
        xirr_debug_printf("xirr_mw system_shutdown_handler.\n");
    exit_countdown_.request();
}

void xirr_mw::verify_program_exit()
{
    if (xirr_debug_level > 1)
        xirr_debug_printf("xirr_mw::verify_program_exit()\n");
    // Until the confirmation dialogs exist, a player in the game is logged
    // off with the server's own check and the client closes.
    if (login_state_ == 2 && connection_.is_connected())
        send_line("quit -check");
    system_shutdown_handler();
}

void xirr_mw::open_url(const char *address)
{
    pending_url_.set(address);
    if (xirr_debug_level > 1)
        xirr_debug_printf("open_url() - '%s'.\n", address ? address : "(null)");
}

void xirr_mw::add_pending_local_text(const char *text)
{
    pending_text_.append(text);
}

void xirr_mw::start_pending_browser()
{
    char url[xirr_pending_url::capacity];
    if (pending_url_.take(url) && !xirr_http_fork(url)) {
        add_pending_local_text("\n\nSorry, but I can't seem invoke the FireFox browser.  "
                               "This is the only browser I currently trust.\n"
                               "You can try to get to the link manually by going to:\n\n");
        add_pending_local_text(url);
        add_pending_local_text("\n\n");
    }
}

void xirr_mw::process_socket_data(const unsigned char *bytes, size_t length)
{
    decoder_.feed(bytes, length);
}

void xirr_mw::begin_client_message()
{
    // The decoder keeps its state: a tagged message split across reads must
    // survive a client message shown between them. Only connect and
    // disconnect return it to text.
    main_display_->SetInsertionPointEnd();
    display_text("\n", 1);
}

void xirr_mw::display_text(const char *bytes, size_t length)
{
    pending_display_.append(wxString::From8BitData(bytes, length));
}

// The stand-in display keeps only the most recent text: a native text
// control slows down badly with megabytes in it.
void xirr_mw::flush_display()
{
    constexpr long keep = 65536;
    if (pending_display_.empty())
        return;
    if ((long)pending_display_.length() > keep) {
        main_display_->SetValue(pending_display_.Right(keep));
    } else {
        main_display_->AppendText(pending_display_);
        long excess = main_display_->GetLastPosition() - keep;
        if (excess > 0)
            main_display_->Remove(0, excess);
    }
    pending_display_.clear();
    main_display_->ShowPosition(main_display_->GetLastPosition());
}

void xirr_mw::on_message(void *user, const char *text)
{
    auto *mw = static_cast<xirr_mw *>(user);
    mw->begin_client_message();
    mw->display_text(text, strlen(text));
    mw->flush_display();
}

void xirr_mw::on_connected(void *user)
{
    static_cast<xirr_mw *>(user)->decoder_.reset();
}

void xirr_mw::on_received(void *user, const unsigned char *bytes, size_t length)
{
    static_cast<xirr_mw *>(user)->process_socket_data(bytes, length);
}

void xirr_mw::on_disconnected(void *user, const char *message)
{
    auto *mw = static_cast<xirr_mw *>(user);
    mw->decoder_.reset();
    mw->login_state_ = 0;
    mw->SetTitle("Tarn Hollow");
    mw->display_text("\n\n", 2);
    mw->display_text(message, strlen(message));
    static const char hint[] =
        "\n\nTo log in again, type 'connect' or use the File / Connect menu option.\n\n";
    mw->display_text(hint, sizeof hint - 1);
    mw->flush_display();
}

int xirr_mw::on_text(void *user, const char *bytes, size_t length)
{
    static_cast<xirr_mw *>(user)->display_text(bytes, length);
    return 1;
}

// Until the tag dispatcher exists, only what the connection and the
// configuration need is handled: "login" starts play (and so the ping) with
// the character's configuration, "zvpong" answers the ping, "uuid" gives the
// installation its identifier.
int xirr_mw::on_tag(void *user, const char *name, const char *payload, size_t)
{
    auto *mw = static_cast<xirr_mw *>(user);
    ZvConfig &config = ZvConfig::instance();
    if (strcmp(name, "login") == 0) {
        mw->login_state_ = 2;
        std::string character(payload, strcspn(payload, "\n"));
        if (!character.empty())
            config.switch_to_character(character.c_str());
        return 1;
    }
    if (strcmp(name, "uuid") == 0) {
        config.set_uuid(payload);
        mw->connection_.set_identifier(config.get_uuid());
        return 1;
    }
    if (strcmp(name, "event") == 0 && strcmp(payload, "zvpong") == 0) {
        mw->pong_received();
        return 1;
    }
    return 0;
}

void xirr_mw::on_status_report_due(void *user)
{
    static_cast<xirr_mw *>(user)->status_report_pending_ = true;
}

int xirr_mw::on_echo(void *user, int hidden)
{
    static_cast<xirr_mw *>(user)->password_mode_ = hidden != 0;
    return 1;
}

int xirr_mw::on_bell(void *)
{
    wxBell();
    return 1;
}
