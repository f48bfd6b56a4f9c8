#include "foundation/bulk_allocator.h"
#include "foundation/object_pool.h"

#include "captured_log.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

TEST(xirr_bulk_allocate, carves_the_budget_into_linked_records)
{
    struct carve_case {
        int record_size, budget;
        int records, size;
    };
    const carve_case cases[] = {
        {10, 100, 8, 12},
        // A record must hold its link, a whole pointer.
        {1, 100, 12, 8},
        {0, 64, 8, 8},
        {-3, 64, 8, 8},
        {16, 64, 4, 16},
        // A budget below one record still gives one.
        {40, 10, 1, 40},
        {24, 0, 1, 24},
    };
    for (const carve_case &c : cases) {
        SCOPED_TRACE("record size " + std::to_string(c.record_size) + ", budget " + std::to_string(c.budget));
        int64_t bytes_before = xirr_bulk_allocated_bytes();
        int64_t blocks_before = xirr_bulk_allocated_blocks();
        char *first = static_cast<char *>(xirr_bulk_allocate(c.record_size, "demo", c.budget));
        int records = 0;
        for (char *r = first; r; records++) {
            ASSERT_LT(records, c.records);
            EXPECT_EQ(r, first + (size_t)records * c.size);
            char *next = static_cast<char *>(xirr_bulk_next(r));
            memset(r, 0xA5, (size_t)c.size);  // the whole record is ours
            r = next;
        }
        EXPECT_EQ(records, c.records);
        EXPECT_EQ(xirr_bulk_allocated_bytes() - bytes_before, (int64_t)c.records * c.size);
        EXPECT_EQ(xirr_bulk_allocated_blocks() - blocks_before, 1);
        free(first);
    }
}

TEST(xirr_bulk_allocate, logs_each_block_in_the_verbose_class)
{
    {
        captured_log quiet(2);
        free(xirr_bulk_allocate(10, "class demo", 100));
        EXPECT_EQ(quiet.text(), "");
    }
    captured_log verbose(3);
    free(xirr_bulk_allocate(10, "class demo", 100));
    EXPECT_EQ(verbose.text(), th_test::opened_line(verbose.path()) +
                                  "Allocating      8 objects of size     12 (       96 bytes), type 'class demo'\n");
}

namespace {

// Pools never give memory back. Every pool made here stays reachable, and
// the tests hand all records back, so that a leak checker finds no lost block.
xirr_object_pool &new_pool(int record_size, int block_budget)
{
    static auto *kept = new std::vector<xirr_object_pool *>;
    kept->push_back(new xirr_object_pool("class demo", record_size, block_budget));
    return *kept->back();
}

} // namespace

TEST(xirr_object_pool, reuses_released_records_first)
{
    xirr_object_pool &pool = new_pool(16, 16 * 4);
    void *a = pool.take();
    void *b = pool.take();
    void *c = pool.take();
    EXPECT_EQ(std::set<void *>({a, b, c}).size(), 3u);

    pool.release(a);
    pool.release(b);
    pool.release(nullptr);
    EXPECT_EQ(pool.take(), b);
    EXPECT_EQ(pool.take(), a);
    void *fresh = pool.take();
    EXPECT_EQ(std::set<void *>({a, b, c, fresh}).size(), 4u);
    for (void *r : {a, b, c, fresh})
        pool.release(r);
}

TEST(xirr_object_pool, refills_with_a_new_block_when_empty)
{
    xirr_object_pool &pool = new_pool(16, 16 * 4);
    int64_t blocks_before = xirr_bulk_allocated_blocks();
    std::set<void *> taken;
    for (int i = 0; i < 9; i++) {
        void *r = pool.take();
        memset(r, 0x5A, 16);
        taken.insert(r);
    }
    EXPECT_EQ(taken.size(), 9u);
    EXPECT_EQ(xirr_bulk_allocated_blocks() - blocks_before, 3);
    for (void *r : taken)
        pool.release(r);
}
