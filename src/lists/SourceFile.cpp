#include "lists/SourceFile.h"

#include "core/Utf8.h"
#include "lists/ListText.h"
#include "lists/TextLines.h"

namespace dirforge::lists {

namespace {

bool isBlank(std::string_view line) {
    for (char c : line)
        if (static_cast<unsigned char>(c) > 32)
            return false;
    return true;
}

/// The first SourceLineShownChars characters of line, never a character cut in two.
std::string_view shownPart(std::string_view line) {
    if (line.size() <= SourceLineShownChars)
        return line;
    std::size_t pos = 0;
    for (std::size_t shown = 0; shown < SourceLineShownChars && pos < line.size(); ++shown)
        pos += core::DecodeUtf8(line, pos).length;
    return line.substr(0, pos);
}

} // namespace

SourceFile ReadSourceFile(const platform::FileSystem& fileSystem, const std::string& path,
                          const std::function<void(std::size_t)>& onLine) {
    SourceFile source;
    const ListText file = ReadListText(fileSystem, path);
    if (file.error != ListTextError::None) {
        source.error = file.error == ListTextError::NotText ? SourceReadError::NotText
                                                            : SourceReadError::CannotOpen;
        return source;
    }
    source.encoding = file.decoded.encoding;
    ForEachTextLine(file.decoded.text, [&](std::string_view line) {
        if (isBlank(line))
            return true;
        source.lines.emplace_back(shownPart(line));
        if (onLine)
            onLine(source.lines.size());
        return true;
    });
    return source;
}

} // namespace dirforge::lists
