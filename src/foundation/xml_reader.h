#pragma once
// Streaming pull reader of the configuration files' XML dialect: elements
// without attributes, text with the escapes &lt; &gt; &amp;, an optional
// declaration line. Bytes come one at a time from read_char(), so a subclass
// decides where they come from. The reader keeps the names of the open
// elements and checks every closing tag against them; a mismatch is logged
// and the element is closed all the same, so reading carries on after damage.
// There is no document tree. Results are 1 for success, 0 for failure.

#include "foundation/xml_tag_stack.h"

#include <string>

class xirr_xml_reader {
public:
    virtual ~xirr_xml_reader() = default;

    // The next input byte as 0..255, or -1 at the end of the input.
    virtual int read_char() = 0;

    // Checks a declaration line (the file's first line, NUL-terminated): the
    // word "<?xml" in any case, then version and encoding attributes in any
    // order with quoted values. Reads nothing from the input.
    int check_xml_header_string(const char *line);

    // Reads up to the next tag. An opening tag is stored in dest (cut to
    // size - 1 characters), opened and gives 1; an empty-element tag
    // ("<name/>") gives its name and needs no closing tag. A closing tag
    // closes the innermost element and gives 0, as does the end of the
    // input. Comments, declarations and processing
    // instructions (texts beginning with "!" or "?"), empty brackets and a
    // text cut short by another "<" are passed over. Bytes outside 32..126 in
    // a tag become XIRR_XML_STAND_IN.
    int read_tag(char *dest, int size);

    // Reads the innermost element's text (escapes resolved, cut to size - 1
    // characters; a stray ">" is kept) and its closing tag. A text holding a
    // byte outside 32..126 gives 0; its closing tag is consumed all the same,
    // so the caller's next read_tag sees the element's next sibling.
    int read_data(char *dest, int size);
    // As the text form for a decimal integer: a leading digit, "+", or "-"
    // and a digit. Anything else gives 0 and leaves *dest unchanged.
    int read_data(int *dest);

    // The text form into a string, cut to max_length characters after the
    // escapes are resolved; on failure *dest is left unchanged.
    int read_data(std::string *dest, int max_length);

    // Consumes the innermost element's contents and its closing tag.
    // Gives 1 when the element was closed, 0 at damage or end of input.
    int skip_data();

    // Number of open elements.
    size_t depth() const { return stack_.depth(); }
    // 1 once the input has ended.
    int at_end() const { return at_end_; }

private:
    enum block_result {
        block_ok,
        block_bad_text,      // a text held bytes outside 32..126 and is refused
        block_interrupted,   // a tag text ended at "<": another tag begins
        block_failed,        // the input ended, or a bad argument
    };

    // Opens the element of an opening or empty-element tag text.
    void open_element(char *text);
    // Closes the innermost element when it came from an empty-element tag,
    // which has no content and no closing tag to read. Returns 1 if it did.
    int close_empty_element();

    int next_byte();   // read_char(), noting the end of the input
    // Reads up to and including the next "<" (or takes the one a tag text
    // ended at); 0 at the end of the input. Stray ">" are logged if asked.
    int skip_chunk(int warn_closing);
    // Reads a tag text up to ">" (expect_closing set) or an element's text
    // up to "<", resolving the escapes.
    block_result read_block(char *dest, int size, int expect_closing);
    // 1 for tag texts that open nothing: empty, comments, declarations.
    static int holds_nothing(const char *text);
    void pop_stack_entry(const char *closing_text);
    void compact_string(char *text);
    void read_closing_tag();
    // Reads the innermost element's text and closes the element.
    block_result read_element_text(char *dest, int size);

    xirr_xml_tag_stack stack_;
    int empty_element_open_ = 0;   // the innermost element was "<name/>"
    int at_end_ = 0;
    int open_bracket_read_ = 0;    // a tag text ended at the "<" of the next tag
};
