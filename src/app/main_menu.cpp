#include "app/main_menu.h"

#include "app/menu_table.h"
#include "config/zv_config.h"

namespace {

wxMenu *build_menu(const xirr_menu_item *items, size_t count)
{
    auto *menu = new wxMenu;
    for (size_t i = 0; i < count; i++) {
        const xirr_menu_item &item = items[i];
        switch (item.kind) {
        case XIRR_MENU_PLAIN:
            menu->Append(item.id, item.label);
            break;
        case XIRR_MENU_CHECK:
            menu->AppendCheckItem(item.id, item.label);
            break;
        case XIRR_MENU_RADIO:
            menu->AppendRadioItem(item.id, item.label);
            break;
        case XIRR_MENU_SEPARATOR:
            menu->AppendSeparator();
            break;
        case XIRR_MENU_SUBMENU:
            menu->AppendSubMenu(build_menu(item.items, item.count), item.label);
            break;
        }
        if (item.disabled)
            menu->Enable(item.id, false);
    }
    return menu;
}

}  // namespace

xirr_main_menu::xirr_main_menu(const ZvConfig &config)
{
    for (size_t i = 0; i < xirr_menu_bar_count; i++) {
        const xirr_menu &menu = xirr_menu_bar[i];
        Append(build_menu(menu.items, menu.count), menu.title);
    }
    show_all(config);
}

// The toolkit cannot clear a radio item, only select another of its group:
// a value no item selects leaves the group as it was.
void xirr_main_menu::show(const xirr_menu_item &item, int marked)
{
    wxMenuItem *entry = FindItem(item.id);
    if (!entry || !entry->IsCheckable())
        return;
    if (item.kind == XIRR_MENU_RADIO) {
        if (marked)
            entry->Check(true);
    } else {
        entry->Check(marked != 0);
    }
}

// Marks the items of target (and setting, for a setting's items) for value.
void xirr_main_menu::show_target(xirr_menu_target target, xirr_config_setting id, int value)
{
    struct walk {
        xirr_main_menu *menu;
        xirr_menu_target target;
        xirr_config_setting id;
        int value;
    } w = {this, target, id, value};
    xirr_menu_walk(
        [](const xirr_menu_item &item, void *user) {
            auto *w = static_cast<walk *>(user);
            if (item.target == w->target && item.setting == w->id)
                w->menu->show(item, xirr_menu_item_marked_by(item, w->value));
        },
        &w);
}

void xirr_main_menu::show_setting(xirr_config_setting id, int value)
{
    show_target(XIRR_MENU_TARGET_SETTING, id, value);
}

void xirr_main_menu::show_system_audio(int on)
{
    show_target(XIRR_MENU_TARGET_SYSTEM_AUDIO, xirr_cfg_count, on);
}

void xirr_main_menu::show_all(const ZvConfig &config)
{
    struct walk {
        xirr_main_menu *menu;
        const ZvConfig &config;
    } w = {this, config};
    xirr_menu_walk(
        [](const xirr_menu_item &item, void *user) {
            auto *w = static_cast<walk *>(user);
            if (item.target != XIRR_MENU_TARGET_NONE)
                w->menu->show(item, xirr_menu_item_marked(item, w->config));
        },
        &w);
}
