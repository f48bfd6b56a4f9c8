#include "game/outgoing_buffer.h"

#include "foundation/debug_log.h"

#include <cstring>

void xirr_outgoing_buffer::append(const char *text)
{
    if (!text)
        return;
    size_t n = strlen(text);
    size_t room = capacity - count_;
    if (n >= room) {
        // A text that exactly fills the buffer is reported too: the buffer
        // is then full and the next text will not fit.
        if (xirr_debug_level > 1)
            xirr_debug_printf("Error in append_outgoing_string() - not enough space in outgoing buffer?\n");
        n = room;
    }
    memcpy(bytes_ + count_, text, n);
    count_ += n;
}

void xirr_outgoing_buffer::consume(size_t n)
{
    if (n >= count_) {
        count_ = 0;
        return;
    }
    memmove(bytes_, bytes_ + n, count_ - n);
    count_ -= n;
}
