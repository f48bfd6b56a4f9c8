#pragma once
// Streaming writer of the configuration files' XML dialect, emitting through
// one virtual call so that a subclass decides where the text goes. Elements
// are indented two spaces per enclosing element; a leaf sits on one line.
// The writer keeps the names of the open elements, so end_tag closes the
// innermost one whatever name the caller expected (a mismatch is logged).
//
// Tag names and text are escaped (< > & as entities) and every byte outside
// printable ASCII is written as XIRR_XML_STAND_IN, because the reader refuses
// such bytes: whatever is written reads back.
//
// A write_raw failure is remembered: failed() tells the caller at the end
// instead of every call being checked.

#include "foundation/xml_tag_stack.h"

class xirr_xml_writer {
public:
    virtual ~xirr_xml_writer() = default;

    // Emits text unchanged. Returns the number of bytes written, negative on
    // error.
    virtual int write_raw(const char *text) = 0;

    // Emits the declaration line and a newline. Returns 1, or 0 when the
    // output failed.
    int write_header();
    // Opens element name: indentation, "<", the name, " " and the raw
    // attributes when given (the caller's duty: printable, no brackets), ">",
    // and a newline when newline is non-zero. A null name writes nothing.
    void write_tag(const char *name, int newline, const char *attributes);
    // Emits text escaped; a null text writes nothing (logged).
    void write_string(const char *text);
    // Closes the innermost element: indentation when indent is non-zero,
    // then "</name>" and a newline. With no open element the name written is
    // "_BOGUS_ENDING_TAG_" (logged).
    void end_tag(const char *expected, int indent);
    void write_newline();

    // A leaf element on a line of its own: the tag, the escaped text or the
    // decimal number, the closing tag.
    void write_leaf(const char *name, const char *text);
    void write_leaf(const char *name, int number);

    // 1 once any write_raw call has failed.
    int failed() const { return failed_; }

private:
    void emit(const char *text);
    void indent();

    int depth_ = 0;   // open elements; negative after unbalanced end_tag calls
    int failed_ = 0;
    xirr_xml_tag_stack stack_;
};
