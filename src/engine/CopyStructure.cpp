#include "engine/CopyStructure.h"

#include "core/TextRules.h"
#include "engine/ReasonTexts.h"
#include "platform/FailureReason.h"

#include <cctype>
#include <optional>

namespace dirforge::engine {

namespace {

using platform::EntryKind;

/// A path in the form two paths are compared in: normalised, drive letter folded, no trailing "\".
std::string ComparableForm(const std::string& path) {
    std::string form = core::NormalizeTarget(core::Trim(path));
    if (!form.empty())
        form[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(form[0])));
    while (form.size() > 1 && form.back() == '\\')
        form.pop_back();
    return form;
}

bool IsSameOrBelow(const std::string& path, const std::string& folder) {
    return path.size() >= folder.size() && path.compare(0, folder.size(), folder) == 0 &&
           (path.size() == folder.size() || path[folder.size()] == '\\' || folder.back() == '\\');
}

} // namespace

void StructureCopy::CopyStructure(const std::string& source, const std::string& copyTarget,
                                  const StructureListing* listing) {
    walk(source, copyTarget, false, listing);
}

void StructureCopy::SimulateCopyStructure(const std::string& source, const std::string& copyTarget,
                                          const StructureListing* listing) {
    walk(source, copyTarget, true, listing);
}

MakeOutcome StructureCopy::makeFolder(const std::string& target, bool simulate) {
    if (!simulate)
        return context_.anchors.makeFolder(context_.anchorPoint, target);
    if (context_.simulated != nullptr)
        return context_.simulated->makeFolder(target);
    return context_.fs.folderExists(target) ? MakeOutcome::Existed : MakeOutcome::Made;
}

MakeOutcome StructureCopy::copyFile(const std::string& item, const std::string& target,
                                    bool simulate, platform::FileIdentity& identity) {
    platform::FileSystem& fs = context_.fs;
    if (simulate) {
        MakeOutcome outcome = MakeOutcome::Made;
        if (context_.simulated != nullptr) {
            outcome = context_.simulated->makeFile(target);
            reason_ = platform::TakeReason(kReasonNotCopied);
        } else if (fs.fileExists(target)) {
            outcome = MakeOutcome::Existed;
        }
        if (outcome != MakeOutcome::Made)
            return outcome;
        // A file the copy cannot open fails it, where nothing stands at the target already.
        const std::string& unread = unreadable(core::Trim(item));
        if (unread.empty())
            return outcome;
        if (context_.simulated != nullptr)
            context_.simulated->forgetFile(target);
        reason_ = unread;
        return MakeOutcome::Failed;
    }
    const platform::KeptContent* replaced = context_.tokens != nullptr && structure_ != nullptr
                                                ? replacedContent(core::Trim(item))
                                                : nullptr;
    const bool copied =
        replaced != nullptr ? context_.anchors.writeFile(context_.anchorPoint, *replaced,
                                                         core::Trim(target), identity)
        : structure_ != nullptr
            ? context_.anchors.copyFile(context_.anchorPoint, *structure_, core::Trim(item),
                                        core::Trim(target), identity, memory())
            : context_.anchors.copyFile(context_.anchorPoint, core::Trim(item), core::Trim(target),
                                        identity);
    if (copied)
        return MakeOutcome::Made;
    reason_ = platform::TakeReason(kReasonNotCopied);
    // The copy never overwrites: it failed because the target was there, or for another reason;
    // a link standing at the target is never written through and counts as another reason.
    if (fs.isLink(target)) {
        reason_ = "a link stands here";
        return MakeOutcome::Failed;
    }
    return fs.fileExists(target) || fs.folderExists(target) ? MakeOutcome::Existed
                                                            : MakeOutcome::Failed;
}

void StructureCopy::countFolder(MakeOutcome outcome, const std::string& target) {
    const RecordSink& sink = context_.sink;
    switch (outcome) {
    case MakeOutcome::Existed:
        AddToCounter(sink, CounterRow::Subfolders, CounterColumn::Exist, 1);
        break;
    case MakeOutcome::Made:
        RecordCreatedSubfolder(sink, target);
        break;
    case MakeOutcome::Failed:
        AddToCounter(sink, CounterRow::Subfolders, CounterColumn::Other, 1);
        noteFailure(FailureCause::SubfolderNotMade, target, platform::TakeReason(kReasonNotMade));
        break;
    }
}

