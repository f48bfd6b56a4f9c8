#include "config/zv_config.h"

#include "config/atomic_file.h"
#include "config/char_config_file_name.h"
#include "config/single_config_xml.h"
#include "config/system_config_xml.h"
#include "foundation/client_dirs.h"
#include "foundation/debug_log.h"
#include "foundation/text_utils.h"
#include "foundation/xirr_random.h"
#include "foundation/xirr_time.h"
#include "foundation/xml_file_reader.h"
#include "foundation/xml_file_writer.h"
#include "foundation/xml_text.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include <unistd.h>

namespace {

// A file whose elements are not all closed at its end was cut or damaged.
void warn_if_unclosed(const xirr_xml_reader &reader, const char *function)
{
    if (reader.depth() && xirr_debug_level > 0)
        xirr_debug_printf("Warning in ZvConfig::%s() - the file ends inside an element.\n",
                          function);
}

// Longest declaration line read, and longest tag name matched.
constexpr int line_size = 10000;
constexpr int tag_size = 10000;

const char system_file_name[] = "tarn_hollow.cfg";

// A text as the configuration keeps it: printable ASCII, cut to max_length.
std::string storable(const char *text, size_t max_length)
{
    std::string kept(text ? text : "");
    if (kept.size() > max_length)
        kept.resize(max_length);
    xirr_xml_make_storable(kept);
    return kept;
}

std::string config_name(const char *name)
{
    return storable(name, ZvConfig::max_name_length);
}

// The settings whose menu items have check marks set only by their setters;
// a reset calls these setters so the marks follow.
const xirr_config_setting marked_by_setter[] = {
    xirr_cfg_cmd_pushthrough,     xirr_cfg_local_echo,
    xirr_cfg_cmd_separator,       xirr_cfg_keypad_walking,
    xirr_cfg_locking_scrollback_enable, xirr_cfg_url_hotlinking,
    xirr_cfg_channel_window_dupe, xirr_cfg_colorflash_enable,
};

}  // namespace

ZvConfig &ZvConfig::instance()
{
    static ZvConfig config;
    return config;
}

ZvConfig::ZvConfig(const char *directory)
    : directory_(directory ? directory : ""), has_directory_(directory != nullptr)
{
}

void ZvConfig::set_hooks(const xirr_config_hooks *hooks, void *user)
{
    hooks_ = hooks;
    hooks_user_ = user;
}

void ZvConfig::set_font_defaults(const char *font, int font_size, const char *button_font,
                                 int button_font_size)
{
    defaults_.font = storable(font, SIZE_MAX);
    defaults_.button_font = storable(button_font, SIZE_MAX);
    defaults_.value[xirr_cfg_font_size] = xirr_config_in_range(xirr_cfg_font_size, font_size);
    defaults_.value[xirr_cfg_button_font_size] = button_font_size;
}

const char *ZvConfig::directory() const
{
    return has_directory_ ? directory_.c_str() : xirr_client_get_config_directory();
}

std::string ZvConfig::system_file_path() const
{
    return std::string(directory()) + "/" + system_file_name;
}

std::string ZvConfig::char_file_path(const std::string &name, int old_style) const
{
    std::string file;
    if (!directory() || !xirr_char_config_file_name(name, &file))
        return std::string();
    return std::string(directory()) + (old_style ? "/" : "/char_configs/") + file + ".cfg";
}

void ZvConfig::report_due()
{
    if (hooks_ && hooks_->status_report_due)
        hooks_->status_report_due(hooks_user_);
}

// ---------------------------------------------------------------- system file

void ZvConfig::load_system_config()
{
    load_system_config_file();
    if (xirr_debug_level > 2) {
        xirr_debug_printf("load_system_config() - finished\n");
        xirr_debug_printf("\n");
    }
    if (directory())
        unlink((std::string(directory()) + "/bootname.txt").c_str());
}

void ZvConfig::load_system_config_file()
{
    std::string previous_config;
    if (!directory()) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Unable to load system config - no config file directory.\n");
    } else {
        unlink((std::string(directory()) + "/sound_version.cfg").c_str());
        std::string path = system_file_path();
        if (xirr_debug_level > 2)
            xirr_debug_printf("load_system_config_file() - using core config file name '%s'.\n",
                              path.c_str());
        FILE *stream = fopen(path.c_str(), "rb");
        if (!stream) {
            if (xirr_debug_level > 0)
                xirr_debug_printf("Unable to load system config - cannot open config file '%s'.\n",
                                  path.c_str());
        } else {
            read_system_config(stream, &previous_config);
            fclose(stream);
        }
    }
    if (system_.uuid.empty()) {
        create_default_uuid();
        if (xirr_debug_level > 2)
            xirr_debug_printf("load_system_config_file() - created default uuid '%s'.\n",
                              system_.uuid.c_str());
    }
    setup_default_config(previous_config.c_str());
    apply_font();
}

