#pragma once
// A character configuration as the XML element `single_config`: one leaf per
// setting in the order of the settings list, then `popup_window_list`.

#include "config/single_config.h"

class xirr_xml_reader;
class xirr_xml_writer;

// Reads the contents of a `single_config` element whose opening tag has just
// been read, up to its closing tag, into *record, which holds the values to
// start from. Unknown elements are skipped; a value that cannot be read
// leaves the setting as it was; the ints are brought in range at the end.
// Also accepts the keys of older files (`use_new_layout` and the three
// `*_color_display` flags).
void xirr_single_config_read(xirr_xml_reader &reader, single_config *record);

// Writes record as a `single_config` element.
void xirr_single_config_write(xirr_xml_writer &writer, const single_config &record);
