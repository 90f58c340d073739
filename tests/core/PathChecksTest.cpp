#include "core/PathChecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace dirforge::core;

TEST(PathChecks, IllegalCharsFollowTheChosenSet) {
    using enum IllegalCharSet;
    struct Case {
        IllegalCharSet set;
        const char* text;
        const char* found;
    };
    const Case cases[] = {
        {FolderName, "a/b", " /"},      {FolderName, "a\\b:c", " \\ :"},
        {RelativePath, "\\a\\b/c", ""}, {RelativePath, "a!b", " !"},
        {FullPath, "f:\\a\\b", ""},     {FullPath, "f:\\a?b<c", " ? <"},
        {FullPath, "a*b?c*", " * ? *"}, {FullPath, "[x];!", ""},
        {RelativePath, "[x]", " [ ]"},
    };
    for (const auto& c : cases) {
        std::string found = "stale";
        EXPECT_EQ(CheckIllegalChars(c.set, c.text, found), *c.found == '\0') << c.text;
        EXPECT_EQ(found, c.found) << static_cast<int>(c.set) << " " << c.text;
    }
}

TEST(PathChecks, DrivePartOfLetterAndNetworkPaths) {
    struct Case {
        const char* path;
        const char* drive;
    };
    const Case cases[] = {
        {"f:\\a", "f:"},
        {"f:", "f:"},
        {"1:x", "1:"},
        {"\\a", ""},
        {"a", ""},
        {"", ""},
        {"\\\\server\\share\\dir", "\\\\server\\share"},
        {"\\\\server\\share", "\\\\server\\share"},
        {"\\\\server", "\\\\server"},
        {" f:\\a", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DrivePart(c.path), c.drive) << c.path;
    EXPECT_TRUE(HasDrivePart(" f:\\a"));
}

TEST(PathChecks, CheckIncludeTextRefusesEmptyAndIllegalAndNormalizes) {
    std::string normalized;
    std::string message;
    EXPECT_FALSE(CheckIncludeText("", normalized, message));
    EXPECT_EQ(message, "The text field is empty !\nAction : You must enter a text to add to the "
                       "Include Folder List.");
    EXPECT_FALSE(CheckIncludeText("f:\\a|b", normalized, message));
    EXPECT_EQ(message, "Illegal characters in the text :  |");
    EXPECT_FALSE(CheckIncludeText("f:/a", normalized, message))
        << "a slash is illegal in a full path";
    message = "kept";
    EXPECT_TRUE(CheckIncludeText("f:::\\\\a\\\\b", normalized, message));
    EXPECT_EQ(normalized, "f:\\a\\b");
    EXPECT_EQ(message, "kept");
}

TEST(PathChecks, CheckFolderPathMessages) {
    struct Case {
        const char* path;
        bool ok;
        const char* message;
    };
    const Case cases[] = {
        {"f:\\", false, "There is no Folder part (just root)."},
        {"f:", false, "There is no Folder part (just root)."},
        {"  f: \\  ", false, "There is no Folder part (just root)."},
        {"\\a", false, "This item is not a valid Folder Name (No drive letter) !"},
        {"q:\\a", true, ""},
        {"\t f:\\a \n", true, ""},
        {"f:\\a?b", false, "Illegal characters in the folder name :  ?"},
    };
    for (const auto& c : cases) {
        std::string message;
        EXPECT_EQ(CheckFolderPath(c.path, message), c.ok) << c.path;
        EXPECT_EQ(message, c.message) << c.path;
    }
}

TEST(PathChecks, AnalyzeColonsFirstFailingColonDecides) {
    struct Case {
        const char* text;
        bool ok;
        std::string message;
    };
    const Case cases[] = {
        {"f:\\a:b", true, "There is(are) a drive letter(s) before colon(s) (:)."},
        {"f:\\1:b", false, "There is(are) no drive letter(s) before colon(s) (:) : 1"},
        {":f\\a", false, "The colon (:) is the first character in the text."},
        {"f:\\a:", false, "The colon (:) is the last character in the text."},
        {"f\\a", false, "Not found any colon (:) in the text !!!!"},
        {"f: \\ :a g:\\b", false, "There is(are) no drive letter(s) before colon(s) (:) :  "},
    };
    for (const auto& c : cases) {
        std::string message;
        EXPECT_EQ(AnalyzeColons(c.text, message), c.ok) << c.text;
        EXPECT_EQ(message, c.message) << c.text;
    }
}

TEST(PathChecks, ValidateFullPathLengthLimitAndStages) {
    const std::string base = "f:\\";
    const std::string at254 = base + std::string(254 - base.size(), 'a');
    const std::string at255 = base + std::string(255 - base.size(), 'a');
    std::string passed;
    std::string failed;
    EXPECT_TRUE(ValidateFullPath(at254, passed, failed));
    EXPECT_EQ(passed, at254);
    EXPECT_EQ(failed, "");
    EXPECT_FALSE(ValidateFullPath(at255, passed, failed));
    EXPECT_EQ(failed, at255);
    EXPECT_EQ(passed, "");
    // 250 two-byte letters are 250 characters, not 500.
    std::string wide = base;
    for (int i = 0; i < 250; ++i)
        wide += "\xC3\xA4";
    EXPECT_TRUE(ValidateFullPath(wide, passed, failed));

    EXPECT_TRUE(ValidateFullPath("f:://a//b", passed, failed));
    EXPECT_EQ(passed, "f:\\a\\b");
    EXPECT_FALSE(ValidateFullPath("\\a\\b", passed, failed));
    EXPECT_EQ(failed, "\\a\\b");
    EXPECT_FALSE(ValidateFullPath("f:\\", passed, failed));
    EXPECT_FALSE(ValidateFullPath("f:\\a?", passed, failed));
}

TEST(PathChecks, SplitFullPathsAtEachDriveLetter) {
    using Pieces = std::vector<std::string>;
    struct Case {
        const char* text;
        Pieces pieces;
    };
    const Case cases[] = {
        {"f:\\My Folder g:\\B", {"f:\\My Folder ", "g:\\B"}},
        {"f:/a/b", {"f:\\a\\b"}},
        {"f:\\a", {"f:\\a"}},
        {"junk f:\\a", {"f:\\a"}},
        {"a: b", {}},
        {"f:", {}},
        {"", {}},
        {"f:\\a g:\\b h:\\c", {"f:\\a ", "g:\\b ", "h:\\c"}},
        {"f:\\a g:", {"f:\\a g:"}},
        {"1:\\x", {":\\x"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitFullPaths(c.text), c.pieces) << c.text;
}

TEST(PathChecks, AddFullPathsFromTextReplacesOrLeavesTheList) {
    std::vector<std::string> list = {"old"};
    std::string message;
    EXPECT_TRUE(AddFullPathsFromText(list, "f:\\\\A g:\\\\\\B", message));
    EXPECT_EQ(list, (std::vector<std::string>{"f:\\A ", "g:\\B"}));

    list = {"old"};
    EXPECT_FALSE(AddFullPathsFromText(list, "f:\\a*", message));
    EXPECT_EQ(message, "Illegal characters in the text :  *");
    EXPECT_EQ(list, std::vector<std::string>{"old"});

    // A text without any full path is refused instead of adding nothing in silence.
    EXPECT_FALSE(AddFullPathsFromText(list, "a: b", message));
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(list, std::vector<std::string>{"old"});
}

TEST(PathChecks, CheckSameSourceIgnoresCaseButNotTrailingBackslash) {
    std::string message;
    EXPECT_FALSE(CheckSameSource("F:\\A", "f:\\\\a", message));
    EXPECT_EQ(message,
              "The ATTACH/COPY/MOVE operation is NOT PERFORMED !!!\nThe Destination Folder is the "
              "same as the "
              "source Folder !!! \nDestination Folder : F:\\A\nSource Folder      : f:\\\\a");
    EXPECT_FALSE(CheckSameSource("f:\\a", "f:/a", message))
        << "a slash is refused before any compare";
    EXPECT_EQ(message, "Illegal characters in the text :  /");
    EXPECT_FALSE(CheckSameSource("f:\\\xC3\x84", "F:\\\xC3\xA4", message));

    message = "untouched";
    EXPECT_TRUE(CheckSameSource("f:\\a\\", "f:\\a", message));
    EXPECT_TRUE(CheckSameSource("f:\\a", "g:\\a", message));
    EXPECT_EQ(message, "untouched");

    EXPECT_FALSE(CheckSameSource("f:\\a", "", message));
    EXPECT_EQ(message, "The text field is empty !\nAction : You must enter a text to add to the "
                       "Include Folder List.");
    EXPECT_FALSE(CheckSameSource("f:\\a<", "f:\\b", message));
    EXPECT_EQ(message, "Illegal characters in the text :  <");
}
