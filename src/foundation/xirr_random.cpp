#include "foundation/xirr_random.h"

#include "foundation/xirr_time.h"

#include <fcntl.h>
#include <unistd.h>

xirr_random xirr_shared_random;
xirr_random xirr_theme_random;
xirr_random xirr_system_random;

namespace {

// The linear congruential step that spreads a seed over the state words.
uint32_t spread(uint32_t v)
{
    return v * 1664525u + 1013904223u;
}

} // namespace

void xirr_random::random_init()
{
    uint32_t v = 123456789u;
    for (int i = 0; i < 8; i++) {
        x[i] = saved[i] = v;
        v = spread(v);
    }
    carry = saved_carry = 362436u;
    index = saved_index = 0;
}

uint32_t xirr_random::random_next()
{
    uint64_t t = (uint64_t)x[index] * 809430660u + carry;
    x[index] = (uint32_t)t;
    carry = (uint32_t)(t >> 32) & 0x3FFFFFFFu;
    uint32_t result = x[index];
    index = (index + 1) & 7;
    return result;
}

void xirr_random::random_mix(int v)
{
    uint32_t u = (uint32_t)v;
    for (int i = 0; i < 8; i++) {
        u = spread(u);
        x[i] ^= u;
    }
    for (int i = 0; i < 8; i++)
        random_next();
}

void xirr_random::random_save()
{
    for (int i = 0; i < 8; i++)
        saved[i] = x[i];
    saved_index = index;
    saved_carry = carry;
}

void xirr_random::random_restore()
{
    for (int i = 0; i < 8; i++)
        x[i] = saved[i];
    index = saved_index;
    carry = saved_carry;
}

double xirr_random::random_unit()
{
    return (random_next() >> 1) * (1.0 / 2147483648.0);
}

int xirr_random::random_below(int n)
{
    // 64-bit product: n * 0xFFFF would overflow 32 bits for n above 65536.
    uint64_t low = random_next() & 0xFFFFu;
    return n < 1 ? 0 : (int)(((uint64_t)n * low) >> 16);
}

int xirr_random::random_dice(int n)
{
    uint32_t r = random_next();
    if (n < 1)
        return 1;
    if (n <= 10000)
        return (int)((uint32_t)n * (r >> 16) / 65536u) + 1;
    uint32_t wide = (r >> 16) ^ random_next();
    return (int)(((uint64_t)n * wide) >> 32) + 1;
}

void xirr_random::random_seed_from_system()
{
    // The clock's eight bytes, least significant first, then eight zeros;
    // each byte is mixed in as a signed value.
    uint64_t now = (uint64_t)xirr_gettimeofday_useconds();
    for (int i = 0; i < 16; i++)
        random_mix((signed char)(i < 8 ? (now >> (8 * i)) & 0xFF : 0));

    int fd = open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    signed char bytes[32] = {0};
    size_t have = 0;
    while (have < sizeof bytes) {
        ssize_t n = read(fd, bytes + have, sizeof bytes - have);
        if (n <= 0)
            break;
        have += (size_t)n;
    }
    close(fd);
    for (signed char b : bytes)
        random_mix(b);
}

void xirr_random_start_up()
{
    xirr_shared_random.random_mix((int)xirr_gettimeofday_seconds());
    xirr_system_random.random_seed_from_system();
}
