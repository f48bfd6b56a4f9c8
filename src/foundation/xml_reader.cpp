#include "foundation/xml_reader.h"

#include "foundation/bounded_text.h"
#include "foundation/debug_log.h"
#include "foundation/text_utils.h"
#include "foundation/xml_text.h"

#include <cstring>
#include <vector>

namespace {

// Longest text a closing tag is read into (the open names are cut to 999).
constexpr int closing_tag_size = 1000;
// Longest text an integer element is read into.
constexpr int number_size = 100;
// Bytes of the longest escape, "&amp;".
constexpr size_t longest_escape = 5;

const char *skip_blanks(const char *p)
{
    while (*p == ' ' || *p == '\t')
        p++;
    return p;
}

void warn_header(const char *what)
{
    xirr_bounded_text message;
    message.append("Warning in xirr_xml_reader::check_xml_header_string(), ");
    message.append(what);
    xirr_debug_log(message.c_str(), XIRR_LOG_PROTOCOL);
}

// Parses one attribute of the declaration line whose name has already been
// matched: = and a quoted value, with blanks around. Returns the position after
// it, or null after logging what was missing.
const char *parse_header_attribute(const char *p, const char *name)
{
    xirr_bounded_text missing;
    p = skip_blanks(p);
    if (*p != '=') {
        missing.appendf("'%s' tag found, but no %s.", name, name);
        warn_header(missing.c_str());
        return nullptr;
    }
    p = skip_blanks(p + 1);
    if (*p != '"') {
        missing.appendf("'%s' tag found, but no opening %s quote.", name, name);
        warn_header(missing.c_str());
        return nullptr;
    }
    const char *closing = strchr(p + 1, '"');
    if (!closing) {
        missing.appendf("'%s' tag found, but no closing %s quote.", name, name);
        warn_header(missing.c_str());
        return nullptr;
    }
    return skip_blanks(closing + 1);
}

}  // namespace

int xirr_xml_reader::check_xml_header_string(const char *line)
{
    if (!line || !word_equals(line, "<?xml")) {
        warn_header("missing opening '<?xml' tag.");
        return 0;
    }
    const char *p = next_arg(line);
    if (!p) {
        warn_header("didn't get either version or encoding.");
        return 0;
    }
    int got_version = 0;
    int got_encoding = 0;
    for (;;) {
        if (strncmp(p, "version", 7) == 0) {
            p = parse_header_attribute(p + 7, "version");
            got_version = 1;
        } else if (strncmp(p, "encoding", 8) == 0) {
            p = parse_header_attribute(p + 8, "encoding");
            got_encoding = 1;
        } else {
            warn_header("unknown tag found.");
            return 0;
        }
        if (!p)
            return 0;
        if (!*p || (p[0] == '?' && p[1] == '>'))
            break;
    }
    if (got_version && got_encoding)
        return 1;
    if (got_version)
        warn_header("didn't get encoding.");
    else
        warn_header("didn't get version.");
    return 0;
}

int xirr_xml_reader::next_byte()
{
    int c = read_char();
    if (c < 0)
        at_end_ = 1;
    return c;
}

int xirr_xml_reader::skip_chunk(int warn_closing)
{
    if (open_bracket_read_) {
        open_bracket_read_ = 0;
        return 1;
    }
    int c;
    while ((c = next_byte()) != '<') {
        if (c < 0)
            return 0;
        if (c == '>' && warn_closing)
            xirr_debug_log("Warning in xirr_xml_reader::skip_chunk(), got closing bracket?",
                           XIRR_LOG_MALFORMED);
    }
    return 1;
}

