#include "display/text_store_arena.h"

#include "foundation/debug_log.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

xirr_text_store_arena::block *xirr_text_store_arena::new_block(size_t data_bytes)
{
    const size_t size = header_bytes + data_bytes;
    block *b = static_cast<block *>(malloc(size));
    if (!b) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in xirr_text_store_arena::allocate(), malloc failed for %zu bytes.  Failing and exiting.\n",
                              size);
        exit(1);
    }
    b->size = size;
    held_bytes_ += size;
    return b;
}

void *xirr_text_store_arena::allocate(size_t bytes, size_t alignment)
{
    const uintptr_t mask = alignment - 1;
    char *at = reinterpret_cast<char *>((reinterpret_cast<uintptr_t>(free_) + mask) & ~mask);
    if (free_ && at <= end_ && bytes <= static_cast<size_t>(end_ - at)) {
        free_ = at + bytes;
        return at;
    }
    // A request larger than a block gets a block of its size.
    block *b = new_block(std::max(block_bytes_, bytes));
    b->next = blocks_;
    blocks_ = b;
    free_ = reinterpret_cast<char *>(b) + header_bytes + bytes;
    end_ = reinterpret_cast<char *>(b) + b->size;
    return reinterpret_cast<char *>(b) + header_bytes;
}

char *xirr_text_store_arena::copy_text(const char *text, size_t length)
{
    char *copy = static_cast<char *>(allocate(length + 1, 1));
    memcpy(copy, text, length);
    copy[length] = '\0';
    return copy;
}

int xirr_text_store_arena::extend_text(char *text, size_t length, const char *more, size_t more_length)
{
    if (!free_ || text + length + 1 != free_ || more_length > static_cast<size_t>(end_ - free_))
        return 0;
    memcpy(text + length, more, more_length);
    text[length + more_length] = '\0';
    free_ += more_length;
    return 1;
}

void xirr_text_store_arena::clear()
{
    while (blocks_) {
        block *next = blocks_->next;
        free(blocks_);
        blocks_ = next;
    }
    free_ = end_ = nullptr;
    held_bytes_ = 0;
}
