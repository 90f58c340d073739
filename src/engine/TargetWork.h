#pragma once
// One composed target of a run: made (or, in a dry run, decided), recorded, and given its
// structures or template folders when it is new. A run keeps one; an overlapped run keeps one
// per worker, each recording into its own result store.

#include "engine/CopyStructure.h"
#include "engine/CreationRun.h"
#include "engine/FailureNotes.h"
#include "engine/ResultRecording.h"
#include "engine/RunAnchors.h"
#include "engine/SimulatedTree.h"
#include "engine/TokenExpander.h"

#include <functional>
#include <string>

namespace dirforge::engine {

/// Why the dry run refuses a path the desktop would refuse: its first refused character, as the
/// run names it.
std::string RefusedPathReason(const std::string& path);

/// What a target's work reads and where it records.
struct TargetContext {
    const RunRequest& request;
    const RunKindTitles& titles;
    const StructureSnapshot& snapshot;
    platform::FileSystem& fs;
    platform::Prompt& prompt;
    RecordSink sink;
    const FileSizeMap& sizes;
    /// A real run makes everything below the point its target was chosen at.
    RunAnchors& anchors;
    /// A dry run's record of what it made (null in a real run).
    SimulatedTree* simulated;
    FailureNotes& failures;
    /// What one name that is not created adds to the structure rows.
    const StructureTotals& itemTotals;
    /// With "Replace {name} and {date}": what the tokens of the target in hand stand for (null:
    /// nothing is replaced). A run that replaces tokens works on one target at a time.
    const TokenValues* tokens = nullptr;
    /// Asked between the entries of a copy: true when the run is to stop.
    std::function<bool()> stopRequested = {};
    /// The copies' memory shared with the other workers of an overlapped run (null: its own).
    platform::CopyMemory* sharedMemory = nullptr;
};

class TargetWork {
public:
    explicit TargetWork(const TargetContext& context);
    TargetWork(const TargetWork&) = delete;
    TargetWork& operator=(const TargetWork&) = delete;

    /// Makes target below anchorPoint (a dry run decides only), records the outcome and, when
    /// the target is new, attaches to it by the run's mode. True when it was created.
    bool make(const std::string& target, const std::string& numberText,
              const std::string& anchorPoint);
    /// make in two steps, for a run that makes its targets in order and attaches on a worker:
    /// the target made (or decided) and recorded, true when it is new; then its attach.
    bool makeTarget(const std::string& target, const std::string& anchorPoint);
    void attachTo(const std::string& target, const std::string& numberText);
    /// The folder the last structure copy wrote into.
    const std::string& copyTarget() const { return copyTarget_; }

private:
    bool simulating() const { return context_.simulated != nullptr; }
    bool createTarget(const std::string& target);
    bool simulatedCreate(const std::string& target);
    /// Records the target's outcome; true when the structure is attached to it (it was made, or
    /// it was there and existing folders are completed).
    bool recordTargetOutcome(const std::string& target, MakeOutcome outcome);
    /// Makes a template subfolder, or (dry run) says what making it would come to.
    MakeOutcome makeSubfolder(const std::string& path);
    void attachStructures(const std::string& target);
    void attachTemplates(const std::string& target, const std::string& numberText);

    TargetContext context_;
    std::string anchorPoint_;
    std::string copyTarget_;
    StructureCopy copy_;
};

} // namespace dirforge::engine
