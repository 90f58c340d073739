// The listing an undo checks its removals against: exact names in any order of asking.

#include "platform/SubfolderListing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace dirforge::testing {
namespace {

using platform::SubfolderListing;

SubfolderListing Listed(const std::vector<std::string>& names) {
    SubfolderListing listing;
    listing.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        listing.add(names[i], 100 + i);
    return listing;
}

/// Asks for every name in the given order and checks each inode.
void ExpectEveryInode(SubfolderListing& listing, const std::vector<std::string>& names,
                      const std::vector<std::size_t>& order) {
    for (const std::size_t i : order) {
        const std::uint64_t* inode = listing.find(names[i]);
        ASSERT_NE(inode, nullptr) << names[i];
        EXPECT_EQ(*inode, 100 + i) << names[i];
    }
}

TEST(SubfolderListing, FindsEveryNameWhateverTheOrderOfAsking) {
    std::vector<std::string> names;
    for (int i = 0; i < 300; ++i)
        names.push_back("N" + std::to_string(i));
    std::vector<std::size_t> forwards(names.size());
    for (std::size_t i = 0; i < forwards.size(); ++i)
        forwards[i] = i;
    std::vector<std::size_t> backwards(forwards.rbegin(), forwards.rend());
    std::vector<std::size_t> shuffled = forwards;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    // Forwards, backwards, at random, and a jump in the middle of a walk.
    std::vector<std::size_t> jumping = {5, 6, 7, 250, 249, 248, 0, 1, 299};
    for (const auto& order : {forwards, backwards, shuffled, jumping}) {
        SubfolderListing listing = Listed(names);
        ExpectEveryInode(listing, names, order);
    }
}

TEST(SubfolderListing, MatchesWholeNamesOnly) {
    const std::vector<std::string> names = {"ab", "a", "abc", "B"};
    SubfolderListing listing = Listed(names);
    listing.add(std::string("x\0y", 3), 7); // a file name never holds a NUL: not listed
    EXPECT_EQ(listing.size(), 4u);
    for (const std::string& absent : {std::string(""), std::string("abcd"), std::string("AB"),
                                      std::string("b"), std::string("x"), std::string("x\0y", 3)})
        EXPECT_EQ(listing.find(absent), nullptr) << absent;
    // Near misses asked between hits do not disturb what the next hit finds.
    ExpectEveryInode(listing, names, {3, 2, 1, 0});
    listing.clear();
    EXPECT_EQ(listing.find("a"), nullptr);
    listing.add("a", 5);
    ASSERT_NE(listing.find("a"), nullptr);
    EXPECT_EQ(*listing.find("a"), 5u);
}

TEST(SubfolderListing, NamesAddedAfterALookUpAreFound) {
    SubfolderListing listing = Listed({"A", "B", "C"});
    EXPECT_EQ(listing.find("D"), nullptr); // builds the index
    listing.add("D", 9);
    ASSERT_NE(listing.find("D"), nullptr);
    EXPECT_EQ(*listing.find("D"), 9u);
    EXPECT_EQ(*listing.find("B"), 101u);
}

} // namespace
} // namespace dirforge::testing
