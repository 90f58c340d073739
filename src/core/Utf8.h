#pragma once
// Minimal UTF-8 decoding shared by the case folding and the length rules.

#include <cstddef>
#include <string>
#include <string_view>

namespace dirforge::core {

/// One decoded character: its code point and its length in bytes. A byte that does not start a
/// well-formed sequence decodes as itself with length 1 and valid false.
struct Utf8Char {
    char32_t codePoint;
    std::size_t length;
    bool valid;
};

/// Decodes the character starting at text[pos] (pos < text.size()).
Utf8Char DecodeUtf8(std::string_view text, std::size_t pos);
/// Appends the UTF-8 encoding of a valid code point.
void AppendUtf8(std::string& out, char32_t codePoint);
/// True when text is well-formed UTF-8 throughout (plain ASCII is checked eight bytes at a time).
bool IsValidUtf8(std::string_view text);
/// Number of characters; each malformed byte counts as one.
std::size_t CountCharacters(std::string_view text);

} // namespace dirforge::core
