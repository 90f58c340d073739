#include "lists/SourceFile.h"

#include "lists/TextLines.h"
#include "platform/FileSystem.h"

namespace dirforge::lists {

namespace {

bool isBlank(std::string_view line) {
    for (char c : line)
        if (static_cast<unsigned char>(c) > 32)
            return false;
    return true;
}

} // namespace

SourceFile ReadSourceFile(const platform::FileSystem& fileSystem, const std::string& path,
                          const std::function<void(std::size_t)>& onLine) {
    SourceFile source;
    const auto content = fileSystem.readFile(path);
    if (!content) {
        source.error = SourceReadError::CannotOpen;
        return source;
    }
    if (HoldsBinaryContent(*content)) {
        source.error = SourceReadError::NotText;
        return source;
    }
    ForEachTextLine(*content, [&](std::string_view line) {
        if (isBlank(line))
            return true;
        source.lines.emplace_back(line.substr(0, SourceLineShownChars));
        if (onLine)
            onLine(source.lines.size());
        return true;
    });
    return source;
}

} // namespace dirforge::lists
