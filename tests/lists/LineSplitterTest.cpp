// Line splitting and the quotation-mark rules of separated files.

#include "lists/LineSplitter.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

namespace dirforge::lists {
namespace {

using Values = std::vector<std::string>;

// "an empty value" gives "AnEmptyValue": a case's description as its test name.
template <typename Case> std::string NameOf(const ::testing::TestParamInfo<Case>& info) {
    std::string name;
    bool capital = true;
    for (const char* c = info.param.what; *c != '\0'; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c)) == 0) {
            capital = true;
            continue;
        }
        name += capital ? static_cast<char>(std::toupper(static_cast<unsigned char>(*c))) : *c;
        capital = false;
    }
    return name;
}

struct SplitCase {
    const char* what;
    std::string line;
    std::string delimiter;
    Values values;
    QuoteSplit splitAt;
};

// GoogleTest shows the case by its description, in its messages and in the test names ctest lists.
void PrintTo(const SplitCase& c, std::ostream* out) {
    *out << c.what;
}

class SplitLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLineTest, GivesValuesInOrder) {
    const auto& c = GetParam();
    const auto result = SplitLine(c.line, c.delimiter);
    EXPECT_EQ(result.values, c.values) << c.what;
    EXPECT_EQ(result.splitAt, c.splitAt) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitLineTest,
    ::testing::Values(
        SplitCase{
            "empty pieces are dropped", "a,,b, c ,", ",", {"a", "b", " c "}, QuoteSplit::None},
        SplitCase{"a comma inside marks still cuts",
                  "\"x,y\",z",
                  ",",
                  {"\"x", "y\"", "z"},
                  QuoteSplit::None},
        SplitCase{"every character of the delimiter cuts",
                  "a;b,c;;d",
                  ";,",
                  {"a", "b", "c", "d"},
                  QuoteSplit::None},
        SplitCase{"an empty delimiter keeps the line whole",
                  "a, b; c",
                  "",
                  {"a, b; c"},
                  QuoteSplit::None},
        SplitCase{"quoted stretch is one value",
                  "\"New York\" Boston  Chicago",
                  " ",
                  {"New York", "Boston", "Chicago"},
                  QuoteSplit::DoubleMarks},
        SplitCase{"blanks inside marks are trimmed",
                  "\"  A B  \" c",
                  " ",
                  {"A B", "c"},
                  QuoteSplit::DoubleMarks},
        SplitCase{"a lone single mark is ordinary",
                  "O'Brien Smith",
                  " ",
                  {"O'Brien", "Smith"},
                  QuoteSplit::None},
        SplitCase{"a lone double mark is ordinary", "a\"b c", " ", {"a\"b", "c"}, QuoteSplit::None},
        SplitCase{"single marks split when no double pair",
                  "'New York' Boston",
                  " ",
                  {"New York", "Boston"},
                  QuoteSplit::SingleMarks},
        SplitCase{"double marks win over single",
                  "\"it's\" 'x'",
                  " ",
                  {"it's", "'x'"},
                  QuoteSplit::DoubleMarks},
        SplitCase{"an empty quoted value stays", "\"\"", " ", {""}, QuoteSplit::DoubleMarks},
        SplitCase{"an unclosed last mark quotes the rest",
                  "a \"b\" \"c d",
                  " ",
                  {"a", "b", "c d"},
                  QuoteSplit::DoubleMarks},
        SplitCase{"text glued to marks is cut apart",
                  "x\"y z\"w",
                  " ",
                  {"x", "y z", "w"},
                  QuoteSplit::DoubleMarks},
        SplitCase{"tabs do not cut at the space delimiter",
                  "a\tb c",
                  " ",
                  {"a\tb", "c"},
                  QuoteSplit::None}),
    NameOf<SplitCase>);

struct QuoteCase {
    const char* what;
    std::string value;
    char mark;
    std::string dequoted;
};

// GoogleTest shows the case by its description, in its messages and in the test names ctest lists.
void PrintTo(const QuoteCase& c, std::ostream* out) {
    *out << c.what;
}

class DequoteTest : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(DequoteTest, TakesTheQuotedText) {
    const auto& c = GetParam();
    EXPECT_EQ(Dequote(c.value, c.mark), c.dequoted) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DequoteTest,
    ::testing::Values(QuoteCase{"plain quoted", "\"Alpha\"", '"', "Alpha"},
                      QuoteCase{"not beginning with the mark", "Alpha\"", '"', "Alpha\""},
                      QuoteCase{"doubled mark is one mark", "'It''s'", '\'', "It's"},
                      QuoteCase{"text after the closing mark is dropped", "\"ab\"cd", '"', "ab"},
                      QuoteCase{"unclosed loses its last character", "\"abc", '"', "ab"},
                      QuoteCase{"empty outcome keeps the value", "\"\"", '"', "\"\""},
                      QuoteCase{"a lone mark stays", "\"", '"', "\""},
                      QuoteCase{"unclosed of one character stays", "\"a", '"', "\"a"},
                      QuoteCase{"empty value", "", '"', ""}),
    NameOf<QuoteCase>);

TEST(RequoteTest, DoublesInnerMarksAndRoundTrips) {
    EXPECT_EQ(Requote("It's", '\''), "'It''s'");
    EXPECT_EQ(Requote("", '"'), "\"\"");
    for (const std::string value : {"a\"b", "\"x\"", "plain", "''"})
        EXPECT_EQ(Dequote(Requote(value, '"'), '"'), value) << value;
}

TEST(SplitLineTest, LongLineIsSplitInOnePass) {
    // A 1 MB line of 200 000 short values: guards against per-value rescans of the line.
    std::string line;
    for (int i = 0; i < 200000; ++i)
        line += "abcd ";
    const auto result = SplitLine(line, " ");
    ASSERT_EQ(result.values.size(), 200000u);
    EXPECT_EQ(result.values.back(), "abcd");
}

} // namespace
} // namespace dirforge::lists
