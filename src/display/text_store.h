#pragma once
// The scrollback store of a text display: all text ever appended, as runs
// of one colour, and its layout into display lines that fit the window's
// width, wrapping at word boundaries. The window that shows it (the view)
// hands it the character widths of its font and its client size, reads the
// lines to paint them and asks it for the text of a selection.
//
// Two structures. The master list holds every appended text in arrival
// order, converted to ASCII with TABs expanded: it is the truth. The line
// array is the current layout of that text; it is thrown away and rebuilt
// from the master list when the width, the font or the wrap setting
// changes. Nothing is dropped: the store grows until clear().
//
// Memory, per appended run: a master chunk record and its text, stored once
// (in an arena, so without per-allocation headers); per display line: a
// line record, a pointer in the line array and one line chunk record per
// run on the line. Line chunks point into the master texts instead of
// holding copies, so each character is stored once. Consecutive appends
// in one colour share one master chunk (line feeds show no colour, so they
// join any chunk).
//
// Threads: every call that changes the store takes its mutex for its whole
// duration, and the view holds it (lock(), unlock()) while it walks the
// lines. Chunk and line records come from pools shared by all stores, which
// have no lock of their own: all stores are changed from one thread, the
// user-interface thread.

#include "display/text_store_arena.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// One run of text in one colour. A master chunk owns its text (in the
// store's arena, NUL-terminated, LF and CR included); a line chunk points
// into a master chunk's text and is not terminated. Only bytes 0x01..0x7F
// occur. While a record is free in its pool, its first field is the link.
struct xirr_textctrl_chunk {
    const char *text;
    xirr_textctrl_chunk *next;   // next chunk of the same list, or null
    int32_t length;              // bytes of text, at most XIRR_TEXTCTRL_APPEND_MAX
    int32_t width;               // line chunks: pixels, the sum of the character widths
    uint32_t rgb;                // foreground colour, 0xRRGGBB
};
// Two of these are made per run (master and line), so the record is packed:
// colour in one word instead of three ints and the length beside the width.
static_assert(sizeof(xirr_textctrl_chunk) == 32, "chunk records are 32 bytes");

// One display line.
struct xirr_textctrl_line {
    xirr_textctrl_chunk *first;   // null for an empty line
    xirr_textctrl_chunk **tail;   // where the next chunk is linked: the last chunk's next, or &first
    int32_t hard_end;             // 1 when a line feed ended the line, 0 when wrap did or it is open
    int32_t width;                // pixels, the sum of the chunk widths, capped at INT_MAX
};
// The cached width fills what would be padding after hard_end.
static_assert(sizeof(xirr_textctrl_line) == 24, "line records are 24 bytes");

// Characters per master chunk: a longer append is stored as several chunks.
constexpr size_t XIRR_TEXTCTRL_APPEND_MAX = 5999;
// The line array grows by this many entries at a time.
constexpr int XIRR_TEXTCTRL_LINE_STEP = 65536;
// Widths handed in are clamped to 0..this many pixels.
constexpr int XIRR_TEXTCTRL_WIDTH_MAX = 1024;

class xirr_textctrl_store {
public:
    // Empty, with wrap on, a white foreground on black, every character
    // width 0 and font height 0 until set_metrics(), and no client size
    // (lines are not wrapped until set_client_size()).
    xirr_textctrl_store();
    // Returns the records to their pools.
    ~xirr_textctrl_store();
    xirr_textctrl_store(const xirr_textctrl_store &) = delete;
    xirr_textctrl_store &operator=(const xirr_textctrl_store &) = delete;

    // Appends length bytes of text (stopping early at a NUL) in the current
    // foreground and lays them out. Right after construction or clear() the
    // line feeds at the start of the first non-empty text are dropped.
    // Bytes 0x80..0xFF are converted (text_store_conversion.h), TABs are
    // expanded with spaces to the next multiple of 8 columns (LF and CR
    // return to column 0), and a CR is kept but has no width. A null or
    // empty text does nothing.
    void append(const char *text, size_t length);
    // The colour stamped on every later append, and the window background
    // (the view's, kept here for it). Colours are 0xRRGGBB.
    void set_colors(uint32_t foreground, uint32_t background);
    // Forgets all text: back to the state after construction, except that
    // the line array keeps its size and its line records.
    void clear();
    // The pixel width of each byte value in the view's font (only 32..126
    // count: every other byte is 0 wide and not drawn; widths are clamped
    // to 0..XIRR_TEXTCTRL_WIDTH_MAX) and the line height; lays out again.
    void set_metrics(const int widths[256], int font_height);
    // The view's client size. A new width re-lays out the text when wrap is
    // on. Returns 1 when it re-laid out, else 0.
    int set_client_size(int width, int height);
    // Word wrap on (nonzero) or off; a change re-lays out the text.
    void set_wrap(int on);
    // hook(user) runs after clear() and after every re-layout, without the
    // lock held, so the view can drop its selection and repaint. Null: none.
    void set_reset_hook(void (*hook)(void *user), void *user);

