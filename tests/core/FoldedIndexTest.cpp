// The membership index of the name lists: counts per folded text through growth, removal and
// the rebuilds that drop texts no longer held.

#include "core/FoldedIndex.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace dirforge::core {
namespace {

TEST(FoldedIndexTest, FollowsAMultisetThroughGrowthAndRemovals) {
    FoldedIndex index;
    std::map<std::string, int> held; // what the index should say
    const auto check = [&](const char* when) {
        for (int k = 0; k < 3000; ++k) {
            const std::string key = "name " + std::to_string(k);
            const auto it = held.find(key);
            ASSERT_EQ(index.contains(key), it != held.end() && it->second > 0) << when << key;
        }
    };
    // Many distinct texts, some twice, then most removed and others added in their place, so
    // the table grows and is rebuilt over slots of texts no longer held.
    for (int k = 0; k < 2000; ++k) {
        const std::string key = "name " + std::to_string(k);
        index.add(key);
        ++held[key];
        if (k % 3 == 0) {
            index.add(key);
            ++held[key];
        }
    }
    check("after adding");
    for (int k = 0; k < 2000; k += 2) {
        const std::string key = "name " + std::to_string(k);
        index.remove(key);
        --held[key];
    }
    check("after removing once");
    for (int k = 1000; k < 3000; ++k) {
        const std::string key = "name " + std::to_string(k);
        const bool added = index.addIfMissing(key);
        const bool missing = held[key] == 0;
        ASSERT_EQ(added, missing) << key;
        if (missing)
            held[key] = 1;
    }
    check("after adding the missing ones");
    index.remove("never held");
    EXPECT_FALSE(index.contains(""));
    index.add("");
    EXPECT_TRUE(index.contains("")) << "the empty text is a text like any other";
    index.clear();
    EXPECT_FALSE(index.contains("name 1"));
}

} // namespace
} // namespace dirforge::core