int ZvConfig::read_system_config(FILE *stream, std::string *previous_config)
{
    // The declaration line is checked and reported, but a file without a
    // good one is read all the same: its settings are worth keeping. The
    // reader passes over the declaration itself, so reading starts at the
    // first byte whatever the check said.
    std::vector<char> line(line_size);
    xirr_xml_file_reader reader(stream);
    if (!fget_line(stream, line.data(), line_size) ||
        !reader.check_xml_header_string(line.data())) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Warning in load_system_config_file() - bad XML header, reading the "
                              "file without it.\n");
    }
    rewind(stream);

    xirr_system_file_extras extras;
    int found = 0;
    char tag[tag_size];
    // Top-level elements up to the end of the input: a stray closing tag or a
    // damaged tag ends nothing here.
    while (!reader.at_end()) {
        if (!reader.read_tag(tag, sizeof tag))
            continue;
        if (word_equals(tag, "system_config_list")) {
            xirr_system_config_read(reader, &system_, defaults_, &extras);
            found = 1;
        } else {
            if (xirr_debug_level > 0)
                xirr_debug_printf("ZvConfig::load_system_config_file() got unknown tag '%s'\n", tag);
            reader.skip_data();
        }
    }
    warn_if_unclosed(reader, "read_system_config");
    for (const single_config &record : extras.old_configs)
        accept_loaded(record, nullptr);
    if (previous_config)
        *previous_config = extras.previous_config;
    return found;
}

int ZvConfig::save_system_config_file()
{
    if (!directory()) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Unable to save system config - no config file directory.\n");
        return 0;
    }
    int saved = 1;
    for (const single_config &record : configs_)
        if (!record.name.empty() && !save(record))
            saved = 0;

    std::string path = system_file_path();
    xirr_atomic_file file(path.c_str());
    if (!file.stream()) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Unable to save system config - cannot open config file '%s'.\n",
                              path.c_str());
        return 0;
    }
    if (!write_system_config(file.stream()) || !file.commit()) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in ZvConfig::save_system_config_file(), unable to write to "
                              "system config file '%s'.\n",
                              path.c_str());
        return 0;
    }
    return saved;
}

int ZvConfig::write_system_config(FILE *stream) const
{
    xirr_xml_file_writer writer(stream);
    if (!writer.write_header())
        return 0;
    xirr_system_config_write(writer, system_, current_ ? current_->name.c_str() : nullptr);
    writer.write_newline();
    return !writer.failed();
}

void ZvConfig::set_uuid(const char *text)
{
    if (!text || !*text) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in set_uuid(), null string?\n");
        create_default_uuid();
        return;
    }
    system_.uuid = storable(text, xirr_system_settings::max_uuid_length);
    if (xirr_debug_level > 2)
        xirr_debug_printf("Changed uuid to '%s'.\n", system_.uuid.c_str());
    int now = (int)xirr_gettimeofday_seconds();
    system_.uuid_create_time = now;
    system_.last_voting_reminder_time = now;
    system_.last_voting_time = now;
    save_system_config_file();
}

void ZvConfig::create_default_uuid()
{
    static const char digits[] = "0123456789abcdef";
    char uuid[33];
    for (int i = 0; i < 32; i++)
        uuid[i] = digits[xirr_shared_random.random_next() & 15];
    uuid[32] = '\0';
    memcpy(uuid, "DFLT", 4);
    system_.uuid = uuid;
    if (xirr_debug_level > 2)
        xirr_debug_printf("create_default_uuid() - created default uuid '%s'.\n", uuid);
}

void ZvConfig::SetSystemAudio(int on)
{
    on = on != 0;
    if (on == system_.system_audio)
        return;
    system_.system_audio = on;
    report_due();
    if (!on) {
        if (hooks_ && hooks_->stop_audio)
            hooks_->stop_audio(hooks_user_);
    } else if (hooks_ && hooks_->start_audio && !hooks_->start_audio(hooks_user_)) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("ZvConfig::SetSystemAudio() - unable to start audio.  Disabling.\n");
        SetSystemAudio(0);
    }
    if (hooks_ && hooks_->system_audio_changed)
        hooks_->system_audio_changed(hooks_user_, system_.system_audio);
}

// ---------------------------------------------------- character configurations

