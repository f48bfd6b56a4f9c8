// The text arena behind the store and the render list: alignment, requests
// larger than a block, growing the latest text in place, and clear.

#include "display/text_store_arena.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

TEST(text_store_arena, aligns_and_keeps_earlier_texts)
{
    xirr_text_store_arena arena(256);
    char *first = arena.copy_text("abc", 3);
    for (int i = 0; i < 100; i++) {
        void *record = arena.allocate(24, 8);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(record) % 8, 0u);
        memset(record, 0xff, 24);
        arena.copy_text("xy", 1);
    }
    EXPECT_STREQ(first, "abc");
}

TEST(text_store_arena, gives_a_large_request_a_block_of_its_own_size)
{
    xirr_text_store_arena arena(256);
    const std::string big(1000, 'b');
    char *text = arena.copy_text(big.data(), big.size());
    EXPECT_EQ(std::string(text), big);
    EXPECT_GE(arena.held_bytes(), 1001u);
    EXPECT_STREQ(arena.copy_text("after", 5), "after");
}

TEST(text_store_arena, grows_only_the_latest_text_while_its_block_has_room)
{
    xirr_text_store_arena arena(64);
    char *older = arena.copy_text("one", 3);
    char *latest = arena.copy_text("two", 3);
    EXPECT_EQ(arena.extend_text(older, 3, "!", 1), 0);
    EXPECT_STREQ(older, "one");
    ASSERT_EQ(arena.extend_text(latest, 3, "-three", 6), 1);
    EXPECT_STREQ(latest, "two-three");
    EXPECT_STREQ(older, "one");

    const std::string too_much(64, 'x');
    EXPECT_EQ(arena.extend_text(latest, 9, too_much.data(), too_much.size()), 0);
    EXPECT_STREQ(latest, "two-three");
}

TEST(text_store_arena, clear_gives_everything_back)
{
    xirr_text_store_arena arena(128);
    for (int i = 0; i < 50; i++)
        arena.copy_text("some text", 9);
    EXPECT_GT(arena.held_bytes(), 0u);
    arena.clear();
    EXPECT_EQ(arena.held_bytes(), 0u);
    char *text = arena.copy_text("new", 3);
    EXPECT_EQ(arena.extend_text(text, 3, "er", 2), 1);
    EXPECT_STREQ(text, "newer");
}

}  // namespace
