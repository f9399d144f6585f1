#include "recognizer/IndexedList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

TEST(Lists, IndexedListAppendsAndRemovesAtTheTail) {
    CIndexedList<std::unique_ptr<std::string>> list;
    for (const char* s : {"a", "b", "c"})
        list.append(std::make_unique<std::string>(s));
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(*list.at(0) + *list.at(2), "ac");
    EXPECT_EQ(*list.removeLast(), "c");
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(*list.at(1), "b");

    // An index out of range ends the program with status -8.
    const auto exitsWithMinus8 = testing::ExitedWithCode(256 - 8);
    EXPECT_EXIT(list.at(2), exitsWithMinus8, "");
    EXPECT_EXIT(list.at(-1), exitsWithMinus8, "");
    EXPECT_EXIT(CSortedList<int>(true).at(0), exitsWithMinus8, "");
    EXPECT_EXIT(CIndexedList<int>().removeLast(), exitsWithMinus8, "");
}

// Ascending keys; among equal keys the latest comes first, or is refused and
// the stored element returned.
TEST(Lists, SortedListOrdersByKey) {
    CSortedList<char> list(true);
    for (const auto& [c, key] : {std::pair{'c', 0.5}, {'a', 0.1}, {'d', 0.9}, {'b', 0.5}})
        EXPECT_EQ(list.insert(c, key), nullptr);
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(std::string({list.at(0), list.at(1), list.at(2), list.at(3)}), "abcd");
    EXPECT_EQ(list.keyAt(3), 0.9);

    CSortedList<char> unique(false);
    EXPECT_EQ(unique.insert('x', 2.0), nullptr);
    EXPECT_EQ(unique.insert('z', 3.0), nullptr);
    char* existing = unique.insert('y', 2.0);
    ASSERT_NE(existing, nullptr);
    EXPECT_EQ(*existing, 'x');
    *existing = 'w';
    EXPECT_EQ(unique.count(), 2);
    EXPECT_EQ(unique.at(0), 'w');
}
