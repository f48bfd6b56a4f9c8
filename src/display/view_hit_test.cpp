#include "display/view_hit_test.h"

#include "display/text_store.h"
#include "foundation/debug_log.h"

#include <algorithm>
#include <mutex>

namespace {

long long floor_div(long long a, long long b)
{
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

xirr_text_position xirr_translate_xy_to_line_and_offset(xirr_textctrl_store &store, int client_height,
                                                        int x, int y)
{
    std::lock_guard<xirr_textctrl_store> guard(store);
    const int h = store.font_height();
    if (h < 1) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("Error in xirr_textctrl::translate_xy_to_line_and_offset(), font height %d.\n", h);
        return {};
    }
    x = std::max(x, 0);
    const long long rows = floor_div(static_cast<long long>(y) - (client_height - h), h);
    const int current = store.current_line();
    xirr_text_position at;
    at.line = static_cast<int>(std::clamp<long long>(store.display_line() + rows, 0, current));

    // Lines 0 .. current line always exist.
    const int *widths = store.char_widths();
    long long sum = 0;
    for (const xirr_textctrl_chunk *chunk = store.line(at.line)->first; chunk; chunk = chunk->next) {
        for (int i = 0; i < chunk->length; i++, at.offset++) {
            sum += widths[static_cast<unsigned char>(chunk->text[i])];
            if (sum >= x)
                return at;
        }
    }
    return at;
}
