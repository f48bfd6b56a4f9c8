#include "foundation/bounded_text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

void xirr_bounded_text::append(const char *s, size_t len)
{
    if (!s) {
        append("(null)");
        return;
    }
    size_t room = capacity - 1 - length;
    if (len > room)
        len = room;
    memcpy(text + length, s, len);
    length += len;
    text[length] = '\0';
}

void xirr_bounded_text::append(const char *s)
{
    if (!s)
        s = "(null)";
    append(s, strlen(s));
}

void xirr_bounded_text::append_char(char c)
{
    append(&c, 1);
}

void xirr_bounded_text::appendf(const char *format, ...)
{
    size_t room = capacity - length;
    va_list args;
    va_start(args, format);
    int n = vsnprintf(text + length, room, format, args);
    va_end(args);
    if (n < 0) {
        text[length] = '\0';
        return;
    }
    length += (size_t)n < room ? (size_t)n : room - 1;
}
