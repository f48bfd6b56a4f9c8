#pragma once
// The configuration manager: the system settings of the installation and
// every character configuration loaded or created in this run, one of them
// current. Each setting has a getter that reads the current configuration
// (0, or the empty text, when there is none) and a setter that stores the
// value, tells the window code through the hooks and, for the settings the
// client reports to the server, makes that report due. No setter writes a
// file: save_system_config_file() writes the system file and every named
// character's file, each replaced atomically.
//
// Files, in the configuration directory D: D/tarn_hollow.cfg (with a
// declaration line) and D/char_configs/<file name>.cfg per character (see
// char_config_file_name.h). Every text that goes into a file is first made
// printable ASCII, so whatever is saved loads back.
//
// User-interface thread only.

#include "config/config_hooks.h"
#include "config/config_settings.h"
#include "config/single_config.h"
#include "config/system_settings.h"

#include <cstdio>
#include <list>
#include <string>

class ZvConfig {
public:
    // Longest configuration name kept (the system file reads back no more).
    static constexpr size_t max_name_length = 999;

    // The process-wide configuration, created on first use, with its files in
    // the client's configuration directory.
    static ZvConfig &instance();

    // A configuration with its files in directory; a null directory means the
    // client's configuration directory as it is at each use.
    explicit ZvConfig(const char *directory = nullptr);
    ZvConfig(const ZvConfig &) = delete;
    ZvConfig &operator=(const ZvConfig &) = delete;

    // Attaches the window code; null hooks detach it.
    void set_hooks(const xirr_config_hooks *hooks, void *user);
    // The fonts a new configuration starts with: the shared fonts as they are.
    void set_font_defaults(const char *font, int font_size, const char *button_font,
                           int button_font_size);

    // --- The system file ---

    // Start-up: loads the system file, sets up the current configuration,
    // deletes the obsolete D/bootname.txt.
    void load_system_config();
    // Loads D/tarn_hollow.cfg (a missing or damaged file leaves defaults),
    // makes a default uuid when there is none, sets up the configuration the
    // file names as current and applies its fonts.
    void load_system_config_file();
    // Reads a system file from stream: its settings, and the character
    // configurations older versions kept in it. Stores the name of the
    // configuration last used in *previous_config. Returns 1 when the file
    // held a `system_config_list` element.
    int read_system_config(FILE *stream, std::string *previous_config);
    // Saves every named character configuration to its file, then the
    // system file. Returns 1 when every file was written; a file that could
    // not be written keeps its old contents (logged).
    int save_system_config_file();
    // Writes the system file's contents to stream. Returns 1, or 0 when the
    // output failed.
    int write_system_config(FILE *stream) const;

    // The server's "uuid" tag: keeps the identifier (a missing one is
    // replaced by a default), stamps the times and saves the system file.
    void set_uuid(const char *text);
    // "DFLT" and 28 random hexadecimal digits; not saved by itself.
    void create_default_uuid();
    const char *get_uuid() const { return system_.uuid.c_str(); }

    // The "Enable Sounds" setting: starts or stops the audio output; when it
    // cannot start, the setting goes back off. Reported to the server.
    void SetSystemAudio(int on);
    int GetSystemAudio() const { return system_.system_audio; }
    int get_voting_reminders() const { return system_.voting_reminders; }
    const xirr_system_settings &system_settings() const { return system_; }

    // --- Character configurations ---

    // Stores a copy of record: into the configuration of the same name,
    // whose popup entries then follow record's, or as a new one at the end.
    // Returns the stored configuration.
    single_config *add(const single_config &record);
    // The configuration of exactly that name (null counts as empty), or null.
    single_config *find(const char *name);
    // find(name), or else get_or_load(name).
    single_config *get_or_find(const char *name);
    // Loads the character's file, moving a file of an older version from D
    // to D/char_configs. Returns the configuration of that name, or null.
    single_config *get_or_load(const char *name);
    // Reads a character file from stream, keeping its `single_config`
    // elements named exactly expected_name. Returns 1 when one was kept.
    int read_char_config(FILE *stream, const char *expected_name);
    // Start-up: makes the named configuration current, or a new unnamed one.
    void setup_default_config(const char *previous_name);
    // A configuration for name made from current: current itself when it has
    // no name yet (the first login keeps what was chosen before it), else a
    // copy of it. Without a current configuration, one with the defaults.
    single_config *create_new_config(const char *name, single_config *current);
    // The server's "login" tag: the character's configuration (found, loaded
    // or created from the current one) becomes current and is applied.
    void switch_to_character(const char *name);
    // Hands the current configuration's fonts to the window code.
    void apply_font();
    // Record the fonts the user chose (description and point size).
    void store_font(const char *description, int size);
    void store_button_font(const char *description, int size);
    // "Use Default Preferences": every setting but name, fonts and popup
    // geometry back to its default, and applied.
    void reset_to_defaults();
    // The remembered geometry of a popup window, or a default entry.
    single_popup_window lookup_popup(const char *name) const;
    void store_popup(const single_popup_window &entry);
    // Writes record to its file. Returns 1, or 0 (logged) when it has no
    // name or the file could not be written, which then keeps its old contents.
    int save(const single_config &record);

    single_config *current() const { return current_; }
    const std::list<single_config> &configurations() const { return configs_; }

    // --- Getters and setters of the current configuration's settings ---

    int get_setting(xirr_config_setting id) const;
    // Stores value, brought in range, and acts as the setting's entry in
    // the settings list says. Does nothing without a current configuration.
    void set_setting(xirr_config_setting id, int value);
    const char *get_name() const;
    const char *get_font() const;
    const char *get_button_font() const;

#define XIRR_CFG_ACCESS_TEXT(key)
#define XIRR_CFG_ACCESS_INT(key, ...)                                       \
    int get_##key() const { return get_setting(xirr_cfg_##key); }          \
    void set_##key(int value) { set_setting(xirr_cfg_##key, value); }
    XIRR_CONFIG_SETTINGS(XIRR_CFG_ACCESS_TEXT, XIRR_CFG_ACCESS_INT)
#undef XIRR_CFG_ACCESS_TEXT
#undef XIRR_CFG_ACCESS_INT

private:
    const char *directory() const;
    std::string system_file_path() const;
    // D/char_configs/<file>.cfg, or D/<file>.cfg for old_style; empty when
    // there is no directory or name has no file.
    std::string char_file_path(const std::string &name, int old_style) const;
    // Adds a configuration read from a file after checking its name: it must
    // have one, equal to expected_name when that is given.
    single_config *accept_loaded(const single_config &record, const char *expected_name);
    void report_due();

    std::list<single_config> configs_;   // in order of addition
    single_config *current_ = nullptr;
    xirr_system_settings system_;
    std::string directory_;
    int has_directory_ = 0;
    const xirr_config_hooks *hooks_ = nullptr;
    void *hooks_user_ = nullptr;
    single_config defaults_;   // what every new configuration starts from
};
