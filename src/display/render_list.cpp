#include "display/render_list.h"

#include "foundation/debug_log.h"

#include <algorithm>
#include <cstring>


namespace {

constexpr size_t arena_block_bytes = 65536;

}  // namespace

xirr_render_runs::xirr_render_runs() : records_(arena_block_bytes) {}

void xirr_render_runs::set_current(const xirr_render_attributes &current)
{
    current_ = current;
    if (pending_.empty())
        pending_attributes_ = current;
}

void xirr_render_runs::add(const char *text, size_t length)
{
    if (length == 0)
        return;
    const bool changed = pending_attributes_.attribute != current_.attribute || pending_attributes_.rgb != current_.rgb;
    const bool line_feeds_only = std::all_of(text, text + length, [](char c) { return c == '\n'; });
    if (changed && !(line_feeds_only && !pending_.empty()))
        flush();
    pending_.append(text, length);
    if (pending_.size() >= XIRR_RENDER_RUN_MAX)
        flush();
}

void xirr_render_runs::flush()
{
    if (pending_.empty()) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("xirr_ansi_display - rerender_flush() - temp space was empty, WTF?\n");
        return;
    }
    const size_t length = pending_.size();
    auto *record = static_cast<xirr_render_list *>(
        records_.allocate(sizeof(xirr_render_list) + length + 1, alignof(xirr_render_list)));
    char *text = reinterpret_cast<char *>(record + 1);
    memcpy(text, pending_.data(), length);
    text[length] = '\0';
    record->next = nullptr;
    record->length = static_cast<uint32_t>(length);
    record->red = static_cast<uint8_t>(pending_attributes_.rgb >> 16);
    record->green = static_cast<uint8_t>(pending_attributes_.rgb >> 8);
    record->blue = static_cast<uint8_t>(pending_attributes_.rgb);
    record->attribute = static_cast<uint8_t>(pending_attributes_.attribute);
    record->colour_code = static_cast<uint8_t>(pending_attributes_.colour_code);
    *tail_ = record;
    tail_ = &record->next;
    count_++;
    pending_.clear();
    pending_attributes_ = current_;
}

void xirr_render_runs::clear()
{
    records_.clear();
    first_ = nullptr;
    tail_ = &first_;
    count_ = 0;
    pending_.clear();
    pending_attributes_ = xirr_render_attributes();
    current_ = xirr_render_attributes();
}
