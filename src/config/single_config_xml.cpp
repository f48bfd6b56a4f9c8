#include "config/single_config_xml.h"

#include "foundation/text_utils.h"
#include "foundation/xml_reader.h"
#include "foundation/xml_writer.h"

namespace {

// Tag buffers hold this much; longer names are cut (and so never match).
constexpr int tag_size = 10000;
// Longest text setting read from a file.
constexpr int max_text_length = 9999;

// The older colour keys: a non-zero value selects this colour scheme.
const struct {
    const char *key;
    int scheme;
} old_colour_keys[] = {
    {"bright_color_display", 1},
    {"zmud_color_display", 2},
    {"gmud_color_display", 3},
};

int find_setting(const char *tag)
{
    for (int id = 0; id < xirr_cfg_count; id++)
        if (word_equals(tag, xirr_config_settings[id].key))
            return id;
    return -1;
}

void read_popup(xirr_xml_reader &reader, single_popup_window *entry)
{
    char tag[tag_size];
    while (reader.read_tag(tag, sizeof tag)) {
        if (word_equals(tag, "name"))
            reader.read_data(&entry->name, (int)single_popup_window::max_name_length);
        else if (word_equals(tag, "x"))
            reader.read_data(&entry->x);
        else if (word_equals(tag, "y"))
            reader.read_data(&entry->y);
        else if (word_equals(tag, "width"))
            reader.read_data(&entry->width);
        else if (word_equals(tag, "height"))
            reader.read_data(&entry->height);
        else
            reader.skip_data();
    }
}

void read_popup_list(xirr_xml_reader &reader, single_config *record)
{
    char tag[tag_size];
    while (reader.read_tag(tag, sizeof tag)) {
        if (!word_equals(tag, "single_popup_window")) {
            reader.skip_data();
            continue;
        }
        single_popup_window entry;
        read_popup(reader, &entry);
        record->popups.push_back(entry);   // the file holds the list in order
    }
}

// Handles the keys that older files hold; 1 when tag was one of them.
int read_old_key(xirr_xml_reader &reader, const char *tag, single_config *record)
{
    int v = 0;
    if (word_equals(tag, "use_new_layout")) {
        if (reader.read_data(&v))
            record->value[xirr_cfg_current_layout] = v ? 1 : 0;
        return 1;
    }
    for (const auto &old : old_colour_keys) {
        if (word_equals(tag, old.key)) {
            if (reader.read_data(&v) && v)
                record->value[xirr_cfg_font_colors_setting] = old.scheme;
            return 1;
        }
    }
    return 0;
}

}  // namespace

void xirr_single_config_read(xirr_xml_reader &reader, single_config *record)
{
    char tag[tag_size];
    while (reader.read_tag(tag, sizeof tag)) {
        int id = find_setting(tag);
        if (id >= 0) {
            if (std::string *text = record->text((xirr_config_setting)id))
                reader.read_data(text, max_text_length);
            else
                reader.read_data(&record->value[id]);
        } else if (word_equals(tag, "popup_window_list")) {
            read_popup_list(reader, record);
        } else if (!read_old_key(reader, tag, record)) {
            reader.skip_data();
        }
    }
    record->bring_in_range();
}

void xirr_single_config_write(xirr_xml_writer &writer, const single_config &record)
{
    writer.write_tag("single_config", 1, nullptr);
    for (int id = 0; id < xirr_cfg_count; id++) {
        const char *key = xirr_config_settings[id].key;
        if (const std::string *text = record.text((xirr_config_setting)id))
            writer.write_leaf(key, text->c_str());
        else
            writer.write_leaf(key, record.value[id]);
    }
    writer.write_tag("popup_window_list", 1, nullptr);
    for (const single_popup_window &entry : record.popups) {
        writer.write_tag("single_popup_window", 1, nullptr);
        writer.write_leaf("name", entry.name.c_str());
        writer.write_leaf("x", entry.x);
        writer.write_leaf("y", entry.y);
        writer.write_leaf("width", entry.width);
        writer.write_leaf("height", entry.height);
        writer.end_tag("single_popup_window", 1);
    }
    writer.end_tag("popup_window_list", 1);
    writer.end_tag("single_config", 1);
}
