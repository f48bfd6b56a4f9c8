#include "app/client_app.h"

#include "app/main_window.h"
#include "config/zv_config.h"
#include "display/themes.h"
#include "foundation/bounded_text.h"
#include "foundation/client_dirs.h"
#include "foundation/debug_log.h"
#include "foundation/xirr_random.h"
#include "gfx/shared_fonts.h"
#include "net/ssl_context.h"

#include <wx/display.h>
#include <wx/image.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr const char *config_base_name = "TarnHollow";

}  // namespace

bool xirr_client_app::OnInit()
{
    if (!xirr_client_set_up_config_directory(config_base_name)) {
        fputs("Boot failed, unable to get at system config directory.\n", stdout);
        fflush(stdout);
        exit(1);
    }
    xirr_bounded_text log_name;
    log_name.append(xirr_client_get_config_directory());
    log_name.append("/zorvik_log.txt");
    xirr_client_set_debug_logfile_name(log_name.c_str());
    if (xirr_debug_level > 1)
        xirr_debug_printf("--------------------------- BOOT START --------------------------\n");

    // A write to a closed socket must fail with an error, not end the process.
    signal(SIGPIPE, SIG_IGN);
    // Without TLS the game connection never completes; the client still runs.
    if (!xirr_init_ssl() && xirr_debug_level > 0)
        xirr_debug_printf("Boot failed, SSL startup is broken.\n");

    xirr_random_start_up();
    wxImage::AddHandler(new wxPNGHandler);
    xirr_create_shared_fonts(8);

    ZvConfig &config = ZvConfig::instance();
    config.load_system_config();
    read_command_line();
    xirr_current_themes.switch_button_theme(config.get_current_theme());
    xirr_current_themes.switch_background_theme(config.get_current_background_theme());

    main_window_ = new xirr_mw("Tarn Hollow", wxDefaultPosition, wxSize(984, 728));
    main_window_->delayed_initialization(args_.launcher_version);
    main_window_->Show(true);
    SetTopWindow(main_window_);

    measure_screen();
    return true;
}

int xirr_client_app::OnExit()
{
    if (xirr_debug_level > 1)
        xirr_debug_printf("--------------------------- PROGRAM EXIT --------------------------\n");
    xirr_destroy_shared_fonts();
    return 0;
}

void xirr_client_app::read_command_line()
{
    std::vector<wxCharBuffer> buffers;
    std::vector<const char *> pointers;
    buffers.reserve(argc);
    for (int i = 0; i < argc; ++i) {
        buffers.push_back(argv[i].utf8_str());
        pointers.push_back(buffers.back().data());
    }
    xirr_parse_command_line(argc, pointers.data(), &args_);
}

void xirr_client_app::measure_screen()
{
    int index = wxDisplay::GetFromWindow(main_window_);
    wxRect area = wxDisplay(index == wxNOT_FOUND ? 0u : (unsigned)index).GetClientArea();
    screen_width_ = area.width;
    screen_height_ = area.height;
    if (screen_width_ < 1) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in OnInit(), got bogus screen/display xsize of %d.  Setting to 640.\n",
                              screen_width_);
        screen_width_ = 640;
    }
    if (screen_height_ < 1) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in OnInit(), got bogus screen/display ysize of %d.  Setting to 480.\n",
                              screen_height_);
        screen_height_ = 480;
    }
    if (xirr_debug_level > 1)
        xirr_debug_printf("OnInit(), got screen/display size of %d, %d.\n", screen_width_, screen_height_);
}
