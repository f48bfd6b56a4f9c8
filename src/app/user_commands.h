#pragma once
// The processor of every line the user submits and every command the client
// issues itself (menus, buttons, function keys, the status report). It
// echoes typed lines, runs the client's own commands, which begin with "//",
// sends every other line to the game server while connected, and knows a
// few words that work while disconnected ("connect", "quit" ...).
//
// Only the first word of a line selects a command; letters A to Z compare
// as lower case. The vocabulary is tried in the order of its table
// (command_table.cpp) and the first match wins, so an abbreviation goes to
// the earliest command it fits: "//c" is the command list, "//cl" clears the
// display. A command matches by one of three rules: an abbreviation of at
// least n characters (the whole name always matches), a prefix of any
// length, or the whole word.
//
// The processor keeps no state of the connection or the game: it asks the
// window through its callback table. User-interface thread only.

#include "app/config_commands.h"
#include "app/launcher_args.h"

#include <cstddef>

class ZvConfig;

// How the processor reaches the window. Any entry may be null: its action
// is then skipped, and a null query answers 0.
struct xirr_command_callbacks {
    // --- The main display ---

    // Starts a client message: follow new text, reset the colours, "\n".
    void (*begin_message)(void *user);
    // Normal white.
    void (*reset_colours)(void *user);
    // An attribute and colour pair: (1, 0x33) bright yellow, (1, 0x37)
    // bright white, (0, 0x37) normal white.
    void (*set_colours)(void *user, int attribute, int colour);
    // Clean text in the current colour, without escape interpretation.
    void (*show)(void *user, const char *text);
    void (*repaint)(void *user);
    void (*follow_if_locked)(void *user);
    // Forgets all text of the main display.
    void (*clear_display)(void *user);
    // The fill test of the main display.
    void (*debug_fill)(void *user);

    // --- Other parts of the window ---

    // Forgets all text of every channel tab.
    void (*clear_channels)(void *user);
    // Shows the input line's recent history.
    void (*list_history)(void *user);
    // 1 while the input line hides what is typed (a password).
    int (*password_mode)(void *user);
    // Handles a tagged message as if the server had sent it.
    void (*tagged_data)(void *user, const char *name, const char *payload, size_t length);
    // Draws attention to a part of the window (the tag "config").
    xirr_flash_callback flash;

    // --- The connection and the program ---

    // 1 while the game socket is connected.
    int (*is_connected)(void *user);
    // 0 not logged in, 1 creating a character, 2 playing, 3 logging off.
    int (*login_state)(void *user);
    // Queues line and a line feed for the server.
    void (*send_line)(void *user, const char *line);
    // Opens a connection; a port of 0 means the default port.
    void (*connect)(void *user, int port);
    // Closes the connection, showing message.
    void (*disconnect)(void *user, const char *message);
    // Sends the ping (the window sends it only while playing).
    void (*send_ping)(void *user);
    // Starts the program's exit.
    void (*shutdown)(void *user);
};

class xirr_user_commands {
public:
    // callbacks may be null (nothing reaches a window); the table, user and
    // config must outlive the object.
    xirr_user_commands(const xirr_command_callbacks *callbacks, void *user, ZvConfig &config);

    // The launcher's version for the version screen (cut at
    // XIRR_LAUNCHER_VERSION_MAX characters; null or empty shows no line).
    void set_launcher_version(const char *version);

    // Processes one line without its line ending. echo is 1 for lines the
    // user typed: they are echoed in the main display when the setting
    // local_echo is on and the input line is not in password mode. Returns
    // 1 when the line was acted on, 0 when it was ignored (a null line, or
    // a word unknown while disconnected).
    int process_user_command(const char *line, int echo);

    // The screens, also reached from the Help menu.
    void show_command_list();
    void show_keyboard_help();
    void show_version();
    void show_debug_state();

    // A client setting command from the tag "config"; see config_commands.h.
    int config_cmd_process(const char *payload)
    {
        return config_commands_.config_cmd_process(payload);
    }

private:
    // Runs a command: line is the whole line, arguments the text after its
    // first word (null when there is none).
    typedef void (xirr_user_commands::*command)(const char *line, const char *arguments);
    enum match_rule { abbreviation, prefix, whole_word, any_line };
    enum command_guard { always, while_playing, while_connected, while_disconnected };
    struct command_entry {
        const char *name;
        match_rule rule;
        int minimum;         // characters an abbreviation needs
        command_guard guard;
        command run;
    };
    static const command_entry command_table[];

    static int matches(const command_entry &entry, const char *line);
    int guard_holds(command_guard guard);
    void echo_line(const char *line);

    void cmd_commands(const char *, const char *);
    void cmd_help(const char *, const char *);
    void cmd_version(const char *, const char *);
    void cmd_break(const char *, const char *);
    void cmd_history(const char *, const char *);
    void cmd_quit(const char *, const char *);
    void cmd_disconnect(const char *, const char *);
    void cmd_clear(const char *, const char *);
    void cmd_chanclear(const char *, const char *);
    void cmd_ping(const char *, const char *);
    void cmd_echo(const char *, const char *arguments);
    void cmd_debuglevel(const char *, const char *arguments);
    void cmd_debugfilename(const char *, const char *arguments);
    void cmd_debugfill(const char *, const char *);
    void cmd_icons(const char *, const char *arguments);
    void cmd_soundtest(const char *, const char *arguments);
    void cmd_send(const char *line, const char *);
    void cmd_connect(const char *, const char *arguments);

    // The main display and the window, skipping null callbacks.
    void begin_message();
    void reset_colours();
    void set_colours(int attribute, int colour);
    void show(const char *text);
    void repaint();
    void show_separator();
    void tagged_data(const char *name, const char *arguments);
    int is_connected();
    int login_state();
    void send_line(const char *line);

    const xirr_command_callbacks *cb_;
    void *user_;
    ZvConfig &config_;
    xirr_config_commands config_commands_;
    char launcher_version_[XIRR_LAUNCHER_VERSION_MAX + 1] = {0};
};
