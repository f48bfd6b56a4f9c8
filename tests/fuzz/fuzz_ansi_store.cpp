// Fuzzes the ANSI interpreter and the scrollback store together: arbitrary
// server text cut into arbitrary blocks, with random character widths and
// window sizes, and between blocks now and then a width change, a wrap
// switch, a suspension, a resume, a rerender, a clear or a client message.
//
// Checks against a naive model of the same input: no text is lost (the
// store's characters equal the printable input, converted and with TABs
// expanded; the render list holds the printable input as shown), every line
// is laid out as a greedy word wrap of its logical line would lay it out,
// and every cached width is the sum of its characters.
//
// Input: byte 0 seeds the block sizes and the operations, byte 1 the
// widths, byte 2 the client width; the rest is the stream.

#include "display/ansi_interpreter.h"
#include "display/text_store_conversion.h"
#include "foundation/debug_log.h"

#include "../display/wrap_model.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void require(bool condition)
{
    if (!condition)
        abort();
}

// Separates lines in layouts: the store never holds a NUL.
constexpr char line_break = '\0';

struct generator {
    uint32_t state;
    uint32_t next()
    {
        state = state * 1103515245u + 12345u;
        return state >> 8;
    }
};

// What the interpreter must do with each byte, written out plainly.
struct model {
    enum { TEXT, ESCAPE, CSI } state = TEXT;
    std::string shown;    // what the render list holds
    std::string stored;   // what the store holds: TABs expanded
    int column = 0;

    void keep(char c, bool convert)
    {
        shown += c;
        if (convert)
            c = xirr_textctrl_convert(static_cast<unsigned char>(c));
        if (c == '\t') {
            const int next = column / 8 * 8 + 8;
            stored.append(static_cast<size_t>(next - column), ' ');
            column = next;
            return;
        }
        stored += c;
        column = (c == '\n' || c == '\r') ? 0 : column + 1;
    }

    void feed(unsigned char c, int visible_lines)
    {
        switch (state) {
        case TEXT:
            if (c == 0x1b)
                state = ESCAPE;
            else if (c == '\t' || c == '\n' || (c >= 0x1c && c <= 0x7e))
                keep(static_cast<char>(c), false);
            else if (c >= 0x80)
                keep('.', false);
            return;
        case ESCAPE:
            state = c == '[' ? CSI : TEXT;
            if (c == 'c')
                for (int i = 0; i < 2 * visible_lines + 1; i++)
                    keep('\n', false);
            return;
        case CSI:
            if (c < '0' || c > '9')
                state = TEXT;
            return;
        }
    }

    void clear()
    {
        shown.clear();
        stored.clear();
        column = 0;
    }
};

std::string without_leading_line_feeds(const std::string &text)
{
    const size_t first = text.find_first_not_of('\n');
    return first == std::string::npos ? std::string() : text.substr(first);
}

// The model's layout of text with line_break between lines.
std::string joined_model_layout(const std::string &text, const int *widths, int limit, bool wrap)
{
    const std::vector<std::string> lines = th_test::model_layout(text, widths, limit, wrap);
    std::string out;
    for (size_t i = 0; i < lines.size(); i++) {
        if (i)
            out += line_break;
        out += lines[i];
    }
    return out;
}

std::string store_layout(xirr_textctrl_store &store)
{
    std::string out;
    store.lock();
    const int *widths = store.char_widths();
    for (int i = 0; i <= store.current_line(); i++) {
        const xirr_textctrl_line *line = store.line(i);
        long long line_width = 0;
        for (const xirr_textctrl_chunk *c = line->first; c; c = c->next) {
            long long width = 0;
            for (int k = 0; k < c->length; k++)
                width += widths[static_cast<unsigned char>(c->text[k])];
            require(c->length > 0 && width == c->width);
            line_width += width;
            out.append(c->text, c->length);
        }
        require(line_width == line->width);
        if (line->hard_end)
            out += "\n";
        if (i < store.current_line())
            out += line_break;
    }
    store.unlock();
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Messages are formatted and written (to nowhere), so they run under the
    // sanitizers too.
    xirr_client_set_debug_logfile_name("/dev/null");
    xirr_client_try_open_debug_logfile();
    xirr_debug_level = 3;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    generator ops{data[0]};
    generator width_seed{data[1]};
    int client_width = data[2] % 100;
    const unsigned char *stream = data + 3;
    const size_t length = size - 3;

    int widths[256];
    for (int &w : widths)
        w = static_cast<int>(width_seed.next() % 8);
    xirr_textctrl_store store;
    store.set_metrics(widths, 10);
    store.set_client_size(client_width, 10 * static_cast<int>(width_seed.next() % 11));
    xirr_ansi_interpreter ansi(&store);
    model expected;
    const int visible = store.visible_line_count();

    size_t at = 0;
    while (at < length) {
        size_t block = ops.next() % (ops.state & 0x100 ? 2000 : 16) + 1;
        if (block > length - at)
            block = length - at;
        ansi.display_socket_data(reinterpret_cast<const char *>(stream + at), block);
        for (size_t i = 0; i < block; i++)
            expected.feed(stream[at + i], visible);
        at += block;

        switch (ops.next() % 64) {
        case 0:
            client_width = static_cast<int>(ops.next() % 100);
            store.set_client_size(client_width, store.visible_line_count() * 10);
            break;
        case 1: ansi.set_wrap(!store.wrap()); break;
        case 2: ansi.suspend_updates(); break;
        case 3: ansi.resume_updates(); break;
        case 4: ansi.rerender(); break;
        case 5:
            ansi.clear();
            expected.clear();
            break;
        case 6: {
            // A client message: the next few input bytes, uninterpreted.
            std::string message;
            for (size_t i = at; i < length && i < at + 8 && stream[i]; i++)
                message += static_cast<char>(stream[i]);
            ansi.display_text(message.c_str());
            for (char c : message)
                expected.keep(c, true);
            break;
        }
        default: break;
        }
    }
    if (ansi.updates_suspended())
        ansi.resume_updates();

    std::string shown;
    for (const xirr_render_list *r = ansi.render_list().first(); r; r = r->next)
        shown.append(r->text(), r->length);
    require(shown == expected.shown);

    // Leading line feeds are dropped after a clear (and again at a
    // rerender): compare without them.
    const std::string layout = store_layout(store);
    std::string stored;
    for (char c : layout)
        if (c != line_break)
            stored += c;
    require(without_leading_line_feeds(stored) == without_leading_line_feeds(expected.stored));
    require(layout == joined_model_layout(stored, store.char_widths(), client_width, store.wrap()));
    return 0;
}
