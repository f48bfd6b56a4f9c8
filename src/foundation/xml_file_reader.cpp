#include "foundation/xml_file_reader.h"

#include "foundation/debug_log.h"

xirr_xml_file_reader::xirr_xml_file_reader(FILE *stream) : stream_(stream)
{
    if (!stream)
        xirr_debug_log("Error in xirr_xml_file_reader::xirr_xml_file_reader(), NULL file handle.",
                       XIRR_LOG_CREATE_FAILED);
}

int xirr_xml_file_reader::read_char()
{
    if (!stream_)
        return -1;
    int c = fgetc(stream_);
    return c == EOF ? -1 : c;
}