void StructureCopy::noteFailure(FailureCause cause, const std::string& path,
                                const std::string& reason) {
    RecordReason(context_.sink, path, reason);
    if (context_.failures != nullptr)
        context_.failures->note(cause, path, reason);
}

const std::string& StructureCopy::unreadable(const std::string& item) {
    auto found = readable_.find(item);
    if (found == readable_.end()) {
        platform::ForgetReason();
        const bool opens = context_.fs.opensForReading(item);
        found =
            readable_.emplace(item, opens ? std::string() : platform::TakeReason(kReasonNotRead))
                .first;
    }
    return found->second;
}

void StructureCopy::copyRoot(const std::string& copyTarget, bool simulate) {
    // Only the main-folder variants make a root of their own (and count it as a subfolder); with
    // the others the copy writes into the new folder itself.
    if (!CopiesMainFolder(context_.variant)) {
        // The new folder itself: there already in a run; made (and counted) only when it is not.
        if (!simulate && makeFolder(copyTarget, false) == MakeOutcome::Made)
            RecordCreatedSubfolder(context_.sink, copyTarget);
        return;
    }
    countFolder(makeFolder(copyTarget, simulate), copyTarget);
}

void StructureCopy::walk(const std::string& source, const std::string& copyTarget, bool simulate,
                         const StructureListing* listing) {
    CopyQueue.clear();
    const std::string root = core::Trim(source);
    CopyQueue.push_back({root, std::string(), copyTarget, std::string()});
    copyRoot(copyTarget, simulate);
    structure_ = !simulate && CopiesFiles(context_.variant) ? structureAt(root) : nullptr;

    // The copy writes below its own source only when copyTarget lies inside the structure; then
    // every folder entry is checked so the walk never enters what it has just made.
    const std::string outputForm = ComparableForm(copyTarget);
    const bool outputInsideSource = IsSameOrBelow(outputForm, ComparableForm(root));

    while (!CopyQueue.empty()) {
        const QueuedFolder folder = std::move(CopyQueue.front());
        CopyQueue.pop_front();
        std::optional<std::vector<platform::FolderEntry>> read;
        const std::vector<platform::FolderEntry>* entries = nullptr;
        if (listing != nullptr) {
            const auto found = listing->folders.find(folder.relative);
            if (found != listing->folders.end() && found->second)
                entries = &*found->second;
        } else if ((read = context_.fs.listFolder(folder.source))) {
            entries = &*read;
        }
        if (entries == nullptr) {
            noteFailure(FailureCause::FolderNotRead, folder.source, kReasonNotRead);
            continue;
        }
        for (const platform::FolderEntry& entry : *entries) {
            // A stop keeps everything made so far, recorded; the rest of the copy is left.
            if (context_.stopRequested && context_.stopRequested()) {
                CopyQueue.clear();
                break;
            }
            QueuedFolder child = childOf(folder, entry.name);
            switch (entry.kind) {
            case EntryKind::Folder:
                if (outputInsideSource && IsSameOrBelow(ComparableForm(child.source), outputForm)) {
                    AddToCounter(context_.sink, CounterRow::Subfolders, CounterColumn::Other, 1);
                    break;
                }
                folderEntry(child, simulate);
                break;
            case EntryKind::File:
                if (CopiesFiles(context_.variant))
                    fileEntry(child, simulate);
                break;
            case EntryKind::Link:
            case EntryKind::Other:
                linkEntry(child.source, entry);
                break;
            }
        }
    }
    if (!simulate)
        context_.anchors.releaseFolders(context_.anchorPoint);
}

platform::AnchoredFolder* StructureCopy::structureAt(const std::string& root) {
    auto found = structures_.find(root);
    if (found == structures_.end())
        found =
            structures_.emplace(root, context_.fs.openAnchor(root, platform::AnchorReach::Exact))
                .first;
    return found->second.get();
}

StructureCopy::QueuedFolder StructureCopy::childOf(const QueuedFolder& folder,
                                                   const std::string& name) const {
    QueuedFolder child{folder.source + "\\" + name,
                       folder.relative.empty() ? name : folder.relative + "\\" + name,
                       std::string(), folder.refusal};
    if (context_.tokens == nullptr) {
        child.target = folder.target + "\\" + name;
        return child;
    }
    std::string refusal;
    child.target = folder.target + "\\" + ExpandTokens(name, *context_.tokens, &refusal);
    if (child.refusal.empty())
        child.refusal = std::move(refusal);
    return child;
}

