// Making one target and attaching to it when it is new (or, when existing folders are completed,
// when it was found): copies of existing structures, or folders built from template lines.

#include "engine/TargetWork.h"

#include "core/PathChecks.h"
#include "core/PathSafety.h"
#include "core/TextRules.h"
#include "engine/ReasonTexts.h"
#include "engine/TargetComposer.h"
#include "engine/TemplateRules.h"
#include "platform/FailureReason.h"

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

std::string RefusedPathReason(const std::string& path) {
    std::string found; // each refused character after a blank
    if (core::CheckIllegalChars(core::IllegalCharSet::FullPath, path, found) || found.size() < 2)
        return kReasonNotMade;
    return "refused character " + found.substr(1, 1);
}

TargetWork::TargetWork(const TargetContext& context)
    : context_(context),
      copy_(CopyContext{context.fs, context.prompt, context.sink, context.sizes,
                        context.request.copyVariant, context.titles, context.anchors, anchorPoint_,
                        context.simulated, &context.failures, context.tokens, context.stopRequested,
                        context.sharedMemory}) {}

bool TargetWork::make(const std::string& target, const std::string& numberText,
                      const std::string& anchorPoint) {
    if (!makeTarget(target, anchorPoint))
        return false;
    attachTo(target, numberText);
    return true;
}

bool TargetWork::makeTarget(const std::string& target, const std::string& anchorPoint) {
    anchorPoint_ = anchorPoint;
    const bool attachable = simulating() ? simulatedCreate(target) : createTarget(target);
    if (!attachable)
        return false;
    copyTarget_ = target;
    return true;
}

bool TargetWork::createTarget(const std::string& target) {
    // One create-if-missing call instead of a test and a create: a folder that was there already
    // comes back made by nobody, so it counts as existing exactly as a test first would say.
    return recordTargetOutcome(target, context_.anchors.makeFolder(anchorPoint_, target));
}

bool TargetWork::recordTargetOutcome(const std::string& target, MakeOutcome outcome) {
    switch (outcome) {
    case MakeOutcome::Existed:
        if (!context_.request.fillExisting) {
            // What the name would have received is counted as already there, on every page and
            // in the dry run too, so each structure row adds up.
            RecordExisting(context_.sink, target, context_.itemTotals);
            return false;
        }
        // Completed instead: the attach counts each part of the structure as it finds it.
        RecordExisting(context_.sink, target, StructureTotals{});
        return true;
    case MakeOutcome::Failed:
        RecordOther(context_.sink, target, context_.itemTotals,
                    platform::TakeReason(kReasonNotMade));
        return false;
    case MakeOutcome::Made:
        RecordCreated(context_.sink, target);
        break;
    }
    return true;
}

bool TargetWork::simulatedCreate(const std::string& target) {
    const PageKind page = context_.request.page;
    std::string found;
    if (page == PageKind::Numbers &&
        !core::CheckIllegalChars(core::IllegalCharSet::FullPath, target, found)) {
        RecordOther(context_.sink, target, context_.itemTotals, RefusedPathReason(target));
        return false;
    }
    // A strings page name the file system would refuse still counts as created here.
    const NameCheck check = page == PageKind::Strings ? NameCheck::Unchecked : NameCheck::Refused;
    return recordTargetOutcome(target, context_.simulated->makeFolder(target, check));
}

MakeOutcome TargetWork::makeSubfolder(const std::string& path) {
    // Made through the anchor like the target itself: a link in the way fails it.
    return simulating() ? context_.simulated->makeFolder(path)
                        : context_.anchors.makeFolder(anchorPoint_, path);
}

void TargetWork::attachTo(const std::string& target, const std::string& numberText) {
    switch (context_.request.effectiveMode()) {
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

void TargetWork::attachStructures(const std::string& target) {
    const RunRequest& request = context_.request;
    if (!simulating())
        context_.sink.results.clearUndoRetry();
    for (const std::string& source : request.structureLines) {
        const std::string root = core::Trim(source);
        const StructureListing* listing = context_.snapshot.find(root);
        if (listing == nullptr)
            continue; // a blank line
        // A structure that was not there when the run began is skipped silently; what it would
        // have added counts under other reasons.
        if (core::DrivePart(root).empty() || !listing->rootIsFolder) {
            RecordStructureNotCopied(context_.sink, listing->totals);
            continue;
        }
        std::string message;
        if (!core::CheckSameSource(target, source, message)) {
            context_.prompt.warn(message, context_.titles.sameSourceExisting);
            RecordStructureNotCopied(context_.sink, listing->totals);
            continue;
        }
        std::string mainFolder = LastElement(root), refusal;
        if (context_.tokens != nullptr)
            mainFolder = ExpandTokens(mainFolder, *context_.tokens, &refusal);
        const std::string destination =
            CopiesMainFolder(request.copyVariant) ? target + "\\" + mainFolder : target;
        if (!refusal.empty() && CopiesMainFolder(request.copyVariant)) {
            RecordStructureNotCopied(context_.sink, listing->totals);
            RecordReason(context_.sink, destination, refusal);
            context_.failures.note(FailureCause::SubfolderNotMade, destination, refusal);
            continue;
        }
        copyTarget_ = WithoutTrailingBackslash(destination);
        if (simulating())
            copy_.SimulateCopyStructure(source, copyTarget_, listing);
        else
            copy_.CopyStructure(source, copyTarget_, listing);
    }
}

void TargetWork::attachTemplates(const std::string& target, const std::string& numberText) {
    const RunRequest& request = context_.request;
    const RecordSink& sink = context_.sink;
    // The journal of an earlier undo is the real run's to replace; a dry run leaves it alone.
    if (!simulating())
        sink.results.clearUndoRetry();
    const bool numbered =
        request.page == PageKind::Numbers && request.numbers.addNumbersToSubfolders;
    for (const std::string& listed : request.structureLines) {
        std::string refusal;
        const std::string line =
            context_.tokens != nullptr ? ExpandTokens(listed, *context_.tokens, &refusal) : listed;
        if (!refusal.empty()) {
            RecordOtherSubfolder(sink, listed, refusal);
            continue;
        }
        std::string message;
        if (!core::CheckSameSource(target, line, message)) {
            context_.prompt.warn(message, context_.titles.sameSourceTemplates);
            AddToCounter(sink, CounterRow::Subfolders, CounterColumn::Other, 1);
            continue;
        }
        std::string relative =
            TransformTemplateLine(OptionsOf(request), request.page, line, target);
        if (numbered && !relative.empty())
            relative = AppendNumberToElements(relative, request.prefix, numberText);
        // A ".." element would climb out of the new folder: such a line creates nothing.
        const std::string full = relative.empty() || core::HasParentElement(relative)
                                     ? std::string()
                                     : JoinTemplatePath(target, relative);
        if (full.empty()) {
            RecordOtherSubfolder(sink, line,
                                 relative.empty() ? kReasonEmptyTemplate : kReasonClimbs);
            continue;
        }
        switch (makeSubfolder(full)) {
        case MakeOutcome::Existed:
            RecordExistingTemplateFolder(sink, full);
            break;
        case MakeOutcome::Made:
            RecordCreatedSubfolder(sink, full);
            break;
        case MakeOutcome::Failed: {
            const std::string reason = platform::TakeReason(kReasonNotMade);
            RecordOtherSubfolder(sink, full, reason);
            context_.failures.note(FailureCause::SubfolderNotMade, full, reason);
            break;
        }
        }
    }
}

} // namespace dirforge::engine
