// A run on several targets at once: the targets handed to the workers, and taken back and
// recorded in the list's order as a run one target after another records them.

#include "engine/RunEngine.h"

namespace dirforge::engine {

namespace {

/// How long the run's thread waits for a worker before it asks again whether to stop (and, in
/// the window, lets Stop and the repaints through).
constexpr std::chrono::milliseconds kPoll{20};

} // namespace

void RunEngine::startOverlap() {
    // Attach Nothing leaves nothing to overlap where the targets share one folder. Tokens are
    // the target in hand's: a run that replaces them works on one target at a time.
    if (simulate_ || request_.tokens ||
        (request_.page != PageKind::Paths && mode_ == AttachMode::Nothing))
        return;
    const std::size_t workers = OverlapFor(services_.fs, request_);
    if (workers > 1)
        overlap_ = std::make_unique<OverlappedTargets>(
            OverlapContext{request_, titles_, state_.snapshot, services_.fs, state_.fileSizes,
                           itemTotals_, journal_},
            workers);
}

void RunEngine::handOn(const std::string& target, const std::string& numberText,
                       const std::string& anchorPoint) {
    // The targets of one destination share their folder: made here, in order; a paths entry's
    // target is made by its worker, never beside another one in flight.
    const bool paths = request_.page == PageKind::Paths;
    // Waits only for the targets up to the last one it clashes with (they are taken in order).
    while (overlap_->clashes(target, paths))
        if (std::unique_ptr<FinishedTarget> finished = nextFinished(kPoll))
            recordFinished(*finished);
    takeFinished(false);
    while (!overlap_->canAdd()) {
        relayStop();
        overlap_->waitForRoom(kPoll);
        takeFinished(false);
    }
    overlap_->add(target, numberText, anchorPoint, !paths);
}

void RunEngine::relayStop() {
    // A stop reaches the workers at once: each leaves the rest of its copy.
    if (stopping())
        overlap_->stop();
}

std::unique_ptr<FinishedTarget> RunEngine::nextFinished(std::chrono::milliseconds wait) {
    relayStop();
    return overlap_->next(wait);
}

void RunEngine::takeFinished(bool wait) {
    if (!overlap_)
        return;
    for (;;) {
        if (std::unique_ptr<FinishedTarget> finished =
                nextFinished(wait ? kPoll : std::chrono::milliseconds(0)))
            recordFinished(*finished);
        else if (!wait || !overlap_->busy())
            return;
    }
}

void RunEngine::recordFinished(FinishedTarget& finished) {
    RunResults& results = state_.results;
    const RunResults& done = finished.results;
    for (const ResultList list :
         {ResultList::FoldersCreated, ResultList::SubFoldersCreated, ResultList::FilesCreated,
          ResultList::FoldersExist, ResultList::FoldersOther}) {
        std::vector<std::string>& into = results.list(list);
        into.insert(into.end(), done.list(list).begin(), done.list(list).end());
    }
    for (const std::string_view path : done.FoldersMadeByRun)
        results.FoldersMadeByRun.push_back(path);
    results.FolderIdentities.insert(results.FolderIdentities.end(), done.FolderIdentities.begin(),
                                    done.FolderIdentities.end());
    results.FileIdentities.insert(results.FileIdentities.end(), done.FileIdentities.begin(),
                                  done.FileIdentities.end());
    for (const RunAnchor& anchor : done.Anchors) {
        bool known = false;
        for (const RunAnchor& held : results.Anchors)
            known = known || held.path == anchor.path;
        if (!known)
            results.Anchors.push_back(anchor);
    }
    for (const auto& [path, reason] : done.Reasons)
        results.Reasons.insert_or_assign(path, reason);
    for (std::size_t row = 0; row < results.counters.cells.size(); ++row)
        for (std::size_t column = 0; column < results.counters.cells[row].size(); ++column)
            results.counters.cells[row][column] += done.counters.cells[row][column];
    for (const LogEntry& entry : finished.log) {
        if (entry.failure)
            services_.observer.failed(entry.path, entry.reason);
        else
            services_.observer.recorded(entry.list, entry.path);
    }
    RefreshLogCounters(sink_);
    for (const HeldMessage& message : finished.messages)
        services_.prompt.show(message.text, message.title, message.kind);
    failures_.takeFrom(finished.failures);
    if (finished.created) {
        state_.lastAttachMode = AttachModeLetter(mode_);
        state_.copyTarget = finished.copyTarget;
    }
    if (journal_ != nullptr)
        journal_->laneDone(finished.lane);
}

} // namespace dirforge::engine
