#include "config/single_config.h"

#include "foundation/xml_text.h"

namespace {

// A popup name as stored: cut to its limit, bytes made storable.
std::string popup_key(const char *name)
{
    std::string key(name ? name : "");
    if (key.size() > single_popup_window::max_name_length)
        key.resize(single_popup_window::max_name_length);
    xirr_xml_make_storable(key);
    return key;
}

}  // namespace

single_config::single_config()
{
    for (int id = 0; id < xirr_cfg_count; id++)
        value[id] = xirr_config_settings[id].default_value;
}

std::string *single_config::text(xirr_config_setting id)
{
    return const_cast<std::string *>(static_cast<const single_config *>(this)->text(id));
}

const std::string *single_config::text(xirr_config_setting id) const
{
    switch (id) {
    case xirr_cfg_name: return &name;
    case xirr_cfg_font: return &font;
    case xirr_cfg_button_font: return &button_font;
    default: return nullptr;
    }
}

void single_config::bring_in_range()
{
    for (int id = 0; id < xirr_cfg_count; id++)
        value[id] = xirr_config_in_range((xirr_config_setting)id, value[id]);
}

void single_config::reset_to_defaults()
{
    for (int id = 0; id < xirr_cfg_count; id++)
        if (id != xirr_cfg_font_size && id != xirr_cfg_button_font_size)
            value[id] = xirr_config_settings[id].default_value;
}

const single_popup_window *single_config::find_popup(const char *name) const
{
    std::string key = popup_key(name);
    for (const single_popup_window &entry : popups)
        if (entry.name == key)
            return &entry;
    return nullptr;
}

void single_config::store_popup(const single_popup_window &entry)
{
    single_popup_window stored = entry;
    stored.name = popup_key(entry.name.c_str());
    for (single_popup_window &existing : popups) {
        if (existing.name == stored.name) {
            existing = stored;
            return;
        }
    }
    popups.insert(popups.begin(), stored);
}