xirr_xml_reader::block_result xirr_xml_reader::read_block(char *dest, int size,
                                                          int expect_closing)
{
    if (!dest) {
        xirr_debug_log("Error in xirr_xml_reader::read_block(), NULL dest?", XIRR_LOG_BAD_ARGUMENT);
        return block_failed;
    }
    if (size <= 0) {
        xirr_debug_log("Error in xirr_xml_reader::read_block(), dest is too small?",
                       XIRR_LOG_BAD_ARGUMENT);
        return block_failed;
    }
    int stored = 0;
    int unstorable = 0;
    int warned_closing = 0;
    int c;
    for (;;) {
        c = next_byte();
        if (c < 0) {
            dest[stored] = '\0';
            xirr_debug_log("Warning in xirr_xml_reader::read_block(), file corruption - got EOF "
                           "before trailing bracket.",
                           XIRR_LOG_MALFORMED);
            return block_failed;
        }
        if (c == '<' || (c == '>' && expect_closing))
            break;
        if (c == '>' && !warned_closing) {
            // Text ends only at "<": a stray ">" is kept as part of it.
            xirr_debug_log("Warning in xirr_xml_reader::read_block(), got second closing bracket?",
                           XIRR_LOG_MALFORMED);
            warned_closing = 1;
        }
        if (stored < size - 1) {
            if (!xirr_xml_is_storable((unsigned char)c)) {
                unstorable++;
                // A tag name is kept readable; a value is refused below.
                if (expect_closing)
                    c = XIRR_XML_STAND_IN;
            }
            dest[stored++] = (char)c;
        }
    }
    dest[stored] = '\0';
    if (c == '<' && expect_closing) {
        // The text was no tag: another one begins at this bracket.
        xirr_debug_log("Warning in xirr_xml_reader::read_block(), got second open bracket?",
                       XIRR_LOG_MALFORMED);
        open_bracket_read_ = 1;
        return block_interrupted;
    }
    if (unstorable) {
        xirr_debug_log(expect_closing
                           ? "Warning in xirr_xml_reader::read_block(), unprintable byte in tag."
                           : "Warning in xirr_xml_reader::read_block(), unprintable byte in text, "
                             "text refused.",
                       XIRR_LOG_MALFORMED);
        if (!expect_closing)
            return block_bad_text;
    }
    compact_string(dest);
    return block_ok;
}

void xirr_xml_reader::compact_string(char *text)
{
    static const struct {
        const char *entity;
        size_t length;
        char value;
    } entities[] = {{"&lt;", 4, '<'}, {"&gt;", 4, '>'}, {"&amp;", 5, '&'}};

    char *out = text;
    for (const char *in = text; *in;) {
        if (*in != '&') {
            *out++ = *in++;
            continue;
        }
        size_t i = 0;
        while (i < sizeof entities / sizeof entities[0] &&
               strncmp(in, entities[i].entity, entities[i].length) != 0)
            i++;
        if (i < sizeof entities / sizeof entities[0]) {
            *out++ = entities[i].value;
            in += entities[i].length;
        } else {
            xirr_debug_log("Warning in xirr_xml_reader::compact_string(), unknown '&' conversion "
                           "found?",
                           XIRR_LOG_MALFORMED);
            *out++ = *in++;
        }
    }
    *out = '\0';
}

