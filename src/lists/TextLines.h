#pragma once
// Cutting decoded text (see TextDecoder.h) into lines, the way every list reader sees them.

#include <cstring>
#include <string_view>

namespace dirforge::lists {

/// True when the content holds a NUL byte: a binary file, not a list of names.
bool HoldsBinaryContent(std::string_view content);

/// Calls onLine(line) for each line of content, in order. A line ends at a line feed, a carriage
/// return followed by a line feed, or a carriage return alone; a UTF-8 byte-order mark at the
/// start of a line (a doubled one, or one left by joined files) is not part of it. A final line
/// without a line end still counts; an empty content has no lines. onLine returns false to stop
/// early.
template <typename OnLine> void ForEachTextLine(std::string_view content, OnLine&& onLine) {
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    const char* const data = content.data();
    const std::size_t size = content.size();
    // The next line feed is searched once and kept: a file of carriage returns alone would
    // otherwise be scanned to its end for every line.
    std::size_t nextFeed = 0;
    bool feedKnown = false;
    std::size_t start = 0;
    while (start < size) {
        if (!feedKnown || nextFeed < start) {
            const void* feed = std::memchr(data + start, '\n', size - start);
            nextFeed =
                feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - data) : size;
            feedKnown = true;
        }
        const void* ret = std::memchr(data + start, '\r', nextFeed - start);
        const std::size_t end =
            ret ? static_cast<std::size_t>(static_cast<const char*>(ret) - data) : nextFeed;
        std::string_view line = content.substr(start, end - start);
        while (line.substr(0, byteOrderMark.size()) == byteOrderMark)
            line.remove_prefix(byteOrderMark.size());
        if (!onLine(line) || end == size)
            return;
        start = end + 1;
        if (data[end] == '\r' && start < size && data[start] == '\n')
            ++start;
    }
}

} // namespace dirforge::lists
