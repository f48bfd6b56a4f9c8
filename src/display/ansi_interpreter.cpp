#include "display/ansi_interpreter.h"

#include "display/colour_schemes.h"
#include "foundation/debug_log.h"

#include <climits>
#include <cstring>

namespace {

// What the text state does with each byte value.
enum byte_class : unsigned char { DROP, KEEP, HIGH, LINE_FEED, ESCAPE };

struct byte_class_table {
    byte_class entries[256];
};

constexpr byte_class_table make_byte_classes()
{
    byte_class_table table = {};
    for (int c = 0; c < 256; c++) {
        if (c == '\t' || (c >= 0x1c && c <= 0x7e))
            table.entries[c] = KEEP;
        else if (c >= 0x80)
            table.entries[c] = HIGH;
        else
            table.entries[c] = DROP;
    }
    table.entries[0x0a] = LINE_FEED;
    table.entries[0x1b] = ESCAPE;
    return table;
}

constexpr byte_class_table byte_classes = make_byte_classes();

uint32_t background_for(int attribute)
{
    return attribute == XIRR_ATTRIBUTE_REVERSE ? XIRR_ANSI_REVERSE_BACKGROUND : XIRR_ANSI_BACKGROUND;
}

}  // namespace

xirr_ansi_interpreter::xirr_ansi_interpreter(xirr_textctrl_store *store) : store_(store)
{
    reset_colors();
}

void xirr_ansi_interpreter::display_socket_data(const char *bytes, size_t length)
{
    if (length == 0)
        return;
    if (!bytes) {
        xirr_debug_log("Error in xirr_ansi_display::display_socket_data(), null data.", XIRR_LOG_BAD_ARGUMENT);
        return;
    }
    text_arrived_ = 1;
    const unsigned char *at = reinterpret_cast<const unsigned char *>(bytes);
    const unsigned char *end = at + length;
    while (at < end) {
        switch (state_) {
        case STATE_TEXT: at = state_text(at, end); break;
        case STATE_ESCAPE: state_ = state_escape(*at++); break;
        case STATE_CSI: state_ = state_csi(*at++); break;
        }
    }
    action_flush_text();
}

// Consumes text bytes up to and including the next ESC (which switches the
// state) or to end; returns where it stopped.
const unsigned char *xirr_ansi_interpreter::state_text(const unsigned char *at, const unsigned char *end)
{
    while (at < end) {
        const unsigned char c = *at++;
        switch (byte_classes.entries[c]) {
        case KEEP: text_[text_length_++] = static_cast<char>(c); break;
        case HIGH: text_[text_length_++] = '.'; break;
        case LINE_FEED:
            text_[text_length_++] = '\n';
            action_flush_text();
            continue;
        case ESCAPE:
            action_flush_text();
            parameter_ = 0;
            state_ = STATE_ESCAPE;
            return at;
        case DROP: continue;
        }
        if (text_length_ == sizeof text_)
            action_flush_text();
    }
    return at;
}

xirr_ansi_interpreter::state xirr_ansi_interpreter::state_escape(unsigned char c)
{
    if (c == '[')
        return STATE_CSI;
    if (c == 'c')
        action_clear_screen();
    else if (xirr_debug_level > 1)
        xirr_debug_printf("process_ansi_code(1) - got unhandled code %d.\n", c);
    return STATE_TEXT;
}

xirr_ansi_interpreter::state xirr_ansi_interpreter::state_csi(unsigned char c)
{
    if (c >= '0' && c <= '9') {
        // Eight digits fill the int; a longer number matches no code, so it
        // sticks at INT_MAX instead of wrapping round to a valid one.
        parameter_ = parameter_ > (INT_MAX - 9) / 16 ? INT_MAX : parameter_ * 16 + (c - '0');
        return STATE_CSI;
    }
    if (c == 'm')
        process_ansi_code(parameter_);
    else if (xirr_debug_level > 1)
        xirr_debug_printf("process_ansi_code(2) - ignoring unhandled code %d.\n", c);
    return STATE_TEXT;
}

void xirr_ansi_interpreter::action_flush_text()
{
    if (text_length_ == 0)
        return;
    show_text(text_, text_length_);
    text_length_ = 0;
}

// Scrolls the visible text out of view with line ends; the scrollback
// keeps it.
void xirr_ansi_interpreter::action_clear_screen()
{
    reset_colors();
    const int lines = 2 * store_->visible_line_count() + 1;
    for (int i = 0; i < lines; i++)
        show_text("\n", 1);
}

