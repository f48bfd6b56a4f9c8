#include "game/tag_dispatch.h"

#include "config/zv_config.h"
#include "foundation/bounded_text.h"
#include "foundation/debug_log.h"
#include "foundation/text_utils.h"
#include "game/status_report.h"

#include <cstring>

namespace {

const xirr_dispatch_callbacks no_callbacks = {};

const char no_popup_message[] = "Sorry, no popup window by that name has been defined.\n";

void log_no_handler(const char *name)
{
    if (xirr_debug_level > 1)
        xirr_debug_printf("Warning in xirr_mw::process_tagged_data(), no handler for tag '%s'.\n",
                          name);
}

void log_bad_dirs(const char *payload)
{
    if (xirr_debug_level > 1)
        xirr_debug_printf("Warning in xirr_mw::process_tagged_data(), bad dirs string '%s'.\n",
                          payload);
}

// A letter of the exits word carries five bits: 'A' is 0, '`' is 31.
int exit_bits(char c) { return c >= 'A' && c <= 'A' + 31 ? c - 'A' : -1; }

// The number after a tag name's prefix: 1 and *number when digits follow the
// prefix and give a value above 0, else 0.
int numbered_tag(const char *name, const char *prefix, int *number)
{
    size_t n = strlen(prefix);
    if (strncmp(name, prefix, n) != 0 || name[n] < '0' || name[n] > '9')
        return 0;
    return parse_int_text(name + n, number) && *number > 0;
}

}  // namespace

// The tags in the order they are tried; numbered button tags come after.
const xirr_tag_dispatch::tag_entry xirr_tag_dispatch::tags[] = {
    {"login", &xirr_tag_dispatch::handle_login},
    {"map", &xirr_tag_dispatch::handle_map},
    {"walkfail", &xirr_tag_dispatch::handle_walkfail},
    {"dirs", &xirr_tag_dispatch::handle_dirs},
    {"areaname", &xirr_tag_dispatch::handle_areaname},
    {"combat", &xirr_tag_dispatch::handle_combat},
    {"ncombat", &xirr_tag_dispatch::handle_ncombat},
    {"uuid", &xirr_tag_dispatch::handle_uuid},
    {"enemyhp", &xirr_tag_dispatch::handle_enemyhp},
    {"group", &xirr_tag_dispatch::handle_group},
    {"xpp", &xirr_tag_dispatch::handle_xpp},
    {"event", &xirr_tag_dispatch::handle_event},
    {"hp", &xirr_tag_dispatch::handle_hp},
    {"sound", &xirr_tag_dispatch::handle_sound},
    {"bclear", &xirr_tag_dispatch::handle_bclear},
    {"window_create", &xirr_tag_dispatch::handle_window_create},
    {"append", &xirr_tag_dispatch::handle_append},
    {"unappend", &xirr_tag_dispatch::handle_unappend},
    {"chdiv", &xirr_tag_dispatch::handle_chdiv},
    {"chudiv", &xirr_tag_dispatch::handle_chudiv},
    {"divert", &xirr_tag_dispatch::handle_divert},
    {"undivert", &xirr_tag_dispatch::handle_undivert},
    {"config", &xirr_tag_dispatch::handle_config},
    {"skystate", &xirr_tag_dispatch::handle_skystate},
    {"icons", &xirr_tag_dispatch::handle_icons},
};

xirr_tag_dispatch::xirr_tag_dispatch(const xirr_dispatch_callbacks *callbacks, void *user,
                                     ZvConfig &config)
    : cb_(callbacks ? callbacks : &no_callbacks), user_(user), config_(config)
{
}

