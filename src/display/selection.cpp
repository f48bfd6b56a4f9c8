#include "display/selection.h"

#include "display/text_store.h"
#include "foundation/debug_log.h"

#include <climits>

void xirr_selection::normalise()
{
    const int cursor_first = cursor.line < anchor.line ||
                             (cursor.line == anchor.line && cursor.offset <= anchor.offset);
    start = cursor_first ? cursor : anchor;
    end = cursor_first ? anchor : cursor;
}

int xirr_selection::line_range(int line, int *first, int *last) const
{
    if (!active || line < start.line || line > end.line)
        return 0;
    *first = line == start.line ? start.offset : 0;
    *last = line == end.line ? end.offset : INT_MAX;
    return *first <= *last;
}

int xirr_selection::text(xirr_textctrl_store &store, std::string *out) const
{
    if (store.selection_text(start.line, start.offset, end.line, end.offset, out))
        return 1;
    if (xirr_debug_level > 1) {
        const int missing = store.line(start.line) ? end.line : start.line;
        xirr_debug_printf("Error in copy_selection_to_clipboard(), line %d NULL.\n", missing);
    }
    return 0;
}
