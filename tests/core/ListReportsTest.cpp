#include "core/ListReports.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace dirforge::core;
using List = std::vector<std::string>;

namespace {
const std::string SyntaxHeader =
    "Error Type: There are Syntax errors in the Folder Names ( / \" * | < > ?)  (total: ";
}

TEST(ListReports, SectionSpellsOutThreeAndCountsTheRest) {
    std::string message = "before|";
    EXPECT_TRUE(ReportSyntaxErrors(message, {"f:\\a?", "ok", "f://b*", "c|", "d<", "e>"}));
    EXPECT_EQ(message, "before|" + SyntaxHeader +
                           "5) \n"
                           "Syntax Error:  ?    f:\\a?\n"
                           "Syntax Error:  *    f:\\b*\n"
                           "Syntax Error:  |    c|\n"
                           "\n2  more left\n\n");

    message.clear();
    EXPECT_TRUE(ReportSyntaxErrors(message, {"a?", "b?", "c?"}));
    EXPECT_EQ(
        message,
        SyntaxHeader +
            "3) \nSyntax Error:  ?    a?\nSyntax Error:  ?    b?\nSyntax Error:  ?    c?\n\n");

    message = "kept";
    EXPECT_FALSE(ReportSyntaxErrors(message, {"f:\\a", "\\b"}));
    EXPECT_EQ(message, "kept");
}

TEST(ListReports, BadCharsKeepRepeatsInOrder) {
    const auto bad = CollectBadChars({"a*b?c*", "fine"});
    ASSERT_EQ(bad.size(), 1u);
    EXPECT_EQ(bad[0].Folder, "a*b?c*");
    EXPECT_EQ(bad[0].BadChars, " * ? *");
}

TEST(ListReports, ColonSectionsForNoneAndMoreThanOne) {
    std::string message;
    EXPECT_TRUE(ReportColons(0, message, {"\\a", "f:\\a", "x::y"}));
    EXPECT_EQ(message, "There are Colons in the Folder Names ( 2) \n"
                       "No. of Colons: 1   f:\\a\nNo. of Colons: 2   x::y\n\n");
    message.clear();
    EXPECT_TRUE(ReportColons(1, message, {"f:\\a", "f:\\a:b", "g:\\1:2:3", "h:\\:", "i:\\::"}));
    EXPECT_EQ(message,
              "There are more than one Colons in the Folder Names (total: 4) \n"
              "No. of Colons: 2   f:\\a:b\nNo. of Colons: 3   g:\\1:2:3\nNo. of Colons: 2   h:\\:\n"
              "\n1  more left\n\n");
    EXPECT_FALSE(ReportColons(1, message = "", {"f:\\a"}));
}

TEST(ListReports, MissingBackslashAfterNormalizing) {
    std::string message;
    EXPECT_TRUE(ReportMissingBackslash(message, {"/a", "\\\\b", "c\\d"}));
    EXPECT_EQ(
        message,
        "Error Type: There are paths not beginning with \\ (backslash) (total: 1) \nc\\d\n\n");
}

TEST(ListReports, RelativeListDriveSectionReplacesTheMessage) {
    std::string message = "stale text";
    const List list = {"f:\\a", "\\ok", "g:\\b", "h:\\c", "i:\\d"};
    EXPECT_TRUE(ValidateRelativePathList(message, list));
    EXPECT_EQ(message,
              "You can only enter relative paths without drive letters.\n"
              "Error Type: There are drive letters in paths (4 )\n"
              "f:\\a\ng:\\b\nh:\\c\n"
              "\n1  more left"
              "\n\n"
              "There are Colons in the Folder Names ( 4) \n"
              "No. of Colons: 1   f:\\a\nNo. of Colons: 1   g:\\b\nNo. of Colons: 1   h:\\c\n"
              "\n1  more left\n\n"
              "Error Type: There are paths not beginning with \\ (backslash) (total: 4) \n"
              "f:\\a\ng:\\b\nh:\\c\n"
              "\n1  more left\n\n");
}

TEST(ListReports, RelativeListAcceptsCleanPathsAndEmptyList) {
    std::string message = "as it was";
    EXPECT_FALSE(ValidateRelativePathList(message, {}));
    EXPECT_FALSE(ValidateRelativePathList(message, {"\\project\\a", "/b/c.txt", "\\x\\y"}));
    EXPECT_EQ(message, "as it was");
    EXPECT_TRUE(ValidateRelativePathList(message, {"\\a?"}));
    EXPECT_EQ(message, "as it was" + SyntaxHeader + "1) \nSyntax Error:  ?    \\a?\n\n");
}

TEST(ListReports, DriveSectionSeparatorDependsOnTheOtherGroups) {
    // Only one entry, with an extension and no illegal character: no blank line follows.
    std::string message;
    EXPECT_TRUE(ValidateRelativePathList(message, {"f:\\a.txt"}));
    EXPECT_NE(message.find("(1 )\nf:\\a.txt\nThere are Colons in the Folder Names ( 1) \n"),
              std::string::npos);

    message.clear();
    EXPECT_TRUE(ValidateFullPathList(message, {"\\a", "f:\\b.txt"}));
    EXPECT_EQ(message, "You can only enter full paths with drive letters.\n"
                       "Error Type: There are no drive letters in paths (1 )\n\\a\n\n\n");
}

TEST(ListReports, FullPathListAllowsOneColonAndNeedsNoBackslash) {
    std::string message = "kept";
    EXPECT_FALSE(ValidateFullPathList(message, {"f:\\a", " g:\\b ", "h:/c/d.txt"}));
    EXPECT_EQ(message, "kept");
    EXPECT_TRUE(ValidateFullPathList(message, {"f:\\a:b"}));
    EXPECT_EQ(message, "kept"
                       "There are more than one Colons in the Folder Names (total: 1) \nNo. of "
                       "Colons: 2   f:\\a:b\n\n");
    message.clear();
    EXPECT_TRUE(ValidateFullPathList(message, {"a", "b", "c", "d", "e"}));
    EXPECT_EQ(message,
              "You can only enter full paths with drive letters.\n"
              "Error Type: There are no drive letters in paths (5 )\na\nb\nc\n\n2  more left");
}
