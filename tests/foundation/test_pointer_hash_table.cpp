#include "foundation/pointer_hash_table.h"

#include "foundation/hash_text.h"
#include "captured_log.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

struct named_record {
    std::string name;
};

uint32_t hash_record(const void *thing)
{
    return hash_text(static_cast<const named_record *>(thing)->name.c_str());
}

uint32_t hash_name(const void *key)
{
    return hash_text(static_cast<const char *>(key));
}

int record_has_name(const void *thing, const void *key)
{
    return static_cast<const named_record *>(thing)->name == static_cast<const char *>(key);
}

// Every thing lands in bucket 7 of the initial table.
uint32_t constant_hash(const void *)
{
    return 7;
}

class pointer_hash_table : public ::testing::Test {
protected:
    VoidPointerHashTable table{hash_record, hash_name, record_has_name};
};

} // namespace

TEST_F(pointer_hash_table, finds_and_removes_by_key)
{
    named_record door{"door.ogg"}, bell{"bell.ogg"};
    ASSERT_EQ(table.add(&door), 1);
    ASSERT_EQ(table.add(&bell), 1);

    EXPECT_EQ(table.find("door.ogg"), &door);
    EXPECT_EQ(table.find("bell.ogg"), &bell);
    EXPECT_EQ(table.find("door.og"), nullptr);

    EXPECT_EQ(table.remove(&door), 1);
    EXPECT_EQ(table.find("door.ogg"), nullptr);
    EXPECT_EQ(table.find("bell.ogg"), &bell);
    EXPECT_EQ(table.remove(&door), 0);
    EXPECT_EQ(table.count(), 1);
}

TEST_F(pointer_hash_table, the_same_pointer_is_stored_once)
{
    captured_log log;
    named_record door{"door.ogg"};
    ASSERT_EQ(table.add(&door), 1);
    EXPECT_EQ(table.add(&door), 0);
    EXPECT_EQ(table.count(), 1);
    EXPECT_EQ(log.text(), "Error in VoidPointerHashTable::add(), attempt to add duplicate thing.\n");

    EXPECT_EQ(table.remove(&door), 1);
    EXPECT_EQ(table.find("door.ogg"), nullptr);
}

TEST_F(pointer_hash_table, equal_keys_find_the_last_added)
{
    named_record older{"door.ogg"}, newer{"door.ogg"};
    table.add(&older);
    table.add(&newer);
    EXPECT_EQ(table.find("door.ogg"), &newer);
    table.remove(&newer);
    EXPECT_EQ(table.find("door.ogg"), &older);
}

TEST_F(pointer_hash_table, keeps_every_entry_while_growing)
{
    std::vector<std::unique_ptr<named_record>> records;
    for (int i = 0; i < 5000; i++) {
        records.push_back(std::make_unique<named_record>(named_record{"file" + std::to_string(i)}));
        ASSERT_EQ(table.add(records.back().get()), 1);
    }
    for (int i = 0; i < 5000; i += 2)
        ASSERT_EQ(table.remove(records[i].get()), 1);
    for (int i = 0; i < 5000; i++)
        EXPECT_EQ(table.find(records[i]->name.c_str()), i % 2 ? records[i].get() : nullptr) << i;
    EXPECT_EQ(table.count(), 2500);
}

TEST(pointer_hash_table_chains, a_long_chain_is_reported_and_still_grows)
{
    captured_log log;
    VoidPointerHashTable table(constant_hash, constant_hash, record_has_name);
    std::vector<named_record> records(52);
    for (size_t i = 0; i < records.size(); i++) {
        records[i].name = "r" + std::to_string(i);
        ASSERT_EQ(table.add(&records[i]), 1);
    }
    EXPECT_EQ(log.text(), "Error in VoidPointerHashTable::add(), found 51 things in bucket 7.\n");
    for (const named_record &r : records)
        EXPECT_EQ(table.find(r.name.c_str()), &r);
}
