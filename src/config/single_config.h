#pragma once
// One character's settings: the record kept by ZvConfig and stored in the
// character's own file, with the remembered geometry of its popup windows.

#include "config/config_settings.h"

#include <string>
#include <vector>

// The geometry of one named popup window.
struct single_popup_window {
    static constexpr size_t max_name_length = 99;

    std::string name;
    int x = 48;
    int y = 48;
    int width = 0;
    int height = 0;
    int columns = 0;   // kept in memory only, never written
    int rows = 0;      // kept in memory only, never written
};

struct single_config {
    // Every int at its default, the texts empty, no popups.
    single_config();

    // The text of a text setting; null for an int setting.
    std::string *text(xirr_config_setting id);
    const std::string *text(xirr_config_setting id) const;

    // Brings every int into its range, as loading does.
    void bring_in_range();
    // Every int but the font sizes back to its default; name, fonts and
    // popups stay.
    void reset_to_defaults();

    // The first popup entry of that name (compared exactly, after the cut
    // and byte mapping that storing applies), or null.
    const single_popup_window *find_popup(const char *name) const;
    // Updates the first entry of entry's name, or adds it at the head.
    void store_popup(const single_popup_window &entry);

    std::string name;
    std::string font;          // the toolkit's description of the text font
    std::string button_font;   // the toolkit's description of the button font
    int value[xirr_cfg_count];   // ints by id; the text ids' slots are unused
    std::vector<single_popup_window> popups;   // newest first
};
