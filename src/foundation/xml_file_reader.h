#pragma once
// The XML reader on a C standard I/O stream. The stream is not owned: the
// caller opens it (in binary mode), may read the declaration line from it
// first, and closes it after the reader is gone.

#include "foundation/xml_reader.h"

#include <cstdio>

class xirr_xml_file_reader : public xirr_xml_reader {
public:
    // A null stream is logged and kept; it reads as an empty input.
    explicit xirr_xml_file_reader(FILE *stream);

    int read_char() override;

private:
    FILE *stream_;
};
