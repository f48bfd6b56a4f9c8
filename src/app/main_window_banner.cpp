// The main window's own picture: the generated background and the banner
// with the web host's name, whose click opens the game's web page.
#include "app/main_window.h"

#include "app/builtin_images.h"
#include "app/main_layout.h"
#include "app/menu_table.h"
#include "build_settings.h"
#include "config/zv_config.h"
#include "foundation/debug_log.h"

#include <wx/dcclient.h>
#include <wx/image.h>
#include <wx/mstream.h>

void xirr_mw::load_banner()
{
    const unsigned char *data = nullptr;
    size_t size = 0;
    if (!xirr_builtin_image_png(XIRR_IMAGE_BANNER, &data, &size))
        return;
    wxMemoryInputStream stream(data, size);
    wxImage image(stream, wxBITMAP_TYPE_PNG);
    if (image.IsOk())
        banner_ = wxBitmap(image);
    banner_font_ = wxFont(9, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL, true);
}

void xirr_mw::OnPaint(wxPaintEvent &)
{
    wxPaintDC dc(this);
    if (!background_copy_.IsOk()) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("Error in xirr_mw::repaint_handler() - no background image?\n");
        return;
    }
    dc.DrawBitmap(background_copy_, 0, 0);
    if (!banner_.IsOk())
        return;
    dc.SetFont(banner_font_);
    const wxString host = TH_WEB_HOST;
    const wxSize text = dc.GetTextExtent(host);
    xirr_banner_layout b =
        xirr_layout_banner(ZvConfig::instance().get_current_layout(), last_size_.x, last_size_.y,
                           banner_.GetWidth(), banner_.GetHeight(), text.x, text.y);
    banner_rect_ = wxRect(b.rect.x, b.rect.y, b.rect.width, b.rect.height);
    dc.DrawBitmap(banner_, b.banner_x, b.banner_y, true);
    dc.SetTextForeground(wxColour(255, 255, 0));
    dc.SetTextBackground(*wxBLACK);
    dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    dc.DrawText(host, b.text_x, b.text_y);
}

void xirr_mw::OnMouse(wxMouseEvent &event)
{
    if (event.LeftDown() && banner_rect_.Contains(event.GetPosition()))
        menu_web_link(XIRR_ID_LINK_WEB_SITE);
    event.Skip();
}
