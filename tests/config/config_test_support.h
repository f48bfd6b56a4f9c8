#pragma once
// Shared by the configuration tests: a scratch configuration directory with
// file helpers, a recorder standing in for the window code, and comparisons
// of whole configurations.

#include "config/single_config_xml.h"
#include "config/zv_config.h"
#include "foundation/xml_file_writer.h"

#include "../foundation/captured_log.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <cstdio>
#include <cstdlib>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace th_test {

// A configuration directory and a ZvConfig on it.
struct config_dir {
    scratch_dir dir;

    std::string path(const std::string &name) const { return dir / name; }
    std::string read(const std::string &name) const { return read_text(path(name)); }
    void write(const std::string &name, const std::string &text) const
    {
        write_text(path(name), text);
    }
    void make_char_dir() const { mkdir(path("char_configs").c_str(), 0700); }

    // Every entry below the directory, as paths relative to it, sorted.
    std::vector<std::string> listing() const
    {
        std::vector<std::string> names;
        list_into(dir.path(), "", &names);
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    static void list_into(const std::string &base, const std::string &prefix,
                          std::vector<std::string> *names)
    {
        DIR *d = opendir((base + "/" + prefix).c_str());
        if (!d)
            return;
        while (dirent *entry = readdir(d)) {
            std::string name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            names->push_back(prefix + name);
            if (is_directory(base + "/" + prefix + name))
                list_into(base, prefix + name + "/", names);
        }
        closedir(d);
    }
};

// Records what the configuration tells the window code.
struct hook_recorder {
    std::vector<std::pair<xirr_config_setting, int>> changes;
    int reports = 0;
    int applied = 0;
    int fonts_applied = 0;
    std::string applied_font;
    int audio_starts_ok = 1;
    int audio_started = 0;
    int audio_stopped = 0;
    std::vector<int> audio_marks;

    void attach(ZvConfig &config) { config.set_hooks(&hooks, this); }
    void clear() { *this = hook_recorder(); }

    static hook_recorder *self(void *user) { return static_cast<hook_recorder *>(user); }
    static constexpr xirr_config_hooks hooks = {
        [](void *u, xirr_config_setting id, int v) { self(u)->changes.push_back({id, v}); },
        [](void *u) { self(u)->reports++; },
        [](void *u) { self(u)->applied++; },
        [](void *u, const single_config &c) {
            self(u)->fonts_applied++;
            self(u)->applied_font = c.font;
        },
        [](void *u) {
            self(u)->audio_started++;
            return self(u)->audio_starts_ok;
        },
        [](void *u) { self(u)->audio_stopped++; },
        [](void *u, int on) { self(u)->audio_marks.push_back(on); },
    };
};

// 1 for "DFLT" and 28 lowercase hexadecimal digits.
inline bool is_default_uuid(const std::string &uuid)
{
    return uuid.size() == 32 && uuid.rfind("DFLT", 0) == 0 &&
           uuid.find_first_not_of("0123456789abcdef", 4) == std::string::npos;
}

// Expects two configurations to hold the same saved values.
inline void expect_same_config(const single_config &a, const single_config &b)
{
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.font, b.font);
    EXPECT_EQ(a.button_font, b.button_font);
    for (int id = 0; id < xirr_cfg_count; id++)
        if (xirr_config_settings[id].kind != XIRR_CFG_KIND_TEXT) {
            EXPECT_EQ(a.value[id], b.value[id]) << xirr_config_settings[id].key;
        }
    ASSERT_EQ(a.popups.size(), b.popups.size());
    for (size_t i = 0; i < a.popups.size(); i++) {
        EXPECT_EQ(a.popups[i].name, b.popups[i].name);
        EXPECT_EQ(a.popups[i].x, b.popups[i].x);
        EXPECT_EQ(a.popups[i].y, b.popups[i].y);
        EXPECT_EQ(a.popups[i].width, b.popups[i].width);
        EXPECT_EQ(a.popups[i].height, b.popups[i].height);
    }
}

inline void expect_same_system(const xirr_system_settings &a, const xirr_system_settings &b)
{
    EXPECT_EQ(a.uuid, b.uuid);
    EXPECT_EQ(a.uuid_create_time, b.uuid_create_time);
    EXPECT_EQ(a.last_voting_time, b.last_voting_time);
    EXPECT_EQ(a.last_voting_reminder_time, b.last_voting_reminder_time);
    EXPECT_EQ(a.voting_reminders, b.voting_reminders);
    EXPECT_EQ(a.system_audio, b.system_audio);
    for (int i = 0; i < xirr_system_settings::vote_menu_count; i++) {
        EXPECT_EQ(a.vote_menu_name[i], b.vote_menu_name[i]) << i;
        EXPECT_EQ(a.vote_menu_url[i], b.vote_menu_url[i]) << i;
    }
}

// What save_system_config_file() would write for loaded, as the texts of the
// system file and of the current configuration's file, made in memory.
struct written_form {
    std::string system;
    std::string character;
};

inline std::string write_to_memory(const std::function<void(FILE *)> &write)
{
    char *data = nullptr;
    size_t size = 0;
    FILE *stream = open_memstream(&data, &size);
    write(stream);
    fclose(stream);
    std::string text(data, size);
    free(data);
    return text;
}

inline written_form write_form(const ZvConfig &loaded)
{
    written_form form;
    form.system = write_to_memory([&](FILE *stream) { EXPECT_EQ(loaded.write_system_config(stream), 1); });
    form.character = write_to_memory([&](FILE *stream) {
        xirr_xml_file_writer writer(stream);
        xirr_single_config_write(writer, *loaded.current());
        EXPECT_EQ(writer.failed(), 0);
    });
    return form;
}

inline void read_from_memory(std::string text, const std::function<void(FILE *)> &read)
{
    FILE *stream = text.empty() ? nullptr : fmemopen(&text[0], text.size(), "rb");
    if (stream) {
        read(stream);
        fclose(stream);
    }
}

// Expects what loaded would save to read back as what loaded holds: the
// check that a save after any load writes files the next start can read.
inline void expect_written_form_reads_back(const ZvConfig &loaded)
{
    ASSERT_NE(loaded.current(), nullptr);
    written_form form = write_form(loaded);
    ZvConfig fresh("/nonexistent/th-config-test");
    std::string previous;
    read_from_memory(form.system, [&](FILE *s) { EXPECT_EQ(fresh.read_system_config(s, &previous), 1); });
    expect_same_system(fresh.system_settings(), loaded.system_settings());
    EXPECT_EQ(previous, loaded.current()->name);
    if (loaded.current()->name.empty())
        return;
    read_from_memory(form.character, [&](FILE *s) {
        EXPECT_EQ(fresh.read_char_config(s, loaded.current()->name.c_str()), 1);
    });
    const single_config *back = fresh.find(loaded.current()->name.c_str());
    ASSERT_NE(back, nullptr);
    expect_same_config(*back, *loaded.current());
}

}  // namespace th_test
