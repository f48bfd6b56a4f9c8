#pragma once
// Bounded text: a fixed 6000-byte character array with its length. Appends
// stop at 5999 characters and the text always stays NUL-terminated; longer
// input is cut without a message. Paths, messages and request lines are
// assembled in it throughout the client, so nothing here allocates.

#include <cstddef>

struct xirr_bounded_text {
    static constexpr size_t capacity = 6000;   // bytes, terminator included

    char text[capacity] = {0};
    size_t length = 0;                         // at most capacity - 1

    void clear() { length = 0; text[0] = '\0'; }
    // Appends up to len bytes of s (a null s appends "(null)").
    void append(const char *s, size_t len);
    // Appends the NUL-terminated s (a null s appends "(null)").
    void append(const char *s);
    void append_char(char c);
    // Appends printf-style formatted text, cut at the capacity.
    void appendf(const char *format, ...) __attribute__((format(printf, 2, 3)));
    bool full() const { return length >= capacity - 1; }
    const char *c_str() const { return text; }
};
