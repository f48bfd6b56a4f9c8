#include "input/command_history.h"

#include "foundation/ascii_text.h"
#include "foundation/bounded_text.h"
#include "foundation/debug_log.h"

#include <cstdio>

xirr_command_history::xirr_command_history()
{
    slots_[0].commands.push_back(L"connect");
}

int xirr_command_history::set_slot(int slot)
{
    if (slot < 0 || slot >= slot_count) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("Error in set_history_slot(), bad slot %d.\n", slot);
        return 0;
    }
    // Each column keeps its own position, so leaving a slot and coming back
    // finds it where it was.
    slot_ = slot;
    return 1;
}

void xirr_command_history::store(const std::wstring &command)
{
    column &c = slots_[slot_];
    if (c.commands.empty() || c.commands.front() != command) {
        c.commands.push_front(command);
        if ((int)c.commands.size() > max_commands)
            c.commands.pop_back();
    }
    c.position = 1;
    c.draft.clear();
}

const std::wstring *xirr_command_history::up(const std::wstring &line)
{
    column &c = slots_[slot_];
    if (!entry(c.position) || !entry(c.position + 1))
        return nullptr;
    if (c.position == 1)
        c.draft = line;
    ++c.position;
    return entry(c.position);
}

const std::wstring *xirr_command_history::down(const std::wstring &line)
{
    column &c = slots_[slot_];
    if (c.position < 1)
        return &empty_;
    if (c.position == 1)
        c.draft = line;
    --c.position;
    return entry(c.position);
}

const std::wstring *xirr_command_history::entry(int index) const
{
    const column &c = slots_[slot_];
    if (index == 0)
        return &empty_;
    if (index == 1)
        return &c.draft;
    if (index >= 2 && index - 2 < (int)c.commands.size())
        return &c.commands[index - 2];
    return nullptr;
}

std::string xirr_command_history::listing() const
{
    std::string out = "\nRecent Command History:";
    for (int n = listed; n >= 1; --n) {
        const std::wstring *command = entry(n + 1);
        if (!command)
            continue;
        char number[16];
        snprintf(number, sizeof number, "\n%2d - ", n);
        xirr_bounded_text ascii;
        to_ascii_text(command->c_str(), command->size(), &ascii);
        out += number;
        out.append(ascii.c_str(), ascii.length);
    }
    out += "\n";
    return out;
}
