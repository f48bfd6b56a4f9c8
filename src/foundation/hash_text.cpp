#include "foundation/hash_text.h"

#include <cstring>

namespace {

uint32_t step(uint32_t h, unsigned char c)
{
    h += c;
    h *= 1025u;
    return h ^ (h >> 6);
}

} // namespace

uint32_t hash_text(const char *text)
{
    if (!text)
        text = "";
    uint32_t h = 1564184925u;
    const unsigned char *p = reinterpret_cast<const unsigned char *>(text);
    for (; *p; p++)
        h = step(h, *p);
    uint32_t n = (uint32_t)(p - reinterpret_cast<const unsigned char *>(text));
    for (int shift = 0; shift < 32; shift += 8)
        h = step(h, (unsigned char)(n >> shift));
    h *= 9u;
    h ^= h >> 11;
    h *= 32769u;
    return h;
}