const platform::KeptContent* StructureCopy::replacedContent(const std::string& item) {
    auto found = texts_.find(item);
    if (found == texts_.end()) {
        platform::KeptContent content;
        const bool text = structure_->readFileBelow(item, kMostTokenTextBytes, content) &&
                          IsTokenText(content.bytes);
        platform::ForgetReason(); // a file that cannot be read here is copied as it is
        found = texts_.emplace(item, text ? std::optional(std::move(content)) : std::nullopt).first;
    }
    if (!found->second || found->second->bytes.find('{') == std::string::npos)
        return nullptr;
    replaced_.bytes = ExpandTokens(found->second->bytes, *context_.tokens);
    if (replaced_.bytes == found->second->bytes)
        return nullptr;
    replaced_.permissions = found->second->permissions;
    return &replaced_;
}

void StructureCopy::folderEntry(const QueuedFolder& child, bool simulate) {
    const std::string& target = child.target;
    if (!child.refusal.empty()) {
        AddToCounter(context_.sink, CounterRow::Subfolders, CounterColumn::Other, 1);
        noteFailure(FailureCause::SubfolderNotMade, target, child.refusal);
    } else {
        countFolder(makeFolder(target, simulate), target);
    }
    // Descend in every case: below a folder that could not be made, the entries fail in turn.
    CopyQueue.push_back(child);
}

void StructureCopy::fileEntry(const QueuedFolder& child, bool simulate) {
    const std::string& item = child.source;
    const std::string& target = child.target;
    const RunKindTitles& titles = context_.titles;
    platform::FileIdentity identity;
    if (!child.refusal.empty())
        reason_ = child.refusal;
    const MakeOutcome outcome =
        child.refusal.empty() ? copyFile(item, target, simulate, identity) : MakeOutcome::Failed;
    switch (outcome) {
    case MakeOutcome::Made:
        RecordCreatedFile(context_.sink, target);
        if (!simulate && context_.sink.journal)
            context_.sink.results.FileIdentities.push_back(identity); // beside FilesCreated
        addSize(item, CounterColumn::Created, kSizeMissingText, titles.sizeMissingCreated);
        break;
    case MakeOutcome::Existed:
        AddToCounter(context_.sink, CounterRow::Files, CounterColumn::Exist, 1);
        addSize(item, CounterColumn::Exist, titles.sizeMissingExistingText,
                titles.sizeMissingExisting);
        break;
    case MakeOutcome::Failed: {
        AddToCounter(context_.sink, CounterRow::Files, CounterColumn::Other, 1);
        const auto found = context_.sizes.find(item);
        if (found != context_.sizes.end())
            AddToCounter(context_.sink, CounterRow::Bytes, CounterColumn::Other,
                         static_cast<double>(found->second));
        noteFailure(FailureCause::FileNotCopied, target, reason_);
        break;
    }
    }
}

void StructureCopy::linkEntry(const std::string& item, const platform::FolderEntry& entry) {
    // Links are never followed and special files never opened: they are not copied.
    const std::string reason = entry.kind == EntryKind::Link
                                   ? std::string(kReasonLinkInStructure)
                                   : platform::SpecialFileReason(entry.mode);
    if (context_.fs.folderExists(item)) {
        AddToCounter(context_.sink, CounterRow::Subfolders, CounterColumn::Other, 1);
        noteFailure(FailureCause::NotCopiable, item, reason);
    } else if (CopiesFiles(context_.variant)) {
        AddToCounter(context_.sink, CounterRow::Files, CounterColumn::Other, 1);
        const auto found = context_.sizes.find(item);
        if (found != context_.sizes.end())
            AddToCounter(context_.sink, CounterRow::Bytes, CounterColumn::Other,
                         static_cast<double>(found->second));
        noteFailure(FailureCause::NotCopiable, item, reason);
    }
}

void StructureCopy::addSize(const std::string& item, CounterColumn column, const char* missingText,
                            const char* title) {
    const auto found = context_.sizes.find(item);
    if (found != context_.sizes.end())
        AddToCounter(context_.sink, CounterRow::Bytes, column, static_cast<double>(found->second));
    else
        context_.prompt.warn(missingText + item, title);
}

} // namespace dirforge::engine
