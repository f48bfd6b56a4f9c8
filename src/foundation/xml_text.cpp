#include "foundation/xml_text.h"

void xirr_xml_make_storable(std::string &text)
{
    for (char &c : text)
        c = xirr_xml_storable_char((unsigned char)c);
}