    // The line shown at the bottom of the view. A new line moves it to the
    // new line unless the view is locked (scrolled back); clear() and a
    // re-layout set it to 0 first.
    int display_line() const { return display_line_; }
    // Sets it to line, clamped to 0 .. current line + visible lines.
    void set_display_line(int line);
    int locked() const { return locked_; }
    void set_locked(int on);
    // client height / font height, at least 1; 20 (logged) while the font
    // height is below 1.
    int visible_line_count() const;

    // Reading the layout: hold the lock while walking lines and chunks.
    void lock() { mutex_.lock(); }
    void unlock() { mutex_.unlock(); }
    // The last line, the one being filled; lines 0..current_line() exist.
    int current_line() const { return current_line_; }
    // Line index, or null outside 0..current_line().
    const xirr_textctrl_line *line(int index) const;
    const int *char_widths() const { return widths_; }
    int font_height() const { return font_height_; }
    uint32_t foreground() const { return foreground_; }
    uint32_t background() const { return background_; }
    int wrap() const { return wrap_; }
    // Entries of the line array, a multiple of XIRR_TEXTCTRL_LINE_STEP.
    int line_array_size() const { return static_cast<int>(lines_.size()); }

    // The text of a selection, start and end inclusive, offsets counting
    // characters from the start of their line: on one line the characters
    // start_offset..end_offset; otherwise the first line from start_offset
    // on, the lines between whole and the last line up to end_offset, with
    // "\n" after the first line and each line between when a line feed
    // ended it (lines ended by wrap are joined). Takes the lock. Returns 1;
    // 0 with out empty when a line is outside 0..current_line() or the end
    // line is before the start line.
    int selection_text(int start_line, int start_offset, int end_line, int end_offset, std::string *out);
    // The whole text of one line, as selection_text().
    int line_text(int index, std::string *out) { return selection_text(index, 0, index, INT_MAX, out); }

    // Bytes held for the text and its layout: chunk and line records, the
    // line array and the text arena. Takes the lock.
    size_t memory_bytes();

private:
    void store_piece(const char *text, size_t length);
    int extend_last_master(const char *text, size_t length);
    void lay_out(const char *text, int length, uint32_t rgb);
    void add_segment(const char *text, int length, uint32_t rgb);
    int split_line(xirr_textctrl_line *line);
    void advance_line();
    void relayout();
    void empty_lines();
    void ensure_line(int index);
    int measure(const char *text, int length) const;
    enum chunk_kind { MASTER_CHUNK, LINE_CHUNK };   // each kind has a pool of its own
    xirr_textctrl_chunk *take_chunk(chunk_kind kind);
    void release_chunks(chunk_kind kind, xirr_textctrl_chunk *first);
    void run_reset_hook();

    mutable std::mutex mutex_;
    int last_width_ = -1;                 // client width of the layout; -1 before the first
    int client_height_ = 0;
    int widths_[256] = {};                // pixels per byte value
    int font_height_ = 0;
    uint32_t foreground_ = 0xffffff;
    uint32_t background_ = 0x000000;
    xirr_textctrl_chunk *master_first_ = nullptr;
    xirr_textctrl_chunk *master_last_ = nullptr;
    int current_line_ = 0;
    int tab_column_ = 0;                  // output column modulo 8: all that TAB expansion needs
    int skip_leading_newlines_ = 1;
    int wrap_ = 1;
    // Line records, created on first use and kept; entries above the
    // current line are null or empty lines.
    std::vector<xirr_textctrl_line *> lines_;
    int display_line_ = 0;
    int locked_ = 0;
    xirr_text_store_arena texts_;         // the master chunks' texts
    size_t chunks_in_use_ = 0;
    size_t line_records_ = 0;
    void (*reset_hook_)(void *user) = nullptr;
    void *reset_hook_user_ = nullptr;
};
