#include "net/socket_data_queue.h"

#include "../foundation/captured_log.h"
#include "net_test_peers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using block = private_socket_queue_buffer;
constexpr int capacity = block::capacity;

// Reads the whole queue in reads of at most size bytes.
std::string drain(xirr_socket_data_queue &queue, int size)
{
    std::string out;
    std::string buffer((size_t)size, '\0');
    for (int n; (n = queue.read_block(&buffer[0], size)) > 0;)
        out.append(buffer, 0, (size_t)n);
    return out;
}

// Data added and read in sizes unrelated to the block size comes out whole
// and in order; every block filled and read goes back to the free list, and
// the next queue reuses them instead of allocating.
TEST(socket_data_queue, carries_data_across_blocks_and_recycles_them)
{
    const std::string data = net_test::pattern(5 * capacity + 123);
    int free_before = block::free_blocks();
    {
        xirr_socket_data_queue queue;
        for (size_t at = 0; at < data.size(); at += 1000) {
            int n = (int)std::min<size_t>(1000, data.size() - at);
            ASSERT_EQ(queue.add_data(data.data() + at, n), n);
        }
        EXPECT_EQ(queue.blocks(), 6);
        EXPECT_EQ(queue.count_unread(), (int)data.size());
        EXPECT_EQ(queue.get_remaining_space(), -1);

        EXPECT_EQ(drain(queue, 777), data);
        EXPECT_TRUE(queue.is_empty());
        EXPECT_EQ(queue.count_unread(), 0);
        EXPECT_EQ(queue.blocks(), 1);   // the partly filled last block stays
        EXPECT_EQ(block::free_blocks(), std::max(free_before - 6, 0) + 5);
    }
    int free_after = block::free_blocks();
    EXPECT_EQ(free_after, std::max(free_before, 6));

    xirr_socket_data_queue next;
    EXPECT_EQ(next.add_data(data.data(), 2 * capacity), 2 * capacity);
    EXPECT_EQ(block::free_blocks(), free_after - 2);
    next.clear_queue();
    EXPECT_TRUE(next.is_empty());
    EXPECT_EQ(block::free_blocks(), free_after);
}

TEST(socket_data_queue, a_full_block_read_to_its_end_leaves_the_queue)
{
    xirr_socket_data_queue queue;
    const std::string data = net_test::pattern(capacity);
    ASSERT_EQ(queue.add_data(data.data(), capacity), capacity);
    int free_before = block::free_blocks();
    EXPECT_EQ(drain(queue, capacity), data);
    EXPECT_EQ(queue.blocks(), 0);
    EXPECT_EQ(block::free_blocks(), free_before + 1);
    char byte;
    EXPECT_EQ(queue.read_block(&byte, 1), 0);
}

// A block that is not full stays when read to its end and takes later bytes
// behind the earlier ones.
TEST(socket_data_queue, a_partly_filled_block_keeps_taking_bytes)
{
    xirr_socket_data_queue queue;
    char buffer[32];
    ASSERT_EQ(queue.add_text("0123456789"), 10);
    EXPECT_EQ(queue.read_block(buffer, sizeof buffer), 10);
    EXPECT_TRUE(queue.is_empty());
    ASSERT_EQ(queue.add_text("abcde"), 5);
    EXPECT_EQ(queue.blocks(), 1);
    EXPECT_EQ(queue.count_unread(), 5);
    EXPECT_EQ(queue.read_block(buffer, sizeof buffer), 5);
    EXPECT_EQ(std::string(buffer, 5), "abcde");
}

