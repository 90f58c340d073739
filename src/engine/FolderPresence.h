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

    /// What stands at a path: nothing, a folder (through a link too), or anything else.
    enum class Standing { Nothing, Folder, Other };

    /// True when path names a folder (through a link too), as fs.folderExists says.
    bool folderExists(const std::string& path) {
        return standing(path, Ask::FolderOnly) == Standing::Folder;
    }
    /// What stands at path: a folder as fs.folderExists says, Other for any other entry (a file,
    /// a link that leads to no folder, a special file), Nothing when the name is free.
    Standing standing(const std::string& path) { return standing(path, Ask::Everything); }

private:
    /// How much a direct question asks: whether a folder is there, or also what else is.
    enum class Ask { FolderOnly, Everything };

    struct Parent {
        enum class State { SeenOnce, Missing, Listed, Unlisted };
        State state = State::SeenOnce;
        std::unordered_map<std::string, platform::EntryKind> entries;
    };

    Standing standing(const std::string& path, Ask ask);
    /// Asks the file system itself about path.
    Standing asked(const std::string& path, Ask ask) const;
    /// Lists the parent folder once it is asked about a second time.
    void learn(const std::string& folder, Parent& parent);

    const platform::FileSystem& fs_;
    std::unordered_map<std::string, Parent> parents_;
};

} // namespace dirforge::engine
