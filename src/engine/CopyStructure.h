#pragma once
// Attaching an existing folder structure: a breadth-first copy of a structure folder into the
// folder the run has just created (CopyStructure), or its dry run (SimulateCopyStructure).

#include "engine/ResultRecording.h"
#include "engine/RunAnchors.h"
#include "engine/RunTitles.h"
#include "engine/StructureTotals.h"
#include "platform/FileSystem.h"
#include "platform/Prompt.h"

#include <deque>
#include <string>
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
};

/// Copies structures into new folders, one copy at a time. Symbolic links in a structure are
/// never followed, and a copy never descends into its own output.
class StructureCopy {
public:
    explicit StructureCopy(CopyContext context) : context_(context) {}

    /// Copies the tree of source into copyTarget by the copy variant; never overwrites a file.
    void CopyStructure(const std::string& source, const std::string& copyTarget);
    /// Counts and lists what CopyStructure would do, writing nothing.
    void SimulateCopyStructure(const std::string& source, const std::string& copyTarget);

private:
    /// A source folder still to enumerate and its path relative to the structure root.
    struct QueuedFolder {
        std::string source;
        std::string relative;
    };

    void copyRoot(const std::string& copyTarget, bool simulate);
    void walk(const std::string& source, const std::string& copyTarget, bool simulate);
    void folderEntry(const QueuedFolder& child, const std::string& target, bool simulate);
    void fileEntry(const std::string& item, const std::string& target, bool simulate);
    void linkEntry(const std::string& item);
    /// Adds the item's size to the bytes cell, or warns that the scan did not see it.
    void addSize(const std::string& item, CounterColumn column, const char* missingText, const char* title);

    CopyContext context_;
    std::deque<QueuedFolder> CopyQueue;
};

} // namespace dirforge::engine
