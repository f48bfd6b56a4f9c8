#include "foundation/xml_file_writer.h"

#include "foundation/debug_log.h"

xirr_xml_file_writer::xirr_xml_file_writer(FILE *stream) : stream_(stream)
{
    if (!stream)
        xirr_debug_log("Error in xirr_xml_file_writer::xirr_xml_file_writer(), NULL file handle.\n",
                       XIRR_LOG_CREATE_FAILED);
}

int xirr_xml_file_writer::write_raw(const char *text)
{
    if (!stream_ || !text)
        return -1;
    return fprintf(stream_, "%s", text);
}
