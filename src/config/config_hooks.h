#pragma once
// How the window code follows the configuration. Every pointer may be null:
// the configuration then only stores values, so it runs and is tested
// without any window. All calls come on the user-interface thread.

#include "config/config_settings.h"

struct single_config;

struct xirr_config_hooks {
    // A setter stored value for setting id: set the menu item's check or
    // radio mark, redo the layout, show or hide the window that depends on it.
    void (*setting_changed)(void *user, xirr_config_setting id, int value);
    // The settings report to the server is due (the status report pending
    // flag of the main window).
    void (*status_report_due)(void *user);
    // Another configuration became current, or the current one was reset to
    // its defaults: bring every menu item and window in line with it.
    void (*configuration_applied)(void *user);
    // Build the shared fonts from config's font descriptions and sizes.
    void (*apply_fonts)(void *user, const single_config &config);
    // Starts the audio output; 1 when it runs. A null hook counts as started.
    int (*start_audio)(void *user);
    void (*stop_audio)(void *user);
    // System audio is now on (1) or off (0): the mark of "Enable Sounds".
    void (*system_audio_changed)(void *user, int on);
};
