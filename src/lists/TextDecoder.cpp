#include "lists/TextDecoder.h"

#include "core/Utf8.h"

#include <array>
#include <cstring>

namespace dirforge::lists {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";
constexpr std::string_view kUtf32LittleMark{"\xFF\xFE\0\0", 4};
constexpr std::string_view kUtf32BigMark{"\0\0\xFE\xFF", 4};
constexpr char32_t kReplacement = 0xFFFD;

bool startsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

/// The wide encoding named by the byte-order mark, or Utf8 when there is none.
TextEncoding wideEncodingOf(std::string_view bytes) {
    if (startsWith(bytes, kUtf32LittleMark))
        return TextEncoding::Utf32LittleEndian;
    if (startsWith(bytes, kUtf32BigMark))
        return TextEncoding::Utf32BigEndian;
    if (startsWith(bytes, kUtf16LittleMark))
        return TextEncoding::Utf16LittleEndian;
    if (startsWith(bytes, kUtf16BigMark))
        return TextEncoding::Utf16BigEndian;
    return TextEncoding::Utf8;
}

std::string fromWindows1252(std::string_view bytes) {
    // 0x80 to 0x9F; the five codes the page leaves free keep their C1 control values.
    static constexpr std::array<char16_t, 32> kHigh = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (c < 0x80)
            text.push_back(byte);
        else
            core::AppendUtf8(text, c < 0xA0 ? kHigh[c - 0x80] : char32_t{c});
    }
    return text;
}

std::string fromUtf16(std::string_view bytes, bool bigEndian) {
    const auto unitAt = [&](std::size_t i) -> char32_t {
        const auto lo = static_cast<unsigned char>(bytes[i + (bigEndian ? 1 : 0)]);
        const auto hi = static_cast<unsigned char>(bytes[i + (bigEndian ? 0 : 1)]);
        return static_cast<char32_t>(hi << 8 | lo);
    };
    std::string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 2 <= bytes.size(); i += 2) {
        char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 4 <= bytes.size()) {
            const char32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        core::AppendUtf8(text, unit >= 0xD800 && unit < 0xE000 ? kReplacement : unit);
    }
    if (i < bytes.size())
        core::AppendUtf8(text, kReplacement); // an odd last byte
    return text;
}

std::string fromUtf32(std::string_view bytes, bool bigEndian) {
    std::string text;
    text.reserve(bytes.size() / 2);
    std::size_t i = 0;
    for (; i + 4 <= bytes.size(); i += 4) {
        char32_t unit = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const auto byte = static_cast<unsigned char>(bytes[i + (bigEndian ? k : 3 - k)]);
            unit = unit << 8 | byte;
        }
        const bool named = unit <= 0x10FFFF && !(unit >= 0xD800 && unit < 0xE000);
        core::AppendUtf8(text, named ? unit : kReplacement);
    }
    if (i < bytes.size())
        core::AppendUtf8(text, kReplacement);
    return text;
}

} // namespace

bool StartsWithWideByteOrderMark(std::string_view firstBytes) {
    return wideEncodingOf(firstBytes) != TextEncoding::Utf8;
}

DecodedText DecodeText(std::string bytes) {
    const TextEncoding wide = wideEncodingOf(bytes);
    switch (wide) {
    case TextEncoding::Utf32LittleEndian:
    case TextEncoding::Utf32BigEndian:
        return {fromUtf32(std::string_view(bytes).substr(4), wide == TextEncoding::Utf32BigEndian),
                wide};
    case TextEncoding::Utf16LittleEndian:
    case TextEncoding::Utf16BigEndian:
        return {fromUtf16(std::string_view(bytes).substr(2), wide == TextEncoding::Utf16BigEndian),
                wide};
    default:
        break;
    }
    if (startsWith(bytes, kUtf8Mark))
        bytes.erase(0, kUtf8Mark.size());
    if (core::IsValidUtf8(bytes))
        return {std::move(bytes), TextEncoding::Utf8};
    return {fromWindows1252(bytes), TextEncoding::Windows1252};
}

std::string EncodingNote(TextEncoding encoding) {
    return encoding == TextEncoding::Windows1252 ? "not UTF-8: read as Windows-1252" : "";
}

} // namespace dirforge::lists
