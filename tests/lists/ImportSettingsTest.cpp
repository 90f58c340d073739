// The column field and the default delimiter sets.

#include "lists/ImportSettings.h"

#include <gtest/gtest.h>

#include <climits>

namespace dirforge::lists {
namespace {

TEST(ParseColumnFieldTest, AcceptsDecimalNumbersTruncated) {
    const struct {
        const char* text;
        int column;
    } cases[] = {{"1", 1},     {" 2 ", 2}, {"2.9", 2},
                 {"101", 101}, {"+3", 3},  {"99999999999", INT_MAX}};
    for (const auto& c : cases) {
        int column = -7;
        std::string message;
        EXPECT_TRUE(ParseColumnField(c.text, column, message)) << c.text;
        EXPECT_EQ(column, c.column) << c.text;
        EXPECT_TRUE(message.empty()) << c.text;
    }
}

TEST(ParseColumnFieldTest, RefusesTextAndColumnsBelowOne) {
    const struct {
        const char* text;
        const char* messageStart;
    } cases[] = {{"", "The column number \"\" is not a valid number !"},
                 {"abc", "The column number \"abc\" is not a valid number !"},
                 {"2x", "The column number \"2x\" is not a valid number !"},
                 {"nan", "The column number \"nan\" is not a valid number !"},
                 {"0", "The column number must be 1 or more !"},
                 {"0.5", "The column number must be 1 or more !"},
                 {"-3", "The column number must be 1 or more !"}};
    for (const auto& c : cases) {
        int column = 5;
        std::string message;
        EXPECT_FALSE(ParseColumnField(c.text, column, message)) << c.text;
        EXPECT_EQ(column, 5) << c.text;
        EXPECT_EQ(message.rfind(c.messageStart, 0), 0u) << message;
    }
}

TEST(DefaultDelimitersTest, BothSetsHoldTheSameSeventeenEntries) {
    auto import = ImportDefaultDelimiters();
    auto exported = ExportDefaultDelimiters();
    ASSERT_EQ(import.size(), 17u);
    EXPECT_EQ(import.front(), ",");
    EXPECT_EQ(exported[1], "space");
    std::sort(import.begin(), import.end());
    std::sort(exported.begin(), exported.end());
    EXPECT_EQ(import, exported);
}

} // namespace
} // namespace dirforge::lists
