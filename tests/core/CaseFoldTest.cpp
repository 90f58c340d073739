#include "core/CaseFold.h"
#include "core/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace dirforge::core;

TEST(CaseFold, CapitalAndSmallLettersAreEqualAcrossScripts) {
    struct Pair {
        const char* capital;
        const char* small;
    };
    const Pair pairs[] = {
        {"ABC-xyz_09", "abc-xyz_09"},
        {"\xC3\x84pfel", "\xC3\xA4pfel"}, // Äpfel / äpfel
        {"\xC3\x98RE", "\xC3\xB8re"},     // Øre
        {"\xC5\x81\xC3\x93"
         "D\xC5\xB9",
         "\xC5\x82\xC3\xB3"
         "d\xC5\xBA"},                            // ŁÓDŹ / łódź
        {"\xC5\xB8", "\xC3\xBF"},                 // Ÿ / ÿ
        {"\xCE\xA9\xCE\x86", "\xCF\x89\xCE\xAC"}, // ΩΆ / ωά
        {"\xD0\x96\xD0\x81", "\xD0\xB6\xD1\x91"}, // ЖЁ / жё
        {"\xD2\x90", "\xD2\x91"},                 // Ґ / ґ
    };
    for (const auto& p : pairs) {
        EXPECT_TRUE(EqualsIgnoreCase(p.capital, p.small)) << p.capital;
        EXPECT_EQ(FoldCase(p.capital), FoldCase(p.small)) << p.capital;
        EXPECT_EQ(FoldCase(p.capital), p.small) << p.capital;
    }
}

TEST(CaseFold, DifferentLettersStayDifferent) {
    EXPECT_FALSE(EqualsIgnoreCase("a", "b"));
    EXPECT_FALSE(EqualsIgnoreCase("ab", "abc"));
    EXPECT_FALSE(EqualsIgnoreCase("\xC3\x97", "\xC3\xB7")); // × and ÷ are no letter pair
    EXPECT_FALSE(EqualsIgnoreCase("\xC3\xA4", "a"));
    EXPECT_EQ(FoldCase("\xC3\x9F"), "\xC3\x9F"); // ß has no single capital to fold
}

TEST(CaseFold, MalformedBytesAreKeptAndCompareAsThemselves) {
    const std::string broken[] = {"\xC3",
                                  "a\xFF"
                                  "B",
                                  "\xE2\x82",
                                  "\xC0\xAF",
                                  "\xED\xA0\x80",
                                  "\xF4\x90\x80\x80"};
    for (const auto& text : broken) {
        const std::string folded = FoldCase(text);
        ASSERT_EQ(folded.size(), text.size());
        EXPECT_TRUE(EqualsIgnoreCase(text, text));
    }
    EXPECT_EQ(FoldCase("a\xFF"
                       "B"),
              "a\xFF"
              "b");
    // A malformed byte is not the Latin-1 letter of the same value.
    EXPECT_FALSE(EqualsIgnoreCase("\xC4", "\xC3\x84"));
    EXPECT_EQ(CountCharacters("a\xC3\x84\xFF"), 3u);
}

TEST(CaseFold, CompareIsATotalAlphabeticalOrder) {
    std::vector<std::string> names = {"beta", "Alpha", "alpha",      "ALPHA", "\xC3\x84ra",
                                      "Zulu", "a",     "\xC3\xA4ra", "",      "Alphabet"};
    std::sort(names.begin(), names.end(), [](const std::string& x, const std::string& y) {
        return CompareIgnoreCase(x, y) < 0;
    });
    const std::vector<std::string> expected = {
        "", "a", "ALPHA", "Alpha", "alpha", "Alphabet", "beta", "Zulu", "\xC3\x84ra", "\xC3\xA4ra"};
    EXPECT_EQ(names, expected);
    for (const auto& x : names)
        for (const auto& y : names) {
            EXPECT_EQ(CompareIgnoreCase(x, y), -CompareIgnoreCase(y, x)) << x << " / " << y;
            EXPECT_EQ(CompareIgnoreCase(x, y) == 0, x == y);
            EXPECT_EQ(CompareFolded(x, y) == 0, FoldCase(x) == FoldCase(y));
        }
}

TEST(CaseFold, AsciiPrefixFollowedByWideLettersComparesTheFoldedRest) {
    EXPECT_EQ(CompareFolded("ab\xC3\x84", "AB\xC3\xA4"), 0);
    EXPECT_LT(CompareFolded("abZ", "ab\xC3\xA4"), 0);
    EXPECT_GT(CompareFolded("ab\xD0\x96", "AB\xC3\x84"), 0);
}
