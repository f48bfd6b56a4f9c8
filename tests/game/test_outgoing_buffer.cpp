#include "game/outgoing_buffer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string contents(const xirr_outgoing_buffer &buffer)
{
    return std::string(buffer.data(), buffer.size());
}

TEST(OutgoingBuffer, PartialWriteKeepsTheRestInOrder)
{
    xirr_outgoing_buffer buffer;
    std::string queued;
    for (int i = 0; i < 8000; ++i)
        queued += char('a' + i % 26);
    buffer.append(queued.c_str());
    buffer.consume(3000);
    EXPECT_EQ(contents(buffer), queued.substr(3000));
    buffer.consume(6000);
    EXPECT_TRUE(buffer.empty());
}

TEST(OutgoingBuffer, OverflowKeepsWhatFits)
{
    xirr_outgoing_buffer buffer;
    buffer.append(std::string(9990, 'q').c_str());
    buffer.append("0123456789abcdefghij");
    EXPECT_EQ(buffer.size(), xirr_outgoing_buffer::capacity);
    EXPECT_EQ(contents(buffer).substr(9990), "0123456789");

    buffer.append("more");
    EXPECT_EQ(buffer.size(), xirr_outgoing_buffer::capacity);
}

TEST(OutgoingBuffer, NullAndEmptyAppendNothing)
{
    xirr_outgoing_buffer buffer;
    buffer.append(nullptr);
    buffer.append("");
    EXPECT_TRUE(buffer.empty());
}

}  // namespace
