#pragma once
// Attaching an existing folder structure: a breadth-first copy of a structure folder into the
// folder the run has just created (CopyStructure), or its dry run (SimulateCopyStructure).

#include "engine/FailureNotes.h"
#include "engine/ResultRecording.h"
#include "engine/RunAnchors.h"
#include "engine/RunTitles.h"
#include "engine/SimulatedTree.h"
#include "engine/StructureSnapshot.h"
#include "engine/StructureTotals.h"
#include "engine/TokenExpander.h"
#include "platform/CopyMemory.h"
#include "platform/FileSystem.h"
#include "platform/Prompt.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace dirforge::engine {

/// What one page's copies read and write.
struct CopyContext {
    platform::FileSystem& fs;
    platform::Prompt& prompt;
    RecordSink sink;
    const FileSizeMap& sizes;
    CopyVariant variant;
    /// The titles of the kind of run (real or simulated) the copy belongs to.
    const RunKindTitles& titles;
    /// A real copy makes its folders and files below the point the run's target was chosen at.
    RunAnchors& anchors;
    const std::string& anchorPoint;
    /// A dry run's record of what it made so far (null: the dry copy asks the disk only).
    SimulatedTree* simulated = nullptr;
    /// Where items that could not be made or read are noted for the run's closing warnings.
    FailureNotes* failures = nullptr;
    /// The tokens replaced in the names of the copy and in its small text files (null: all is
    /// copied as it is).
    const TokenValues* tokens = nullptr;
    /// Asked before each entry: true when the run is to stop (the rest of the copy is left).
    std::function<bool()> stopRequested = {};
    /// The memory shared with the copies on other threads (null: this copy keeps its own).
    platform::CopyMemory* sharedMemory = nullptr;
};

/// Copies structures into new folders, one copy at a time. Symbolic links in a structure are
/// never followed, and a copy never descends into its own output.
class StructureCopy {
public:
    explicit StructureCopy(CopyContext context) : context_(context) {}

    /// Copies the tree of source into copyTarget by the copy variant; never overwrites a file.
    /// With a listing, the folders' entries come from it instead of the disk.
    void CopyStructure(const std::string& source, const std::string& copyTarget,
                       const StructureListing* listing = nullptr);
    /// Counts and lists what CopyStructure would do, writing nothing.
    void SimulateCopyStructure(const std::string& source, const std::string& copyTarget,
                               const StructureListing* listing = nullptr);

private:
    /// A source folder still to enumerate, its path relative to the structure root and the
    /// folder of the copy it becomes; refusal says why that folder's name cannot be used.
    struct QueuedFolder {
        std::string source;
        std::string relative;
        std::string target;
        std::string refusal;
    };

    void copyRoot(const std::string& copyTarget, bool simulate);
    void walk(const std::string& source, const std::string& copyTarget, bool simulate,
              const StructureListing* listing);
    /// Makes one folder of the copy (or, simulated, says what making it would come to).
    MakeOutcome makeFolder(const std::string& target, bool simulate);
    /// Copies one file (or says what copying it would come to); identity is the copy's.
    MakeOutcome copyFile(const std::string& item, const std::string& target, bool simulate,
                         platform::FileIdentity& identity);
    void countFolder(MakeOutcome outcome, const std::string& target);
    /// Notes the failure for the closing warning and keeps its cause beside the lists.
    void noteFailure(FailureCause cause, const std::string& path, const std::string& reason);
    /// The dry run's look at what the real copy will read: the cause when the structure's file
    /// cannot be opened for reading, empty when it can (asked once per file for the run).
    const std::string& unreadable(const std::string& item);
    /// The folder of the copy an entry of folder becomes, its tokens replaced when asked.
    QueuedFolder childOf(const QueuedFolder& folder, const std::string& name) const;
    void folderEntry(const QueuedFolder& child, bool simulate);
    void fileEntry(const QueuedFolder& child, bool simulate);
    /// The content a text file of the structure gets with its tokens replaced; null when the
    /// file is copied as it is (not small UTF-8 text, or no token in it).
    const platform::KeptContent* replacedContent(const std::string& item);
    void linkEntry(const std::string& item, const platform::FolderEntry& entry);
    /// The structure at root, held open for the run's copies of its files; null when it cannot
    /// be opened (its files are then copied by their paths).
    platform::AnchoredFolder* structureAt(const std::string& root);
    /// Adds the item's size to the bytes cell, or warns that the scan did not see it.
    void addSize(const std::string& item, CounterColumn column, const char* missingText,
                 const char* title);

    CopyContext context_;
    std::deque<QueuedFolder> CopyQueue;
    /// The structure being copied and its held folder.
    std::string root_;
    platform::AnchoredFolder* structure_ = nullptr;
    std::unordered_map<std::string, std::unique_ptr<platform::AnchoredFolder>> structures_;
    /// What every copy of the run shares: small files read once, drives that refused a clone
    /// (unless the context shares one).
    platform::CopyMemory memory_;
    platform::CopyMemory& memory() {
        return context_.sharedMemory != nullptr ? *context_.sharedMemory : memory_;
    }
    /// Why the last copyFile failed.
    std::string reason_;
    /// The dry run's answers of unreadable, by structure file.
    std::unordered_map<std::string, std::string> readable_;
    /// The structure's text files as read once (nullopt: copied as they are), and the content
    /// with the tokens of the current target replaced.
    std::unordered_map<std::string, std::optional<platform::KeptContent>> texts_;
    platform::KeptContent replaced_;
};

} // namespace dirforge::engine
