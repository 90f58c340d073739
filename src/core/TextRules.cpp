#include "core/TextRules.h"

#include <algorithm>

namespace dirforge::core {

namespace {

std::string collapsePairs(std::string text, char c) {
    // One pass that keeps the first of every run of c; equal to repeating "cc" -> "c".
    std::string out;
    out.reserve(text.size());
    for (char ch : text)
        if (ch != c || out.empty() || out.back() != c)
            out.push_back(ch);
    return out;
}

bool isTrimmed(unsigned char c) {
    return c <= 32;
}

/// Length of the invisible format character (U+200B to U+200D, U+2060, U+FEFF) starting at
/// text[pos], or 0. Each is three bytes in UTF-8.
std::size_t invisibleAt(std::string_view text, std::size_t pos) {
    if (pos + 3 > text.size())
        return 0;
    const auto b0 = static_cast<unsigned char>(text[pos]);
    const auto b1 = static_cast<unsigned char>(text[pos + 1]);
    const auto b2 = static_cast<unsigned char>(text[pos + 2]);
    const bool zeroWidth = b0 == 0xE2 && b1 == 0x80 && b2 >= 0x8B && b2 <= 0x8D;
    const bool wordJoiner = b0 == 0xE2 && b1 == 0x81 && b2 == 0xA0;
    const bool byteOrderMark = b0 == 0xEF && b1 == 0xBB && b2 == 0xBF;
    return zeroWidth || wordJoiner || byteOrderMark ? 3 : 0;
}

} // namespace

std::string ToBackslashes(std::string text) {
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

std::string ToForwardSlashes(std::string text) {
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

std::string CollapseBackslashes(std::string text) {
    return collapsePairs(std::move(text), '\\');
}
std::string CollapseForwardSlashes(std::string text) {
    return collapsePairs(std::move(text), '/');
}
std::string CollapseColons(std::string text) {
    return collapsePairs(std::move(text), ':');
}

std::string NormalizePath(std::string text) {
    return CollapseBackslashes(ToBackslashes(std::move(text)));
}

std::string NormalizeTarget(std::string text) {
    return CollapseColons(CollapseBackslashes(ToBackslashes(std::move(text))));
}

std::string TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string Trim(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    for (;;) {
        if (first < last && isTrimmed(static_cast<unsigned char>(text[first])))
            ++first;
        else if (const std::size_t n = invisibleAt(text.substr(0, last), first))
            first += n;
        else
            break;
    }
    for (;;) {
        if (last > first && isTrimmed(static_cast<unsigned char>(text[last - 1])))
            --last;
        else if (last >= first + 3 && invisibleAt(text, last - 3) != 0)
            last -= 3;
        else
            break;
    }
    return std::string(text.substr(first, last - first));
}

bool HoldsInvisibleCharacter(std::string_view text) {
    for (std::size_t pos = text.find_first_of("\xE2\xEF"); pos != std::string_view::npos;
         pos = text.find_first_of("\xE2\xEF", pos + 1))
        if (invisibleAt(text, pos) != 0)
            return true;
    return false;
}

bool SplitAtColon(std::string_view text, std::string& drive, std::string& remainder) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        drive.clear();
        remainder = std::string(text);
        return false;
    }
    drive = std::string(text.substr(0, colon + 1));
    remainder = std::string(text.substr(colon + 1));
    return true;
}

std::string FileExtension(std::string path) {
    path = ToBackslashes(std::move(path));
    const auto dot = path.rfind('.');
    const auto slash = path.rfind('\\');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return "noext";
    return path.substr(dot + 1);
}

unsigned CountSeparators(std::string_view text) {
    return static_cast<unsigned>(
        std::count_if(text.begin(), text.end(), [](char c) { return c == '\\' || c == '/'; }));
}

int CountColons(std::string_view text) {
    return static_cast<int>(std::count(text.begin(), text.end(), ':'));
}

bool StartsWithBackslash(std::string_view text) {
    return !text.empty() && text.front() == '\\';
}

} // namespace dirforge::core