TEST(socket_data_queue, block_limit_refuses_bytes_until_a_block_is_read)
{
    xirr_socket_data_queue queue(2);
    const std::string data = net_test::pattern(2 * capacity + 1);
    EXPECT_EQ(queue.get_remaining_space(), 2 * capacity);
    EXPECT_EQ(queue.add_data(data.data(), (int)data.size()), 2 * capacity);
    EXPECT_TRUE(queue.is_full());
    EXPECT_EQ(queue.add_byte('x'), 0);
    EXPECT_EQ(queue.get_remaining_space(), 0);

    std::string first((size_t)capacity, '\0');
    EXPECT_EQ(queue.read_block(&first[0], capacity), capacity);
    EXPECT_EQ(first, data.substr(0, capacity));
    EXPECT_FALSE(queue.is_full());
    EXPECT_EQ(queue.get_remaining_space(), capacity);
    EXPECT_EQ(queue.add_data(data.data() + 2 * capacity, 1), 1);
    EXPECT_EQ(drain(queue, 5000), data.substr(capacity));
}

TEST(socket_data_queue, get_line_takes_one_line_at_a_time)
{
    const std::string long_line(capacity + 10, 'x');   // crosses a block edge
    struct {
        std::string data;
        std::vector<std::string> lines;   // what successive calls give
        int left;                         // bytes still queued afterwards
    } cases[] = {
        {"abc\n", {"abc"}, 0},
        {"abc", {"abc"}, 0},
        {"a\n\nb\nc", {"a", "", "b", "c"}, 0},
        {"GET / HTTP/1.1\r\n", {"GET / HTTP/1.1\r"}, 0},
        {long_line + "\nrest\nmore", {long_line, "rest"}, 4},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.data.substr(0, 20));
        xirr_socket_data_queue queue;
        ASSERT_EQ(queue.add_data(c.data.data(), (int)c.data.size()), (int)c.data.size());
        xirr_bounded_text text;
        for (const std::string &line : c.lines) {
            EXPECT_EQ(queue.get_line(&text), (int)line.size());
            EXPECT_EQ(std::string(text.c_str(), text.length), line);
        }
        EXPECT_EQ(queue.count_unread(), c.left);
    }
    xirr_socket_data_queue empty;
    xirr_bounded_text text;
    text.append("old");
    EXPECT_EQ(empty.get_line(&text), 0);
    EXPECT_EQ(text.length, 0u);
}

TEST(socket_data_queue, get_line_warns_when_a_line_is_cut)
{
    captured_log log(1);
    xirr_socket_data_queue queue;
    const std::string line(7000, 'y');
    ASSERT_EQ(queue.add_text((line + "\n").c_str()), 7001);
    xirr_bounded_text text;
    EXPECT_EQ(queue.get_line(&text), 5999);
    EXPECT_EQ(queue.get_line(&text), 1001);
    EXPECT_TRUE(queue.is_empty());
    EXPECT_EQ(log.text(), "Warning in xirr_socket_data_queue::get_line(), dest buffer full.\n");
}

TEST(socket_data_queue, copy_text_without_remove_leaves_the_data)
{
    captured_log log(1);
    xirr_bounded_text text;
    text.append("old");
    xirr_socket_data_queue queue;
    EXPECT_EQ(queue.copy_text_without_remove(&text), 1);
    EXPECT_STREQ(text.c_str(), "old");

    const std::string data = net_test::pattern(capacity + 50);   // two blocks
    queue.add_data(data.data(), (int)data.size());
    EXPECT_EQ(queue.copy_text_without_remove(&text), 1);
    EXPECT_EQ(std::string(text.c_str(), text.length), data);
    EXPECT_EQ(queue.count_unread(), (int)data.size());

    struct {
        std::string data;
        const char *warning;
    } refused[] = {
        {std::string("ab\0cd", 5), "bailing on data zero."},
        {std::string(5999, 'z'), "dest buffer full."},
    };
    for (const auto &c : refused) {
        SCOPED_TRACE(c.warning);
        xirr_socket_data_queue other;
        other.add_data(c.data.data(), (int)c.data.size());
        EXPECT_EQ(other.copy_text_without_remove(&text), 0);
        EXPECT_EQ(other.count_unread(), (int)c.data.size());
        EXPECT_NE(log.text().find(std::string("Warning in xirr_socket_data_queue::copy_text_without_remove(), ") +
                                  c.warning + "\n"),
                  std::string::npos);
    }
}

}  // namespace
