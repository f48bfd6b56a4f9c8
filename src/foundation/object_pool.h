#pragma once
// A free list of fixed-size records for one type, refilled in blocks from
// the bulk allocator. Records handed back are reused first; memory is never
// returned to the system. Not thread-safe: a pool belongs to one thread.

class xirr_object_pool {
public:
    // type_name (kept, not copied: a literal) names the records in the log.
    xirr_object_pool(const char *type_name, int record_size, int block_budget)
        : type_name(type_name), block_budget(block_budget), record_size(record_size)
    {
    }
    xirr_object_pool(const xirr_object_pool &) = delete;
    xirr_object_pool &operator=(const xirr_object_pool &) = delete;

    // An uninitialised record of record_size bytes.
    void *take();
    // Hands record back for reuse; null is ignored.
    void release(void *record);

private:
    void *free_list = nullptr;
    const char *type_name;
    int block_budget;      // bytes per refill
    int record_size;       // bytes
};
