// Reading whole files into values: modes, line handling, quotation marks and bad files.

#include "lists/ImportClass.h"
#include "ListFiles.h"
#include "lists/SourceFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dirforge::lists {
namespace {

using Values = std::vector<std::string>;

class ImportClassTest : public ListFiles {
protected:
    Values read(const std::string& content, ReadingMode mode, const std::string& delimiter,
                bool abandon, int column = 1) {
        const std::string path = put("in.txt", content);
        ImportClass reader(fileSystem(), path, mode, delimiter, "\"", abandon);
        reader.SetColumn(column);
        EXPECT_TRUE(reader.Read());
        EXPECT_EQ(reader.errorState(), ImportNoError);
        return reader.Results();
    }
};

TEST_F(ImportClassTest, PlainModeWithAbandon) {
    const std::string content = "\"Alpha\"\n'Beta'\n\"It's\"\n\"\"\n\"abc\n  plain  \n\n \t \n";
    EXPECT_EQ(read(content, ReadingMode::PlainText, ",", true),
              (Values{"Alpha", "Beta", "It's", "\"\"", "ab", "plain"}));
    EXPECT_EQ(read(content, ReadingMode::PlainText, ",", false),
              (Values{"\"Alpha\"", "'Beta'", "\"It's\"", "\"\"", "\"abc", "plain"}));
}

TEST_F(ImportClassTest, AllColumns) {
    EXPECT_EQ(read("a,,b, c ,\n\"x,y\",z\n", ReadingMode::AllColumns, ",", true),
              (Values{"a", "b", "c", "\"x", "y\"", "z"}));
    EXPECT_EQ(read("a,\t,b\n", ReadingMode::AllColumns, ",", true), (Values{"a", "", "b"}))
        << "a piece that trims to nothing is still a value";
}

TEST_F(ImportClassTest, SpaceDelimiterRequotesLinesWithMarks) {
    const std::string content = "\"New York\" Boston Chicago\nO'Brien Smith\n\"\"\n";
    EXPECT_EQ(read(content, ReadingMode::AllColumns, "space", true),
              (Values{"New York", "Boston", "Chicago", "O'Brien", "Smith", "\"\""}));
    EXPECT_EQ(read(content, ReadingMode::AllColumns, "space", false),
              (Values{"\"New York\"", "\"Boston\"", "\"Chicago\"", "O'Brien", "Smith", "\"\""}));
    EXPECT_EQ(read("'a b' c\n", ReadingMode::AllColumns, "space", false), (Values{"'a b'", "'c'"}));
}

TEST_F(ImportClassTest, OneColumnCountsOnlyNonEmptyPieces) {
    EXPECT_EQ(read("a,,c\na\nx,y,z\n", ReadingMode::OneColumn, ",", true, 2), (Values{"c", "y"}));
    EXPECT_EQ(read("a,b\n", ReadingMode::OneColumn, ",", true, 101), Values{});
    EXPECT_EQ(read("a,b\n", ReadingMode::OneColumn, ",", true, 0), Values{})
        << "column 0 selects nothing";
    EXPECT_EQ(read("\"New York\" Boston\n", ReadingMode::OneColumn, "space", false, 1),
              Values{"\"New York\""});
}

TEST_F(ImportClassTest, DelimiterChoices) {
    EXPECT_EQ(read("a;b,c d\n", ReadingMode::AllColumns, ";,", true), (Values{"a", "b", "c d"}));
    EXPECT_EQ(read("a;b,c d\n", ReadingMode::AllColumns, "", true), (Values{"a;b,c d"}));
    EXPECT_EQ(read("a;b,c d\n", ReadingMode::AllColumns, "space", true), (Values{"a;b,c", "d"}));
}

// A pattern reads rows as a spreadsheet writes them: quoted columns keep the delimiter, empty
// columns keep their places, and a row missing a named column is left out and counted.
TEST_F(ImportClassTest, ColumnPatternBuildsOneEntryPerRow) {
    const struct {
        const char* content;
        const char* delimiter;
        bool abandon;
        Values entries;
        std::size_t leftOut;
    } cases[] = {
        {"1001,\"Abbott, Ltd\",Leeds\n1002 , \"Say \"\"Hi\"\"\" , \"York\"\n",
         ",",
         true,
         {"1001 Abbott, Ltd (Leeds)", "1002 Say \"Hi\" (York)"},
         0},
        {"1003,,Hull\n1004,Zed\n1005,\"\",Bath\n1006,Ok,Rye,extra\n",
         ",",
         true,
         {"1006 Ok (Rye)"},
         3},
        {"1007,\"Abbott, Ltd\",Leeds\n", ",", false, {"1007 \"Abbott, Ltd\" (Leeds)"}, 0},
        {"1008  \"New York\"   Bath\n", "space", true, {"1008 New York (Bath)"}, 0},
        {"1009;a,b;c\n", ";", true, {"1009 a,b (c)"}, 0},
        {"1010,\"unclosed, rest\n", ",", true, {}, 1},
    };
    for (const auto& c : cases) {
        const std::string path = put("rows.csv", c.content);
        ImportClass reader(fileSystem(), path, ReadingMode::ColumnPattern, c.delimiter, "",
                           c.abandon);
        ColumnPattern pattern;
        std::string why;
        ASSERT_TRUE(ColumnPattern::Parse("{1} {2} ({3})", pattern, why)) << why;
        reader.SetPattern(pattern);
        ASSERT_TRUE(reader.Read());
        EXPECT_EQ(reader.Results(), c.entries) << c.content;
        EXPECT_EQ(reader.leftOutRows(), c.leftOut) << c.content;
    }
}

TEST_F(ImportClassTest, LineEndsAndByteOrderMark) {
    EXPECT_EQ(read("\xEF\xBB\xBF"
                   "Alpha\r\nBeta\r\n",
                   ReadingMode::PlainText, ",", true),
              (Values{"Alpha", "Beta"}));
    EXPECT_EQ(read("\xEF\xBB\xBF"
                   "a,b\r\n",
                   ReadingMode::OneColumn, ",", true, 2),
              Values{"b"})
        << "neither the mark nor the CR sticks to a value";
}

TEST_F(ImportClassTest, DuplicatesAndBlanksAreKeptInFileOrder) {
    EXPECT_EQ(read("b\nA\na\nb\n", ReadingMode::PlainText, ",", false),
              (Values{"b", "A", "a", "b"}));
}

TEST_F(ImportClassTest, FilesThatCannotBeRead) {
    ImportClass missing(fileSystem(), root() + "\\missing.txt", ReadingMode::PlainText, ",", "",
                        true);
    EXPECT_FALSE(missing.Read());
    EXPECT_EQ(missing.errorState(), ImportCannotOpen);
    EXPECT_TRUE(missing.Results().empty());

    ImportClass binary(fileSystem(), put("bin.dat", std::string("ab\0cd\nef\n", 9)),
                       ReadingMode::PlainText, ",", "", true);
    EXPECT_FALSE(binary.Read());
    EXPECT_EQ(binary.errorState(), ImportNotText);
    EXPECT_TRUE(binary.Results().empty());
}

TEST_F(ImportClassTest, HugeLineIsReadWhole) {
    const std::string line(1 << 20, 'x');
    const auto values = read(line + "\n", ReadingMode::AllColumns, "space", true);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].size(), line.size());
}