void xirr_ansi_interpreter::display_text(const char *text)
{
    if (text)
        show_text(text, strlen(text));
}

void xirr_ansi_interpreter::show_text(const char *text, size_t length)
{
    runs_.add(text, length);
    if (!updates_suspended_)
        store_->append(text, length);
}

void xirr_ansi_interpreter::process_ansi_code(int value)
{
    switch (value) {
    case 0x00:
        attribute_ = XIRR_ATTRIBUTE_PLAIN;
        colour_code_ = 0;
        break;
    case 0x01: attribute_ = XIRR_ATTRIBUTE_BRIGHT; break;
    case 0x02: attribute_ = XIRR_ATTRIBUTE_DIM; break;
    case 0x05: attribute_ = XIRR_ATTRIBUTE_BLINK; break;
    case 0x07: attribute_ = XIRR_ATTRIBUTE_REVERSE; break;
    case 0x22: attribute_ = XIRR_ATTRIBUTE_PLAIN; break;
    default:
        if (value >= 0x31 && value <= 0x37)
            colour_code_ = value;
        else if (xirr_debug_level > 1)
            xirr_debug_printf("error in xirr_ansi_display::process_ansi_code() - bad value '%d'.\n", value);
        break;
    }
    process_ansi_color();
}

void xirr_ansi_interpreter::set_ansi_codes(int a, int b)
{
    process_ansi_code(a);
    process_ansi_code(b);
}

void xirr_ansi_interpreter::reset_colors()
{
    // Through yellow, so that white is applied even when it was the last.
    attribute_ = XIRR_ATTRIBUTE_PLAIN;
    colour_code_ = 0x33;
    process_ansi_color();
    colour_code_ = 0x37;
    process_ansi_color();
}

void xirr_ansi_interpreter::process_ansi_color()
{
    if (attribute_ == last_attribute_ && colour_code_ == last_colour_code_)
        return;
    const xirr_scheme_intensity column = attribute_ == XIRR_ATTRIBUTE_BRIGHT ? XIRR_INTENSITY_BRIGHT
                                         : attribute_ == XIRR_ATTRIBUTE_DIM  ? XIRR_INTENSITY_DIM
                                                                             : XIRR_INTENSITY_NORMAL;
    apply_colour(xirr_current_colour_scheme->rgb[xirr_scheme_row_of_code(colour_code_)][column]);
}

void xirr_ansi_interpreter::apply_colour(uint32_t rgb)
{
    xirr_render_attributes current;
    current.attribute = attribute_;
    current.colour_code = colour_code_;
    current.rgb = rgb;
    runs_.set_current(current);
    if (!updates_suspended_)
        push_colours_to_store(rgb, attribute_);
    last_attribute_ = attribute_;
    last_colour_code_ = colour_code_;
}

void xirr_ansi_interpreter::push_colours_to_store(uint32_t rgb, int attribute)
{
    store_->set_colors(rgb, background_for(attribute));
}

void xirr_ansi_interpreter::reapply_colour()
{
    last_attribute_ = -1;
    process_ansi_color();
}

void xirr_ansi_interpreter::clear()
{
    runs_.clear();
    if (!updates_suspended_)
        store_->clear();
    reset_colors();
}

int xirr_ansi_interpreter::resume_updates()
{
    if (!updates_suspended_) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("Error in xirr_ansi_display::resume_updates(), updates were not suspended?\n");
        return 0;
    }
    updates_suspended_ = 0;
    rerender();
    return 1;
}

void xirr_ansi_interpreter::rerender()
{
    const xirr_render_runs &runs = render_list();
    store_->clear();
    for (const xirr_render_list *run = runs.first(); run; run = run->next) {
        const uint32_t rgb = static_cast<uint32_t>(run->red) << 16 | static_cast<uint32_t>(run->green) << 8 | run->blue;
        push_colours_to_store(rgb, run->attribute);
        store_->append(run->text(), run->length);
    }
    // Text that follows is stamped with the current colour, not the last
    // recorded one.
    push_colours_to_store(runs.current().rgb, runs.current().attribute);
    store_->set_display_line(store_->current_line());
}

void xirr_ansi_interpreter::set_wrap(int on)
{
    store_->set_wrap(on);
    rerender();
}

const xirr_render_runs &xirr_ansi_interpreter::render_list()
{
    if (!runs_.pending_empty())
        runs_.flush();
    return runs_;
}
