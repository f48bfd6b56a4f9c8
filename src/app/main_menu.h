#pragma once
// The main window's menu bar, built from the menu table with the check and
// radio marks of the configuration, and kept in line with it: the
// configuration's hooks call show_setting, show_system_audio and show_all.
// What a command does is the main window's business (its event table and
// xirr_menu_item_choose). User-interface thread only.

#include "app/menu_table.h"
#include "config/config_settings.h"

#include <wx/menu.h>

class ZvConfig;

class xirr_main_menu : public wxMenuBar {
public:
    explicit xirr_main_menu(const ZvConfig &config);

    // Setting id now holds value: its check item shows it, or the radio
    // item of that value is selected.
    void show_setting(xirr_config_setting id, int value);
    // The mark of "Enable Sounds".
    void show_system_audio(int on);
    // Every mark from config: after another configuration became current or
    // was reset, and after a choice whose setter left the value as it was
    // (the toolkit has already toggled the item's mark).
    void show_all(const ZvConfig &config);

private:
    void show(const xirr_menu_item &item, int marked);
    void show_target(xirr_menu_target target, xirr_config_setting id, int value);
};
