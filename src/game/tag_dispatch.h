#pragma once
// The dispatcher of the server's tagged messages, and the main window's state
// they change: the login state, the current text target, the channel divert
// flag and the status report pending flag. Each known tag either changes that
// state or is routed to the display that parses its payload, through a
// callback table the window fills in; the dispatcher itself parses only the
// "dirs" and "event" payloads and the character name of "login".
//
// Text targets are ids: 0 is the main display, a popup window's display is
// the positive id its manager hands out (find_popup). Plain server text goes
// to the channel window's divert channel while channel_divert() is 1, else to
// text_target().
//
// Any callback may be null. A tag whose only receiver is a null callback is
// treated as having no handler (logged above level 1, like an unknown tag);
// tags the dispatcher interprets itself skip their null receivers silently.
//
// User-interface thread only.

#include <cstddef>

class ZvConfig;

struct xirr_dispatch_callbacks {
    // --- The main window ---

    // The window title becomes text.
    void (*set_title)(void *user, const char *title);
    // Play began ("login"): input history slot 2, password mode off, the
    // automap windows, status bar with sky and gauge strip shown as the
    // settings say, function-key buttons enabled, layout redone.
    void (*logged_in)(void *user);
    // The installation identifier was stored (the greeting uses it).
    void (*identifier_changed)(void *user, const char *identifier);
    // The answer to the ping arrived.
    void (*pong)(void *user);
    // Process line as typed input without echo (the status report).
    void (*process_command)(void *user, const char *line);
    // A client setting command of the tag "config".
    void (*config_command)(void *user, const char *payload);

    // --- Text targets (0 the main display, else a popup's display) ---

    // The id of the popup window called name, or 0 when there is none.
    int (*find_popup)(void *user, const char *name);
    void (*suspend_updates)(void *user, int target);
    // Rebuilds the display from its render list.
    void (*resume_updates)(void *user, int target);
    void (*clear)(void *user, int target);
    void (*repaint)(void *user, int target);
    int (*scroll_position)(void *user, int target);
    void (*set_scroll_position)(void *user, int target, int position);
    void (*scroll_to_end)(void *user, int target);
    void (*reset_colours)(void *user, int target);
    void (*show)(void *user, int target, const char *text);
    // A colour flash of the target's text control, as the event's arguments say.
    void (*colour_flash)(void *user, int target, const char *arguments);

    // --- Displays: each gets the payload and its length ---

    void (*automap_data)(void *user, const char *payload, size_t length);
    void (*automap_walkfail)(void *user, const char *payload, size_t length);
    void (*automap_title)(void *user, const char *payload, size_t length);
    void (*automap_combat)(void *user, int on);
    // The exit mask of "dirs": ten bits, 1 north ... 512 down.
    void (*automap_exits)(void *user, int mask);
    void (*direction_buttons_enable)(void *user, int on);
    void (*direction_buttons_exits)(void *user, int mask);
    void (*enemy_hp)(void *user, const char *payload, size_t length);
    void (*experience)(void *user, const char *payload, size_t length);
    void (*hit_points)(void *user, const char *payload, size_t length);
    void (*group)(void *user, const char *payload, size_t length);
    void (*sound)(void *user, const char *payload, size_t length);
    void (*hint_buttons_clear)(void *user);
    // number is the one in the tag's name ("b12" gives 12, "bf3" gives 3).
    void (*hint_button)(void *user, int number, const char *name, const char *payload,
                        size_t length);
    void (*fkey_button)(void *user, int number, const char *name, const char *payload,
                        size_t length);
    void (*popup_create)(void *user, const char *payload, size_t length);
    // The channel window's divert channel becomes name / is cleared.
    void (*channel_divert)(void *user, const char *name);
    void (*channel_undivert)(void *user);
    void (*sky_state)(void *user, const char *payload, size_t length);
    void (*icons)(void *user, const char *payload, size_t length);
};

class xirr_tag_dispatch {
public:
    enum { main_display = 0 };
    enum { not_logged_in = 0, creating_character = 1, playing = 2, logging_off = 3 };

