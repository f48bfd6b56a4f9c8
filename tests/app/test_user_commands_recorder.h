#pragma once
// A stand-in for the main window behind the command processor: it answers
// the state queries from its fields and records every other call as one
// readable event, and it gives the processor a configuration of its own in
// a scratch directory.

#include "app/user_commands.h"
#include "config/zv_config.h"

#include "../foundation/log_test_support.h"

#include <string>
#include <vector>

namespace th_test {

struct command_recorder {
    // The window's state as the processor sees it.
    int connected = 0;
    int login = 0;
    int password = 0;

    std::vector<std::string> events;

    static command_recorder *self(void *user) { return static_cast<command_recorder *>(user); }
    void add(const std::string &event) { events.push_back(event); }

    static constexpr xirr_command_callbacks callbacks = {
        [](void *u) { self(u)->add("begin"); },
        [](void *u) { self(u)->add("reset"); },
        [](void *u, int a, int c) {
            self(u)->add("colour " + std::to_string(a) + "," + std::to_string(c));
        },
        [](void *u, const char *text) { self(u)->add("show " + std::string(text)); },
        [](void *u) { self(u)->add("repaint"); },
        [](void *u) { self(u)->add("follow"); },
        [](void *u) { self(u)->add("clear"); },
        [](void *u) { self(u)->add("fill"); },
        [](void *u) { self(u)->add("chanclear"); },
        [](void *u) { self(u)->add("history"); },
        [](void *u) { return self(u)->password; },
        [](void *u, const char *name, const char *payload, size_t length) {
            self(u)->add("tag " + std::string(name) + " '" + std::string(payload, length) + "'");
        },
        [](void *u, xirr_flash_target target) { self(u)->add("flash " + std::to_string(target)); },
        [](void *u) { return self(u)->connected; },
        [](void *u) { return self(u)->login; },
        [](void *u, const char *line) { self(u)->add("send " + std::string(line)); },
        [](void *u, int port) { self(u)->add("connect " + std::to_string(port)); },
        [](void *u, const char *message) { self(u)->add("disconnect " + std::string(message)); },
        [](void *u) { self(u)->add("ping"); },
        [](void *u) { self(u)->add("quit"); },
    };

    // All text shown, in order, without the other events.
    std::string shown() const
    {
        std::string text;
        for (const std::string &e : events)
            if (e.rfind("show ", 0) == 0)
                text += e.substr(5);
        return text;
    }
    // The events that are not display work (showing, colours, repaints):
    // what the line made the window do.
    std::vector<std::string> actions() const
    {
        std::vector<std::string> out;
        for (const std::string &e : events)
            if (e != "begin" && e != "reset" && e != "repaint" && e.rfind("show ", 0) != 0 &&
                e.rfind("colour ", 0) != 0)
                out.push_back(e);
        return out;
    }
};

// A processor on a recorder, with a started configuration in a scratch
// directory (every setting at its default).
struct command_fixture {
    scratch_dir dir;
    ZvConfig config{dir.path().c_str()};
    command_recorder window;
    xirr_user_commands commands{&command_recorder::callbacks, &window, config};

    command_fixture() { config.setup_default_config(nullptr); }
};

}  // namespace th_test
