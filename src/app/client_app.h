#pragma once
// The toolkit application: start-up in a fixed order (directory and log
// first, then the services, the configuration, the command line and the
// main window) and the process-wide values it sets up.

#include "app/launcher_args.h"

#include <wx/app.h>

class xirr_mw;

class xirr_client_app : public wxApp {
public:
    bool OnInit() override;
    int OnExit() override;

    const char *launcher_version() const { return args_.launcher_version; }
    int screen_width() const { return screen_width_; }
    int screen_height() const { return screen_height_; }
    xirr_mw *main_window() const { return main_window_; }

private:
    void read_command_line();
    void measure_screen();

    xirr_launcher_args args_;
    int screen_width_ = 640;
    int screen_height_ = 480;
    xirr_mw *main_window_ = nullptr;
};

wxDECLARE_APP(xirr_client_app);
