#pragma once
// Carves one heap block into a free list of equal records, for the object
// pools. Blocks are never returned to the system. Not thread-safe: the
// running totals have no lock.

#include <cstdint>

// Allocates a block of block_budget bytes (at least one record) of records
// of record_size bytes, rounded up to a multiple of 4 and to at least a
// pointer, and chains them through their first pointer-sized word, the last
// link null. Returns the first record. When the block cannot be allocated
// it falls back to a single record; when even that fails it logs and exits
// the process with status 1.
void *xirr_bulk_allocate(int record_size, const char *type_name, int block_budget);

// The link of a free record: the next free record, or null.
void *xirr_bulk_next(void *record);
void xirr_bulk_set_next(void *record, void *next);

// Running totals over the process: bytes and blocks allocated so far.
int64_t xirr_bulk_allocated_bytes();
int64_t xirr_bulk_allocated_blocks();
