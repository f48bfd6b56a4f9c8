#include "display/text_store.h"

#include "display/text_store_conversion.h"
#include "foundation/debug_log.h"
#include "foundation/object_pool.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace {

constexpr int pool_block_bytes = 262144;
constexpr size_t arena_block_bytes = 65536;

// Shared by every store; records never go back to the system. Master and
// line chunks have pools of their own: each kind is taken in list order and
// given back in reverse (see release_chunks()), which leaves its pool in the
// order it had, so records stay in address order however often the store is
// cleared or re-laid out. A shared pool would interleave the two kinds
// differently each time and scatter both over memory.
xirr_object_pool &chunk_pool(int line_chunks)
{
    static xirr_object_pool masters("class xirr_textctrl_chunk", sizeof(xirr_textctrl_chunk), pool_block_bytes);
    static xirr_object_pool lines("class xirr_textctrl_chunk", sizeof(xirr_textctrl_chunk), pool_block_bytes);
    return line_chunks ? lines : masters;
}

xirr_object_pool &line_pool()
{
    static xirr_object_pool pool("class xirr_textctrl_line", sizeof(xirr_textctrl_line), pool_block_bytes);
    return pool;
}

void reset_line(xirr_textctrl_line *line)
{
    line->first = nullptr;
    line->tail = &line->first;
    line->hard_end = 0;
    line->width = 0;
}

int add_capped(int a, int b)
{
    return a > INT_MAX - b ? INT_MAX : a + b;
}

bool only_line_feeds(const char *text, size_t length)
{
    for (size_t i = 0; i < length; i++)
        if (text[i] != '\n')
            return false;
    return true;
}

}  // namespace

xirr_textctrl_store::xirr_textctrl_store() : texts_(arena_block_bytes)
{
    lines_.resize(XIRR_TEXTCTRL_LINE_STEP, nullptr);
    ensure_line(0);
}

xirr_textctrl_store::~xirr_textctrl_store()
{
    empty_lines();
    release_chunks(MASTER_CHUNK, master_first_);
    for (xirr_textctrl_line *line : lines_)
        line_pool().release(line);
}

void xirr_textctrl_store::append(const char *text, size_t length)
{
    if (!text)
        return;
    if (const void *nul = memchr(text, '\0', length))
        length = static_cast<const char *>(nul) - text;
    if (length == 0)
        return;

    std::lock_guard<std::mutex> guard(mutex_);
    size_t at = 0;
    if (skip_leading_newlines_) {
        while (at < length && text[at] == '\n')
            at++;
        skip_leading_newlines_ = 0;
    }

    // Converted into pieces of at most XIRR_TEXTCTRL_APPEND_MAX characters,
    // one master chunk each; a TAB's spaces may continue into the next piece.
    char piece[XIRR_TEXTCTRL_APPEND_MAX];
    size_t used = 0;
    int spaces = 0;
    while (at < length || spaces > 0) {
        if (used == sizeof piece) {
            store_piece(piece, used);
            used = 0;
        }
        if (spaces > 0) {
            piece[used++] = ' ';
            spaces--;
            continue;
        }
        const unsigned char byte = static_cast<unsigned char>(text[at++]);
        if (byte == '\t') {
            spaces = 8 - tab_column_;
            tab_column_ = 0;
            continue;
        }
        const char c = xirr_textctrl_convert(byte);
        piece[used++] = c;
        tab_column_ = (c == '\n' || c == '\r') ? 0 : (tab_column_ + 1) & 7;
    }
    if (used > 0)
        store_piece(piece, used);
}

void xirr_textctrl_store::store_piece(const char *text, size_t length)
{
    if (extend_last_master(text, length))
        return;
    xirr_textctrl_chunk *master = take_chunk(MASTER_CHUNK);
    master->text = texts_.copy_text(text, length);
    master->next = nullptr;
    master->length = static_cast<int32_t>(length);
    master->width = 0;
    master->rgb = foreground_;
    if (master_last_)
        master_last_->next = master;
    else
        master_first_ = master;
    master_last_ = master;
    lay_out(master->text, master->length, master->rgb);
}