int xirr_xml_reader::read_tag(char *dest, int size)
{
    if (!dest) {
        xirr_debug_log("Error in xirr_xml_reader::read_tag(), NULL dest?", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    if (size <= 0) {
        xirr_debug_log("Error in xirr_xml_reader::read_tag(), dest is too small?",
                       XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    if (close_empty_element())
        return 0;
    for (;;) {
        if (!skip_chunk(0))
            return 0;
        block_result tag = read_block(dest, size, 1);
        if (tag == block_failed)
            return 0;
        if (tag == block_interrupted || holds_nothing(dest))
            continue;
        if (dest[0] == '/') {
            pop_stack_entry(dest);
            return 0;
        }
        open_element(dest);
        return 1;
    }
}

int xirr_xml_reader::holds_nothing(const char *text)
{
    return !text[0] || text[0] == '!' || text[0] == '?';
}

void xirr_xml_reader::open_element(char *text)
{
    size_t length = strlen(text);
    empty_element_open_ = length > 0 && text[length - 1] == '/';
    if (empty_element_open_)
        text[length - 1] = '\0';
    stack_.push(text);
}

int xirr_xml_reader::close_empty_element()
{
    if (!empty_element_open_)
        return 0;
    empty_element_open_ = 0;
    stack_.pop();
    return 1;
}

void xirr_xml_reader::pop_stack_entry(const char *closing_text)
{
    const char *name = closing_text;
    if (closing_text[0] == '/') {
        name++;
    } else {
        xirr_bounded_text message;
        message.append("Warning in xirr_xml_reader::pop_stack_entry() - got bad closing tag '");
        message.append(closing_text);
        message.append("'?");
        xirr_debug_log(message.c_str(), XIRR_LOG_MALFORMED);
    }
    const char *top = stack_.top();
    if (!top) {
        xirr_bounded_text message;
        message.append("Warning in xirr_xml_reader::pop_stack_entry() - closing tag '");
        message.append(name);
        message.append("' with no open tag.");
        xirr_debug_log(message.c_str(), XIRR_LOG_MALFORMED);
        return;
    }
    if (strcmp(top, name) != 0) {
        xirr_bounded_text message;
        message.append("Warning in xirr_xml_reader::pop_stack_entry() - popped tag '");
        message.append(name);
        message.append("' did not match expected tag '");
        message.append(top);
        message.append("'.");
        xirr_debug_log(message.c_str(), XIRR_LOG_MALFORMED);
    }
    stack_.pop();
}

int xirr_xml_reader::skip_data()
{
    if (!stack_.depth()) {
        xirr_debug_log("Error in xirr_xml_reader::skip_data() - you must read at least the opening "
                       "tag before skipping data.",
                       XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    if (close_empty_element())
        return 1;
    const size_t skipped_depth = stack_.depth();
    char block[closing_tag_size];
    for (;;) {
        if (!skip_chunk(1)) {
            xirr_debug_log("Warning in xirr_xml_reader::skip_data() - unable to read chunk?",
                           XIRR_LOG_MALFORMED);
            return 0;
        }
        block_result tag = read_block(block, sizeof block, 1);
        if (tag == block_failed) {
            xirr_debug_log("Warning in xirr_xml_reader::skip_data() - unable to read block?",
                           XIRR_LOG_MALFORMED);
            return 0;
        }
        size_t length = strlen(block);
        // Comments and the like, and empty elements, hold nothing to close.
        if (tag == block_interrupted || holds_nothing(block) || block[length - 1] == '/')
            continue;
        if (block[0] != '/') {
            stack_.push(block);
            continue;
        }
        // Closing tags below the skipped element close nested elements
        // (mismatches are logged); the one at its own depth ends the skip.
        const int done = stack_.depth() <= skipped_depth;
        pop_stack_entry(block);
        if (done)
            return 1;
    }
}

void xirr_xml_reader::read_closing_tag()
{
    // Even a closing tag cut short by another tag closes the element.
    char closing[closing_tag_size];
    if (read_block(closing, sizeof closing, 1) != block_failed)
        pop_stack_entry(closing);
}

xirr_xml_reader::block_result xirr_xml_reader::read_element_text(char *dest, int size)
{
    if (close_empty_element()) {
        dest[0] = '\0';
        return block_ok;
    }
    block_result text = read_block(dest, size, 0);
    // A text that reached its closing tag closes the element even when the
    // text itself is unusable, so that the caller's loop stays in step.
    if (text != block_failed)
        read_closing_tag();
    return text;
}

int xirr_xml_reader::read_data(char *dest, int size)
{
    if (!dest) {
        xirr_debug_log("Error in xirr_xml_reader::read_data(char[]), NULL dest?",
                       XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    if (size <= 0) {
        xirr_debug_log("Error in xirr_xml_reader::read_data(char[]), dest is too small?",
                       XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    if (read_element_text(dest, size) != block_ok) {
        dest[0] = '\0';
        return 0;
    }
    return 1;
}

int xirr_xml_reader::read_data(std::string *dest, int max_length)
{
    if (!dest) {
        xirr_debug_log("Error in xirr_xml_reader::read_data(string), NULL dest?",
                       XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    // Room for the text as written, where every character may be an
    // escape, so that the cut falls on the text itself: a value of up to
    // max_length characters reads back whole however many escapes it needs.
    const size_t length = max_length > 0 ? (size_t)max_length : 0;
    std::vector<char> buffer(length * longest_escape + 1);
    if (!read_data(buffer.data(), (int)buffer.size()))
        return 0;
    dest->assign(buffer.data(), strnlen(buffer.data(), length));
    return 1;
}

int xirr_xml_reader::read_data(int *dest)
{
    if (!dest) {
        xirr_debug_log("Error in xirr_xml_reader::read_data(int), NULL dest?",
                       XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    char text[number_size];
    if (read_element_text(text, sizeof text) != block_ok)
        return 0;
    if (parse_int_text(text, dest))
        return 1;
    xirr_bounded_text message;
    message.append("Warning in xirr_xml_reader::read_data(int) - got non-number'");
    message.append(text);
    message.append("'.");
    xirr_debug_log(message.c_str(), XIRR_LOG_MALFORMED);
    return 0;
}
