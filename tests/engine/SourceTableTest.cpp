#include "SourceTable.h"

#include <gtest/gtest.h>

namespace {

void Add(SourceList& list, SourceInfo facts) {
    SourceInfo* slot = list.FreeSlot();
    ASSERT_NE(slot, nullptr);
    *slot = facts;
    ASSERT_TRUE(list.CommitFreeSlot());
}

const SourceInfo kFirst{60.0, 640, 480, 25.0};
const SourceInfo kSecond{30.0, 320, 240, 15.0};
const SourceInfo kThird{90.0, 1280, 720, 29.97};

TEST(SourceTable, RemovingARowMovesTheLaterSlotsWithAllTheirFacts) {
    SourceList list;
    Add(list, kFirst);
    Add(list, kSecond);
    Add(list, kThird);
    ASSERT_TRUE(list.Remove(1));
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_DOUBLE_EQ(list.totalSeconds(), 150.0);
    EXPECT_EQ(list.Slot(0), kFirst);
    EXPECT_EQ(list.Slot(1), kThird);
}

TEST(SourceTable, ExchangeSwapsWholeSlots) {
    SourceList list;
    Add(list, kFirst);
    Add(list, kSecond);
    ASSERT_TRUE(list.Exchange(0, 1));
    EXPECT_EQ(list.Slot(0), kSecond);
    EXPECT_EQ(list.Slot(1), kFirst);
    EXPECT_DOUBLE_EQ(list.totalSeconds(), 90.0);
}

TEST(SourceTable, OperationsOutsideTheRowsChangeNothing) {
    SourceList list;
    Add(list, kFirst);
    EXPECT_FALSE(list.Remove(1));
    EXPECT_FALSE(list.Remove(-1));
    EXPECT_FALSE(list.Exchange(0, 1));
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.Slot(0), kFirst);
    EXPECT_EQ(list.Slot(99), SourceInfo{});
    EXPECT_EQ(list.Slot(-1), SourceInfo{});
}

TEST(SourceTable, PartialProbeLeavesTheFreeSlotsEarlierFacts) {
    SourceList list;
    Add(list, kFirst);
    ASSERT_TRUE(list.Remove(0));  // slot 0 is the free slot again, still holding kFirst
    list.FreeSlot()->duration = 5.0;
    EXPECT_EQ(*list.FreeSlot(), (SourceInfo{5.0, 640, 480, 25.0}));
}

TEST(SourceTable, FullTableHasNoFreeSlotAndRefusesMore) {
    SourceList list;
    for (int i = 0; i < SourceList::kSlotCount; ++i) {
        Add(list, SourceInfo{1.0, i, i, 25.0});
    }
    EXPECT_FALSE(list.HasFreeSlot());
    EXPECT_EQ(list.FreeSlot(), nullptr);
    EXPECT_FALSE(list.CommitFreeSlot());
    EXPECT_EQ(list.rowCount(), 99);
    EXPECT_DOUBLE_EQ(list.totalSeconds(), 99.0);
    EXPECT_EQ(list.Slot(98).width, 98);
    ASSERT_TRUE(list.Remove(0));
    EXPECT_TRUE(list.HasFreeSlot());
    EXPECT_EQ(list.Slot(0).width, 1);
}

}  // namespace
