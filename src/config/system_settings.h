#pragma once
// The values of the system file that belong to the installation rather than
// to a character: the installation identifier the server knows this client
// by, whether sound is on, and the voting-reminder values the client keeps
// for the server.

#include <optional>
#include <string>

struct xirr_system_settings {
    static constexpr size_t max_uuid_length = 33;
    static constexpr int vote_menu_count = 16;

    std::string uuid;               // at most max_uuid_length characters
    int uuid_create_time = 0;       // seconds since 1970
    int last_voting_time = 0;       // seconds since 1970
    int last_voting_reminder_time = 0;
    int voting_reminders = 1;
    int system_audio = 1;           // 0 or 1
    // Vote menu entries (name, address); only entries with a name are kept
    // in the file.
    std::optional<std::string> vote_menu_name[vote_menu_count];
    std::optional<std::string> vote_menu_url[vote_menu_count];
};
