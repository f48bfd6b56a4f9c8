#pragma once
// The command histories of the input line: one per connection phase (slot 0
// disconnected, 1 at the login prompt, 2 playing), so that names and answers
// typed at the login prompt never mix with game commands. Each slot is a
// column of entries browsed by a position:
//
//   entry 0        always empty, the step below the line being typed
//   entry 1        the line being typed, kept while the user browses
//   entries 2..99  up to 98 submitted commands, newest at 2
//
// Entries past the last stored command do not exist. Slot 0 starts with
// "connect" at entry 2, so that Up offers it to a disconnected client.
// Histories live as long as the window and are not saved.

#include <deque>
#include <string>

class xirr_command_history {
public:
    static constexpr int slot_count = 3;
    static constexpr int max_commands = 98;   // entries 2 to 99
    static constexpr int listed = 19;         // commands shown by listing()

    xirr_command_history();

    // Makes slot current (0 to 2), remembering the position of the slot it
    // leaves and going back to the one slot had. Returns 0 (logged, nothing
    // changed) for another slot number.
    int set_slot(int slot);
    int slot() const { return slot_; }
    // The index of the entry shown, in the current slot.
    int position() const { return slots_[slot_].position; }

    // Stores a submitted command in the current slot as entry 2, unless it
    // repeats entry 2; the oldest of 98 commands is dropped. The position
    // goes back to 1 with an empty line being typed.
    void store(const std::wstring &command);
    // One step up: keeps line as entry 1 when leaving it and returns the
    // entry now shown, or null when there is none further up.
    const std::wstring *up(const std::wstring &line);
    // One step down: keeps line as entry 1 when leaving it and returns the
    // entry now shown. Below entry 0 it stays at 0 and returns the empty
    // entry, which empties whatever was typed there.
    const std::wstring *down(const std::wstring &line);
    // Entry index of the current slot, or null when it does not exist.
    const std::wstring *entry(int index) const;

    // The "//history" text: a heading, then commands 19 to 1 (1 the newest,
    // each in ASCII, at most 5999 characters), one per line, and a line feed.
    std::string listing() const;

private:
    struct column {
        std::wstring draft;                  // entry 1
        std::deque<std::wstring> commands;   // entries 2.., newest first
        int position = 1;
    };

    column slots_[slot_count];
    int slot_ = 0;
    const std::wstring empty_;   // entry 0
};
