// The main display of the main window. Until the scrollback display exists
// this is a plain text control that keeps only the most recent text and
// ignores colours.
#include "app/main_window.h"

#include <cstring>

void xirr_mw::begin_client_message()
{
    // The decoder keeps its state: a tagged message split across reads must
    // survive a client message shown between them. Only connect and
    // disconnect return it to text.
    set_ansi_codes(0, 0x37);
    display_text("\n");
}

void xirr_mw::display_text(const char *bytes, size_t length)
{
    pending_display_.append(wxString::From8BitData(bytes, length));
}

void xirr_mw::display_text(const char *text)
{
    display_text(text, strlen(text));
}

void xirr_mw::set_ansi_codes(int, int) {}

void xirr_mw::repaint_main_display()
{
    flush_display();
}

void xirr_mw::clear_main_display()
{
    pending_display_.clear();
    main_display_->Clear();
}

// A native text control slows down badly with megabytes in it: keep the
// last 64 KB.
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
