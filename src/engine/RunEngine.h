#pragma once
// The one run behind CreationRun and SimulationRun. Page differences are data (RunTitles, the
// totals each record adds) and the small per-page steps that turn names into targets.

#include "engine/CopyStructure.h"
#include "engine/CreationRun.h"
#include "engine/FailureNotes.h"
#include "engine/ItemProgress.h"
#include "engine/OverlappedTargets.h"
#include "engine/RunAnchors.h"
#include "engine/SimulatedTree.h"
#include "engine/TargetComposer.h"
#include "engine/TargetWork.h"
#include "engine/TokenExpander.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace dirforge::engine {

/// What one name stands for in the structure rows: the scanned totals for Existing, one
/// subfolder per template line for TextTemplates, nothing for Attach Nothing.
StructureTotals TotalsPerName(const RunRequest& request, const StructureTotals& scanned);

/// One run of one page, real or simulated; used once.
class RunEngine {
public:
    RunEngine(const RunRequest& request, PageRunState& state, const RunServices& services,
              bool simulate);

    /// Runs every step from the checks to the closing message.
    RunOutcome run();

private:
    /// The checks and the question before anything is reset; false when the run is refused.
    bool accepted(RunOutcome& outcome);
    void resetLog();
    /// Steps through the page's names; false when there was nothing to create (the page warned).
    bool processNames();
    void processStringsItem(const std::string& item);
    void processPathsEntry(const std::string& entry);
    bool processNumbers();
    /// The framing of one name: the run's, or with the tokens of item (its last element for
    /// {name}) replaced in prefix and suffix; null (and recorded under other reasons) when a
    /// replacement cannot stand in a name.
    const _tagVol0XParts* framingFor(const std::string& item);
    /// The paths page's prefix and suffix with item's tokens replaced; false (recorded) when
    /// a replacement cannot stand in a name.
    bool pathsFramingFor(const std::string& entry, std::string& prefix, std::string& suffix);
    /// Records, creates (or counts) one composed target and attaches to it when new.
    void processTarget(const std::string& target, const std::string& numberText);
    /// The structures as the last scan listed them; scans again when that scan was of others.
    void takeStructureSnapshot();
    /// RecordOther in the list's order: after every target handed to the workers.
    void recordOther(const std::string& path, const std::string& reason);
    /// Starts the workers when the run is to work on several targets at once.
    void startOverlap();
    /// Hands a target to the workers, taking finished ones back as room is needed.
    void handOn(const std::string& target, const std::string& numberText,
                const std::string& anchorPoint);
    /// Takes back and records, in order, the finished targets (wait: every one handed on).
    void takeFinished(bool wait);
    /// Passes a stop the run was asked for on to the workers.
    void relayStop();
    /// The oldest finished target (waiting up to wait), a stop passed on to the workers first.
    std::unique_ptr<FinishedTarget> nextFinished(std::chrono::milliseconds wait);
    /// Records a worker's target as this thread would have recorded it.
    void recordFinished(FinishedTarget& finished);
    void finish(RunOutcome& outcome, bool announce);
    /// Between items: the user's Stop, or a journal that can no longer be written.
    bool stopping();

    const RunRequest& request_;
    PageRunState& state_;
    const RunServices& services_;
    const bool simulate_;
    const RunTitles& pageTitles_;
    const RunKindTitles& titles_;
    const AttachMode mode_;
    /// A real run's journal written ahead (null without one, and in a dry run).
    JournalWriter* journal_;
    RecordSink sink_;
    /// The folders a real run creates below.
    RunAnchors anchors_;
    /// The dry run's record of what it made, over the folders already there.
    SimulatedTree simulated_;
    FailureNotes failures_;
    _tagVol0XParts parts_;
    /// With "Replace {name} and {date}": what the tokens stand for now, and one name's framing.
    TokenValues tokens_;
    _tagVol0XParts tokenParts_;
    /// What one name that is not created adds to the structure rows (none with Attach Nothing).
    StructureTotals itemTotals_;
    TargetWork work_;
    /// The workers of a run that works on several targets at once (null: one after another).
    std::unique_ptr<OverlappedTargets> overlap_;
    /// The numbers page's padding width, fixed once per run.
    std::int32_t padWidth_ = 0;
    /// Names done of names in all; asked between names whether to stop.
    ItemProgress progress_;
};

} // namespace dirforge::engine
