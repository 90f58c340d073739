#include "core/TextRules.h"

#include <gtest/gtest.h>

using namespace dirforge::core;

TEST(TextRules, CollapsesRunsOfSeparatorsAndColons) {
    EXPECT_EQ(CollapseBackslashes("f:\\\\\\a"), "f:\\a");
    EXPECT_EQ(CollapseBackslashes("\\\\server\\share"), "\\server\\share");
    EXPECT_EQ(CollapseForwardSlashes("a////b"), "a/b");
    EXPECT_EQ(CollapseColons("f:::\\a"), "f:\\a");
    EXPECT_EQ(NormalizeTarget("f:://a//b\\\\c"), "f:\\a\\b\\c");
}

TEST(TextRules, TrimsBlanksOnlyOrAllControlCharacters) {
    EXPECT_EQ(TrimSpaces("  a b \t "), "a b \t");
    EXPECT_EQ(TrimSpaces("    "), "");
    EXPECT_EQ(Trim("\t\r\n a b \x01"), "a b");
    EXPECT_EQ(Trim(""), "");
}

TEST(TextRules, FileExtensionLooksOnlyAtTheLastElement) {
    EXPECT_EQ(FileExtension("f:\\a.b\\c"), "noext");
    EXPECT_EQ(FileExtension("f:/a/c.txt"), "txt");
    EXPECT_EQ(FileExtension("f:\\a\\c."), "");
}

TEST(TextRules, SplitAtColonKeepsTheColonWithTheDrive) {
    std::string drive, rest;
    EXPECT_TRUE(SplitAtColon("f:\\a:b", drive, rest));
    EXPECT_EQ(drive, "f:");
    EXPECT_EQ(rest, "\\a:b");
    EXPECT_FALSE(SplitAtColon("\\a", drive, rest));
    EXPECT_EQ(drive, "");
    EXPECT_EQ(rest, "\\a");
}

#include "core/PathSafety.h"

TEST(PathSafety, OnlyAWholeDotDotElementClimbs) {
    EXPECT_TRUE(HasParentElement(".."));
    EXPECT_TRUE(HasParentElement("a\\..\\b"));
    EXPECT_TRUE(HasParentElement("f:\\x/.."));
    EXPECT_FALSE(HasParentElement("..dotsdir"));
    EXPECT_FALSE(HasParentElement("a..b\\c"));
    EXPECT_FALSE(HasParentElement("f:\\x\\.\\y"));
}
