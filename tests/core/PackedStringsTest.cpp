#include "core/PackedStrings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace dirforge::core;
using List = std::vector<std::string>;

namespace {

PackedStrings packed(const List& texts) {
    PackedStrings list;
    for (const std::string& text : texts)
        list.push_back(text);
    return list;
}

/// Every way of reading the list gives texts, in order.
void expectHolds(const PackedStrings& list, const List& texts, const std::string& label) {
    ASSERT_EQ(list.size(), texts.size()) << label;
    EXPECT_EQ(list.empty(), texts.empty()) << label;
    for (std::size_t i = 0; i < texts.size(); ++i)
        ASSERT_EQ(list[i], texts[i]) << label << " at " << i;
    List walked;
    for (const std::string_view text : list)
        walked.emplace_back(text);
    EXPECT_EQ(walked, texts) << label;
    EXPECT_EQ(list.strings(), texts) << label;
    EXPECT_TRUE(list == texts) << label;
    if (!texts.empty()) {
        EXPECT_EQ(list.back(), texts.back()) << label;
    }
}

/// count texts of lengths cycling through 0 .. 40, each telling its place.
List numbered(std::size_t count) {
    List texts;
    for (std::size_t i = 0; i < count; ++i) {
        std::string text = "f:\\Dest\\N" + std::to_string(i);
        text.resize(i % 41, '-');
        texts.push_back(text);
    }
    return texts;
}

} // namespace

TEST(PackedStrings, HoldsExactlyWhatWasAdded) {
    const std::size_t block = 64 * 1024;
    const struct {
        const char* label;
        List texts;
    } cases[] = {
        {"nothing", {}},
        {"one empty text", {""}},
        {"empty texts around others", {"", "a", "", "", "bc", ""}},
        {"bytes of any kind", {std::string("a\0b", 3), "\xff\xfe", "f:\\Clients\\\xC3\x84"}},
        {"a block filled exactly, then more", {std::string(block - 3, 'x'), "abc", "d", ""}},
        {"one byte past a block's end", {std::string(block - 2, 'x'), "abc", "e"}},
        {"a text larger than a block between small ones",
         {"a", std::string(3 * block + 7, 'y'), "", "b", std::string(block, 'z'), "c"}},
        {"more texts than one chunk of the index, over many blocks", numbered(20000)},
    };
    for (const auto& c : cases)
        expectHolds(packed(c.texts), c.texts, c.label);
}

TEST(PackedStrings, ListsEqualByTextsNotByHowTheyArePacked) {
    const PackedStrings ab = packed({"ab", "c"});
    const struct {
        const char* label;
        PackedStrings other;
        bool equal;
    } cases[] = {
        {"the same texts", packed({"ab", "c"}), true},
        {"the same bytes cut elsewhere", packed({"a", "bc"}), false},
        {"one text more", packed({"ab", "c", ""}), false},
        {"one text fewer", packed({"ab"}), false},
        {"another order", packed({"c", "ab"}), false},
        {"nothing", PackedStrings{}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ab == c.other, c.equal) << c.label;
        EXPECT_EQ(c.other == ab, c.equal) << c.label;
    }
    // A copy is packed more tightly than the list it was made from, and grows on its own.
    PackedStrings big = packed(numbered(100));
    PackedStrings copy = big;
    EXPECT_TRUE(copy == big);
    copy.push_back("copy");
    big.push_back("original");
    List expected = numbered(100);
    expected.push_back("copy");
    expectHolds(copy, expected, "the copy");
    expected.back() = "original";
    expectHolds(big, expected, "the original");
    EXPECT_FALSE(copy == big);
}

TEST(PackedStrings, ClearEmptiesForReuse) {
    PackedStrings list = packed(numbered(9000));
    list.clear();
    expectHolds(list, {}, "cleared");
    list.push_back("again");
    list.push_back("");
    expectHolds(list, {"again", ""}, "filled again");
    expectHolds(PackedStrings{"x", "", "yz"}, {"x", "", "yz"}, "from a brace list");
}
