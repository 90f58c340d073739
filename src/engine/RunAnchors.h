#pragma once
// The folders a real run creates below. The point the user chose (a destination, a paths entry's
// folder) is resolved once, as given, to its deepest existing folder; everything below is made
// through that folder's handle, never through a link, and every folder made and file copied is
// journaled with its identity so the undo can prove what the run made.

#include "engine/MakeOutcome.h"
#include "engine/RunResults.h"
#include "platform/FileSystem.h"

#include <memory>
#include <string>
#include <unordered_set>

namespace dirforge::engine {

class RunAnchors {
public:
    /// Journals into results (anchors, made folders, their identities).
    RunAnchors(platform::FileSystem& fs, RunResults& results) : fs_(fs), results_(results) {}

    /// Creates path with its missing parents below the point chosen; every folder made is
    /// journaled. True when a real folder stands at path afterwards.
    bool createFolder(const std::string& chosen, const std::string& path);
    /// createFolder, saying whether the folder at path was there already, made now, or not made
    /// (a link, a file or a refused name in the way).
    MakeOutcome makeFolder(const std::string& chosen, const std::string& path);
    /// Copies source to target below the point chosen, exclusively; identity is the copy's.
    bool copyFile(const std::string& chosen, const std::string& source, const std::string& target,
                  platform::FileIdentity& identity);

private:
    /// The anchor for the point chosen; opened once while the same point comes again.
    platform::AnchoredFolder* anchorFor(const std::string& chosen);
    void record(const platform::AnchoredFolder& anchor);
    /// After the run made the missing chosen folder: hold it from now on, once it is opened as
    /// given and proves to be the very folder the run made (made_ holds what was just made).
    void holdChosenFolder();

    platform::FileSystem& fs_;
    RunResults& results_;
    std::string chosen_;
    std::unique_ptr<platform::AnchoredFolder> anchor_;
    /// The anchor is the chosen folder itself, not a folder above it that was missing.
    bool exact_ = false;
    std::unordered_set<std::string> recorded_;
    std::vector<platform::MadeItem> made_;
};

} // namespace dirforge::engine
