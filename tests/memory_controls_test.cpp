#include "doubles/memory_controls.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "quiz/checked_count.h"

namespace {

using quiz::ListIndex;
using quiz::MemoryList;
using quiz::no_selection;

class MemoryListTest : public ::testing::Test {
 protected:
  quiz::BulgarianCollation collation;
  MemoryList list{collation};

  void add(std::initializer_list<const char*> texts) {
    for (const char* text : texts) list.add_item(text);
  }
  std::vector<std::string> items() const { return list.items(); }
};

TEST_F(MemoryListTest, KeepsEntriesInAlphabeticalOrderAndTheSelectionOnItsEntry) {
  add({"Магура", "Беляр"});
  list.select(1);  // Магура
  add({"Ягодинска пещера", "Духлата", "баня"});
  EXPECT_EQ(items(),
            (std::vector<std::string>{"баня", "Беляр", "Духлата", "Магура", "Ягодинска пещера"}));
  EXPECT_EQ(list.selected_index(), 3);
  EXPECT_EQ(list.item_text(3), "Магура");
}

TEST_F(MemoryListTest, RemovingKeepsOrLosesTheSelectionByWhichEntryGoes) {
  add({"а", "б", "в", "г"});
  list.select(2);  // в
  list.remove_item(0);
  EXPECT_EQ(list.selected_index(), 1);
  list.remove_item(2);
  EXPECT_EQ(list.selected_index(), 1);
  list.remove_item(1);
  EXPECT_EQ(list.selected_index(), no_selection);
  EXPECT_EQ(items(), (std::vector<std::string>{"б"}));
}

TEST_F(MemoryListTest, ClearEmptiesTheListAndItsSelection) {
  add({"а", "б"});
  list.select(0);
  list.clear();
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.selected_index(), no_selection);
}

TEST_F(MemoryListTest, BadIndexesFailWithAClearMessage) {
  add({"а", "б"});
  const ListIndex bad[] = {-2, 2, 32767};
  for (const ListIndex index : bad) {
    SCOPED_TRACE(index);
    EXPECT_THROW((void)list.item_text(index), std::out_of_range);
    EXPECT_THROW(list.remove_item(index), std::out_of_range);
    EXPECT_THROW(list.select(index), std::out_of_range);
  }
  EXPECT_THROW((void)list.item_text(no_selection), std::out_of_range);
  list.clear();
  try {
    list.remove_item(0);
    FAIL() << "removing from an empty list must fail";
  } catch (const std::out_of_range& error) {
    EXPECT_STREQ(error.what(), "Списък: няма елемент с индекс 0 (елементите са 0)");
  }
  EXPECT_EQ(list.count(), 0);
}

TEST(CheckedIncrement, CountsUpToTheLimitAndFailsPastIt) {
  EXPECT_EQ(quiz::checked_increment(0, "брояч"), 1);
  EXPECT_EQ(quiz::checked_increment(32766, "брояч"), 32767);
  EXPECT_THROW((void)quiz::checked_increment(32767, "брояч"), std::overflow_error);
}

}  // namespace
