#pragma once
// The byte layout of one 5320-byte settings record: explicit little-endian integers and
// zero-terminated single-byte texts at fixed offsets. Fields overlap; a record carries meaning
// only in the fields of its kind, every other byte is written as zero.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace dirforge::settings {

/// Size of every record of a settings file.
inline constexpr std::size_t kRecordSize = 5320;

/// Offsets and sizes of the record's fields.
namespace field {
inline constexpr std::size_t kNumberOffset = 0;
inline constexpr std::size_t kKeyOffset = 4, kKeySize = 10;
inline constexpr std::size_t kTextOffset = 14, kTextSize = 5262;
inline constexpr std::size_t kSecondTextOffset = 274, kSecondTextSize = 5034;
inline constexpr std::size_t kValueOffset = 5276;
inline constexpr std::size_t kMapKeyOffset = 5308;
inline constexpr std::size_t kFlagsOffset = 5312, kFlagCount = 4;
} // namespace field

/// text cut to at most maxBytes bytes, never inside a UTF-8 character.
std::string_view FitToField(std::string_view text, std::size_t maxBytes);

/// Appends one zero-filled record to a byte buffer and fills its fields in place.
class RecordWriter {
public:
    /// Starts the record with its number and key (cut to 10 characters, zero-terminated when
    /// shorter).
    RecordWriter(std::string& out, std::int32_t number, std::string_view key);

    /// The text value, cut so that its terminating zero stays inside the field.
    RecordWriter& text(std::string_view value);
    /// The second text value (template options), cut likewise.
    RecordWriter& secondText(std::string_view value);
    RecordWriter& value(std::int32_t value);
    RecordWriter& mapKey(std::int32_t key);
    RecordWriter& flags(const std::array<std::uint8_t, field::kFlagCount>& flags);

private:
    void putInt(std::size_t offset, std::int32_t value);
    void putText(std::size_t offset, std::size_t size, std::string_view value);

    std::string& out_;
    std::size_t base_;
};

/// Reads the fields of one complete record; a text without its zero ends at the end of its field.
class RecordReader {
public:
    /// record must hold exactly kRecordSize bytes.
    explicit RecordReader(std::string_view record);

    std::int32_t number() const { return intAt(field::kNumberOffset); }
    std::string key() const { return textAt(field::kKeyOffset, field::kKeySize); }
    std::string text() const { return textAt(field::kTextOffset, field::kTextSize); }
    std::string secondText() const {
        return textAt(field::kSecondTextOffset, field::kSecondTextSize);
    }
    std::int32_t value() const { return intAt(field::kValueOffset); }
    std::int32_t mapKey() const { return intAt(field::kMapKeyOffset); }
    std::uint8_t flag(std::size_t index) const;

private:
    std::int32_t intAt(std::size_t offset) const;
    std::string textAt(std::size_t offset, std::size_t size) const;

    std::string_view record_;
};

} // namespace dirforge::settings
