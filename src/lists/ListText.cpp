#include "lists/ListText.h"

#include "lists/TextLines.h"
#include "platform/FileSystem.h"

namespace dirforge::lists {

ListText ReadListText(const platform::FileSystem& fileSystem, const std::string& path) {
    auto content = fileSystem.readFile(path);
    if (!content)
        return {ListTextError::CannotOpen, {}};
    DecodedText decoded = DecodeText(std::move(*content));
    if (HoldsBinaryContent(decoded.text))
        return {ListTextError::NotText, {}};
    return {ListTextError::None, std::move(decoded)};
}

} // namespace dirforge::lists
