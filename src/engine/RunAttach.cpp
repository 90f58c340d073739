// Attaching to a folder the run has just created (or, when existing folders are completed, to
// one it found): copies of existing structures, or folders built from template lines.

#include "core/PathChecks.h"
#include "core/PathSafety.h"
#include "core/TextRules.h"
#include "engine/ReasonTexts.h"
#include "engine/RunEngine.h"
#include "engine/StructureScan.h"
#include "engine/TemplateRules.h"

namespace dirforge::engine {

namespace {

const MAP_FOLDER_TEMPLATE_OPTIONS& OptionsOf(const RunRequest& request) {
    static const MAP_FOLDER_TEMPLATE_OPTIONS defaults;
    return request.templateOptions != nullptr ? *request.templateOptions : defaults;
}

std::string WithoutTrailingBackslash(std::string path) {
    if (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

} // namespace

void RunEngine::attach(const std::string& target, const std::string& numberText) {
    if (!simulate_)
        state_.lastAttachMode = AttachModeLetter(mode_);
    switch (mode_) {
    case AttachMode::Existing:
        attachStructures(target);
        break;
    case AttachMode::TextTemplates:
        attachTemplates(target, numberText);
        break;
    case AttachMode::Nothing:
        break;
    }
}

void RunEngine::takeStructureSnapshot() {
    const bool withFiles = request_.copiesFiles();
    if (state_.snapshot.covers(request_.structureLines, request_.copyVariant, withFiles))
        return;
    ComputeStructureTotals(services_.fs, request_.structureLines, request_.copyVariant, withFiles,
                           state_.totals, state_.fileSizes, nullptr, &state_.snapshot);
}

void RunEngine::attachStructures(const std::string& target) {
    if (!simulate_)
        state_.results.clearUndoRetry();
    for (const std::string& source : request_.structureLines) {
        const std::string root = core::Trim(source);
        const StructureListing* listing = state_.snapshot.find(root);
        if (listing == nullptr)
            continue; // a blank line
        // A structure that was not there when the run began is skipped silently; what it would
        // have added counts under other reasons.
        if (core::DrivePart(root).empty() || !listing->rootIsFolder) {
            RecordStructureNotCopied(sink_, listing->totals);
            continue;
        }
        std::string message;
        if (!core::CheckSameSource(target, source, message)) {
            services_.prompt.warn(message, titles_.sameSourceExisting);
            RecordStructureNotCopied(sink_, listing->totals);
            continue;
        }
        std::string mainFolder = LastElement(root), refusal;
        if (request_.tokens)
            mainFolder = ExpandTokens(mainFolder, tokens_, &refusal);
        const std::string destination =
            CopiesMainFolder(request_.copyVariant) ? target + "\\" + mainFolder : target;
        if (!refusal.empty() && CopiesMainFolder(request_.copyVariant)) {
            RecordStructureNotCopied(sink_, listing->totals);
            RecordReason(sink_, destination, refusal);
            failures_.note(FailureCause::SubfolderNotMade, destination, refusal);
            continue;
        }
        state_.copyTarget = WithoutTrailingBackslash(destination);
        if (simulate_)
            copy_.SimulateCopyStructure(source, state_.copyTarget, listing);
        else
            copy_.CopyStructure(source, state_.copyTarget, listing);
    }
}

void RunEngine::attachTemplates(const std::string& target, const std::string& numberText) {
    // The journal of an earlier undo is the real run's to replace; a dry run leaves it alone.
    if (!simulate_)
        state_.results.clearUndoRetry();
    const bool numbered =
        request_.page == PageKind::Numbers && request_.numbers.addNumbersToSubfolders;
    for (const std::string& listed : request_.structureLines) {
        std::string refusal;
        const std::string line = request_.tokens ? ExpandTokens(listed, tokens_, &refusal) : listed;
        if (!refusal.empty()) {
            RecordOtherSubfolder(sink_, listed, refusal);
            continue;
        }
        std::string message;
        if (!core::CheckSameSource(target, line, message)) {
            services_.prompt.warn(message, titles_.sameSourceTemplates);
            AddToCounter(sink_, CounterRow::Subfolders, CounterColumn::Other, 1);
            continue;
        }
        std::string relative =
            TransformTemplateLine(OptionsOf(request_), request_.page, line, target);
        if (numbered && !relative.empty())
            relative = AppendNumberToElements(relative, request_.prefix, numberText);
        // A ".." element would climb out of the new folder: such a line creates nothing.
        const std::string full = relative.empty() || core::HasParentElement(relative)
                                     ? std::string()
                                     : JoinTemplatePath(target, relative);
        if (full.empty()) {
            RecordOtherSubfolder(sink_, line,
                                 relative.empty() ? kReasonEmptyTemplate : kReasonClimbs);
            continue;
        }
        switch (makeSubfolder(full)) {
        case MakeOutcome::Existed:
            RecordExistingTemplateFolder(sink_, full);
            break;
        case MakeOutcome::Made:
            RecordCreatedSubfolder(sink_, full);
            break;
        case MakeOutcome::Failed: {
            const std::string reason = platform::TakeReason(kReasonNotMade);
            RecordOtherSubfolder(sink_, full, reason);
            failures_.note(FailureCause::SubfolderNotMade, full, reason);
            break;
        }
        }
    }
}

} // namespace dirforge::engine
