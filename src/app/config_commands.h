#pragma once
// The client setting commands the game server sends in the tag "config":
// "<target> <action>", both whole words, letters in any case.
//
//   target              enable / disable                flash
//   automap             automap_display                 on, then flash the automap
//   hint_buttons        hint_button_enable              on, then flash the hint buttons
//   fkey_buttons        fkey_button_display             -
//   status_bar          hpbar_enable                    on, then flash the gauge strip
//   popup_buttons       popup_display                   on, then flash the popup buttons
//   main_window         -                               flash the main display's border
//   input_window        -                               flash the input panel's border
//   direction_buttons   direction_button_enable         -
//   exp_bar             exp_display                     -
//
// A setting is stored only when it changes; its setter makes the status
// report due. Actions a target does not take, unknown targets and empty
// commands are logged above level 1 and change nothing; a missing action
// does nothing.

class ZvConfig;

enum xirr_flash_target {
    XIRR_FLASH_AUTOMAP,
    XIRR_FLASH_HINT_BUTTONS,
    XIRR_FLASH_GAUGES,
    XIRR_FLASH_POPUP_BUTTONS,
    XIRR_FLASH_MAIN_DISPLAY,
    XIRR_FLASH_INPUT_PANEL,
};

// Draws attention to a part of the window (a null callback flashes nothing).
typedef void (*xirr_flash_callback)(void *user, xirr_flash_target target);

class xirr_config_commands {
public:
    // config, flash and user must outlive the object.
    xirr_config_commands(ZvConfig &config, xirr_flash_callback flash, void *user);

    // Carries out one command. Returns 1 when it was carried out, 0 when it
    // was refused (logged) or had no action.
    int config_cmd_process(const char *payload);

private:
    ZvConfig &config_;
    xirr_flash_callback flash_;
    void *user_;
};
