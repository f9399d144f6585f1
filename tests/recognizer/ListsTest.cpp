#include "recognizer/IndexedList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

TEST(Lists, IndexedListAtTheTailSortedListByKey) {
    CIndexedList<std::unique_ptr<std::string>> list;
    for (const char* s : {"a", "b", "c"})
        list.append(std::make_unique<std::string>(s));
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(*list.at(0) + *list.at(2), "ac");
    EXPECT_EQ(*list.removeLast(), "c");
    EXPECT_EQ(std::pair(list.count(), *list.at(1)), std::pair(2, std::string("b")));

    // An index out of range ends the program with status -8.
    const auto exitsWithMinus8 = testing::ExitedWithCode(256 - 8);
    EXPECT_EXIT(list.at(2), exitsWithMinus8, "");
    EXPECT_EXIT(list.at(-1), exitsWithMinus8, "");
    EXPECT_EXIT(CIndexedList<int>().removeLast(), exitsWithMinus8, "");

    // Ascending keys; among equal keys the latest comes first.
    CSortedList<char> sorted(true);
    for (const auto& [c, key] : {std::pair{'c', 0.5}, {'a', 0.1}, {'d', 0.9}, {'b', 0.5}})
        EXPECT_EQ(sorted.insert(c, key), nullptr);
    ASSERT_EQ(sorted.count(), 4);
    EXPECT_EQ(std::string({sorted.at(0), sorted.at(1), sorted.at(2), sorted.at(3)}), "abcd");
    EXPECT_EQ(sorted.keyAt(3), 0.9);
}
