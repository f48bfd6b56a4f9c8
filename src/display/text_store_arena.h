#pragma once
// Append-only storage for texts that are freed all at once: the texts of a
// scrollback store's master list and the runs of a render list. Memory is
// taken from the system in blocks of a fixed size (larger for a larger
// request) and returned only by clear() or destruction, so a text costs its
// bytes and no per-allocation header. Not thread-safe: the owner serialises
// its calls.

#include <cstddef>

class xirr_text_store_arena {
public:
    explicit xirr_text_store_arena(size_t block_bytes) : block_bytes_(block_bytes) {}
    ~xirr_text_store_arena() { clear(); }
    xirr_text_store_arena(const xirr_text_store_arena &) = delete;
    xirr_text_store_arena &operator=(const xirr_text_store_arena &) = delete;

    // bytes of storage aligned to alignment (a power of two, at most
    // alignof(max_align_t)), valid until clear(). When the system has no
    // memory left it logs and exits with status 1, as the object pools do.
    void *allocate(size_t bytes, size_t alignment);
    // A NUL-terminated copy of the first length bytes of text.
    char *copy_text(const char *text, size_t length);
    // Appends more_length bytes of more to text in place, keeping it
    // terminated, when text (length bytes) is the latest allocation and its
    // block has room. Returns 1, or 0 with nothing changed.
    int extend_text(char *text, size_t length, const char *more, size_t more_length);
    // Frees every block.
    void clear();
    // Bytes taken from the system and held now.
    size_t held_bytes() const { return held_bytes_; }

private:
    struct block {
        block *next;
        size_t size;   // bytes including this header
    };
    static constexpr size_t header_bytes = (sizeof(block) + alignof(max_align_t) - 1) & ~(alignof(max_align_t) - 1);

    block *new_block(size_t data_bytes);

    block *blocks_ = nullptr;
    char *free_ = nullptr;   // unused part of the newest shared block
    char *end_ = nullptr;
    size_t block_bytes_;
    size_t held_bytes_ = 0;
};