single_config *ZvConfig::add(const single_config &record)
{
    std::string name = config_name(record.name.c_str());
    single_config *existing = find(name.c_str());
    if (!existing) {
        configs_.push_back(record);
        configs_.back().name = name;
        return &configs_.back();
    }
    if (xirr_debug_level > 2)
        xirr_debug_printf("ZvConfig::add(), replacing config for %s.\n", name.c_str());
    std::vector<single_popup_window> popups = record.popups;
    popups.insert(popups.end(), existing->popups.begin(), existing->popups.end());
    *existing = record;
    existing->name = name;
    existing->popups = popups;
    return existing;
}

single_config *ZvConfig::find(const char *name)
{
    std::string wanted = config_name(name);
    for (single_config &record : configs_)
        if (record.name == wanted)
            return &record;
    return nullptr;
}

single_config *ZvConfig::get_or_find(const char *name)
{
    single_config *found = find(name);
    return found ? found : get_or_load(name);
}

single_config *ZvConfig::get_or_load(const char *name)
{
    std::string wanted = config_name(name);
    if (xirr_debug_level > 1)
        xirr_debug_printf("ZvConfig::get_or_load() - trying load of config '%s'.\n", wanted.c_str());
    // The old location is D itself, where the system file lives too: a
    // character named like it must not read (or later delete) that file.
    std::string old_path = char_file_path(wanted, 1);
    int old_style = 0;
    FILE *stream = nullptr;
    if (!old_path.empty() && old_path != system_file_path())
        stream = fopen(old_path.c_str(), "rb");
    if (stream) {
        old_style = 1;
        if (xirr_debug_level > 0)
            xirr_debug_printf("ZvConfig::get_or_load() - got old style per-char config file '%s'.\n",
                              old_path.c_str());
    } else {
        std::string path = char_file_path(wanted, 0);
        stream = path.empty() ? nullptr : fopen(path.c_str(), "rb");
        if (!stream) {
            if (xirr_debug_level > 1)
                xirr_debug_printf("ZvConfig::get_or_load() - no config file for '%s'.\n",
                                  wanted.c_str());
            return nullptr;
        }
    }
    read_char_config(stream, wanted.c_str());
    fclose(stream);

    single_config *found = find(wanted.c_str());
    // The old file goes only once the new one is safely written.
    if (found && old_style && save(*found))
        unlink(old_path.c_str());
    if (xirr_debug_level > 1)
        xirr_debug_printf("ZvConfig::get_or_load() - load of config '%s' success.\n", wanted.c_str());
    return found;
}

int ZvConfig::read_char_config(FILE *stream, const char *expected_name)
{
    std::string expected = config_name(expected_name);
    xirr_xml_file_reader reader(stream);
    int kept = 0;
    char tag[tag_size];
    while (!reader.at_end()) {
        if (!reader.read_tag(tag, sizeof tag))
            continue;
        if (!word_equals(tag, "single_config")) {
            reader.skip_data();
            continue;
        }
        single_config record = defaults_;
        xirr_single_config_read(reader, &record);
        if (accept_loaded(record, expected.c_str()))
            kept = 1;
    }
    warn_if_unclosed(reader, "read_char_config");
    return kept;
}

single_config *ZvConfig::accept_loaded(const single_config &record, const char *expected_name)
{
    if (record.name.empty()) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in ZvConfig::load_xml_single_system_config(), missing name for "
                              "loaded config.  Ignoring.\n");
        return nullptr;
    }
    if (expected_name && record.name != expected_name) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in ZvConfig::load_xml_single_system_config(), got bad name '%s' "
                              "for loaded config '%s'.\n",
                              record.name.c_str(), expected_name);
        return nullptr;
    }
    single_config *stored = add(record);
    if (xirr_debug_level > 2) {
        xirr_debug_printf("ZvConfig::load_xml_single_system_config() - Font size %d, '%s'.\n",
                          stored->value[xirr_cfg_font_size], stored->font.c_str());
        xirr_debug_printf("ZvConfig::load_xml_single_system_config() - Button font size %d, '%s'.\n",
                          stored->value[xirr_cfg_button_font_size], stored->button_font.c_str());
    }
    return stored;
}

void ZvConfig::setup_default_config(const char *previous_name)
{
    if (previous_name && *previous_name) {
        if (xirr_debug_level > 2)
            xirr_debug_printf("ZvConfig::setup_default_config() - trying to use previous config "
                              "'%s'.\n",
                              previous_name);
        if (single_config *previous = get_or_find(previous_name)) {
            current_ = previous;
            return;
        }
        if (xirr_debug_level > 2)
            xirr_debug_printf("ZvConfig::setup_default_config() - unable to load or find previous "
                              "config, using default.\n");
    } else if (xirr_debug_level > 2) {
        xirr_debug_printf("ZvConfig::setup_default_config() - no previous config specified, using "
                          "default.\n");
    }
    current_ = add(defaults_);
}

