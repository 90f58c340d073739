#pragma once
// Cutting the raw bytes of a text file into lines, the way every list reader sees them.

#include <string_view>

namespace dirforge::lists {

/// True when the content holds a NUL byte: a binary file, not a list of names.
bool HoldsBinaryContent(std::string_view content);

/// Calls onLine(line) for each line of content, in order. A line ends at a line feed; a
/// carriage return right before it is not part of the line; a UTF-8 byte-order mark at the
/// very start is not part of the first line. A final line without a line feed still counts;
/// an empty content has no lines. onLine returns false to stop early.
template <typename OnLine> void ForEachTextLine(std::string_view content, OnLine&& onLine) {
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (content.substr(0, byteOrderMark.size()) == byteOrderMark)
        content.remove_prefix(byteOrderMark.size());
    while (!content.empty()) {
        const auto end = content.find('\n');
        std::string_view line = content.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!onLine(line))
            return;
        if (end == std::string_view::npos)
            return;
        content.remove_prefix(end + 1);
    }
}

} // namespace dirforge::lists
