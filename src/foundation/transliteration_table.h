#pragma once
// ASCII stand-ins for code points of 128 and above, covering Latin-1 (with
// U+0080 to U+009F read as the Windows-1252 characters of those byte
// values), Latin Extended-A and -B, the spacing modifiers and combining
// marks, a few Greek and Cyrillic signs, and general punctuation.

#include <cstdint>

// The ASCII text for code_point, or null when the table has no entry.
const char *xirr_transliteration(uint32_t code_point);
