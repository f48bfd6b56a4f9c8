#pragma once
// The XML writer on a C standard I/O stream. The stream is not owned: the
// caller opens it (in binary mode), checks it for errors and closes it.

#include "foundation/xml_writer.h"

#include <cstdio>

class xirr_xml_file_writer : public xirr_xml_writer {
public:
    // A null stream is logged and kept; every write to it fails.
    explicit xirr_xml_file_writer(FILE *stream);

    // Prints text to the stream: the byte count, negative on error.
    int write_raw(const char *text) override;

private:
    FILE *stream_;
};
