#pragma once
// xirr_socket_data_queue: a first-in, first-out byte queue made of fixed-size
// blocks, into which the HTTP engine writes requests and bodies and from
// which its owner drains them towards the socket. A block that has been
// filled and read to its end goes to a free list shared by every queue of
// the process, so a long transfer keeps reusing the same few blocks and,
// once the list holds enough of them, adding and reading never allocate.
//
// Invariant: only the tail block can be partly filled; every block before it
// holds exactly capacity bytes.

#include "foundation/bounded_text.h"

struct private_socket_queue_buffer {
    static constexpr int capacity = 4072;   // bytes of storage per block

    int write_length;                       // bytes stored, 0..capacity
    int read_position;                      // bytes taken out, 0..write_length
    private_socket_queue_buffer *next;      // next block of a queue or of the free list
    unsigned char data[capacity];

    // A block from the free list with lengths and link reset, else a new
    // zeroed one; null when memory ran out. Blocks never go back to the
    // system. Thread-safe.
    static private_socket_queue_buffer *get_buffer();
    // Pushes block onto the free list. Thread-safe.
    static void release(private_socket_queue_buffer *block);
    // Blocks on the free list now.
    static int free_blocks();
};

// A queue is used by one thread at a time.
class xirr_socket_data_queue {
public:
    // block_limit: greatest number of blocks; 0 or less means unlimited.
    explicit xirr_socket_data_queue(int block_limit = -1) : block_limit(block_limit) {}
    ~xirr_socket_data_queue() { clear_queue(); }
    xirr_socket_data_queue(const xirr_socket_data_queue &) = delete;
    xirr_socket_data_queue &operator=(const xirr_socket_data_queue &) = delete;

    // Every block goes to the free list; the full flag is cleared.
    void clear_queue();
    // 1 stored; 0 refused (the block limit is reached, which sets the full
    // flag, or memory ran out).
    int add_byte(unsigned char byte);
    // Bytes stored, stopping at the first refusal.
    int add_data(const void *bytes, int count);
    // Characters of the NUL-terminated text stored (the NUL is not).
    int add_text(const char *text);
    // Moves up to size bytes out into destination; the number moved.
    int read_block(void *destination, int size);
    int is_empty() const;
    int count_unread() const;
    // Empties text and moves one line into it: the line feed that ends it is
    // consumed, not stored; data ending without one is taken as the line.
    // Returns the characters stored. A line longer than the text holds is
    // cut after 5999 characters with a warning; its rest stays queued.
    int get_line(xirr_bounded_text *text);
    // Copies every unread byte into text, leaving the queue as it is.
    // 1 done (an empty queue leaves text untouched); 0 after a warning when
    // the data holds a zero byte or does not fit in fewer than 5999 characters.
    int copy_text_without_remove(xirr_bounded_text *text) const;
    // Bytes that may still be added, or -1 when unlimited.
    int get_remaining_space() const;
    // Set when a block was refused for the limit, cleared when one is added
    // or a full block is taken out.
    int is_full() const { return full_flag; }
    int blocks() const { return block_count; }

private:
    int try_create_new_buffer();
    void consume(int count);
    void warn_if_head_exhausted_early(const char *operation, const char *what) const;

    private_socket_queue_buffer *head = nullptr;         // oldest block, read here
    private_socket_queue_buffer *tail = nullptr;         // newest block
    private_socket_queue_buffer *write_block = nullptr;  // tail while it has room, else null
    int block_limit;
    int block_count = 0;
    int full_flag = 0;
};
