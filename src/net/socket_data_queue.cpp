#include "net/socket_data_queue.h"

#include "foundation/debug_log.h"

#include <climits>
#include <cstring>
#include <mutex>
#include <new>

// The free list is shared by every queue of the process. Its lock is taken
// once per block, never per byte.
static std::mutex free_list_lock;
static private_socket_queue_buffer *free_list = nullptr;
static int free_list_length = 0;

private_socket_queue_buffer *private_socket_queue_buffer::get_buffer()
{
    {
        std::lock_guard<std::mutex> hold(free_list_lock);
        if (private_socket_queue_buffer *block = free_list) {
            free_list = block->next;
            free_list_length--;
            block->write_length = 0;
            block->read_position = 0;
            block->next = nullptr;
            return block;
        }
    }
    return new (std::nothrow) private_socket_queue_buffer();
}

void private_socket_queue_buffer::release(private_socket_queue_buffer *block)
{
    std::lock_guard<std::mutex> hold(free_list_lock);
    block->next = free_list;
    free_list = block;
    free_list_length++;
}

int private_socket_queue_buffer::free_blocks()
{
    std::lock_guard<std::mutex> hold(free_list_lock);
    return free_list_length;
}

void xirr_socket_data_queue::clear_queue()
{
    while (head) {
        private_socket_queue_buffer *next = head->next;
        private_socket_queue_buffer::release(head);
        head = next;
    }
    tail = nullptr;
    write_block = nullptr;
    block_count = 0;
    full_flag = 0;
}

int xirr_socket_data_queue::try_create_new_buffer()
{
    if (block_limit > 0 && block_count >= block_limit) {
        full_flag = 1;
        return 0;
    }
    private_socket_queue_buffer *block = private_socket_queue_buffer::get_buffer();
    if (!block) {
        xirr_debug_log("Error in xirr_socket_data_queue::try_create_new_buffer(), memory allocation fail in "
                       "private_socket_queue_buffer::get_buffer().",
                       XIRR_LOG_CREATE_FAILED);
        return 0;
    }
    full_flag = 0;
    if (tail)
        tail->next = block;
    else
        head = block;
    tail = block;
    block_count++;
    write_block = block;
    return 1;
}

int xirr_socket_data_queue::add_byte(unsigned char byte)
{
    return add_data(&byte, 1);
}

int xirr_socket_data_queue::add_data(const void *bytes, int count)
{
    if (!bytes || count <= 0)
        return 0;
    const unsigned char *from = static_cast<const unsigned char *>(bytes);
    int stored = 0;
    while (stored < count) {
        if (!write_block && !try_create_new_buffer())
            break;
        int room = private_socket_queue_buffer::capacity - write_block->write_length;
        int n = count - stored < room ? count - stored : room;
        memcpy(write_block->data + write_block->write_length, from + stored, (size_t)n);
        write_block->write_length += n;
        stored += n;
        if (write_block->write_length == private_socket_queue_buffer::capacity)
            write_block = nullptr;
    }
    return stored;
}

int xirr_socket_data_queue::add_text(const char *text)
{
    return text ? add_data(text, (int)strlen(text)) : 0;
}

// Takes count unread bytes of the head block out. A block that was filled
// and is now read to its end goes to the free list; one that is not full
// stays, ready for further bytes.
void xirr_socket_data_queue::consume(int count)
{
    head->read_position += count;
    if (head->read_position < private_socket_queue_buffer::capacity)
        return;
    private_socket_queue_buffer *done = head;
    head = done->next;
    if (!head)
        tail = nullptr;
    if (write_block == done)
        write_block = nullptr;
    private_socket_queue_buffer::release(done);
    block_count--;
    full_flag = 0;
}

// Consistency check: an exhausted head block must be the last block.
void xirr_socket_data_queue::warn_if_head_exhausted_early(const char *operation, const char *what) const
{
    if (head && head->next && head->read_position == head->write_length) {
        xirr_bounded_text message;
        message.appendf("Warning in xirr_socket_data_queue::%s(), %s", operation, what);
        xirr_debug_log(message.c_str(), XIRR_LOG_BAD_ARGUMENT);
    }
}