    // callbacks may be null (every receiver absent); the table, user and
    // config must outlive the dispatcher.
    xirr_tag_dispatch(const xirr_dispatch_callbacks *callbacks, void *user, ZvConfig &config);

    // Handles one tagged message: name and payload NUL-terminated, length the
    // payload's (0 for flag tags; a null payload counts as empty). Names are
    // compared exactly. Returns 1 when the tag was handled, 0 when it has no
    // handler (logged) or name is null.
    int process_tagged_data(const char *name, const char *payload, size_t length);

    // Builds the status report and processes it as typed input.
    void send_client_status_report();
    // The main tick: sends the report when it is due and the player is
    // playing, clearing the flag first. Returns 1 when it was sent.
    int send_pending_status_report();
    void mark_status_report_due() { status_report_pending_ = 1; }
    int status_report_pending() const { return status_report_pending_; }

    // The connection ended: not logged in. Text target and channel divert
    // stay until their closing tags.
    void connection_closed() { login_state_ = not_logged_in; }
    // The popup windows were destroyed: text returns to the main display,
    // since a popup target would no longer exist.
    void popups_closed();

    int login_state() const { return login_state_; }
    int text_target() const { return text_target_; }
    int channel_divert() const { return channel_divert_; }

private:
    typedef int (xirr_tag_dispatch::*handler)(const char *name, const char *payload,
                                              size_t length);
    struct tag_entry {
        const char *name;
        handler handle;
    };
    static const tag_entry tags[];

    // How the current popup target was opened, so that any closing tag, or
    // a new target, ends it the right way.
    enum target_mode { no_popup, diverted, appended };

    int handle_login(const char *, const char *payload, size_t);
    int handle_map(const char *, const char *payload, size_t length);
    int handle_walkfail(const char *, const char *payload, size_t length);
    int handle_dirs(const char *, const char *payload, size_t);
    int handle_areaname(const char *, const char *payload, size_t length);
    int handle_combat(const char *, const char *, size_t);
    int handle_ncombat(const char *, const char *, size_t);
    int handle_uuid(const char *, const char *payload, size_t);
    int handle_enemyhp(const char *, const char *payload, size_t length);
    int handle_group(const char *, const char *payload, size_t length);
    int handle_xpp(const char *, const char *payload, size_t length);
    int handle_event(const char *, const char *payload, size_t);
    int handle_hp(const char *, const char *payload, size_t length);
    int handle_sound(const char *, const char *payload, size_t length);
    int handle_bclear(const char *, const char *, size_t);
    int handle_window_create(const char *, const char *payload, size_t length);
    int handle_append(const char *, const char *payload, size_t);
    int handle_unappend(const char *, const char *, size_t);
    int handle_chdiv(const char *, const char *payload, size_t);
    int handle_chudiv(const char *, const char *, size_t);
    int handle_divert(const char *, const char *payload, size_t);
    int handle_undivert(const char *, const char *, size_t);
    int handle_config(const char *, const char *payload, size_t);
    int handle_skystate(const char *, const char *payload, size_t length);
    int handle_icons(const char *, const char *payload, size_t length);
    // "bf" and "b" followed by a number above 0.
    int handle_numbered_button(const char *name, const char *payload, size_t length);

    // Routes payload to a display callback; 0 when it is null.
    int route(void (*receiver)(void *, const char *, size_t), const char *payload,
              size_t length);
    // Makes the popup called name the text target, diverted or appended.
    void open_popup_target(const char *name, target_mode mode);
    // Ends the current popup target as its mode requires; 0 when there is none.
    int close_popup_target();
    void show_main(const char *text);

    const xirr_dispatch_callbacks *cb_;
    void *user_;
    ZvConfig &config_;
    int login_state_ = not_logged_in;
    int text_target_ = main_display;
    target_mode target_mode_ = no_popup;
    int channel_divert_ = 0;
    int status_report_pending_ = 0;
};
