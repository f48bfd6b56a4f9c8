#pragma once
// A stand-in for the main window and its displays behind the tag
// dispatcher: it records every call as one readable event, knows a few
// popup windows by name, and gives the dispatcher a configuration of its
// own in a scratch directory.

#include "config/zv_config.h"
#include "game/tag_dispatch.h"

#include "../foundation/log_test_support.h"

#include <map>
#include <string>
#include <vector>

namespace th_test {

struct dispatch_recorder {
    std::map<std::string, int> popups = {{"inventory", 5}, {"who", 6}};
    int scroll = 17;   // every display's scroll position
    std::vector<std::string> events;

    static dispatch_recorder *self(void *user) { return static_cast<dispatch_recorder *>(user); }
    void add(const std::string &event) { events.push_back(event); }

    static std::string text(const char *payload, size_t length)
    {
        return std::string(payload, length);
    }
    static std::string id(int target) { return std::to_string(target); }

    static constexpr xirr_dispatch_callbacks callbacks = {
        [](void *u, const char *title) { self(u)->add("title " + std::string(title)); },
        [](void *u) { self(u)->add("logged_in"); },
        [](void *u, const char *identifier) { self(u)->add("identifier " + std::string(identifier)); },
        [](void *u) { self(u)->add("pong"); },
        [](void *u, const char *line) { self(u)->add("command " + std::string(line)); },
        [](void *u, const char *payload) { self(u)->add("config " + std::string(payload)); },
        // Text targets.
        [](void *u, const char *name) {
            auto found = self(u)->popups.find(name);
            return found == self(u)->popups.end() ? 0 : found->second;
        },
        [](void *u, int t) { self(u)->add("suspend " + id(t)); },
        [](void *u, int t) { self(u)->add("resume " + id(t)); },
        [](void *u, int t) { self(u)->add("clear " + id(t)); },
        [](void *u, int t) { self(u)->add("repaint " + id(t)); },
        [](void *u, int t) {
            self(u)->add("get_scroll " + id(t));
            return self(u)->scroll;
        },
        [](void *u, int t, int position) {
            self(u)->add("set_scroll " + id(t) + " " + std::to_string(position));
        },
        [](void *u, int t) { self(u)->add("scroll_to_end " + id(t)); },
        [](void *u, int t) { self(u)->add("reset_colours " + id(t)); },
        [](void *u, int t, const char *s) { self(u)->add("show " + id(t) + " " + s); },
        [](void *u, int t, const char *a) { self(u)->add("colour_flash " + id(t) + " " + a); },
        // Displays.
        [](void *u, const char *p, size_t n) { self(u)->add("automap_data " + text(p, n)); },
        [](void *u, const char *p, size_t n) { self(u)->add("automap_walkfail " + text(p, n)); },
        [](void *u, const char *p, size_t n) { self(u)->add("automap_title " + text(p, n)); },
        [](void *u, int on) { self(u)->add("automap_combat " + std::to_string(on)); },
        [](void *u, int mask) { self(u)->add("automap_exits " + std::to_string(mask)); },
        [](void *u, int on) { self(u)->add("direction_enable " + std::to_string(on)); },
        [](void *u, int mask) { self(u)->add("direction_exits " + std::to_string(mask)); },
        [](void *u, const char *p, size_t n) { self(u)->add("enemy_hp " + text(p, n)); },
        [](void *u, const char *p, size_t n) { self(u)->add("experience " + text(p, n)); },
        [](void *u, const char *p, size_t n) { self(u)->add("hit_points " + text(p, n)); },
        [](void *u, const char *p, size_t n) { self(u)->add("group " + text(p, n)); },
        [](void *u, const char *p, size_t n) { self(u)->add("sound " + text(p, n)); },
        [](void *u) { self(u)->add("hint_buttons_clear"); },
        [](void *u, int number, const char *name, const char *p, size_t n) {
            self(u)->add("hint_button " + std::to_string(number) + " " + name + " " + text(p, n));
        },
        [](void *u, int number, const char *name, const char *p, size_t n) {
            self(u)->add("fkey_button " + std::to_string(number) + " " + name + " " + text(p, n));
        },
        [](void *u, const char *p, size_t n) { self(u)->add("popup_create " + text(p, n)); },
        [](void *u, const char *name) { self(u)->add("channel_divert " + std::string(name)); },
        [](void *u) { self(u)->add("channel_undivert"); },
        [](void *u, const char *p, size_t n) { self(u)->add("sky_state " + text(p, n)); },
        [](void *u, const char *p, size_t n) { self(u)->add("icons " + text(p, n)); },
    };
};

// A dispatcher on a recorder, with an unnamed current configuration in a
// scratch directory (every setting at its default).
struct dispatch_fixture {
    scratch_dir dir;
    ZvConfig config{dir.path().c_str()};
    dispatch_recorder window;
    xirr_tag_dispatch dispatch{&dispatch_recorder::callbacks, &window, config};

    dispatch_fixture() { config.setup_default_config(nullptr); }

    // Sends a tag with its payload's length.
    int tag(const char *name, const std::string &payload = "")
    {
        return dispatch.process_tagged_data(name, payload.c_str(), payload.size());
    }
};

}  // namespace th_test
