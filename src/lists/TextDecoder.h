#pragma once
// Turning the bytes of a list or template file into UTF-8 text, whatever a spreadsheet or an
// editor saved: UTF-8 with or without a byte-order mark, UTF-16 and UTF-32 with one, and
// anything else that is not valid UTF-8 as Windows-1252, the single-byte code page such files
// were written in.

#include <string>
#include <string_view>

namespace dirforge::lists {

/// How a file's bytes were read.
enum class TextEncoding {
    Utf8,
    Utf16LittleEndian,
    Utf16BigEndian,
    Utf32LittleEndian,
    Utf32BigEndian,
    Windows1252
};

/// A file's text in UTF-8, its leading byte-order mark removed.
struct DecodedText {
    std::string text;
    TextEncoding encoding = TextEncoding::Utf8;
};

/// True when the bytes begin with a UTF-16 or UTF-32 byte-order mark: NUL bytes are then part
/// of the text, not a sign of a binary file.
bool StartsWithWideByteOrderMark(std::string_view firstBytes);

/// Decodes a whole file. Units that name no character in a wide encoding become U+FFFD.
DecodedText DecodeText(std::string bytes);

/// The line a reader shows beside its result when the encoding was guessed, "" otherwise.
std::string EncodingNote(TextEncoding encoding);

} // namespace dirforge::lists
