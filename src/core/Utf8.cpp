#include "core/Utf8.h"

#include <cstdint>
#include <cstring>

namespace dirforge::core {

namespace {

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

} // namespace

Utf8Char DecodeUtf8(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80)
        return {lead, 1, true};
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return {lead, 1, false};
    }
    if (pos + length > text.size())
        return {lead, 1, false};
    for (std::size_t i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[pos + i]);
        if (!isContinuation(c))
            return {lead, 1, false};
        cp = (cp << 6) | (c & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are malformed.
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return {lead, 1, false};
    return {cp, length, true};
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::size_t CountCharacters(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) {
        const auto c = static_cast<unsigned char>(text[pos]);
        pos += c < 0x80 ? 1 : DecodeUtf8(text, pos).length;
    }
    return count;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        // Plain ASCII, the common case, eight bytes at a time.
        std::uint64_t word;
        if (pos + 8 <= bytes.size()) {
            std::memcpy(&word, bytes.data() + pos, 8);
            if ((word & 0x8080808080808080ULL) == 0) {
                pos += 8;
                continue;
            }
        }
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const core::Utf8Char c = core::DecodeUtf8(bytes, pos);
        if (!c.valid)
            return false;
        pos += c.length;
    }
    return true;
}

} // namespace dirforge::core
