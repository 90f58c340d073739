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
    while (first < last && isTrimmed(static_cast<unsigned char>(text[first])))
        ++first;
    while (last > first && isTrimmed(static_cast<unsigned char>(text[last - 1])))
        --last;
    return std::string(text.substr(first, last - first));
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
