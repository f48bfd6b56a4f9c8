#pragma once
// The ANSI interpreter of a text display: turns the server's text (tagged
// messages already taken out by the stream decoder) into runs of one
// colour for the display's scrollback store, and keeps the render list of
// everything shown, from which it rebuilds the store on demand. The window
// xirr_ansi_display holds one beside its store and repaints after the calls
// that say so.
//
// Only a small part of ECMA-48 is interpreted: SGR with a single parameter
// (ESC [ n m: 0 reset, 1 bright, 2 dim, 5 blink, 7 reverse, 22 normal
// intensity, 31..37 foreground) and ESC c (clear screen). Parameters are
// read in packed decimal, one nibble per digit (31 is held as 0x31).
//
//   state    byte                   action                            next
//   text     ESC                    flush text                        escape
//   text     0x1C..0x7E, TAB        keep                              text
//   text     0x80..0xFF             keep "." instead                  text
//   text     LF                     keep, flush                       text
//   text     other controls, DEL    drop (so CR LF is one line end)   text
//   escape   [                      parameter := 0                    csi
//   escape   c                      clear screen                      text
//   escape   any other              log, drop                         text
//   csi      0..9                   parameter := parameter * 16 + d   csi
//   csi      m                      process_ansi_code(parameter)      text
//   csi      any other              log, drop the sequence            text
//
// So ";" ends a sequence: of ESC[1;31m the rest "31m" is shown as text.
// Kept text goes out in pieces of at most XIRR_ANSI_PIECE_MAX characters,
// one per colour change, line end or end of block. The state survives
// between blocks, so a sequence may be split anywhere. Malformed sequences
// are logged above level 1 and otherwise ignored.
//
// User-interface thread only.

#include "display/render_list.h"
#include "display/text_store.h"

#include <cstddef>
#include <cstdio>

struct xirr_random;

constexpr size_t XIRR_ANSI_PIECE_MAX = 256;

// The text attribute: exactly one of these, not a set of bits.
enum : int {
    XIRR_ATTRIBUTE_PLAIN = 0,
    XIRR_ATTRIBUTE_BLINK = 2,     // shown as plain
    XIRR_ATTRIBUTE_BRIGHT = 4,
    XIRR_ATTRIBUTE_DIM = 8,
    XIRR_ATTRIBUTE_REVERSE = 16,  // the whole window background turns dark grey
};

// Window background while the current attribute is reverse, and otherwise.
constexpr uint32_t XIRR_ANSI_REVERSE_BACKGROUND = 0x404040;
constexpr uint32_t XIRR_ANSI_BACKGROUND = 0x000000;

class xirr_ansi_interpreter {
public:
    // store must outlive the interpreter. Ends with reset_colors(), so the
    // first text is white in the normal column.
    explicit xirr_ansi_interpreter(xirr_textctrl_store *store);

    // Interprets length bytes of server text and sets the text-arrived
    // flag. A length of 0 does nothing at all.
    void display_socket_data(const char *bytes, size_t length);
    // Shows an already clean NUL-terminated text in the current colour, with
    // no escape interpretation (the client's own messages). Null: nothing.
    void display_text(const char *text);
    // Applies one SGR parameter in packed decimal, then process_ansi_color().
    // A value outside the table is logged above level 1.
    void process_ansi_code(int value);
    void set_ansi_codes(int a, int b);
    // Plain white, applied even when white was the last colour applied.
    void reset_colors();
    // Derives the colour of the current attribute and colour code from the
    // current scheme and applies it, unless both equal the last applied.
    void process_ansi_color();
    // Forgets all text: the render list, and the store unless updates are
    // suspended; then reset_colors().
    void clear();
    // While suspended, text goes to the render list only.
    void suspend_updates() { updates_suspended_ = 1; }
    // Ends a suspension and rerenders; returns 1 (the window repaints).
    // Without a suspension it logs above level 1 and returns 0.
    int resume_updates();
    // Rebuilds the store from the render list in the recorded colours and
    // moves the store's display line to its last line. The store's colours
    // are then the current ones again.
    void rerender();
    // Switches the store's word wrap and rerenders.
    void set_wrap(int on);
    // Applies the current colour again even when it is the last applied:
    // for a new font, after the store was re-measured.
    void reapply_colour();
    // The "//debugfill" test: 100000 lines of random words appended to the
    // store directly (not to the render list), each word in random colours,
    // then a count of the characters written; the record sizes and the
    // number of render list records go to out. toolkit_string_size is the
    // size of the window toolkit's wide string, reported beside them.
    void debug_fill(xirr_random *random, FILE *out, size_t toolkit_string_size);

    // 1 once display_socket_data() got text since clear_text_arrived(): the
    // main window repaints once per batch of socket data.
    int text_arrived() const { return text_arrived_; }
    void clear_text_arrived() { text_arrived_ = 0; }
    int updates_suspended() const { return updates_suspended_; }
    const xirr_render_attributes &current_attributes() const { return runs_.current(); }
    // The render list with the pending run flushed into it.
    const xirr_render_runs &render_list();

private:
    enum state {
        STATE_TEXT = 1,
        STATE_ESCAPE = 2,   // after ESC
        STATE_CSI = 3,      // after ESC [
    };

    const unsigned char *state_text(const unsigned char *at, const unsigned char *end);
    state state_escape(unsigned char c);
    state state_csi(unsigned char c);

    void action_flush_text();
    void action_clear_screen();
    void show_text(const char *text, size_t length);
    void apply_colour(uint32_t rgb);
    void push_colours_to_store(uint32_t rgb, int attribute);

    xirr_textctrl_store *store_;
    xirr_render_runs runs_;
    int text_arrived_ = 0;
    state state_ = STATE_TEXT;
    int parameter_ = 0;             // packed decimal; INT_MAX once too long for any valid code
    int attribute_ = XIRR_ATTRIBUTE_PLAIN;
    int last_attribute_ = -1;       // of the last colour applied; -1 forces the next application
    int colour_code_ = 0x37;
    int last_colour_code_ = -1;
    int updates_suspended_ = 0;
    char text_[XIRR_ANSI_PIECE_MAX];   // kept text since the last flush
    size_t text_length_ = 0;
};
