#pragma once
// The render list of an ANSI display: every run of text the display has
// shown, with the colour it was shown in, oldest first. The display
// rebuilds its scrollback store from it (after suspended updates, after a
// wrap switch) and the logfile export writes it out; neither re-derives
// colours, so text keeps the colour of the scheme it was shown in.
//
// Text comes in pieces into a pending run. A change of the current
// attribute or RGB (the colour code alone does not count) turns the pending
// run into a record before the next piece, unless that piece is nothing but
// line feeds: they show no colour and join the pending run, which saves a
// record for every line ended after a colour reset. A pending run also
// becomes a record once it holds XIRR_RENDER_RUN_MAX characters, so a long
// run in one colour is kept as several records with equal colours instead
// of one huge copy.
//
// Text is kept as the bytes shown: the interpreter shows ASCII only, and a
// wide copy would take four bytes per character. Records and their texts
// live in an arena and are freed all at once by clear() or destruction.
// User-interface thread only.

#include "display/text_store_arena.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Characters after which a pending run becomes a record.
constexpr size_t XIRR_RENDER_RUN_MAX = 2048;

struct xirr_render_attributes {
    int attribute = 0;     // 0 plain, 2 blink, 4 bright, 8 dim, 16 reverse
    int colour_code = 0;   // 0 (default) or 0x31..0x37
    uint32_t rgb = 0;      // 0xRRGGBB
};

// One run of text shown with unchanged attributes. Its text follows the
// record in the same allocation.
struct xirr_render_list {
    xirr_render_list *next;   // next record, or null
    uint32_t length;          // bytes of text
    uint8_t red, green, blue;
    uint8_t attribute;        // as xirr_render_attributes
    uint8_t colour_code;

    // length bytes, NUL-terminated, line feeds included.
    const char *text() const { return reinterpret_cast<const char *>(this + 1); }
};
// Short runs are common (one per colour change), so the record is packed:
// channels, attribute and colour code in bytes behind the length, and the
// text placed behind the record instead of behind a pointer.
static_assert(sizeof(xirr_render_list) == 24, "render list records are 24 bytes");

class xirr_render_runs {
public:
    xirr_render_runs();

    // The attributes the next piece is shown in. While the pending run is
    // empty it takes them too.
    void set_current(const xirr_render_attributes &current);
    const xirr_render_attributes &current() const { return current_; }
    // Adds length bytes of text in the current attributes; an empty text
    // is ignored.
    void add(const char *text, size_t length);
    // Turns the pending run into a record with the pending attributes and
    // gives the pending run the current ones. An empty pending run is an
    // error (logged above level 1) and changes nothing. Readers of the list
    // flush first when pending_empty() is 0, so that the list is complete.
    void flush();
    int pending_empty() const { return pending_.empty(); }
    // Frees every record and empties the pending run; the current and pending
    // attributes become 0, colour code 0 and RGB 0.
    void clear();

    const xirr_render_list *first() const { return first_; }
    size_t count() const { return count_; }
    // Bytes held: records, texts and the pending run.
    size_t memory_bytes() const { return records_.held_bytes() + pending_.capacity(); }

private:
    xirr_text_store_arena records_;
    xirr_render_list *first_ = nullptr;
    xirr_render_list **tail_ = &first_;
    size_t count_ = 0;
    std::string pending_;
    xirr_render_attributes pending_attributes_;
    xirr_render_attributes current_;
};
