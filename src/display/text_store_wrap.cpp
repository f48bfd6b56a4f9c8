// Word wrap of the scrollback store: breaking the current line when its
// width reaches the client width.

#include "display/text_store.h"

namespace {

// A place to break a line: just after a character that fits.
struct break_position {
    xirr_textctrl_chunk *chunk = nullptr;   // holds the character before the break
    int offset = 0;                         // in chunk, just after that character
    int width = 0;                          // pixels of the line up to the break
};

}  // namespace

// Breaks line, the current line, which is at least as wide as the client
// width W. Characters are summed from the start; the one whose width makes
// the sum reach W (equality counts) overflows. The break goes after the last
// space before it (the space stays on this line), or else just
// before it. The rest of the line moves to a new current line. Returns 1,
// or 0 when the first character already overflows: such a line stays wider
// than the window.
int xirr_textctrl_store::split_line(xirr_textctrl_line *line)
{
    const int limit = last_width_;
    break_position fit, space;
    int sum = 0;
    bool overflow = false;
    for (xirr_textctrl_chunk *chunk = line->first; chunk && !overflow; chunk = chunk->next) {
        for (int i = 0; i < chunk->length; i++) {
            const char c = chunk->text[i];
            const int w = widths_[static_cast<unsigned char>(c)];
            if (w >= limit - sum) {
                overflow = true;
                break;
            }
            sum += w;
            fit = {chunk, i + 1, sum};
            if (c == ' ')   // TABs were expanded to spaces on append
                space = fit;
        }
    }
    if (!overflow || !fit.chunk)
        return 0;

    const break_position &at = space.chunk ? space : fit;
    xirr_textctrl_chunk *kept = at.chunk;
    xirr_textctrl_chunk *rest = kept->next;
    if (at.offset < kept->length) {
        xirr_textctrl_chunk *moved = take_chunk(LINE_CHUNK);
        moved->text = kept->text + at.offset;
        moved->length = kept->length - at.offset;
        moved->width = measure(moved->text, moved->length);
        moved->rgb = kept->rgb;
        moved->next = rest;
        rest = moved;
        kept->length = at.offset;
        kept->width -= moved->width;
    }
    kept->next = nullptr;
    line->tail = &kept->next;
    line->width = at.width;

    advance_line();
    xirr_textctrl_line *next_line = lines_[current_line_];
    next_line->first = rest;
    next_line->tail = &next_line->first;
    next_line->width = 0;
    for (xirr_textctrl_chunk *chunk = rest; chunk; chunk = chunk->next) {
        next_line->width = next_line->width > INT_MAX - chunk->width ? INT_MAX : next_line->width + chunk->width;
        next_line->tail = &chunk->next;
    }
    return 1;
}
