#pragma once
// Work handed to the next main tick by code outside the toolkit's event flow:
// a web address for the browser, and client messages to show.

#include "foundation/bounded_text.h"

#include <cstddef>

class xirr_pending_url {
public:
    static constexpr size_t capacity = 1024;   // bytes, terminator included

    // Stores address (cut at 1023 characters; null stores nothing) and
    // raises the flag.
    void set(const char *address);
    // Returns 1 and copies the address out when one was pending, clearing
    // the flag; 0 when nothing is pending.
    int take(char (&out)[capacity]);
    bool pending() const { return flag; }

private:
    char url[capacity] = {0};
    bool flag = false;
};

class xirr_pending_text {
public:
    // Appends text (a null text appends "(null)"), 5999 characters in all.
    void append(const char *text) { buffer.append(text); flag = true; }
    bool pending() const { return flag; }
    const xirr_bounded_text &text() const { return buffer; }
    void clear() { buffer.clear(); flag = false; }

private:
    xirr_bounded_text buffer;
    bool flag = false;
};
