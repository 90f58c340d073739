// The flat name table that matches one folder listing against many names.

#include "platform/NameIndex.h"

#include <gtest/gtest.h>

#include <string>

namespace dirforge::testing {
namespace {

using platform::NameIndex;

TEST(NameIndex, FindsEveryNameExactlyAndNothingElse) {
    NameIndex index;
    index.insert("ab", 1);
    index.insert("a", 2);
    index.insert("abc", 3);
    index.insert("ab", 9);                   // already there: keeps its first value
    index.insert(std::string("x\0y", 3), 4); // a file name never holds a NUL
    EXPECT_EQ(index.size(), 3u);
    const struct {
        std::string name;
        std::uint64_t value; // 0: not there
    } cases[] = {
        {"ab", 1},   {"a", 2},  {"abc", 3}, {"", 0},
        {"abcd", 0}, {"AB", 0}, {"b", 0},   {std::string("x\0y", 3), 0},
        {"x", 0},
    };
    for (const auto& c : cases) {
        const std::uint64_t* found = index.find(c.name);
        if (c.value == 0)
            EXPECT_EQ(found, nullptr) << c.name;
        else
            EXPECT_TRUE(found != nullptr && *found == c.value) << c.name;
    }
}

TEST(NameIndex, KeepsEveryNameThroughGrowthAndClear) {
    NameIndex index;
    constexpr int kNames = 20000;
    for (int i = 0; i < kNames; ++i)
        index.insert("N" + std::to_string(i), static_cast<std::uint64_t>(i) + 1);
    ASSERT_EQ(index.size(), static_cast<std::size_t>(kNames));
    for (int i = 0; i < kNames; ++i) {
        const std::uint64_t* found = index.find("N" + std::to_string(i));
        ASSERT_TRUE(found != nullptr) << i;
        EXPECT_EQ(*found, static_cast<std::uint64_t>(i) + 1);
    }
    EXPECT_EQ(index.find("N" + std::to_string(kNames)), nullptr);
    index.clear();
    EXPECT_EQ(index.size(), 0u);
    EXPECT_EQ(index.find("N1"), nullptr);
    index.reserve(10);
    index.insert("N1", 7);
    EXPECT_EQ(*index.find("N1"), 7u);
}

} // namespace
} // namespace dirforge::testing
