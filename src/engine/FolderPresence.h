#pragma once
// Which targets of a dry run are folders already, reading each busy parent folder once.
//
// A dry run creates nothing, so what it sees of a parent folder stays as it was: after the
// second question about one parent, the parent is listed once and later questions are answered
// from the listing. The answers are those of FileSystem::folderExists: an entry that is a link
// (or of a kind the listing cannot tell) is asked about directly, and a parent that is not a
// folder holds no folders.

#include "platform/FileSystem.h"

#include <string>
#include <unordered_map>

namespace dirforge::engine {

class FolderPresence {
public:
    explicit FolderPresence(const platform::FileSystem& fs);

    /// True when path names a folder (through a link too), as fs.folderExists says.
    bool folderExists(const std::string& path);

private:
    struct Parent {
        enum class State { SeenOnce, Missing, Listed, Unlisted };
        State state = State::SeenOnce;
        std::unordered_map<std::string, platform::EntryKind> entries;
    };

    /// Lists the parent folder once it is asked about a second time.
    void learn(const std::string& folder, Parent& parent);

    const platform::FileSystem& fs_;
    std::unordered_map<std::string, Parent> parents_;
};

} // namespace dirforge::engine