// Continues the last master chunk with the piece when the colours agree, or
// when one of the two holds only line feeds, which show no colour; saves a
// record per line of a paragraph in one colour.
int xirr_textctrl_store::extend_last_master(const char *text, size_t length)
{
    xirr_textctrl_chunk *last = master_last_;
    if (!last || last->length + length > XIRR_TEXTCTRL_APPEND_MAX)
        return 0;
    const bool recolour = last->rgb != foreground_ && !only_line_feeds(text, length);
    if (recolour && !only_line_feeds(last->text, last->length))
        return 0;
    // Only the newest master text can grow in place: it ends the arena.
    char *master_text = const_cast<char *>(last->text);
    if (!texts_.extend_text(master_text, static_cast<size_t>(last->length), text, length))
        return 0;
    if (recolour)
        last->rgb = foreground_;
    last->length += static_cast<int32_t>(length);
    lay_out(master_text + last->length - length, static_cast<int>(length), last->rgb);
    return 1;
}

// Each segment between line feeds goes onto the current line; each line
// feed ends the current line and opens the next.
void xirr_textctrl_store::lay_out(const char *text, int length, uint32_t rgb)
{
    const char *at = text;
    const char *end = at + length;
    for (;;) {
        const char *lf = static_cast<const char *>(memchr(at, '\n', end - at));
        const char *segment_end = lf ? lf : end;
        if (segment_end > at)
            add_segment(at, static_cast<int>(segment_end - at), rgb);
        if (!lf)
            return;
        lines_[current_line_]->hard_end = 1;
        advance_line();
        at = lf + 1;
    }
}

void xirr_textctrl_store::add_segment(const char *text, int length, uint32_t rgb)
{
    xirr_textctrl_chunk *chunk = take_chunk(LINE_CHUNK);
    chunk->text = text;
    chunk->next = nullptr;
    chunk->length = length;
    chunk->width = measure(text, length);
    chunk->rgb = rgb;

    xirr_textctrl_line *line = lines_[current_line_];
    *line->tail = chunk;
    line->tail = &chunk->next;
    line->width = add_capped(line->width, chunk->width);
    if (!wrap_ || last_width_ <= 0)
        return;
    while (line->width >= last_width_ && split_line(line))
        line = lines_[current_line_];
}

void xirr_textctrl_store::advance_line()
{
    current_line_++;
    ensure_line(current_line_);
    // Lines above the current one are always empty: clear() and relayout()
    // empty every line they leave behind.
    assert(!lines_[current_line_]->first);
    if (!locked_)
        display_line_ = current_line_;
}

void xirr_textctrl_store::ensure_line(int index)
{
    if (static_cast<size_t>(index) >= lines_.size()) {
        // reserve() first so that the array grows by exactly one step.
        lines_.reserve(lines_.size() + XIRR_TEXTCTRL_LINE_STEP);
        lines_.resize(lines_.size() + XIRR_TEXTCTRL_LINE_STEP, nullptr);
    }
    if (!lines_[index]) {
        lines_[index] = static_cast<xirr_textctrl_line *>(line_pool().take());
        reset_line(lines_[index]);
        line_records_++;
    }
}

int xirr_textctrl_store::measure(const char *text, int length) const
{
    int width = 0;
    for (int i = 0; i < length; i++)
        width += widths_[static_cast<unsigned char>(text[i])];
    return width;
}

xirr_textctrl_chunk *xirr_textctrl_store::take_chunk(chunk_kind kind)
{
    chunks_in_use_++;
    return static_cast<xirr_textctrl_chunk *>(chunk_pool(kind == LINE_CHUNK).take());
}

void xirr_textctrl_store::release_chunks(chunk_kind kind, xirr_textctrl_chunk *first)
{
    xirr_object_pool &pool = chunk_pool(kind == LINE_CHUNK);
    // Reversed first: the pool hands records out last in, first out, so
    // they come back out in the order of the list.
    xirr_textctrl_chunk *reversed = nullptr;
    while (first) {
        xirr_textctrl_chunk *next = first->next;
        first->next = reversed;
        reversed = first;
        first = next;
    }
    while (reversed) {
        xirr_textctrl_chunk *next = reversed->next;
        pool.release(reversed);
        chunks_in_use_--;
        reversed = next;
    }
}

