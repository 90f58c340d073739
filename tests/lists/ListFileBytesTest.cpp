// List files as spreadsheets and editors write them, byte for byte, read into strings-page
// names: each encoding, line end and invisible character a real file brings along.

#include "ListFiles.h"
#include "lists/ImportClass.h"
#include "lists/ListEditRules.h"
#include "lists/ListLineRule.h"
#include "lists/SourceFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dirforge::lists {
namespace {

using Names = std::vector<std::string>;

/// UTF-16 of ASCII-and-Latin-1 text with a byte-order mark.
std::string Utf16(const std::u16string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char hi = static_cast<char>(unit >> 8);
        const char lo = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
    }
    return bytes;
}

std::string Utf32BigEndian(const std::u32string& text) {
    std::string bytes("\0\0\xFE\xFF", 4);
    for (char32_t c : text)
        for (int shift : {24, 16, 8, 0})
            bytes += static_cast<char>((c >> shift) & 0xFF);
    return bytes;
}

class ListFileBytesTest : public ListFiles {
protected:
    /// The names the strings page takes from a plain-text import of these bytes.
    Names namesOf(const std::string& bytes, TextEncoding expected = TextEncoding::Utf8) {
        ImportClass reader(fileSystem(), put("list.txt", bytes), ReadingMode::PlainText, ",", "\"",
                           true);
        EXPECT_TRUE(reader.Read());
        EXPECT_EQ(reader.encoding(), expected);
        Names names;
        for (const std::string& value : PreviewValues(reader.takeResults())) {
            const ListLine line = StringsPageLine(value);
            names.push_back(line.taken() ? line.entry : "refused: " + line.entry);
        }
        return names;
    }
};

TEST_F(ListFileBytesTest, EncodingsASpreadsheetSaves) {
    const Names expected{"M\xC3\xBCller", "Caf\xC3\xA9"}; // "Müller", "Café" in UTF-8
    EXPECT_EQ(namesOf("M\xFCller\r\nCaf\xE9\r\n", TextEncoding::Windows1252), expected);
    EXPECT_EQ(namesOf("\x80uro \x93q\x94\n", TextEncoding::Windows1252),
              Names{"\xE2\x82\xAC"
                    "uro \xE2\x80\x9Cq\xE2\x80\x9D"})
        << "the euro sign and curly quotation marks of the code page";
    EXPECT_EQ(namesOf("\xEF\xBB\xBFM\xC3\xBCller\nCaf\xC3\xA9"), expected);
    EXPECT_EQ(
        namesOf(Utf16(u"M\u00FCller\r\nCaf\u00E9\r\n", false), TextEncoding::Utf16LittleEndian),
        expected)
        << "a spreadsheet's \"Unicode text\" is not refused as binary";
    EXPECT_EQ(namesOf(Utf16(u"M\u00FCller\nCaf\u00E9", true), TextEncoding::Utf16BigEndian),
              expected);
    EXPECT_EQ(namesOf(Utf16(u"\U0001F600x", false), TextEncoding::Utf16LittleEndian),
              Names{"\xF0\x9F\x98\x80x"})
        << "a surrogate pair is one character";
    EXPECT_EQ(namesOf(Utf32BigEndian(U"M\u00FCller\nCaf\u00E9"), TextEncoding::Utf32BigEndian),
              expected);
}

TEST_F(ListFileBytesTest, LineEndsAndInvisibleCharacters) {
    EXPECT_EQ(namesOf("Mac1\rMac2\rMac3"), (Names{"Mac1", "Mac2", "Mac3"}));
    EXPECT_EQ(namesOf("Mix1\r\nMix2\nMix3\rMix4\n"), (Names{"Mix1", "Mix2", "Mix3", "Mix4"}));
    EXPECT_EQ(namesOf("\xEF\xBB\xBF\xEF\xBB\xBF"
                      "Double\n\xEF\xBB\xBFSecond\n"),
              (Names{"Double", "Second"}))
        << "a doubled mark and a mark at the start of line 2 are not part of the names";
    EXPECT_EQ(namesOf("Zero\xE2\x80\x8B\n\xE2\x81\xA0Joined \xEF\xBB\xBF\n"),
              (Names{"Zero", "Joined"}))
        << "invisible format characters at either end are trimmed";
    EXPECT_EQ(namesOf("In\xE2\x80\x8Bside\nok\n"), (Names{"refused: In\xE2\x80\x8Bside", "ok"}))
        << "inside a name one is refused, not kept as an invisible difference";
}

TEST_F(ListFileBytesTest, OneUnicodeFormForEveryName) {
    // "Café" composed (é) and decomposed (e + U+0301): one name in one form.
    EXPECT_EQ(namesOf("Caf\xC3\xA9\nCafe\xCC\x81\n"), (Names{"Caf\xC3\xA9", "Caf\xC3\xA9"}));
    EXPECT_EQ(PreviewValues({"Caf\xC3\xA9", "Cafe\xCC\x81"}),
              (Names{"Caf\xC3\xA9", "Caf\xC3\xA9"}));
}

TEST_F(ListFileBytesTest, SourceListShowsTheDecodedLines) {
    const SourceFile source =
        ReadSourceFile(fileSystem(), put("s.txt", Utf16(u"Eins\rZwei\r\n\r\nDrei", false)));
    EXPECT_EQ(source.error, SourceReadError::None);
    EXPECT_EQ(source.encoding, TextEncoding::Utf16LittleEndian);
    EXPECT_EQ(source.lines, (Names{"Eins", "Zwei", "Drei"}));
    std::string accents;
    for (int i = 0; i < 2100; ++i)
        accents += "\xC3\xA9";
    EXPECT_EQ(ReadSourceFile(fileSystem(), put("long.txt", accents)).lines,
              Names{accents.substr(0, 2 * SourceLineShownChars)})
        << "the source list shows characters, not bytes, and never half of one";
    EXPECT_EQ(ReadSourceFile(fileSystem(), put("b.bin", std::string("ab\0cd", 5))).error,
              SourceReadError::NotText)
        << "NUL bytes without a wide byte-order mark still mark a binary file";
}

} // namespace
} // namespace dirforge::lists
