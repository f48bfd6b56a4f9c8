#pragma once
// The byte range of the configuration files' XML dialect. Tag names and
// element text are printable ASCII (32..126): the reader refuses any other
// byte, so the writer stores every other byte as a stand-in character and a
// saved file always reads back.

#include <string>

constexpr char XIRR_XML_STAND_IN = '.';

inline int xirr_xml_is_storable(unsigned char c)
{
    return c >= 32 && c <= 126;
}

// The byte as the writer stores it: itself when storable, else the stand-in.
inline char xirr_xml_storable_char(unsigned char c)
{
    return xirr_xml_is_storable(c) ? (char)c : XIRR_XML_STAND_IN;
}

// Replaces every byte of text that the reader would refuse by the stand-in.
void xirr_xml_make_storable(std::string &text);
