#include "app/user_commands.h"

#include "foundation/text_utils.h"

// The vocabulary, in the order it is tried. The client's own commands come
// first and work in every state; once the socket is connected every other
// line goes to the server, so the words after that entry are only ever seen
// while disconnected (and "quit" typed while connected reaches the server).
const xirr_user_commands::command_entry xirr_user_commands::command_table[] = {
    {"//commands", abbreviation, 3, always, &xirr_user_commands::cmd_commands},
    {"//help", abbreviation, 3, always, &xirr_user_commands::cmd_help},
    {"//version", abbreviation, 3, always, &xirr_user_commands::cmd_version},
    {"//break", abbreviation, 3, always, &xirr_user_commands::cmd_break},
    {"//history", abbreviation, 3, always, &xirr_user_commands::cmd_history},
    {"//quit", abbreviation, 6, always, &xirr_user_commands::cmd_quit},
    {"//exit", abbreviation, 6, always, &xirr_user_commands::cmd_quit},
    {"//disconnect", abbreviation, 6, always, &xirr_user_commands::cmd_disconnect},
    {"//clear", abbreviation, 4, always, &xirr_user_commands::cmd_clear},
    {"//chanclear", abbreviation, 4, always, &xirr_user_commands::cmd_chanclear},
    {"//cclear", abbreviation, 4, always, &xirr_user_commands::cmd_chanclear},
    {"zvping", whole_word, 0, while_playing, &xirr_user_commands::cmd_ping},
    {"//ping", abbreviation, 3, while_playing, &xirr_user_commands::cmd_ping},
    {"//echo", abbreviation, 3, always, &xirr_user_commands::cmd_echo},
    {"//debuglevel", abbreviation, 5, always, &xirr_user_commands::cmd_debuglevel},
    {"//debugfilename", abbreviation, 8, always, &xirr_user_commands::cmd_debugfilename},
    {"//debugfill", whole_word, 0, always, &xirr_user_commands::cmd_debugfill},
    {"//icons", whole_word, 0, always, &xirr_user_commands::cmd_icons},
    {"//soundtest", whole_word, 0, always, &xirr_user_commands::cmd_soundtest},
    {"", any_line, 0, while_connected, &xirr_user_commands::cmd_send},
    {"connect", prefix, 0, while_disconnected, &xirr_user_commands::cmd_connect},
    {"restart", abbreviation, 2, while_disconnected, &xirr_user_commands::cmd_connect},
    {"start", abbreviation, 2, while_disconnected, &xirr_user_commands::cmd_connect},
    {"login", abbreviation, 4, while_disconnected, &xirr_user_commands::cmd_connect},
    {"quit", abbreviation, 3, while_disconnected, &xirr_user_commands::cmd_quit},
    {"exit", abbreviation, 2, while_disconnected, &xirr_user_commands::cmd_quit},
    {nullptr, any_line, 0, always, nullptr},
};

int xirr_user_commands::matches(const command_entry &entry, const char *line)
{
    switch (entry.rule) {
    case abbreviation:
        return word_abbreviates(line, entry.name, entry.minimum) > 0;
    case prefix:
        return word_is_prefix(line, entry.name) > 0;
    case whole_word:
        return word_equals(line, entry.name);
    case any_line:
        return 1;
    }
    return 0;
}
