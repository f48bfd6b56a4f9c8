#pragma once
// xirr_ansi_display: the window that shows game text. It holds the
// scrollback control (xirr_textctrl) with a vertical scroll bar beside it,
// the ANSI interpreter that feeds the control's store, and the scroll model
// that decides between following new text and holding a scrolled-back
// position. Its frame is grey and white, red while scrolled back (scroll
// lock), and blinks white and black during a border flash.
//
// What the display needs of the program around it (the browser, the status
// bar's scroll-lock indicator, the command input's focus) comes in through
// xirr_display_callbacks, so the display is created the same way for the
// main text area, the channel tabs and the popups.
//
// User-interface thread only.

#include "display/ansi_interpreter.h"
#include "display/scroll_model.h"
#include "widgets/embedded_window.h"

#include <cstddef>

class wxScrollBar;
class wxScrollEvent;
class xirr_glyph_font;
class xirr_textctrl;

struct xirr_display_callbacks {
    // Open address in the web browser (the main window's open_url).
    void (*open_url)(void *user, const char *address);
    // The display started or stopped following new text: the status bar's
    // scroll-lock indicator.
    void (*following_changed)(void *user, int following);
    // Give the keyboard focus to the command input; 1 when it took it.
    int (*focus_input)(void *user);
};

class xirr_ansi_display : public xirr_embedded_window {
public:
    // The display, its text control and its scroll bar ("scrollBar"), with
    // the text drawn in font (which must outlive the display or the next
    // set_font). callbacks (and user) must outlive the display; null, or
    // null members, leave the matching service out.
    xirr_ansi_display(wxWindow *parent, wxWindowID id, const wxString &name, const xirr_glyph_font *font,
                      const xirr_display_callbacks *callbacks, void *user);

    // --- Text (see ansi_interpreter.h) ---

    // Interprets server text; the caller repaints once per batch (refresh)
    // when text_arrived() says text came.
    void display_socket_data(const char *bytes, size_t length);
    // Shows clean text in the current colour and repaints.
    void display_text(const char *text);
    void set_ansi_codes(int a, int b) { interpreter_.set_ansi_codes(a, b); }
    void reset_colors() { interpreter_.reset_colors(); }
    void clear();
    void suspend_updates() { interpreter_.suspend_updates(); }
    void resume_updates();
    void rerender();
    void set_wrap(int on);
    // A new font for the text (laid out again) and the colour pushed again.
    void set_font(const xirr_glyph_font *font);
    int text_arrived() const { return interpreter_.text_arrived(); }
    void clear_text_arrived() { interpreter_.clear_text_arrived(); }
    xirr_ansi_interpreter &interpreter() { return interpreter_; }
    xirr_textctrl &text_control() { return *text_; }

    // --- The view ---

    // Repaints the display and its text control and updates the scroll bar.
    void refresh();
    // The server's colour flash for this display's text area.
    void parse_colorflash(const char *payload);

    // --- Scrolling (see scroll_model.h); each repaints as needed ---

    xirr_scroll_model &scroll_model() { return scroll_; }
    int following() const { return scroll_.following(); }
    void scroll_to_end();
    void follow();
    void follow_if_locked();
    void lock();
    void lock_if_following();
    void scroll_by(int delta);
    void scroll_up(int n);
    void scroll_down(int n);
    void page_up();
    void page_down();
    // Restores a saved scroll bar position (the popup "undivert").
    void set_scroll_position(int top);
    int get_scroll_bar_position() const;
    // Shows or hides the scroll bar (the setting `mw_scrollbar_enable`).
    void show_scrollbar(int on);

    // --- For the text control ---

    // The scroll state changed: scroll bar, frame and status bar.
    void scroll_changed();
    void open_url(const char *address);
    // Gives the focus to the command input; 1 when it took it.
    int focus_input();

    void compute_layout(int bitmap_recreated) override;
    void render(xirr_bitmap &bitmap) override;
    int animation_callback(int elapsed_ms) override;

private:
    void update_scroll_bar();
    // Tells the status bar when the follow state changed since last time.
    void report_following();
    int scroll_bar_width() const;
    void OnScroll(wxScrollEvent &event);
    void OnFocus(wxFocusEvent &event);

    const xirr_display_callbacks *callbacks_;
    void *user_;
    xirr_textctrl *text_;
    wxScrollBar *scroll_bar_;
    xirr_ansi_interpreter interpreter_;
    xirr_scroll_model scroll_;
    int scroll_bar_shown_ = 1;
    int reported_following_ = 1;   // the following state the status bar was last told

    wxDECLARE_EVENT_TABLE();
};
