#include "foundation/pointer_hash_table.h"

#include "foundation/debug_log.h"

#include <cstdio>
#include <cstdlib>

namespace {

// The class of the long-chain report: a warning about the table's use.
constexpr unsigned long_chain_class = 0x08;

} // namespace

VoidPointerHashTable::VoidPointerHashTable(thing_hash_function hash_thing, key_hash_function hash_key,
                                           compare_function compare)
    : hash_thing(hash_thing), hash_key(hash_key), compare(compare)
{
    buckets = static_cast<node **>(calloc(initial_capacity, sizeof(node *)));
    if (!buckets) {
        xirr_debug_log("Error in VoidPointerHashTable(), initial table alloc failed.", XIRR_LOG_CREATE_FAILED);
        return;
    }
    capacity = initial_capacity;
    mask = (uint32_t)capacity - 1;
}

VoidPointerHashTable::~VoidPointerHashTable()
{
    for (int i = 0; i < capacity; i++) {
        node *n = buckets[i];
        while (n) {
            node *next = n->next;
            free(n);
            n = next;
        }
    }
    free(buckets);
}

void VoidPointerHashTable::expand_hash_table()
{
    int new_capacity = capacity * 2;
    node **grown = static_cast<node **>(calloc((size_t)new_capacity, sizeof(node *)));
    if (!grown) {
        char message[160];
        snprintf(message, sizeof message,
                 "Error in VoidPointerHashTable::expand_hash_table(), unable to allocate table of size %d.  "
                 "Using old table.",
                 new_capacity);
        xirr_debug_log(message, XIRR_LOG_OP_FAILED);
        return;
    }
    uint32_t new_mask = (uint32_t)new_capacity - 1;
    for (int i = 0; i < capacity; i++) {
        node *n = buckets[i];
        while (n) {
            node *next = n->next;
            n->next = grown[n->hash & new_mask];
            grown[n->hash & new_mask] = n;
            n = next;
        }
    }
    free(buckets);
    buckets = grown;
    capacity = new_capacity;
    mask = new_mask;
}

int VoidPointerHashTable::add(void *thing)
{
    if (!buckets)
        return 0;
    if (entries > capacity / 2)
        expand_hash_table();
    uint32_t hash = hash_thing(thing);
    uint32_t bucket = hash & mask;
    int chain = 0;
    for (node *n = buckets[bucket]; n; n = n->next, chain++) {
        if (n->thing == thing) {
            xirr_debug_log("Error in VoidPointerHashTable::add(), attempt to add duplicate thing.",
                           XIRR_LOG_BAD_ARGUMENT);
            return 0;
        }
    }
    if (chain > long_chain) {
        char message[128];
        snprintf(message, sizeof message, "Error in VoidPointerHashTable::add(), found %d things in bucket %d.",
                 chain, (int)bucket);
        xirr_debug_log(message, long_chain_class);
    }
    node *added = static_cast<node *>(malloc(sizeof(node)));
    if (!added) {
        xirr_debug_log("Error in VoidPointerHashTable::add(), node alloc failed.", XIRR_LOG_CREATE_FAILED);
        return 0;
    }
    added->hash = hash;
    added->thing = thing;
    added->next = buckets[bucket];
    buckets[bucket] = added;
    entries++;
    return 1;
}

void *VoidPointerHashTable::find(const void *key) const
{
    if (!buckets)
        return nullptr;
    for (node *n = buckets[hash_key(key) & mask]; n; n = n->next)
        if (compare(n->thing, key))
            return n->thing;
    return nullptr;
}

int VoidPointerHashTable::remove(const void *thing)
{
    if (!buckets)
        return 0;
    for (node **link = &buckets[hash_thing(thing) & mask]; *link; link = &(*link)->next) {
        node *n = *link;
        if (n->thing == thing) {
            *link = n->next;
            free(n);
            entries--;
            return 1;
        }
    }
    return 0;
}
