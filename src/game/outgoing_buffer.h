#pragma once
// The game connection's outgoing bytes: a fixed 10000-byte buffer filled by
// every line the client sends and drained by the next poll. When a text does
// not fit, only what fits is kept (the buffer becomes exactly full) and the
// overflow is logged; no NUL is stored.

#include <cstddef>

class xirr_outgoing_buffer {
public:
    static constexpr size_t capacity = 10000;

    // Appends the bytes of the NUL-terminated text (null appends nothing).
    void append(const char *text);
    // Takes the first n bytes out (a write accepted them); the rest moves to
    // the front in order. n larger than the count empties the buffer.
    void consume(size_t n);
    void clear() { count_ = 0; }

    const char *data() const { return bytes_; }
    size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }

private:
    char bytes_[capacity];
    size_t count_ = 0;
};
