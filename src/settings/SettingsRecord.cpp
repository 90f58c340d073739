#include "settings/SettingsRecord.h"

#include <cassert>
#include <cstring>

namespace dirforge::settings {

namespace {

bool isUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string_view FitToField(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return text;
    // Find the first byte of the character the cut falls into (at most three continuation
    // bytes back). If that character is a multi-byte one reaching past the cut, cut before it;
    // bytes that are not UTF-8 are cut plainly.
    std::size_t lead = maxBytes;
    while (lead > 0 && maxBytes - lead < 3 && isUtf8Continuation(text[lead]))
        --lead;
    const auto first = static_cast<unsigned char>(text[lead]);
    const std::size_t length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
    return text.substr(0, lead + length > maxBytes ? lead : maxBytes);
}

RecordWriter::RecordWriter(std::string& out, std::int32_t number, std::string_view key)
    : out_(out), base_(out.size()) {
    out_.resize(base_ + kRecordSize, '\0');
    putInt(field::kNumberOffset, number);
    // The key fills its field without a terminator when it has 10 or more characters.
    const std::string_view cut = key.substr(0, field::kKeySize);
    std::memcpy(out_.data() + base_ + field::kKeyOffset, cut.data(), cut.size());
}

RecordWriter& RecordWriter::text(std::string_view value) {
    putText(field::kTextOffset, field::kTextSize, value);
    return *this;
}

RecordWriter& RecordWriter::secondText(std::string_view value) {
    putText(field::kSecondTextOffset, field::kSecondTextSize, value);
    return *this;
}

RecordWriter& RecordWriter::value(std::int32_t value) {
    putInt(field::kValueOffset, value);
    return *this;
}

RecordWriter& RecordWriter::mapKey(std::int32_t key) {
    putInt(field::kMapKeyOffset, key);
    return *this;
}

RecordWriter& RecordWriter::flags(const std::array<std::uint8_t, field::kFlagCount>& flags) {
    for (std::size_t i = 0; i < flags.size(); ++i)
        out_[base_ + field::kFlagsOffset + i] = static_cast<char>(flags[i]);
    return *this;
}

void RecordWriter::putInt(std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        out_[base_ + offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

void RecordWriter::putText(std::size_t offset, std::size_t size, std::string_view value) {
    // The record starts zero-filled, so the terminator is already in place.
    const std::string_view fitted = FitToField(value, size - 1);
    std::memcpy(out_.data() + base_ + offset, fitted.data(), fitted.size());
}

RecordReader::RecordReader(std::string_view record) : record_(record) {
    assert(record.size() == kRecordSize);
}

std::uint8_t RecordReader::flag(std::size_t index) const {
    assert(index < field::kFlagCount);
    return static_cast<std::uint8_t>(record_[field::kFlagsOffset + index]);
}

std::int32_t RecordReader::intAt(std::size_t offset) const {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(record_[offset + i]))
                << (8 * i);
    return static_cast<std::int32_t>(bits);
}

std::string RecordReader::textAt(std::size_t offset, std::size_t size) const {
    const std::string_view fieldBytes = record_.substr(offset, size);
    return std::string(fieldBytes.substr(0, fieldBytes.find('\0')));
}

} // namespace dirforge::settings
