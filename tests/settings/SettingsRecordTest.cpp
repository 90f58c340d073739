// The byte layout of one record: little-endian integers, the 10-character key field, texts that
// keep their terminator inside the field and are never read beyond it.

#include "settings/SettingsRecord.h"

#include <gtest/gtest.h>

#include <string>

using namespace dirforge::settings;

namespace {

std::string oneRecord(std::int32_t number, std::string_view key) {
    std::string out;
    RecordWriter(out, number, key);
    return out;
}

std::uint8_t byteAt(const std::string& bytes, std::size_t offset) {
    return static_cast<std::uint8_t>(bytes[offset]);
}

} // namespace

TEST(SettingsRecord, IntegersAreLittleEndianAtTheirOffsets) {
    std::string out;
    RecordWriter(out, 0x01020304, "K").value(-2).mapKey(0x7F000080).flags({1, 0, 255, 7});
    ASSERT_EQ(out.size(), kRecordSize);
    EXPECT_EQ(byteAt(out, 0), 0x04);
    EXPECT_EQ(byteAt(out, 3), 0x01);
    EXPECT_EQ(byteAt(out, 5276), 0xFE); // -2 = FE FF FF FF
    for (std::size_t i = 1; i < 4; ++i)
        EXPECT_EQ(byteAt(out, 5276 + i), 0xFF) << i;
    EXPECT_EQ(byteAt(out, 5308), 0x80);
    EXPECT_EQ(byteAt(out, 5311), 0x7F);
    EXPECT_EQ(byteAt(out, 5314), 255);
    EXPECT_EQ(byteAt(out, 5315), 7);
    for (std::size_t i = 5316; i < kRecordSize; ++i)
        EXPECT_EQ(byteAt(out, i), 0) << "reserved byte " << i;

    const RecordReader in(out);
    EXPECT_EQ(in.number(), 0x01020304);
    EXPECT_EQ(in.value(), -2);
    EXPECT_EQ(in.mapKey(), 0x7F000080);
    EXPECT_EQ(in.flag(2), 255);
}

TEST(SettingsRecord, KeyFieldIsCutToTenCharacters) {
    struct Case {
        const char* key;
        std::string field; // the 10 bytes of the key field
    };
    const Case cases[] = {
        {"DEFDIRECTRY", std::string("DEFDIRECTR", 10)}, // cut, no terminator
        {"SELSEDELIM", std::string("SELSEDELIM", 10)},  // exactly 10, no terminator
        {"VOL02", std::string("VOL02\0\0\0\0\0", 10)},
        {"", std::string(10, '\0')},
    };
    for (const Case& c : cases) {
        const std::string record = oneRecord(1, c.key);
        EXPECT_EQ(record.substr(4, 10), c.field) << c.key;
        EXPECT_EQ(byteAt(record, 14), 0) << "key spilled into the text field: " << c.key;
    }
}

TEST(SettingsRecord, LongTextsKeepTheirTerminatorInsideTheField) {
    const std::string longText(6000, 'x');
    std::string out;
    RecordWriter(out, 1, "K").text(longText);
    RecordWriter(out, 2, "K").secondText(longText).mapKey(9);
    ASSERT_EQ(out.size(), 2 * kRecordSize);

    const RecordReader text(std::string_view(out).substr(0, kRecordSize));
    EXPECT_EQ(text.text(), std::string(5261, 'x'));
    EXPECT_EQ(byteAt(out, 14 + 5261), 0);
    const RecordReader second(std::string_view(out).substr(kRecordSize));
    EXPECT_EQ(second.secondText(), std::string(5033, 'x'));
    EXPECT_EQ(second.mapKey(), 9) << "a long second text must not run into the map key";
}

TEST(SettingsRecord, FitToFieldNeverSplitsAUtf8Character) {
    struct Case {
        std::string text;
        std::size_t max;
        std::string expected;
    };
    const std::string euro = "\xE2\x82\xAC";     // 3 bytes
    const std::string clef = "\xF0\x9D\x84\x9E"; // 4 bytes
    const Case cases[] = {
        {"abc", 3, "abc"},
        {"abcd", 3, "abc"},
        {"ab" + euro, 3, "ab"},
        {"ab" + euro, 4, "ab"},
        {"ab" + euro, 5, "ab" + euro},
        {"a" + clef + "z", 4, "a"},
        {"a" + clef + "z", 5, "a" + clef},
        {"\xE9\xE9\xE9\xE9", 2, "\xE9\xE9"},       // single-byte text: a plain cut
        {"a\x80\x80\x80\x80\x80", 3, "a\x80\x80"}, // not UTF-8: no endless step back
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::string(FitToField(c.text, c.max)), c.expected) << c.text << " / " << c.max;
}

TEST(SettingsRecord, TextWithoutTerminatorEndsAtItsField) {
    // A hostile record: every byte non-zero. Texts stop at the end of their own field.
    const std::string record(kRecordSize, 'A');
    const RecordReader in(record);
    EXPECT_EQ(in.text().size(), 5262u);
    EXPECT_EQ(in.secondText().size(), 5034u);
    EXPECT_EQ(in.key().size(), 10u);
}
