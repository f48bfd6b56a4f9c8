// The main window's side of the game connection: the poll, server text,
// the ping and the disconnected state.
#include "app/main_window.h"

#include "foundation/xirr_time.h"
#include "display/ansi_display_window.h"
#include "input/line_edit.h"

// One poll of the game connection. A poll that stopped at its time budget
// queues another right after the toolkit has handled its pending events, so
// a flood of server text is read at full speed without starving input. The
// toolkit paints only when nothing else is ready, which never happens while
// the follow-up polls keep coming, so during a flood the display is painted
// directly every paint_interval_us.
void xirr_mw::socket_handler()
{
    constexpr int64_t paint_interval_us = 50000;
    int more = connection_.poll();
    if (display_dirty_) {
        display_dirty_ = false;
        main_display_->refresh();
        int64_t now = xirr_gettimeofday_useconds();
        if (more && now - last_forced_paint_us_ >= paint_interval_us) {
            last_forced_paint_us_ = now;
            main_display_->Update();
        }
    }
    if (more && !drain_queued_) {
        drain_queued_ = true;
        CallAfter([this] {
            drain_queued_ = false;
            socket_handler();
        });
    }
}

// The display is repainted once per poll, after every block read in it,
// rather than once per block: a repaint costs about as much as decoding a
// whole block, and only the last one of a poll is ever seen.
void xirr_mw::process_socket_data(const unsigned char *bytes, size_t length)
{
    main_display_->clear_text_arrived();
    decoder_.feed(bytes, length);
    if (main_display_->text_arrived())
        display_dirty_ = true;
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