// Last line first, so that the pool hands the chunks out again in line
// order.
void xirr_textctrl_store::empty_lines()
{
    for (int i = current_line_; i >= 0; i--) {
        release_chunks(LINE_CHUNK, lines_[i]->first);
        reset_line(lines_[i]);
    }
}

void xirr_textctrl_store::relayout()
{
    empty_lines();
    current_line_ = 0;
    display_line_ = 0;
    for (const xirr_textctrl_chunk *master = master_first_; master; master = master->next)
        lay_out(master->text, master->length, master->rgb);
}

void xirr_textctrl_store::run_reset_hook()
{
    if (reset_hook_)
        reset_hook_(reset_hook_user_);
}

void xirr_textctrl_store::set_colors(uint32_t foreground, uint32_t background)
{
    std::lock_guard<std::mutex> guard(mutex_);
    foreground_ = foreground & 0xffffff;
    background_ = background & 0xffffff;
}

void xirr_textctrl_store::clear()
{
    {
        std::lock_guard<std::mutex> guard(mutex_);
        empty_lines();
        release_chunks(MASTER_CHUNK, master_first_);
        master_first_ = master_last_ = nullptr;
        texts_.clear();
        current_line_ = 0;
        tab_column_ = 0;
        display_line_ = 0;
        skip_leading_newlines_ = 1;
    }
    run_reset_hook();
}

void xirr_textctrl_store::set_metrics(const int widths[256], int font_height)
{
    {
        std::lock_guard<std::mutex> guard(mutex_);
        for (int i = 0; i < 256; i++)
            widths_[i] = (i >= 32 && i <= 126) ? std::clamp(widths[i], 0, XIRR_TEXTCTRL_WIDTH_MAX) : 0;
        font_height_ = font_height;
        relayout();
    }
    run_reset_hook();
}

int xirr_textctrl_store::set_client_size(int width, int height)
{
    int relaid = 0;
    {
        std::lock_guard<std::mutex> guard(mutex_);
        client_height_ = height;
        if (width != last_width_) {
            last_width_ = width;
            // Without wrap the layout does not depend on the width.
            if (wrap_) {
                relayout();
                relaid = 1;
            }
        }
    }
    if (relaid)
        run_reset_hook();
    return relaid;
}

void xirr_textctrl_store::set_wrap(int on)
{
    on = on ? 1 : 0;
    {
        std::lock_guard<std::mutex> guard(mutex_);
        if (on == wrap_)
            return;
        wrap_ = on;
        relayout();
    }
    run_reset_hook();
}

void xirr_textctrl_store::set_reset_hook(void (*hook)(void *user), void *user)
{
    reset_hook_ = hook;
    reset_hook_user_ = user;
}

void xirr_textctrl_store::set_display_line(int line)
{
    std::lock_guard<std::mutex> guard(mutex_);
    const int visible = visible_line_count();
    const int highest = current_line_ > INT_MAX - visible ? INT_MAX : current_line_ + visible;
    display_line_ = std::clamp(line, 0, highest);
}

void xirr_textctrl_store::set_locked(int on)
{
    std::lock_guard<std::mutex> guard(mutex_);
    locked_ = on ? 1 : 0;
}

int xirr_textctrl_store::visible_line_count() const
{
    if (font_height_ < 1) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("Error in xirr_textctrl::get_visible_line_count(), font height %d.\n", font_height_);
        return 20;
    }
    return std::max(1, client_height_ / font_height_);
}

const xirr_textctrl_line *xirr_textctrl_store::line(int index) const
{
    if (index < 0 || index > current_line_)
        return nullptr;
    return lines_[index];
}

size_t xirr_textctrl_store::memory_bytes()
{
    std::lock_guard<std::mutex> guard(mutex_);
    return chunks_in_use_ * sizeof(xirr_textctrl_chunk) + line_records_ * sizeof(xirr_textctrl_line) +
           lines_.capacity() * sizeof(xirr_textctrl_line *) + texts_.held_bytes();
}
