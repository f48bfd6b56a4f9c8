#pragma once
// The scrollback store keeps ASCII only: each byte of 0x80 to 0xFF is
// replaced on append by one ASCII character, a Windows-1252 to ASCII
// approximation (0x80, the euro sign, becomes "E", 0xC0 to 0xC6 become "A",
// 0xD7 becomes "x", 0xDF "S", 0xF7 "/"). One character per byte keeps the
// column count of the text unchanged.

struct xirr_textctrl_conversion_table {
    char entries[256];   // indexed by byte value; bytes below 0x80 map to themselves
};

extern const xirr_textctrl_conversion_table xirr_textctrl_conversion;

inline char xirr_textctrl_convert(unsigned char byte)
{
    return xirr_textctrl_conversion.entries[byte];
}
