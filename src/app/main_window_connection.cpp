// The main window's side of the game connection: the poll, server text,
// the ping and the disconnected state.
#include "app/main_window.h"

#include "foundation/xirr_time.h"
#include "display/ansi_display_window.h"
#include "input/line_edit.h"

// One poll of the game connection. A poll that stopped at its time budget
// queues another right after the toolkit has handled its pending events, so
// a flood of server text is read at full speed without starving repaints
// and input.
void xirr_mw::socket_handler()
{
    int more = connection_.poll();
    if (more && !drain_queued_) {
        drain_queued_ = true;
        CallAfter([this] {
            drain_queued_ = false;
            socket_handler();
        });
    }
}

// Text of one block is shown with one repaint of the display.
void xirr_mw::process_socket_data(const unsigned char *bytes, size_t length)
{
    main_display_->clear_text_arrived();
    decoder_.feed(bytes, length);
    if (main_display_->text_arrived())
        main_display_->refresh();
}

void xirr_mw::emit_text(const char *bytes, size_t length)
{
    main_display_->display_socket_data(bytes, length);
}

void xirr_mw::send_ping()
{
    if (login_state() != xirr_tag_dispatch::playing)
        return;
    send_line("zvping");
    ping_.sent(xirr_gettimeofday_useconds());
}

void xirr_mw::pong_received()
{
    int delay = ping_.delay_ms(xirr_gettimeofday_useconds());
    SetStatusText(wxString::Format("Ping: %d ms", delay));
}

bool xirr_mw::password_mode() const
{
    return input_line_ && input_line_->password_mode();
}

void xirr_mw::set_password_mode(bool on)
{
    if (on)
        input_line_->enter_password_mode();
    else
        input_line_->leave_password_mode();
}

void xirr_mw::connected()
{
    decoder_.reset();
    input_line_->set_history_slot(1);
}

void xirr_mw::logged_in()
{
    input_line_->leave_password_mode();
    input_line_->set_history_slot(2);
    layout();
}

void xirr_mw::connection_lost(const char *message)
{
    decoder_.reset();
    dispatch_.connection_closed();
    input_line_->set_history_slot(0);
    SetTitle("Tarn Hollow");
    set_ansi_codes(0, 0x37);
    display_text("\n\n");
    display_text(message);
    display_text("\n\nTo log in again, type '");
    set_ansi_codes(1, 0x33);
    display_text("connect");
    set_ansi_codes(0, 0x37);
    display_text("' or use the ");
    set_ansi_codes(1, 0x33);
    display_text("File / Connect");
    set_ansi_codes(0, 0x37);
    display_text(" menu option.\n\n");
    repaint_main_display();
    layout();
}
