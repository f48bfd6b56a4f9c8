#pragma once
// The scrollback control of a text display without its window: the store,
// and the view's state and behaviour on top of it -- painting, the mouse
// (selection, links, wheel, buttons), the colour flashes and the animation
// that runs them. The window (xirr_textctrl) holds one, hands it the
// toolkit's events as xirr_view_mouse values and carries out what it asks
// for through xirr_textctrl_host; scrolling goes to the owning display's
// scroll model.
//
// The selection reaches the clipboard (the X primary selection) on every
// change, without a copy command. A click on a web link opens it through
// the host and selects it; the button release that follows is ignored.
//
// User-interface thread only.

#include "display/color_flash.h"
#include "display/selection.h"
#include "display/text_store.h"
#include "display/view_animation.h"
#include "gfx/xirr_rgb.h"

#include <string>

class xirr_bitmap;
class xirr_glyph_set;
class xirr_scroll_model;

// What the view needs of its window and the program around it.
class xirr_textctrl_host {
public:
    // Mouse capture for a selection drag.
    virtual void capture_mouse() = 0;
    virtual void release_mouse() = 0;
    // Draw the control again soon.
    virtual void repaint() = 0;
    // Put text into the X primary selection.
    virtual void set_clipboard_data(const std::string &text) = 0;
    // Open address in the web browser (the main window's pending URL).
    virtual void open_url(const char *address) = 0;
    // Put the control into the animation list; it leaves it when its
    // animation_callback returns 0.
    virtual void start_animation() = 0;
    // The owner's scroll state changed: update its scroll bar and frame.
    virtual void scrolled() = 0;
    // The setting `url_hotlinking`.
    virtual int url_hotlinking() = 0;

protected:
    ~xirr_textctrl_host() = default;
};

// A mouse event as the view takes it.
struct xirr_view_mouse {
    enum kind_type {
        MOTION,
        LEFT_DOWN,
        LEFT_UP,
        RIGHT_DOWN,
        MIDDLE_DOWN,
        WHEEL,
        OTHER,         // other button releases, entering and leaving the window
    };
    kind_type kind = OTHER;
    int x = 0, y = 0;                          // client pixels
    int left = 0, middle = 0, right = 0;       // buttons held during the event
    int wheel = 0;                             // rotation: above 0 away from the user (up)
};

class xirr_textctrl_view {
public:
    // Lines the wheel scrolls per notch.
    static constexpr int wheel_lines = 3;

    // host must outlive the view.
    explicit xirr_textctrl_view(xirr_textctrl_host *host);
    xirr_textctrl_view(const xirr_textctrl_view &) = delete;
    xirr_textctrl_view &operator=(const xirr_textctrl_view &) = delete;

    xirr_textctrl_store &store() { return store_; }
    // The display whose scroll state the view changes; set by the owner
    // after construction. Until then scrolling requests are ignored.
    void set_owner(xirr_scroll_model *owner) { owner_ = owner; }
    // The glyphs to draw with (they must outlive the view or the next
    // call) and their metrics for the store. compact: one pixel less per
    // line (the setting `compact_mode`). A null glyph set is ignored.
    void set_font(const xirr_glyph_set *glyphs, int compact);
    // The client size of the control's window. Returns 1 when the text was
    // laid out again.
    int set_client_size(int width, int height);

    // Draws the visible lines into bitmap (the control's render). Draws
    // only the background until a font is set.
    void repaint_internal(xirr_bitmap &bitmap);
    // The background of the next paint: the colour flash while one runs,
    // else the store's background.
    xirr_rgb background() const;

    void mouse_event(const xirr_view_mouse &event);
    // The window lost the mouse capture: an active selection is copied once
    // more and dropped.
    void mouse_capture_lost();
    // Opens the link under (line, offset) when the setting allows it and
    // selects it. Returns 1 when a link was opened.
    int url_clicked_on(int line, int offset);
    xirr_text_position translate_xy_to_line_and_offset(int x, int y);
    // Puts the selected text into the primary selection.
    void copy_selection_to_clipboard();
    const xirr_selection &selection() const { return selection_; }

    // The server's colour flash payload (see color_flash.h).
    void parse_colorflash(const char *payload);
    // One tick of the display animations. Returns 0 when the animation is
    // over and the control leaves the animation list.
    int animation_callback(int elapsed_ms);
    // Lines per animation step of a selection drag beyond the window's
    // edge (negative: upwards); 0 while none.
    int drag_speed() const { return drag_speed_; }

private:
    static void on_store_reset(void *user);
    void run_animation(int count);
    void drag_outside(int y);
    // The selection follows the cursor: made active when the cursor left
    // the anchor, then ordered and copied while active.
    void update_selection();
    void lock_if_following();

    xirr_textctrl_host *host_;
    xirr_textctrl_store store_;
    xirr_scroll_model *owner_ = nullptr;
    const xirr_glyph_set *glyphs_ = nullptr;
    int client_width_ = 0;
    int client_height_ = 0;
    xirr_color_flash_list flashes_;
    xirr_rgb flash_background_;
    int flash_shown_ = 0;          // 1 while flash_background_ is the background
    xirr_view_animation animation_;
    int drag_speed_ = 0;
    int swallow_next_release_ = 0;
    int mouse_captured_ = 0;
    xirr_selection selection_;
};
