// The main window's main display: client messages and server text.
#include "app/main_window.h"

#include "display/ansi_display_window.h"

#include <cstring>

void xirr_mw::begin_client_message()
{
    // The decoder keeps its state: a tagged message split across reads must
    // survive a client message shown between them. Only connect and
    // disconnect return it to text.
    main_display_->follow();
    main_display_->reset_colors();
    main_display_->display_text("\n");
}

void xirr_mw::display_text(const char *bytes, size_t length)
{
    main_display_->display_socket_data(bytes, length);
}

void xirr_mw::display_text(const char *text)
{
    main_display_->display_text(text);
}

void xirr_mw::set_ansi_codes(int attribute, int colour)
{
    main_display_->set_ansi_codes(attribute, colour);
}

void xirr_mw::repaint_main_display()
{
    main_display_->refresh();
}

void xirr_mw::clear_main_display()
{
    main_display_->clear();
}
