// The main window's menu commands and its following of the configuration.
#include "app/main_window.h"

#include "app/help_texts.h"
#include "app/main_menu.h"
#include "app/menu_table.h"
#include "config/zv_config.h"
#include "foundation/bounded_text.h"
#include "foundation/browser_launch.h"
#include "display/ansi_display_window.h"
#include "gfx/shared_fonts.h"
#include "gfx/xirr_glyph_font.h"
#include "input/line_edit.h"

#include <wx/fontdlg.h>

namespace {

// The font colour items: the value they store and the scheme's name.
const char *font_colors_name(int id)
{
    switch (id) {
    case XIRR_ID_FONT_COLORS_DEFAULT: return "default";
    case XIRR_ID_FONT_COLORS_ZMUD: return "ZMud-style";
    case XIRR_ID_FONT_COLORS_GMUD: return "GMud-style";
    case XIRR_ID_FONT_COLORS_BRIGHT: return "bright";
    }
    return nullptr;
}

}  // namespace

void xirr_mw::OnMenu(wxCommandEvent &event)
{
    menu_command(event.GetId());
}

void xirr_mw::menu_command(int id)
{
    ZvConfig &config = ZvConfig::instance();
    const xirr_menu_item *item = xirr_menu_find(id);
    if (id == XIRR_ID_DOCKED_MAP && !config.get_automap_display())
        config.set_automap_display(1);
    if (item && xirr_menu_item_choose(*item, config)) {
        // A setter that kept its value leaves the toolkit's toggled mark.
        menu_->show_all(config);
        if (const char *name = font_colors_name(id)) {
            begin_client_message();
            display_text("\nFuture text will now use ");
            display_text(name);
            display_text(" ansi colors.\n\n");
            repaint_main_display();
        }
        return;
    }
    if (xirr_web_link_find(id)) {
        menu_web_link(id);
        return;
    }
    switch (id) {
    case XIRR_ID_CONNECT:
        if (connection_.is_connected()) {
            begin_client_message();
            display_text("\nYou are already connected to the server.\n");
        } else {
            commands_.process_user_command("connect", 0);
        }
        repaint_main_display();
        break;
    case XIRR_ID_DISCONNECT:
        if (!connection_.is_connected()) {
            begin_client_message();
            display_text("\nYou are not connected to the server.\n");
        } else {
            // The confirmation dialogs come later; disconnect directly.
            commands_.process_user_command("//disconnect", 0);
        }
        repaint_main_display();
        break;
    case XIRR_ID_CLEAR_SCROLLBACK:
        clear_main_display();
        begin_client_message();
        display_text("\n\nScrollback cleared.\n\n");
        repaint_main_display();
        break;
    case XIRR_ID_SAVE_AND_QUIT:
        menu_file_save_and_quit();
        break;
    case XIRR_ID_DEFAULT_PREFERENCES:
        config.reset_to_defaults();
        break;
    case XIRR_ID_DEFAULT_THEME:
        config.set_current_theme(1);
        config.set_current_background_theme(2);
        config.set_theme_bg_setting(3);
        break;
    case XIRR_ID_BIGGER_FONT:
        input_line_->change_font_size(1);
        break;
    case XIRR_ID_SMALLER_FONT:
        input_line_->change_font_size(-1);
        break;
    case XIRR_ID_CHANGE_FONT:
        menu_change_font();
        break;
    case XIRR_ID_CHANGE_BUTTON_FONT:
        menu_change_button_font();
        break;
    case XIRR_ID_KEYBOARD_SHORTCUTS:
        commands_.show_keyboard_help();
        break;
    case XIRR_ID_BASIC_COMMANDS:
        menu_in_game_help("help");
        break;
    case XIRR_ID_MORE_COMMANDS:
        menu_in_game_help("help me");
        break;
    case XIRR_ID_ABOUT:
        commands_.show_version();
        break;
    }
}

void xirr_mw::show_separator_line()
{
    set_ansi_codes(1, 0x33);
    display_text(xirr_separator_line);
    set_ansi_codes(0, 0x37);
}

void xirr_mw::menu_in_game_help(const char *request)
{
    bool connected = connection_.is_connected();
    if (connected && login_state() == xirr_tag_dispatch::playing) {
        send_line(request);
        return;
    }
    begin_client_message();
    display_text("\n");
    show_separator_line();
    display_text("\n");
    display_text(connected ? "\nSorry, but in-game help isn't available until after you have logged in."
                           : "\nYou must be connected to the server to view the in-game help.");
    display_text("\n(The on-line help is the same, you could try there instead.)\n");
    show_separator_line();
    display_text("\n");
    repaint_main_display();
}

void xirr_mw::menu_web_link(int id)
{
    xirr_bounded_text address;
    if (!xirr_web_link_address(id, &address))
        return;
    if (xirr_http_fork(address.c_str())) {
        begin_client_message();
        display_text("\n");
        display_text(xirr_web_link_find(id)->line);
        display_text("\n");
        repaint_main_display();
        return;
    }
    queue_manual_link_message(address.c_str());
}

// The toolkit's font dialog preset with font; returns the chosen font, or
// an invalid one when the dialog was cancelled.
static wxFont choose_font(wxWindow *parent, const wxFont &font)
{
    wxFontData data;
    data.SetInitialFont(font);
    wxFontDialog dialog(parent, data);
    if (dialog.ShowModal() != wxID_OK)
        return wxFont();
    return dialog.GetFontData().GetChosenFont();
}

void xirr_mw::menu_change_font()
{
    wxFont chosen = choose_font(this, *xirr_main_text_font());
    if (!chosen.IsOk())
        return;
    xirr_main_text_font()->copy_font(chosen);
    ZvConfig::instance().store_font(chosen.GetNativeFontInfoDesc().utf8_str(),
                                    chosen.GetPointSize());
    set_font_size(chosen.GetPointSize());
}

// The small button font becomes the chosen font, the status font the same
// two points larger.
void xirr_mw::menu_change_button_font()
{
    wxFont chosen = choose_font(this, *xirr_small_button_font());
    if (!chosen.IsOk())
        return;
    xirr_small_button_font()->copy_font(chosen);
    wxFont status = chosen;
    status.SetPointSize(chosen.GetPointSize() + 2);
    xirr_status_font()->copy_font(status);
    ZvConfig::instance().store_button_font(chosen.GetNativeFontInfoDesc().utf8_str(),
                                           chosen.GetPointSize());
    layout();
}

int xirr_mw::font_size() const
{
    return xirr_main_text_font()->GetPointSize();
}

void xirr_mw::set_font_size(int points)
{
    xirr_glyph_font *font = xirr_main_text_font();
    font->SetPointSize(points);
    main_display_->set_font(font);
    input_line_->apply_font(*font);
    ZvConfig::instance().set_font_size(points);
    layout();
}

void xirr_mw::setting_changed(int id, int value)
{
    if (menu_)
        menu_->show_setting(static_cast<xirr_config_setting>(id), value);
}

void xirr_mw::configuration_applied()
{
    if (menu_)
        menu_->show_all(ZvConfig::instance());
}
