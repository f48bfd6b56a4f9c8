#include "foundation/xml_writer.h"

#include "foundation/debug_log.h"
#include "foundation/xml_text.h"

#include <cstdio>
#include <cstring>

void xirr_xml_writer::emit(const char *text)
{
    if (write_raw(text) < 0)
        failed_ = 1;
}

void xirr_xml_writer::indent()
{
    for (int i = 0; i < depth_; i++)
        emit("  ");
}

int xirr_xml_writer::write_header()
{
    int written = write_raw("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n");
    if (written < 0)
        failed_ = 1;
    return written > 0;
}

void xirr_xml_writer::write_tag(const char *name, int newline, const char *attributes)
{
    if (!name) {
        xirr_debug_log("Error in xirr_xml_writer::write_tag(), NULL tag.\n", XIRR_LOG_BAD_ARGUMENT);
        return;
    }
    // The name as stacked (cut to its limit), so that end_tag writes the same.
    stack_.push(name);
    indent();
    emit("<");
    write_string(stack_.top());
    if (attributes) {
        emit(" ");
        emit(attributes);
    }
    emit(newline ? ">\n" : ">");
    depth_++;
}

void xirr_xml_writer::write_string(const char *text)
{
    if (!text) {
        xirr_debug_log("Error in xirr_xml_writer::write_string(), NULL data.\n",
                       XIRR_LOG_BAD_ARGUMENT);
        return;
    }
    for (const char *p = text; *p; p++) {
        switch (*p) {
        case '<': emit("&lt;"); break;
        case '>': emit("&gt;"); break;
        case '&': emit("&amp;"); break;
        default: {
            const char c[2] = {xirr_xml_storable_char((unsigned char)*p), '\0'};
            emit(c);
        }
        }
    }
}

void xirr_xml_writer::end_tag(const char *expected, int indent_flag)
{
    depth_--;
    if (indent_flag)
        indent();
    emit("</");
    const char *top = stack_.top();
    if (!top) {
        xirr_debug_log("Error in xirr_xml_writer::end_tag(), tag stack empty.\n",
                       XIRR_LOG_BAD_ARGUMENT);
        emit("_BOGUS_ENDING_TAG_");
    } else {
        if (expected && strcmp(expected, top) != 0)
            xirr_debug_log("Warning in xirr_xml_writer::end_tag(), tried to close wrong tag.\n",
                           XIRR_LOG_MALFORMED);
        write_string(top);
        stack_.pop();
    }
    emit(">\n");
}

void xirr_xml_writer::write_newline()
{
    emit("\n");
}

void xirr_xml_writer::write_leaf(const char *name, const char *text)
{
    write_tag(name, 0, nullptr);
    if (!name)
        return;   // nothing was opened
    write_string(text);
    end_tag(nullptr, 0);
}

void xirr_xml_writer::write_leaf(const char *name, int number)
{
    char text[16];
    snprintf(text, sizeof text, "%d", number);
    write_leaf(name, text);
}
