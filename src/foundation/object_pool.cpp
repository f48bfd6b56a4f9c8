#include "foundation/object_pool.h"

#include "foundation/bulk_allocator.h"

void *xirr_object_pool::take()
{
    if (!free_list)
        free_list = xirr_bulk_allocate(record_size, type_name, block_budget);
    void *record = free_list;
    free_list = xirr_bulk_next(record);
    return record;
}

void xirr_object_pool::release(void *record)
{
    if (!record)
        return;
    xirr_bulk_set_next(record, free_list);
    free_list = record;
}
