#include "app/main_window.h"

#include "foundation/debug_log.h"

#include <wx/sizer.h>
#include <wx/utils.h>

#include <cstdlib>

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

xirr_mw::xirr_mw(const wxString &title, const wxPoint &position, const wxSize &size)
    : wxFrame(nullptr, wxID_ANY, title, position, size)
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
    if (pending_text_.pending()) {
        begin_client_message();
        const xirr_bounded_text &text = pending_text_.text();
        display_text(text.c_str(), text.length);
        pending_text_.clear();
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
    // The ping needs the game connection; nothing to send without it.
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
    // Popup positions and the system configuration are saved here once
    // those subsystems exist.
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
    // Without a game connection no confirmation is needed.
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
    if (pending_url_.take(url))
        wxLaunchDefaultBrowser(wxString::FromUTF8(url));
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
    main_display_->AppendText(wxString::From8BitData(bytes, length));
}

int xirr_mw::on_text(void *user, const char *bytes, size_t length)
{
    static_cast<xirr_mw *>(user)->display_text(bytes, length);
    return 1;
}

int xirr_mw::on_tag(void *, const char *, const char *, size_t)
{
    return 0;   // tags are not dispatched yet
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
