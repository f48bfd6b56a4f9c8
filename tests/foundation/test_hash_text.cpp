#include "foundation/hash_text.h"

#include <gtest/gtest.h>

#include <string>

TEST(hash_text, known_values)
{
    struct hash_case {
        std::string text;
        uint32_t expected;
    };
    const hash_case cases[] = {
        {"", 447547777u},
        {"a", 1519329944u},
        {"abc", 1257601186u},
        {"sounds/door.ogg", 3182396184u},
        // Bytes above 127 count as unsigned.
        {"\xff\x80", 4043610730u},
        // The length is hashed in all four of its bytes.
        {std::string(300, 'x'), 4206090364u},
    };
    for (const hash_case &c : cases)
        EXPECT_EQ(hash_text(c.text.c_str()), c.expected) << "text of " << c.text.size() << " bytes";
    EXPECT_EQ(hash_text(nullptr), 447547777u);
}

TEST(hash_text, stops_at_the_terminator)
{
    const char text[] = "door\0ogg";
    EXPECT_EQ(hash_text(text), hash_text("door"));
    EXPECT_NE(hash_text("door"), hash_text("doo"));
}
