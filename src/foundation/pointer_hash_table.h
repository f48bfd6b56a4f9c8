#pragma once
// A chained hash table of untyped pointers that it does not own. The caller
// supplies the hashing and matching, so one table type serves any record
// keyed by any part of itself (the updater's manifest keys records by file
// name). Equal keys are not detected: two things with the same key can both
// be stored, and find returns the one added last.

#include <cstdint>

class VoidPointerHashTable {
public:
    using thing_hash_function = uint32_t (*)(const void *thing);
    using key_hash_function = uint32_t (*)(const void *key);
    // Non-zero when the stored thing matches the key.
    using compare_function = int (*)(const void *thing, const void *key);

    VoidPointerHashTable(thing_hash_function hash_thing, key_hash_function hash_key,
                         compare_function compare);
    // Frees the table and its nodes, not the things.
    ~VoidPointerHashTable();
    VoidPointerHashTable(const VoidPointerHashTable &) = delete;
    VoidPointerHashTable &operator=(const VoidPointerHashTable &) = delete;

    // Stores thing. Returns 1, or 0 (logged) when this very pointer is
    // already stored or no memory is left.
    int add(void *thing);
    // The thing added last that matches key, or null.
    void *find(const void *key) const;
    // Unlinks the node holding this very pointer. Returns 1 if it was stored.
    int remove(const void *thing);
    int count() const { return entries; }

private:
    struct node {
        uint32_t hash;
        void *thing;
        node *next;
    };

    // Doubles the bucket array; keeps the old one when memory is short.
    void expand_hash_table();

    static constexpr int initial_capacity = 256;
    // A chain longer than this means a poor hash; it is reported.
    static constexpr int long_chain = 50;

    node **buckets = nullptr;
    int capacity = 0;           // a power of two, or 0 when allocation failed
    uint32_t mask = 0;
    int entries = 0;
    thing_hash_function hash_thing;
    key_hash_function hash_key;
    compare_function compare;
};
