#pragma once
// A fast 32-bit hash of a text for hash-table lookups (not for security).

#include <cstdint>

// Hash of the NUL-terminated text and its length; a null text hashes as the
// empty text.
uint32_t hash_text(const char *text);
