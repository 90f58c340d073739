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

TEST(ParseColumnChoiceTest, PatternsAndTheirRefusals) {
    ColumnChoice choice;
    std::string message;
    ASSERT_TRUE(ParseColumnChoice(" 3 ", choice, message)) << message;
    EXPECT_EQ(choice.mode, ReadingMode::OneColumn);
    EXPECT_EQ(choice.column, 3);
    ASSERT_TRUE(ParseColumnChoice("{{{2}}}-{1}", choice, message)) << message;
    EXPECT_EQ(choice.mode, ReadingMode::ColumnPattern);
    EXPECT_EQ(choice.pattern.Build({"a", "b"}), std::optional<std::string>("{b}-a"));
    EXPECT_EQ(choice.pattern.Build({"a"}), std::nullopt) << "a row without column 2";

    const struct {
        const char* text;
        const char* messageStart;
    } refused[] = {
        {"{0}", "The column pattern \"{0}\" names column 0; columns are counted from {1} !"},
        {"{x", "The column pattern \"{x\" has a { without its closing } !"},
        {"{x} {2}", "The column pattern \"{x} {2}\" has {x} where a column number such as {1}"},
        {"{-1}", "The column pattern \"{-1}\" has {-1} where a column number"},
        {"Name {{1}}", "The column pattern \"Name {{1}}\" names no column such as {1} !"},
        {"{1} }", "The column pattern \"{1} }\" has a } without its {"},
        {"Name Town", "The column number \"Name Town\" is not a valid number !"},
    };
    for (const auto& c : refused) {
        choice = ColumnChoice{};
        EXPECT_FALSE(ParseColumnChoice(c.text, choice, message)) << c.text;
        EXPECT_EQ(message.rfind(c.messageStart, 0), 0u) << message;
        EXPECT_NE(message.find("pattern of columns such as {1} {2} ({3})"), std::string::npos)
            << message;
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
