#include "engine/RunEngine.h"

#include "core/PathChecks.h"
#include "core/PathSafety.h"
#include "core/TextRules.h"
#include "engine/IncreasedNumbers.h"
#include "engine/PageTexts.h"
#include "engine/ProgressText.h"
#include "engine/ReasonTexts.h"
#include "engine/StructureScan.h"

namespace dirforge::engine {

RunEngine::RunEngine(const RunRequest& request, PageRunState& state, const RunServices& services,
                     bool simulate)
    : request_(request), state_(state), services_(services), simulate_(simulate),
      pageTitles_(TextsFor(request.page).run),
      titles_(simulate ? pageTitles_.simulation : pageTitles_.real), mode_(request.effectiveMode()),
      journal_(simulate ? nullptr : services.journal), sink_{state.results, services.observer,
                                                             !simulate, journal_},
      anchors_(services.fs, state.results), simulated_(services.fs),
      work_(TargetContext{request, titles_, state.snapshot, services.fs, services.prompt, sink_,
                          state.fileSizes, anchors_, simulate ? &simulated_ : nullptr, failures_,
                          itemTotals_, request.tokens ? &tokens_ : nullptr,
                          [this] { return stopping(); }}),
      progress_(services.observer, 0) {
    anchors_.setJournal(journal_);
    if (request.tokens)
        tokens_.date = request.runDate.empty() ? TodayText() : request.runDate;
}

bool RunEngine::stopping() {
    return progress_.stopping() || (journal_ != nullptr && journal_->failed());
}

RunOutcome RunEngine::run() {
    RunOutcome outcome;
    if (!accepted(outcome))
        return outcome;
    outcome.end = RunEnd::Completed;
    resetLog();
    if (mode_ == AttachMode::Existing)
        takeStructureSnapshot();
    if (simulate_)
        simulated_.reserve(request_.nameList().size());
    itemTotals_ = TotalsPerName(request_, state_.totals);
    if (request_.page != PageKind::Paths) {
        parts_ = BuildDestinationParts(request_.destination, request_.prefix, request_.suffix,
                                       request_.hyphen);
        if (!simulate_)
            state_.lastDestination = DestinationWithBackslash(request_.destination);
    }
    if (journal_ != nullptr)
        journal_->begin(request_.page, AttachModeLetter(mode_),
                        request_.page != PageKind::Paths ? state_.lastDestination : std::string(),
                        state_.results.counters);
    startOverlap();
    const bool created = processNames();
    takeFinished(true);
    overlap_.reset();
    anchors_.identifyMade();
    const bool journalComplete = journal_ == nullptr || journal_->finish();
    finish(outcome, created);
    if (!outcome.journalError.empty() && !journalComplete)
        outcome.journalError += " " + std::string(kJournalLastItemText);
    return outcome;
}

bool RunEngine::accepted(RunOutcome& outcome) {
    platform::Prompt& prompt = services_.prompt;
    const NumberRange& numbers = request_.numbers;
    if (request_.page == PageKind::Numbers && numbers.endNumber < numbers.startNumber) {
        prompt.warn(kStartAboveEndText, titles_.startAboveEnd);
        outcome.focus = RunFocus::EndNumber;
        return false;
    }
    const bool hasNames = request_.page == PageKind::Numbers || !request_.nameList().empty();
    const std::string driveMessage =
        hasNames ? MissingDriveMessage(services_.fs, DrivePathsOf(request_)) : "";
    if (!driveMessage.empty()) {
        prompt.warn(driveMessage, pageTitles_.driveMissing);
        return false;
    }
    if (request_.copiesFiles() && !PrepareTargetCounts(request_, state_, services_, true))
        return false;
    if (mode_ != AttachMode::Nothing && request_.structureLines.empty()) {
        prompt.warn(kNoStructureText, titles_.noStructure);
        outcome.focus = RunFocus::AddStructure;
        return false;
    }
    return prompt.ask(simulate_ ? kSimulationQuestionText : kCreateQuestionText, titles_.question);
}

void RunEngine::resetLog() {
    RunResults& results = state_.results;
    services_.observer.resetLog(!simulate_);
    results.counters.resetResults();
    if (!simulate_) {
        results.clearLists();
        results.clearUndoRetry();
    }
    RefreshLogCounters(sink_);
    if (request_.showVisualLog)
        services_.observer.showLog();
}

bool RunEngine::processNames() {
    if (request_.page == PageKind::Numbers)
        return processNumbers();
    if (request_.nameList().empty()) {
        services_.prompt.warn(pageTitles_.emptyListText, titles_.emptyList);
        return false;
    }
    progress_.setTotal(request_.nameList().size());
    for (const std::string& name : request_.nameList()) {
        if (stopping())
            break;
        if (request_.page == PageKind::Strings)
            processStringsItem(name);
        else
            processPathsEntry(name);
        progress_.advance();
    }
    return true;
}

void RunEngine::processStringsItem(const std::string& item) {
    if (simulate_) {
        // The dry run takes a complete path for a misplaced full path and anything else for a
        // name, which it composes as the real run does.
        const std::string normalized = core::CollapseColons(core::NormalizePath(item));
        std::string passed, failed;
        if (core::ValidateFullPath(normalized, passed, failed)) {
            recordOther(normalized, kReasonFullPathAsName);
            return;
        }
    } else if (!core::DrivePart(core::Trim(item)).empty()) {
        recordOther(item, kReasonFullPathAsName);
        return;
    }
    const _tagVol0XParts* parts = framingFor(item);
    if (parts == nullptr)
        return;
    const std::string target = ComposeTarget(*parts, item);
    if (core::DrivePart(target).empty())
        recordOther(target, kReasonNoDrive);
    else
        processTarget(target, {});
}

void RunEngine::processPathsEntry(const std::string& entry) {
    std::string path = entry;
    if (simulate_) {
        std::string passed, failed;
        if (!core::ValidateFullPath(entry, passed, failed)) {
            recordOther(entry, core::DrivePart(core::Trim(entry)).empty()
                                   ? kReasonNoDrive
                                   : RefusedPathReason(entry));
            return;
        }
        path = passed;
    } else if (core::DrivePart(core::Trim(entry)).empty()) {
        recordOther(entry, kReasonNoDrive);
        return;
    }
    std::string tokenPrefix, tokenSuffix;
    if (request_.tokens && !pathsFramingFor(entry, tokenPrefix, tokenSuffix))
        return;
    const std::string target =
        ComposePathTarget(path, request_.tokens ? tokenPrefix : request_.prefix,
                          request_.tokens ? tokenSuffix : request_.suffix, request_.hyphen);
    if (core::DrivePart(target).empty())
        recordOther(target, kReasonNoDrive);
    else
        processTarget(target, {});
}

bool RunEngine::processNumbers() {
    const NumberRange& numbers = request_.numbers;
    const std::int32_t first = ReadNumberField(numbers.startText, numbers.startNumber);
    const std::int32_t last = ReadNumberField(numbers.endText, numbers.endNumber);
    padWidth_ = PadWidthFor(last);
    if (last < first) {
        services_.prompt.warn(kEndBelowStartText, titles_.endBelowStart);
        return false;
    }
    progress_.setTotal(static_cast<std::uint64_t>(std::int64_t{last} - first + 1));
    // 64-bit counter: the loop ends after 2147483647 too. Names are made one at a time.
    for (std::int64_t n = first; n <= last; ++n) {
        if (stopping())
            break;
        const std::string numberText = FormatIncreasedNumber(n, numbers.paddedZeroes, padWidth_);
        if (const _tagVol0XParts* parts = framingFor(numberText))
            processTarget(JoinParts(*parts, numberText), numberText);
        progress_.advance();
    }
    return true;
}

void RunEngine::processTarget(const std::string& target, const std::string& numberText) {
    // A ".." element would leave the destination (or the entry's own folder): never created.
    if (core::HasParentElement(target)) {
        recordOther(target, kReasonClimbs);
        return;
    }
    // Everything for this target is made below the point the user chose: the destination, or the
    // folder a paths entry names.
    const std::string anchorPoint = simulate_ ? std::string()
                                    : request_.page == PageKind::Paths
                                        ? FolderPart(core::NormalizePath(target))
                                        : core::Trim(request_.destination);
    if (request_.tokens)
        tokens_.name = core::Trim(LastElement(core::NormalizePath(target)));
    if (overlap_) {
        handOn(target, numberText, anchorPoint);
        return;
    }
    if (!work_.make(target, numberText, anchorPoint))
        return;
    if (!simulate_)
        state_.lastAttachMode = AttachModeLetter(mode_);
    state_.copyTarget = work_.copyTarget();
}

const _tagVol0XParts* RunEngine::framingFor(const std::string& item) {
    if (!request_.tokens)
        return &parts_;
    tokens_.item = item;
    tokens_.name = LastElement(core::NormalizePath(item));
    std::string refusal;
    const std::string prefix = ExpandTokens(request_.prefix, tokens_, &refusal);
    const std::string suffix = ExpandTokens(request_.suffix, tokens_, &refusal);
    if (!refusal.empty()) {
        recordOther(JoinParts(parts_, item), refusal);
        return nullptr;
    }
    tokenParts_ = BuildDestinationParts(request_.destination, prefix, suffix, request_.hyphen);
    return &tokenParts_;
}

bool RunEngine::pathsFramingFor(const std::string& entry, std::string& prefix,
                                std::string& suffix) {
    tokens_.item = entry;
    tokens_.name = BuildPathParts(entry, {}, {}, false).name;
    std::string refusal;
    prefix = ExpandTokens(request_.prefix, tokens_, &refusal);
    suffix = ExpandTokens(request_.suffix, tokens_, &refusal);
    if (refusal.empty())
        return true;
    recordOther(entry, refusal);
    return false;
}

void RunEngine::recordOther(const std::string& path, const std::string& reason) {
    takeFinished(true);
    RecordOther(sink_, path, itemTotals_, reason);
}

void RunEngine::takeStructureSnapshot() {
    const bool withFiles = request_.copiesFiles();
    if (state_.snapshot.covers(request_.structureLines, request_.copyVariant, withFiles))
        return;
    ComputeStructureTotals(services_.fs, request_.structureLines, request_.copyVariant, withFiles,
                           state_.totals, state_.fileSizes, nullptr, &state_.snapshot);
}

void RunEngine::finish(RunOutcome& outcome, bool announce) {
    failures_.report(services_.prompt, titles_.notMade);
    const bool hasDestination = request_.page != PageKind::Paths;
    if (journal_ != nullptr && journal_->failed()) {
        // Stopped as Stop stops it, so that everything made is in the journal.
        outcome.end = RunEnd::Stopped;
        services_.prompt.inform(StoppedText(StoppedWork::Run, progress_.done(), progress_.total()),
                                titles_.end);
        outcome.journalError =
            JournalStoppedText(journal_->errorText(), progress_.done(), progress_.total());
    } else if (progress_.stopped()) {
        // Stopped by the user: say how far it came; the file manager is not opened.
        outcome.end = RunEnd::Stopped;
        const StoppedWork work = simulate_ ? StoppedWork::Simulation : StoppedWork::Run;
        services_.prompt.inform(StoppedText(work, progress_.done(), progress_.total()),
                                titles_.end);
    } else if (announce) {
        services_.prompt.inform(simulate_ ? kSimulationEndText : kCreateEndText, titles_.end);
        if (hasDestination && request_.showExplorer)
            services_.shell.openFolder(core::Trim(request_.destination));
    }
    outcome.updateHistory =
        request_.page == PageKind::Numbers || (request_.page == PageKind::Strings && !simulate_);
}

} // namespace dirforge::engine