TEST_F(ImportClassTest, SourceFileShowsNonBlankLinesCut) {
    const std::string longLine(3000, 'y');
    const std::string path = put("src.txt", "\xEF\xBB\xBF  one \r\n\r\n\t\n" + longLine + "\ntwo");
    std::size_t progress = 0;
    const auto source = ReadSourceFile(fileSystem(), path, [&](std::size_t n) { progress = n; });
    ASSERT_EQ(source.error, SourceReadError::None);
    ASSERT_EQ(source.lines.size(), 3u);
    EXPECT_EQ(source.lines[0], "  one ") << "source lines are shown untrimmed";
    EXPECT_EQ(source.lines[1], longLine.substr(0, SourceLineShownChars));
    EXPECT_EQ(source.lines[2], "two");
    EXPECT_EQ(progress, 3u);

    EXPECT_TRUE(ReadSourceFile(fileSystem(), put("blank.txt", "\n  \r\n\t\n")).lines.empty());
    EXPECT_EQ(ReadSourceFile(fileSystem(), root() + "\\none.txt").error,
              SourceReadError::CannotOpen);
    EXPECT_EQ(ReadSourceFile(fileSystem(), put("b.dat", std::string("\0", 1))).error,
              SourceReadError::NotText);
}

} // namespace
} // namespace dirforge::lists
