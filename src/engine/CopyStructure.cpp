#include "engine/CopyStructure.h"

#include "core/TextRules.h"

#include <cctype>

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

void StructureCopy::CopyStructure(const std::string& source, const std::string& copyTarget) {
    walk(source, copyTarget, false);
}

void StructureCopy::SimulateCopyStructure(const std::string& source, const std::string& copyTarget) {
    walk(source, copyTarget, true);
}

void StructureCopy::copyRoot(const std::string& copyTarget, bool simulate) {
    if (context_.fs.folderExists(copyTarget))
        return;
    if (simulate) {
        if (CopiesMainFolder(context_.variant))
            RecordCreatedSubfolder(context_.sink, copyTarget);
        return;
    }
    // A root that cannot be made is not counted: every entry below it fails in turn.
    if (context_.anchors.createFolder(context_.anchorPoint, copyTarget))
        RecordCreatedSubfolder(context_.sink, copyTarget);
}

void StructureCopy::walk(const std::string& source, const std::string& copyTarget, bool simulate) {
    CopyQueue.clear();
    const std::string root = core::Trim(source);
    CopyQueue.push_back({root, std::string()});
    copyRoot(copyTarget, simulate);

    // The copy writes below its own source only when copyTarget lies inside the structure; then
    // every folder entry is checked so the walk never enters what it has just made.
    const std::string outputForm = ComparableForm(copyTarget);
    const bool outputInsideSource = IsSameOrBelow(outputForm, ComparableForm(root));

    while (!CopyQueue.empty()) {
        const QueuedFolder folder = std::move(CopyQueue.front());
        CopyQueue.pop_front();
        const auto entries = context_.fs.listFolder(folder.source);
        if (!entries)
            continue;
        for (const platform::FolderEntry& entry : *entries) {
            QueuedFolder child{folder.source + "\\" + entry.name,
                               folder.relative.empty() ? entry.name : folder.relative + "\\" + entry.name};
            const std::string target = copyTarget + "\\" + child.relative;
            switch (entry.kind) {
            case EntryKind::Folder:
                if (outputInsideSource && IsSameOrBelow(ComparableForm(child.source), outputForm)) {
                    AddToCounter(context_.sink, CounterRow::Subfolders, CounterColumn::Other, 1);
                    break;
                }
                folderEntry(child, target, simulate);
                break;
            case EntryKind::File:
                if (CopiesFiles(context_.variant))
                    fileEntry(child.source, target, simulate);
                break;
            case EntryKind::Link:
            case EntryKind::Other:
                linkEntry(child.source);
                break;
            }
        }
    }
}

void StructureCopy::folderEntry(const QueuedFolder& child, const std::string& target, bool simulate) {
    const RecordSink& sink = context_.sink;
    if (context_.fs.folderExists(target))
        AddToCounter(sink, CounterRow::Subfolders, CounterColumn::Exist, 1);
    else if (simulate || context_.anchors.createFolder(context_.anchorPoint, target))
        RecordCreatedSubfolder(sink, target);
    else
        AddToCounter(sink, CounterRow::Subfolders, CounterColumn::Other, 1);
    // Descend in every case: below a folder that could not be made, the entries fail in turn.
    CopyQueue.push_back(child);
}

void StructureCopy::fileEntry(const std::string& item, const std::string& target, bool simulate) {
    const RunKindTitles& titles = context_.titles;
    platform::FileIdentity identity;
    const bool created =
        simulate ? !context_.fs.fileExists(target)
                 : context_.anchors.copyFile(context_.anchorPoint, core::Trim(item), core::Trim(target), identity);
    if (created) {
        RecordCreatedFile(context_.sink, target);
        if (!simulate && context_.sink.journal)
            context_.sink.results.FileIdentities.push_back(identity); // beside FilesCreated
        addSize(item, CounterColumn::Created, kSizeMissingText, titles.sizeMissingCreated);
    } else {
        AddToCounter(context_.sink, CounterRow::Files, CounterColumn::Exist, 1);
        addSize(item, CounterColumn::Exist, titles.sizeMissingExistingText, titles.sizeMissingExisting);
    }
}

void StructureCopy::linkEntry(const std::string& item) {
    // Links are never followed and special files never opened: they are not copied.
    if (context_.fs.folderExists(item)) {
        AddToCounter(context_.sink, CounterRow::Subfolders, CounterColumn::Other, 1);
    } else if (CopiesFiles(context_.variant)) {
        AddToCounter(context_.sink, CounterRow::Files, CounterColumn::Other, 1);
        const auto found = context_.sizes.find(item);
        if (found != context_.sizes.end())
            AddToCounter(context_.sink, CounterRow::Bytes, CounterColumn::Other, static_cast<double>(found->second));
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
