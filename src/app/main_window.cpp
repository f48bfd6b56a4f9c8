#include "app/main_window.h"

#include "app/main_layout.h"
#include "app/main_menu.h"
#include "app/main_window_glue.h"
#include "app/menu_table.h"
#include "build_settings.h"
#include "config/zv_config.h"
#include "foundation/browser_launch.h"
#include "foundation/debug_log.h"
#include "foundation/xirr_time.h"
#include "display/ansi_display_window.h"
#include "game/client_version.h"
#include "gfx/shared_fonts.h"
#include "gfx/xirr_bitmap_to_wx.h"
#include "gfx/xirr_glyph_font.h"
#include "widgets/animation_list.h"
#include "input/line_edit.h"

#include <wx/panel.h>
#include <wx/sizer.h>

#include <cstdlib>
#include <cstring>

wxBEGIN_EVENT_TABLE(xirr_mw, wxFrame)
    EVT_TIMER(xirr_mw::main_tick_id, xirr_mw::OnTimer)
    EVT_TIMER(xirr_mw::ping_timer_id, xirr_mw::OnPingTimer)
    EVT_TIMER(xirr_mw::save_timer_id, xirr_mw::OnSaveTimer)
    EVT_CLOSE(xirr_mw::OnClose)
    EVT_MENU_RANGE(XIRR_ID_CONNECT, XIRR_ID_ABOUT, xirr_mw::OnMenu)
    EVT_SIZE(xirr_mw::OnResize)
    EVT_SET_FOCUS(xirr_mw::OnFocus)
    EVT_PAINT(xirr_mw::OnPaint)
    EVT_ERASE_BACKGROUND(xirr_mw::OnEraseBackground)
    EVT_MOUSE_EVENTS(xirr_mw::OnMouse)
wxEND_EVENT_TABLE()

xirr_mw::xirr_mw(const wxString &title, const wxPoint &position, const wxSize &size)
    : wxFrame(nullptr, wxID_ANY, title, position, size),
      decoder_(&xirr_mw_stream_callbacks, this),
      connection_(TH_GAME_HOST, TH_GAME_PORT, XIRR_CLIENT_VERSION, &xirr_mw_connection_callbacks,
                  this),
      dispatch_(&xirr_mw_dispatch_callbacks, this, ZvConfig::instance()),
      commands_(&xirr_mw_command_callbacks, this, ZvConfig::instance())
{
}

xirr_mw::~xirr_mw()
{
    main_tick_.Stop();
    ping_timer_.Stop();
    save_timer_.Stop();
    ZvConfig::instance().set_hooks(nullptr, nullptr);
}

void xirr_mw::delayed_initialization(const char *launcher_version)
{
    ZvConfig &config = ZvConfig::instance();
    load_banner();
    if (config.get_font_size() != xirr_main_text_font()->GetPointSize())
        xirr_main_text_font()->SetPointSize(config.get_font_size());
    input_panel_ = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE,
                               "main input window");
    input_line_ = new xirr_line_edit(input_panel_, config, &xirr_mw_line_edit_callbacks, this);
    auto *input_sizer = new wxBoxSizer(wxVERTICAL);
    input_sizer->Add(input_line_, 1, wxEXPAND);
    input_panel_->SetSizer(input_sizer);
    main_display_ = new xirr_ansi_display(this, wxID_ANY, "main display", xirr_main_text_font(),
                                          &xirr_mw_display_callbacks, this);
    main_display_->show_scrollbar(config.get_mw_scrollbar_enable());
    input_line_->apply_font(*xirr_main_text_font());
    menu_ = new xirr_main_menu(config);
    SetMenuBar(menu_);
    SetBackgroundColour(*wxBLACK);
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    CreateStatusBar(1);

    config.set_hooks(&xirr_mw_config_hooks, this);
    connection_.set_identifier(config.get_uuid());
    commands_.set_launcher_version(launcher_version);

    constructed_ = true;
    layout();
    input_line_->SetFocus();
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
        input_line_->SetFocus();
    }
    socket_handler();
    xirr_display_animations.tick(main_tick_ms);
    if (login_state() == xirr_tag_dispatch::playing)
        dispatch_.send_pending_status_report();
    if (pending_text_.pending()) {
        begin_client_message();
        const xirr_bounded_text &text = pending_text_.text();
        display_text(text.c_str(), text.length);
        pending_text_.clear();
        repaint_main_display();
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

void xirr_mw::OnResize(wxSizeEvent &)
{
    if (!constructed_) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("xirr_mw::OnResize() - windows bug triggered, constructor not yet finished.  Ignoring.\n");
        return;
    }
    if (GetClientSize() == last_size_) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("xirr_mw::OnResize() - ignoring double resize.\n");
        return;
    }
    layout();
}

void xirr_mw::OnFocus(wxFocusEvent &)
{
    if (input_line_)
        input_line_->SetFocus();
}

void xirr_mw::layout()
{
    wxSize size = GetClientSize();
    if (size.x > 0 && size.y > 0)
        last_size_ = size;
    update_background(0);
    xirr_main_layout_input in;
    xirr_layout_read_settings(ZvConfig::instance(), &in);
    in.width = last_size_.x;
    in.height = last_size_.y;
    in.login_state = login_state();
    xirr_main_layout placed = xirr_layout_main_window(in);
    auto place = [](wxWindow *window, const xirr_layout_child &child) {
        window->SetSize(child.rect.x, child.rect.y, child.rect.width, child.rect.height);
        window->Show(child.shown != 0);
    };
    place(input_panel_, placed.input_panel);
    const xirr_layout_rect &r = placed.main_display.rect;
    main_display_->set_position_and_size(r.x, r.y, r.width, r.height);
    main_display_->Show(placed.main_display.shown != 0);
    main_display_->follow_if_locked();
}

// Regenerates the background picture when the window outgrew it or its
// style or colours changed (force: always).
void xirr_mw::update_background(int force)
{
    const ZvConfig &config = ZvConfig::instance();
    const int style = config.get_theme_bg_setting();
    const int colours = config.get_current_background_theme();
    if (!force && !background_.needs_redraw(last_size_.x, last_size_.y, style, colours))
        return;
    if (background_.update(last_size_.x, last_size_.y, style, colours, force) &&
        background_.bitmap()) {
        xirr_bitmap_to_wx(*background_.bitmap(), &background_copy_);
        Refresh(false);
    }
}

// The background is painted whole by OnPaint; erasing first would flicker.
void xirr_mw::OnEraseBackground(wxEraseEvent &) {}

void xirr_mw::OnPingTimer(wxTimerEvent &)
{
    send_ping();
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
    if (login_state() == xirr_tag_dispatch::playing && connection_.is_connected())
        send_line("quit -check");
    system_shutdown_handler();
}

void xirr_mw::menu_file_save_and_quit()
{
    if (xirr_debug_level > 1)
        xirr_debug_printf("xirr_mw::menu_file_save_and_quit()\n");
    verify_program_exit();
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
    if (pending_url_.take(url) && !xirr_http_fork(url))
        queue_manual_link_message(url);
}

// Shown on the next main tick when the browser could not be started.
void xirr_mw::queue_manual_link_message(const char *address)
{
    add_pending_local_text("\n\nSorry, but I can't seem invoke the FireFox browser.  "
                           "This is the only browser I currently trust.\n"
                           "You can try to get to the link manually by going to:\n\n");
    add_pending_local_text(address);
    add_pending_local_text("\n\n");
}
