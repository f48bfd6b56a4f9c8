// Reading text back out of the scrollback store: selections for the
// clipboard and whole lines for the link finder.

#include "display/text_store.h"

#include <algorithm>

namespace {

// Appends the characters from offset from up to (not including) offset to
// of line to out.
void append_range(const xirr_textctrl_line *line, long long from, long long to, std::string *out)
{
    long long offset = 0;
    for (const xirr_textctrl_chunk *chunk = line->first; chunk && offset < to; chunk = chunk->next) {
        const long long start = std::max(from, offset);
        const long long end = std::min(to, offset + chunk->length);
        if (start < end)
            out->append(chunk->text + (start - offset), static_cast<size_t>(end - start));
        offset += chunk->length;
    }
}

}  // namespace

int xirr_textctrl_store::selection_text(int start_line, int start_offset, int end_line, int end_offset,
                                        std::string *out)
{
    out->clear();
    std::lock_guard<std::mutex> guard(mutex_);
    if (start_line < 0 || end_line > current_line_ || end_line < start_line)
        return 0;
    const long long past_end = static_cast<long long>(end_offset) + 1;
    if (start_line == end_line) {
        append_range(lines_[start_line], start_offset, past_end, out);
        return 1;
    }
    for (int i = start_line; i < end_line; i++) {
        append_range(lines_[i], i == start_line ? start_offset : 0, LLONG_MAX, out);
        if (lines_[i]->hard_end)
            out->push_back('\n');
    }
    append_range(lines_[end_line], 0, past_end, out);
    return 1;
}