int xirr_tag_dispatch::process_tagged_data(const char *name, const char *payload, size_t length)
{
    if (!name) {
        xirr_debug_log("Error in xirr_mw::process_tagged_data(), NULL tag name.",
                       XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    if (!payload) {
        payload = "";
        length = 0;
    }
    for (const tag_entry &tag : tags) {
        if (strcmp(name, tag.name) == 0) {
            if ((this->*tag.handle)(name, payload, length))
                return 1;
            log_no_handler(name);
            return 0;
        }
    }
    if (handle_numbered_button(name, payload, length))
        return 1;
    log_no_handler(name);
    return 0;
}

int xirr_tag_dispatch::route(void (*receiver)(void *, const char *, size_t), const char *payload,
                             size_t length)
{
    if (!receiver)
        return 0;
    receiver(user_, payload, length);
    return 1;
}

// The payload's first line names the character: it goes into the title and
// selects the character's configuration. Without a name the title and the
// configuration stay; play begins either way.
int xirr_tag_dispatch::handle_login(const char *, const char *payload, size_t)
{
    xirr_bounded_text character;
    character.append(payload, strcspn(payload, "\n"));
    if (character.length > 0) {
        xirr_bounded_text title;
        title.append("Tarn Hollow - Player ");
        title.append(character.c_str());
        if (cb_->set_title)
            cb_->set_title(user_, title.c_str());
        config_.switch_to_character(character.c_str());
    }
    login_state_ = playing;
    if (cb_->logged_in)
        cb_->logged_in(user_);
    status_report_pending_ = 1;
    return 1;
}

int xirr_tag_dispatch::handle_map(const char *, const char *payload, size_t length)
{
    return route(cb_->automap_data, payload, length);
}

int xirr_tag_dispatch::handle_walkfail(const char *, const char *payload, size_t length)
{
    return route(cb_->automap_walkfail, payload, length);
}

// "on" or "off" for the direction buttons, then a two-letter exits word whose
// letters carry five bits each: ((c0 - 'A') << 5) | (c1 - 'A'). An exits
// word with letters outside 'A'..'`', or only one letter, is logged and
// ignored rather than turned into a mask with stray bits.
int xirr_tag_dispatch::handle_dirs(const char *, const char *payload, size_t)
{
    if (word_equals(payload, "on") || word_equals(payload, "off")) {
        if (cb_->direction_buttons_enable)
            cb_->direction_buttons_enable(user_, word_equals(payload, "on"));
    } else {
        log_bad_dirs(payload);
    }
    const char *exits = next_arg(payload);
    if (!exits)
        return 1;
    int high = exit_bits(exits[0]);
    int low = high < 0 ? -1 : exit_bits(exits[1]);
    if (low < 0) {
        log_bad_dirs(payload);
        return 1;
    }
    int mask = high << 5 | low;
    if (cb_->direction_buttons_exits)
        cb_->direction_buttons_exits(user_, mask);
    if (cb_->automap_exits)
        cb_->automap_exits(user_, mask);
    return 1;
}

int xirr_tag_dispatch::handle_areaname(const char *, const char *payload, size_t length)
{
    return route(cb_->automap_title, payload, length);
}

int xirr_tag_dispatch::handle_combat(const char *, const char *, size_t)
{
    if (!cb_->automap_combat)
        return 0;
    cb_->automap_combat(user_, 1);
    return 1;
}

// Combat over: the automap's flag goes off and the enemy bar empties, as an
// empty "enemyhp" would make it.
int xirr_tag_dispatch::handle_ncombat(const char *, const char *, size_t)
{
    int handled = 0;
    if (cb_->automap_combat) {
        cb_->automap_combat(user_, 0);
        handled = 1;
    }
    return handle_enemyhp("enemyhp", "", 0) || handled;
}

int xirr_tag_dispatch::handle_uuid(const char *, const char *payload, size_t)
{
    config_.set_uuid(payload);
    if (cb_->identifier_changed)
        cb_->identifier_changed(user_, config_.get_uuid());
    return 1;
}

int xirr_tag_dispatch::handle_enemyhp(const char *, const char *payload, size_t length)
{
    return route(cb_->enemy_hp, payload, length);
}

int xirr_tag_dispatch::handle_group(const char *, const char *payload, size_t length)
{
    return route(cb_->group, payload, length);
}

int xirr_tag_dispatch::handle_xpp(const char *, const char *payload, size_t length)
{
    return route(cb_->experience, payload, length);
}

// Events: "colorflash" (first word, any case) with the flash's arguments,
// and the exact payloads "zvpong", "newcreate" and "logoff".
int xirr_tag_dispatch::handle_event(const char *, const char *payload, size_t)
{
    if (word_equals(payload, "colorflash")) {
        if (config_.get_colorflash_enable() && cb_->colour_flash) {
            const char *arguments = next_arg(payload);
            cb_->colour_flash(user_, text_target_, arguments ? arguments : "");
        }
    } else if (strcmp(payload, "zvpong") == 0) {
        if (cb_->pong)
            cb_->pong(user_);
    } else if (strcmp(payload, "newcreate") == 0) {
        login_state_ = creating_character;
    } else if (strcmp(payload, "logoff") == 0) {
        login_state_ = logging_off;
    } else if (xirr_debug_level > 1) {
        xirr_debug_printf("Warning in xirr_mw::process_tagged_data(), got unhandled event '%s'.\n",
                          payload);
    }
    return 1;
}

int xirr_tag_dispatch::handle_hp(const char *, const char *payload, size_t length)
{
    return route(cb_->hit_points, payload, length);
}

// Sounds are dropped unless the system audio setting is on.
int xirr_tag_dispatch::handle_sound(const char *, const char *payload, size_t length)
{
    if (!config_.GetSystemAudio())
        return 1;
    return route(cb_->sound, payload, length);
}

int xirr_tag_dispatch::handle_bclear(const char *, const char *, size_t)
{
    if (!cb_->hint_buttons_clear)
        return 0;
    cb_->hint_buttons_clear(user_);
    return 1;
}

int xirr_tag_dispatch::handle_window_create(const char *, const char *payload, size_t length)
{
    return route(cb_->popup_create, payload, length);
}

int xirr_tag_dispatch::handle_append(const char *, const char *payload, size_t)
{
    open_popup_target(payload, appended);
    return 1;
}

int xirr_tag_dispatch::handle_unappend(const char *, const char *, size_t)
{
    if (!close_popup_target() && xirr_debug_level > 1)
        xirr_debug_printf("Warning in xirr_mw::process_tagged_data(), 'unappend' without an append.\n");
    return 1;
}

int xirr_tag_dispatch::handle_chdiv(const char *, const char *payload, size_t)
{
    if (!cb_->channel_divert)
        return 0;
    cb_->channel_divert(user_, payload);
    channel_divert_ = 1;
    return 1;
}

int xirr_tag_dispatch::handle_chudiv(const char *, const char *, size_t)
{
    if (!cb_->channel_undivert)
        return 0;
    cb_->channel_undivert(user_);
    channel_divert_ = 0;
    return 1;
}

int xirr_tag_dispatch::handle_divert(const char *, const char *payload, size_t)
{
    open_popup_target(payload, diverted);
    return 1;
}

int xirr_tag_dispatch::handle_undivert(const char *, const char *, size_t)
{
    if (!close_popup_target() && xirr_debug_level > 1)
        xirr_debug_printf("Warning in xirr_mw::process_tagged_data(), 'undivert' without a divert.\n");
    return 1;
}

int xirr_tag_dispatch::handle_config(const char *, const char *payload, size_t)
{
    if (!cb_->config_command)
        return 0;
    cb_->config_command(user_, payload);
    return 1;
}

int xirr_tag_dispatch::handle_skystate(const char *, const char *payload, size_t length)
{
    return route(cb_->sky_state, payload, length);
}

int xirr_tag_dispatch::handle_icons(const char *, const char *payload, size_t length)
{
    return route(cb_->icons, payload, length);
}

// "bf" and "b" names need a digit right after the prefix, so "bf3" is never
// a hint button and "bfx" is neither.
int xirr_tag_dispatch::handle_numbered_button(const char *name, const char *payload,
                                              size_t length)
{
    int number = 0;
    if (numbered_tag(name, "bf", &number)) {
        if (!cb_->fkey_button)
            return 0;
        cb_->fkey_button(user_, number, name, payload, length);
        return 1;
    }
    if (numbered_tag(name, "b", &number)) {
        if (!cb_->hint_button)
            return 0;
        cb_->hint_button(user_, number, name, payload, length);
        return 1;
    }
    return 0;
}

// A popup that is still the target from an unclosed "divert" or "append" is
// ended first, so it is never left with its updates suspended. A diverted
// popup is emptied and suspended so that its new contents are drawn once,
// at "undivert"; an appended one keeps its contents and shows text at once.
void xirr_tag_dispatch::open_popup_target(const char *name, target_mode mode)
{
    close_popup_target();
    int popup = cb_->find_popup ? cb_->find_popup(user_, name) : 0;
    if (popup <= 0) {
        if (cb_->reset_colours)
            cb_->reset_colours(user_, main_display);
        show_main("\n");
        show_main(no_popup_message);
        show_main("\n");
        if (cb_->repaint)
            cb_->repaint(user_, main_display);
        return;
    }
    text_target_ = popup;
    target_mode_ = mode;
    if (mode == diverted) {
        if (cb_->suspend_updates)
            cb_->suspend_updates(user_, popup);
        if (cb_->clear)
            cb_->clear(user_, popup);
    }
}

// A diverted popup is rebuilt once and keeps the scroll position the user
// had; an appended one scrolls to its newest text.
int xirr_tag_dispatch::close_popup_target()
{
    if (target_mode_ == no_popup)
        return 0;
    int popup = text_target_;
    if (cb_->repaint)
        cb_->repaint(user_, popup);
    if (target_mode_ == diverted) {
        int position = cb_->scroll_position ? cb_->scroll_position(user_, popup) : 0;
        if (cb_->resume_updates)
            cb_->resume_updates(user_, popup);
        if (cb_->set_scroll_position)
            cb_->set_scroll_position(user_, popup, position);
    } else if (cb_->scroll_to_end) {
        cb_->scroll_to_end(user_, popup);
    }
    text_target_ = main_display;
    target_mode_ = no_popup;
    return 1;
}

void xirr_tag_dispatch::popups_closed()
{
    text_target_ = main_display;
    target_mode_ = no_popup;
}

void xirr_tag_dispatch::show_main(const char *text)
{
    if (cb_->show)
        cb_->show(user_, main_display, text);
}

void xirr_tag_dispatch::send_client_status_report()
{
    xirr_bounded_text report;
    xirr_build_client_status_report(config_, &report);
    if (cb_->process_command)
        cb_->process_command(user_, report.c_str());
}

int xirr_tag_dispatch::send_pending_status_report()
{
    if (!status_report_pending_ || login_state_ != playing)
        return 0;
    status_report_pending_ = 0;
    send_client_status_report();
    return 1;
}
