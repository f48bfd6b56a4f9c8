#pragma once
// Text that leaves the program in plain ASCII: the decoder of one UTF-8
// character, and the conversion of wide strings (the toolkit's strings, as
// wchar_t code points) into ASCII for the game server, the configuration
// files and the saved logs.
//
// Conversion rules, per code point: 0 ends the text; tab, line feed and
// carriage return are kept; other controls become "."; 32 to 126 are kept;
// 127 and above become their transliteration (see transliteration_table.h)
// or "." when there is none.

#include "foundation/bounded_text.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Decodes the UTF-8 character at text into *code_point and returns the
// position after it, or null at the terminating zero (and for null arguments).
// Well-formed sequences of one to four bytes give their code point; overlong
// forms, surrogates and values above U+10FFFF give U+FFFD. Leniencies kept for
// damaged text: a stray continuation byte gives its low six bits; a sequence
// cut short by a byte that is not a continuation byte (the terminator
// included) gives the bits gathered so far and the next call starts at that
// byte; the bytes F8 to FF give '.' and advance one byte. Never reads past the
// terminator.
const char *decode_utf8_char(const char *text, uint32_t *code_point);

// Appends the ASCII form of the first length characters of wide (stopping
// early at a zero) to text. Returns 1 when all of it fitted, 0 when the
// bounded text cut it or an argument is null (nothing appended then).
int to_ascii_text(const wchar_t *wide, size_t length, xirr_bounded_text *text);

// As to_ascii_text, appending wide characters to out without a length limit.
// Returns 1, or 0 for a null argument.
int to_ascii_wide(const wchar_t *wide, size_t length, std::wstring *out);
