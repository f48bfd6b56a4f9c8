#include "foundation/bulk_allocator.h"

#include "foundation/debug_log.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int64_t allocated_bytes = 0;
int64_t allocated_blocks = 0;

void log_malloc_failure(int count, int size, const char *type_name, const char *outcome)
{
    if (xirr_debug_level > 0)
        xirr_debug_printf("Error in xirr_bulk_allocate(), malloc failed for %6d objects of size %6d (%9lld bytes), "
                          "type '%s'.  %s\n",
                          count, size, (long long)count * size, type_name, outcome);
}

int record_size_for(int record_size)
{
    // Links are whole pointers, so a record must hold one; sizes stay
    // multiples of 4 so that records keep the alignment their type needs.
    int size = record_size < (int)sizeof(void *) ? (int)sizeof(void *) : record_size;
    return size > INT32_MAX - 3 ? INT32_MAX - 3 : (size + 3) & ~3;
}

} // namespace

void *xirr_bulk_next(void *record)
{
    void *next;
    memcpy(&next, record, sizeof next);
    return next;
}

void xirr_bulk_set_next(void *record, void *next)
{
    // Records of sizes like 12 place links off pointer alignment: memcpy.
    memcpy(record, &next, sizeof next);
}

void *xirr_bulk_allocate(int record_size, const char *type_name, int block_budget)
{
    if (!type_name)
        type_name = "(null)";
    int size = record_size_for(record_size);
    int count = block_budget / size;
    if (count < 1)
        count = 1;
    if (xirr_debug_level > 2)
        xirr_debug_printf("Allocating %6d objects of size %6d (%9lld bytes), type '%s'\n", count, size,
                          (long long)count * size, type_name);

    char *block = static_cast<char *>(malloc((size_t)count * (size_t)size));
    if (!block) {
        log_malloc_failure(count, size, type_name, "Trying single object.");
        block = static_cast<char *>(malloc((size_t)size));
        if (!block) {
            log_malloc_failure(count, size, type_name, "Failing and exiting.");
            exit(1);
        }
        count = 1;
    }
    for (int i = 0; i < count; i++)
        xirr_bulk_set_next(block + (size_t)i * size, i + 1 < count ? block + (size_t)(i + 1) * size : nullptr);
    allocated_bytes += (int64_t)count * size;
    allocated_blocks++;
    return block;
}

int64_t xirr_bulk_allocated_bytes()
{
    return allocated_bytes;
}

int64_t xirr_bulk_allocated_blocks()
{
    return allocated_blocks;
}
