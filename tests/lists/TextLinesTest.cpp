// Cutting file content into lines.

#include "lists/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dirforge::lists {
namespace {

std::vector<std::string> linesOf(std::string_view content) {
    std::vector<std::string> lines;
    ForEachTextLine(content, [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    return lines;
}

TEST(TextLinesTest, LineEndsAndByteOrderMark) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(linesOf(""), Lines{});
    EXPECT_EQ(linesOf("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(linesOf("a\nb"), (Lines{"a", "b"})) << "a last line without a line feed counts";
    EXPECT_EQ(linesOf("a\r\r\nb\rc"), (Lines{"a", "", "b", "c"})) << "a lone CR ends a line too";
    EXPECT_EQ(linesOf("Mac1\rMac2\r"), (Lines{"Mac1", "Mac2"}));
    EXPECT_EQ(linesOf("\xEF\xBB\xBFname\n"), Lines{"name"});
    EXPECT_EQ(linesOf("a\n\xEF\xBB\xBF\xEF\xBB\xBF"
                      "b"),
              (Lines{"a", "b"}))
        << "marks at a line's start";
    EXPECT_EQ(linesOf("x\xEF\xBB\xBF\n"), Lines{"x\xEF\xBB\xBF"}) << "a mark later on is content";
    EXPECT_EQ(linesOf("\n\n"), (Lines{"", ""}));
}

TEST(TextLinesTest, BinaryContentIsRecognised) {
    EXPECT_TRUE(HoldsBinaryContent(std::string("ab\0cd", 5)));
    EXPECT_FALSE(HoldsBinaryContent("abc\x01\xff"));
}

} // namespace
} // namespace dirforge::lists