static const char top_buffer_empty[] = "top buffer empty in list of other buffers.";

int xirr_socket_data_queue::read_block(void *destination, int size)
{
    if (!head || !destination || size <= 0)
        return 0;
    if (head->read_position == head->write_length) {
        warn_if_head_exhausted_early("read_block", top_buffer_empty);
        return 0;
    }
    unsigned char *to = static_cast<unsigned char *>(destination);
    int moved = 0;
    while (moved < size && head) {
        int unread = head->write_length - head->read_position;
        if (unread == 0) {
            warn_if_head_exhausted_early("read_block", "more buffers in list than expected.");
            break;
        }
        int n = size - moved < unread ? size - moved : unread;
        memcpy(to + moved, head->data + head->read_position, (size_t)n);
        moved += n;
        consume(n);
    }
    return moved;
}

int xirr_socket_data_queue::is_empty() const
{
    return !head || (!head->next && head->read_position == head->write_length);
}

int xirr_socket_data_queue::count_unread() const
{
    int unread = 0;
    for (const private_socket_queue_buffer *block = head; block; block = block->next)
        unread += block->write_length - block->read_position;
    return unread;
}

int xirr_socket_data_queue::get_line(xirr_bounded_text *text)
{
    text->clear();
    if (!head || head->read_position == head->write_length) {
        warn_if_head_exhausted_early("get_line", top_buffer_empty);
        return 0;
    }
    while (head && head->read_position < head->write_length) {
        const char *from = reinterpret_cast<const char *>(head->data + head->read_position);
        int unread = head->write_length - head->read_position;
        int room = (int)(xirr_bounded_text::capacity - 1 - text->length);
        int span = unread < room ? unread : room;
        if (const char *feed = static_cast<const char *>(memchr(from, '\n', (size_t)span))) {
            text->append(from, (size_t)(feed - from));
            consume((int)(feed - from) + 1);
            return (int)text->length;
        }
        text->append(from, (size_t)span);
        consume(span);
        if (text->full()) {
            xirr_debug_log("Warning in xirr_socket_data_queue::get_line(), dest buffer full.", XIRR_LOG_BAD_ARGUMENT);
            return (int)text->length;
        }
    }
    warn_if_head_exhausted_early("get_line", "more buffers in list than expected.");
    return (int)text->length;
}

int xirr_socket_data_queue::copy_text_without_remove(xirr_bounded_text *text) const
{
    if (is_empty())
        return 1;
    text->clear();
    if (head->read_position == head->write_length) {
        warn_if_head_exhausted_early("copy_text_without_remove", top_buffer_empty);
        return 0;
    }
    for (const private_socket_queue_buffer *block = head; block; block = block->next) {
        const char *from = reinterpret_cast<const char *>(block->data + block->read_position);
        int unread = block->write_length - block->read_position;
        int room = (int)(xirr_bounded_text::capacity - 1 - text->length);
        int span = unread < room ? unread : room;
        if (const char *zero = static_cast<const char *>(memchr(from, 0, (size_t)span))) {
            text->append(from, (size_t)(zero - from));
            xirr_debug_log("Warning in xirr_socket_data_queue::copy_text_without_remove(), bailing on data zero.",
                           XIRR_LOG_BAD_ARGUMENT);
            return 0;
        }
        text->append(from, (size_t)span);
        if (text->full()) {
            xirr_debug_log("Warning in xirr_socket_data_queue::copy_text_without_remove(), dest buffer full.",
                           XIRR_LOG_BAD_ARGUMENT);
            return 0;
        }
    }
    return 1;
}

int xirr_socket_data_queue::get_remaining_space() const
{
    if (block_limit <= 0)
        return -1;
    long long stored = 0;
    for (const private_socket_queue_buffer *block = head; block; block = block->next)
        stored += block->write_length;
    long long space = (long long)block_limit * private_socket_queue_buffer::capacity - stored;
    if (space < 0) {
        xirr_debug_log("Warning in xirr_socket_data_queue::get_remaining_space(), negative available space?",
                       XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    return space < INT_MAX ? (int)space : INT_MAX;
}
