// The three command histories: what Up and Down show, duplicates, the
// 98-command limit, the slots and the "//history" listing.

#include "input/command_history.h"

#include "../foundation/captured_log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What Up shows step by step until it stops, leaving line as the line
// being typed.
std::vector<std::wstring> walk_up(xirr_command_history &h, const std::wstring &line = L"")
{
    std::vector<std::wstring> shown;
    std::wstring current = line;
    while (const std::wstring *entry = h.up(current)) {
        shown.push_back(*entry);
        current = *entry;
    }
    return shown;
}

TEST(CommandHistory, FreshStartOffersConnectOnlyWhileDisconnected)
{
    xirr_command_history h;
    EXPECT_EQ(walk_up(h), std::vector<std::wstring>{L"connect"});
    for (int slot : {1, 2}) {
        ASSERT_EQ(h.set_slot(slot), 1);
        EXPECT_TRUE(walk_up(h).empty()) << "slot " << slot;
    }
}

TEST(CommandHistory, RepeatedCommandIsStoredOnce)
{
    xirr_command_history h;
    h.set_slot(2);
    for (const wchar_t *command : {L"kill rat", L"look", L"look"})
        h.store(command);
    EXPECT_EQ(walk_up(h), (std::vector<std::wstring>{L"look", L"kill rat"}));
}

TEST(CommandHistory, KeepsOnlyTheNewest98Commands)
{
    xirr_command_history h;
    h.set_slot(2);
    for (int i = 1; i <= 99; ++i)
        h.store(L"cmd" + std::to_wstring(i));
    std::vector<std::wstring> shown = walk_up(h);
    ASSERT_EQ(shown.size(), 98u);
    EXPECT_EQ(shown.front(), L"cmd99");
    EXPECT_EQ(shown.back(), L"cmd2");
    EXPECT_EQ(h.position(), 99);
    EXPECT_EQ(h.entry(100), nullptr);
}

TEST(CommandHistory, DownReturnsToTheTypedLineThenEmpties)
{
    xirr_command_history h;
    h.set_slot(2);
    h.store(L"north");
    h.store(L"south");

    ASSERT_NE(h.up(L"half typ"), nullptr);   // south
    ASSERT_NE(h.up(L"south"), nullptr);      // north
    EXPECT_EQ(h.up(L"north"), nullptr) << "nothing above the oldest";
    EXPECT_EQ(*h.down(L"north"), L"south");
    EXPECT_EQ(*h.down(L"south"), L"half typ") << "the line being typed comes back";
    EXPECT_EQ(*h.down(L"half typed"), L"") << "below it, the permanent empty entry";
    EXPECT_EQ(h.position(), 0);
    EXPECT_EQ(*h.down(L"typed at 0"), L"") << "another Down empties the line";
    EXPECT_EQ(h.position(), 0);
    EXPECT_EQ(*h.up(L""), L"half typed") << "the line edited before going down is kept";
}

TEST(CommandHistory, StoreStartsAFreshLine)
{
    xirr_command_history h;
    h.set_slot(1);
    h.store(L"gandalf");
    h.up(L"draft");
    h.store(L"secret-ish answer");
    EXPECT_EQ(h.position(), 1);
    EXPECT_EQ(*h.entry(1), L"");
}

TEST(CommandHistory, SlotsKeepTheirOwnCommandsAndPositions)
{
    xirr_command_history h;
    h.set_slot(1);
    h.store(L"gandalf");
    h.store(L"yes");
    h.up(L"");   // shows "yes", position 2

    h.set_slot(2);
    EXPECT_EQ(h.position(), 1);
    h.store(L"look");
    EXPECT_EQ(walk_up(h), std::vector<std::wstring>{L"look"});

    h.set_slot(0);
    EXPECT_EQ(walk_up(h), std::vector<std::wstring>{L"connect"});

    h.set_slot(1);
    EXPECT_EQ(h.position(), 2);
    EXPECT_EQ(*h.up(L"yes"), L"gandalf");
}

TEST(CommandHistory, BadSlotIsLoggedAndIgnored)
{
    captured_log log(2);
    xirr_command_history h;
    h.set_slot(2);
    for (int slot : {-1, 3}) {
        EXPECT_EQ(h.set_slot(slot), 0);
        EXPECT_EQ(h.slot(), 2);
    }
    EXPECT_EQ(log.text(), "Error in set_history_slot(), bad slot -1.\n"
                          "Error in set_history_slot(), bad slot 3.\n");
}

TEST(CommandHistory, ListingShowsTheNewest19OldestFirst)
{
    xirr_command_history h;
    h.set_slot(2);
    EXPECT_EQ(h.listing(), "\nRecent Command History:\n");

    h.store(L"say caf\u00e9");
    h.store(L"look");
    EXPECT_EQ(h.listing(), "\nRecent Command History:\n 2 - say cafe\n 1 - look\n");

    for (int i = 1; i <= 25; ++i)
        h.store(L"c" + std::to_wstring(i));
    std::string listing = h.listing();
    EXPECT_EQ(listing.find("\nRecent Command History:\n19 - c7\n18 - c8\n"), 0u) << listing;
    EXPECT_NE(listing.find("\n 1 - c25\n"), std::string::npos) << listing;
    EXPECT_EQ(listing.find("- c6\n"), std::string::npos) << listing;
}

}  // namespace
