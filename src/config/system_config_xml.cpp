#include "config/system_config_xml.h"

#include "config/single_config_xml.h"
#include "foundation/debug_log.h"
#include "foundation/text_utils.h"
#include "foundation/xml_reader.h"
#include "foundation/xml_writer.h"

#include <cstdio>

namespace {

constexpr int tag_size = 10000;
// Longest configuration name and vote menu text read from the file.
constexpr int max_text_length = 999;

struct vote_menu_keys {
    char name[32];
    char url[32];
};

vote_menu_keys vote_keys(int i)
{
    vote_menu_keys keys;
    snprintf(keys.name, sizeof keys.name, "vote_menu%d_name", i);
    snprintf(keys.url, sizeof keys.url, "vote_menu%d_url", i);
    return keys;
}

// Reads a text into an optional slot, which is set only when the text was read.
void read_optional(xirr_xml_reader &reader, std::optional<std::string> *slot)
{
    std::string text;
    if (reader.read_data(&text, max_text_length))
        *slot = text;
}

// Handles a vote menu element; 1 when tag was one.
int read_vote_menu(xirr_xml_reader &reader, const char *tag, xirr_system_settings *settings)
{
    for (int i = 0; i < xirr_system_settings::vote_menu_count; i++) {
        vote_menu_keys keys = vote_keys(i);
        if (word_equals(tag, keys.name)) {
            read_optional(reader, &settings->vote_menu_name[i]);
            return 1;
        }
        if (word_equals(tag, keys.url)) {
            read_optional(reader, &settings->vote_menu_url[i]);
            return 1;
        }
    }
    return 0;
}

}  // namespace

void xirr_system_config_read(xirr_xml_reader &reader, xirr_system_settings *settings,
                             const single_config &config_defaults, xirr_system_file_extras *extras)
{
    const struct {
        const char *key;
        int *value;
    } numbers[] = {
        {"uuid_create_time", &settings->uuid_create_time},
        {"last_voting_time", &settings->last_voting_time},
        {"last_voting_reminder_time", &settings->last_voting_reminder_time},
        {"voting_reminders", &settings->voting_reminders},
    };

    char tag[tag_size];
    while (reader.read_tag(tag, sizeof tag)) {
        int handled = 0;
        for (const auto &number : numbers) {
            if (word_equals(tag, number.key)) {
                reader.read_data(number.value);
                handled = 1;
                break;
            }
        }
        if (handled)
            continue;
        int audio;
        if (word_equals(tag, "uuid")) {
            if (reader.read_data(&settings->uuid, (int)xirr_system_settings::max_uuid_length) &&
                xirr_debug_level > 2)
                xirr_debug_printf("load_xml_system_config() - loaded uuid '%s'.\n",
                                  settings->uuid.c_str());
        } else if (word_equals(tag, "curr_config")) {
            reader.read_data(&extras->previous_config, max_text_length);
        } else if (word_equals(tag, "system_audio_enable")) {
            if (reader.read_data(&audio))
                settings->system_audio = audio != 0;
        } else if (word_equals(tag, "single_config")) {
            single_config record = config_defaults;
            xirr_single_config_read(reader, &record);
            extras->old_configs.push_back(record);
        } else if (!read_vote_menu(reader, tag, settings)) {
            // Also the keys of older versions that nothing uses any more:
            // bootloader_version, autoupdate_executable1_state and
            // autoupdate_executable2_state.
            reader.skip_data();
        }
    }
}

void xirr_system_config_write(xirr_xml_writer &writer, const xirr_system_settings &settings,
                              const char *current_config)
{
    writer.write_tag("system_config_list", 1, nullptr);
    writer.write_leaf("uuid", settings.uuid.c_str());
    writer.write_leaf("uuid_create_time", settings.uuid_create_time);
    if (current_config && *current_config)
        writer.write_leaf("curr_config", current_config);
    writer.write_leaf("system_audio_enable", settings.system_audio);
    writer.write_leaf("last_voting_time", settings.last_voting_time);
    writer.write_leaf("last_voting_reminder_time", settings.last_voting_reminder_time);
    writer.write_leaf("voting_reminders", settings.voting_reminders);
    for (int i = 0; i < xirr_system_settings::vote_menu_count; i++) {
        if (!settings.vote_menu_name[i])
            continue;
        vote_menu_keys keys = vote_keys(i);
        writer.write_leaf(keys.name, settings.vote_menu_name[i]->c_str());
        writer.write_leaf(keys.url, settings.vote_menu_url[i] ? settings.vote_menu_url[i]->c_str() : "");
    }
    writer.end_tag("system_config_list", 1);
}