single_config *ZvConfig::create_new_config(const char *name, single_config *current)
{
    std::string wanted = config_name(name);
    if (!current) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in ZvConfig::create_new_config(), NULL old config?  Creating "
                              "new.\n");
        single_config record = defaults_;
        record.name = wanted;
        return add(record);
    }
    if (current->name.empty()) {
        if (xirr_debug_level > 2)
            xirr_debug_printf("ZvConfig::create_new_config() - attaching name '%s' to current blank "
                              "config.\n",
                              wanted.c_str());
        current->name = wanted;
        return current;
    }
    if (xirr_debug_level > 2)
        xirr_debug_printf("ZvConfig::create_new_config() - making a copy of current config '%s' to "
                          "create config '%s'.\n",
                          current->name.c_str(), wanted.c_str());
    single_config copy = *current;
    copy.name = wanted;
    return add(copy);
}

void ZvConfig::switch_to_character(const char *name)
{
    std::string wanted = config_name(name);
    if (wanted.empty()) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in ZvConfig::switch_to_character(), empty name.\n");
        return;
    }
    single_config *next = get_or_find(wanted.c_str());
    current_ = next ? next : create_new_config(wanted.c_str(), current_);
    if (hooks_ && hooks_->configuration_applied)
        hooks_->configuration_applied(hooks_user_);
    report_due();
    apply_font();
}

void ZvConfig::apply_font()
{
    if (!current_) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in ZvConfig::apply_font(), null current_char_cfg.\n");
        return;
    }
    if (hooks_ && hooks_->apply_fonts)
        hooks_->apply_fonts(hooks_user_, *current_);
}

void ZvConfig::store_font(const char *description, int size)
{
    if (!current_)
        return;
    current_->font = storable(description, SIZE_MAX);
    current_->value[xirr_cfg_font_size] = xirr_config_in_range(xirr_cfg_font_size, size);
}

void ZvConfig::store_button_font(const char *description, int size)
{
    if (!current_)
        return;
    current_->button_font = storable(description, SIZE_MAX);
    current_->value[xirr_cfg_button_font_size] = size;
}

void ZvConfig::reset_to_defaults()
{
    if (!current_)
        return;
    current_->reset_to_defaults();
    for (xirr_config_setting id : marked_by_setter)
        set_setting(id, current_->value[id]);
    if (hooks_ && hooks_->configuration_applied)
        hooks_->configuration_applied(hooks_user_);
    report_due();
}

single_popup_window ZvConfig::lookup_popup(const char *name) const
{
    const single_popup_window *found = current_ ? current_->find_popup(name) : nullptr;
    return found ? *found : single_popup_window();
}

void ZvConfig::store_popup(const single_popup_window &entry)
{
    if (current_)
        current_->store_popup(entry);
}

int ZvConfig::save(const single_config &record)
{
    std::string path = char_file_path(record.name, 0);
    if (path.empty())
        return 0;
    if (!xirr_recursive_mkdir(path.c_str(), 0700, nullptr)) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("Unable to create directory for config file '%s'.\n", path.c_str());
    }
    xirr_atomic_file file(path.c_str());
    int written = 0;
    if (file.stream()) {
        xirr_xml_file_writer writer(file.stream());
        xirr_single_config_write(writer, record);
        written = !writer.failed() && file.commit();
    }
    if (!written && xirr_debug_level > 0)
        xirr_debug_printf("Unable to save config file '%s'.\n", path.c_str());
    return written;
}

// -------------------------------------------------------- getters and setters

int ZvConfig::get_setting(xirr_config_setting id) const
{
    return current_ ? current_->value[id] : 0;
}

void ZvConfig::set_setting(xirr_config_setting id, int value)
{
    const xirr_config_setting_info &info = xirr_config_settings[id];
    if (!current_ || info.kind == XIRR_CFG_KIND_TEXT)
        return;
    value = xirr_config_in_range(id, value);
    if ((info.setter & XIRR_CFG_ON_CHANGE) && current_->value[id] == value)
        return;
    current_->value[id] = value;
    if (hooks_ && hooks_->setting_changed)
        hooks_->setting_changed(hooks_user_, id, value);
    if (info.setter & XIRR_CFG_REPORTED)
        report_due();
}

const char *ZvConfig::get_name() const
{
    return current_ ? current_->name.c_str() : "";
}

const char *ZvConfig::get_font() const
{
    return current_ ? current_->font.c_str() : "";
}

const char *ZvConfig::get_button_font() const
{
    return current_ ? current_->button_font.c_str() : "";
}
