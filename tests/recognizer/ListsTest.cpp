#include "recognizer/IndexedList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

TEST(IndexedList, AppendsAndRemovesAtTheTail) {
    CIndexedList<std::unique_ptr<std::string>> list;
    list.append(std::make_unique<std::string>("a"));
    list.append(std::make_unique<std::string>("b"));
    list.append(std::make_unique<std::string>("c"));
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(*list.at(2), "c");
    EXPECT_EQ(*list.at(0), "a");
    EXPECT_EQ(*list.removeLast(), "c");
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(*list.at(1), "b");
}

TEST(IndexedListDeathTest, IndexOutOfRangeEndsWithStatusMinus8) {
    CIndexedList<int> list;
    list.append(1);
    EXPECT_EXIT(list.at(1), testing::ExitedWithCode(256 - 8), "");
    EXPECT_EXIT(list.at(-1), testing::ExitedWithCode(256 - 8), "");
    CSortedList<int> sorted(true);
    EXPECT_EXIT(sorted.at(0), testing::ExitedWithCode(256 - 8), "");
    CIndexedList<int> empty;
    EXPECT_EXIT(empty.removeLast(), testing::ExitedWithCode(256 - 8), "");
}

TEST(SortedList, KeepsAscendingKeysAndPutsTheLatestEqualKeyFirst) {
    CSortedList<char> list(true);
    list.insert('c', 0.5);
    list.insert('a', 0.1);
    list.insert('d', 0.9);
    list.insert('b', 0.5);
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.at(0), 'a');
    EXPECT_EQ(list.at(1), 'b'); // inserted after 'c' with the same key: comes first
    EXPECT_EQ(list.at(2), 'c');
    EXPECT_EQ(list.at(3), 'd');
    EXPECT_DOUBLE_EQ(list.keyAt(3), 0.9);
}

TEST(SortedList, RefusingEqualKeysReturnsTheStoredElement) {
    CSortedList<char> list(false);
    EXPECT_EQ(list.insert('x', 2.0), nullptr);
    EXPECT_EQ(list.insert('z', 3.0), nullptr);
    char* existing = list.insert('y', 2.0);
    ASSERT_NE(existing, nullptr);
    EXPECT_EQ(*existing, 'x');
    *existing = 'w';
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.at(0), 'w');
}
