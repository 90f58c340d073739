#include "platform/FileSystem.h"

namespace dirforge::platform {

bool FileSystem::streamFileAtomic(const std::string& path, const ContentProducer& produce) {
    std::string content;
    const bool made = produce([&content](std::string_view piece) {
        content.append(piece);
        return true;
    });
    return made && writeFileAtomic(path, content);
}

} // namespace dirforge::platform
