#include "ui/lists/ListEditors.h"

#include "core/ListReports.h"
#include "core/PathChecks.h"
#include "core/TextRules.h"
#include "lists/ListEditRules.h"
#include "lists/ListLineRule.h"
#include "platform/Prompt.h"
#include "platform/TypedPaths.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/paths/PathsPageTitles.h"

namespace dirforge::ui {

namespace {

const char* const PreviewLimitTitle =
    "Edit Import Folders/Subfolders.            Warning no: 0297.";
const char* const PreviewLimitText =
    "In this Version you can enter or load\nmaximum 30,000 Folders/Subfolders!\n\n";

/// The entries that pass keep(), in order.
template <typename Keep>
std::vector<std::string> entriesWhere(const std::vector<std::string>& lines, Keep keep) {
    std::vector<std::string> kept;
    for (auto& entry : lists::EditedEntries(lines))
        if (keep(entry))
            kept.push_back(std::move(entry));
    return kept;
}

} // namespace

bool FullPathLinesToDrive(std::vector<std::string>& lines, const platform::DriveMap& drives,
                          platform::Prompt& prompt) {
    const std::string home = platform::HostHomeFolder();
    for (std::string& line : lines) {
        platform::TypedPath typed = platform::TypedPathToDrive(drives, line, home);
        if (typed.kind == platform::TypedPath::Kind::Unmapped) {
            prompt.warn(platform::UnmappedPathMessage(drives, line), platform::kUnmappedPathTitle);
            return false;
        }
        line = std::move(typed.path);
    }
    return true;
}

TfrmVol02EditIncludeList::TfrmVol02EditIncludeList(NameListModel& include,
                                                   const NameListModel& exclude,
                                                   ModalRunner& runner, QWidget* parent)
    : ListEditorWindow({"TfrmVol02EditIncludeList", "Edit the include List of strings",
                        "mmoVol02EditIncludeList", "lblVol02EditLinesSum"},
                       runner, parent),
      include_(include), exclude_(exclude) {}

bool TfrmVol02EditIncludeList::acceptLines(const std::vector<std::string>& lines) {
    include_.assign(entriesWhere(lines, [this](const std::string& entry) {
        return lists::StringsPageLine(entry).taken() && !exclude_.contains(entry);
    }));
    return true;
}

TfrmVol04EditIncludeList::TfrmVol04EditIncludeList(NameListModel& include,
                                                   const NameListModel& exclude,
                                                   const platform::DriveMap& drives,
                                                   platform::Prompt& prompt, ModalRunner& runner,
                                                   QWidget* parent)
    : ListEditorWindow({"TfrmVol04EditIncludeList", "Edit the Include Folder List.",
                        "mmoVol04EditIncludeList", "lblVol04EditLinesSum"},
                       runner, parent),
      include_(include), exclude_(exclude), drives_(drives), prompt_(prompt) {}

bool TfrmVol04EditIncludeList::acceptLines(const std::vector<std::string>& typedLines) {
    std::vector<std::string> lines = typedLines;
    if (!FullPathLinesToDrive(lines, drives_, prompt_))
        return false; // the editor stays open with the text
    std::string report;
    if (core::ValidateFullPathList(report, lines)) {
        prompt_.warn(report, PathsPageTitles().includeEditUnmapped);
        return false;
    }
    include_.assign(entriesWhere(lines, [this](const std::string& entry) {
        return core::HasDrivePart(entry) && !exclude_.contains(entry);
    }));
    return true;
}

TfrmFolderStructuresTemplates::TfrmFolderStructuresTemplates(const platform::DriveMap& drives,
                                                             platform::Prompt& prompt,
                                                             ModalRunner& runner, QWidget* parent)
    : ListEditorWindow({"TfrmFolderStructuresTemplates", "Edit ",
                        "mmoEditFolderStructuresTemplates",
                        "lblFolderStructuresTemplatesEditLinesCurrent"},
                       runner, parent),
      drives_(drives), prompt_(prompt) {}

bool TfrmFolderStructuresTemplates::editStructures(const StructureEditTarget& target) {
    target_ = target;
    return target_.structures && edit(target_.structures->entries());
}

bool TfrmFolderStructuresTemplates::acceptLines(const std::vector<std::string>& lines) {
    using engine::AttachMode;
    std::vector<std::string> nonBlank;
    for (const auto& line : lines)
        if (auto trimmed = core::Trim(line); !trimmed.empty())
            nonBlank.push_back(std::move(trimmed));
    // Template lines are relative ("/Docs/Drafts" is one); only existing structures are host
    // folders.
    if (target_.mode == AttachMode::Existing && !FullPathLinesToDrive(nonBlank, drives_, prompt_))
        return false;
    std::string report;
    if (target_.mode == AttachMode::TextTemplates &&
        core::ValidateRelativePathList(report, nonBlank)) {
        prompt_.warn(report, target_.relativeTitle);
        return false; // the editor stays open with the text, the structure window unchanged
    }
    if (target_.mode == AttachMode::Existing && core::ValidateFullPathList(report, nonBlank)) {
        prompt_.warn(report, target_.fullTitle);
        return false;
    }
    target_.structures->assign(entriesWhere(nonBlank, [this](const std::string& entry) {
        if (target_.mode == AttachMode::Nothing)
            return false;
        return core::HasDrivePart(entry) == (target_.mode == AttachMode::Existing);
    }));
    return true;
}

TfrmEditSmartImport::TfrmEditSmartImport(NameListModel& preview, platform::Prompt& prompt,
                                         ModalRunner& runner, QWidget* parent)
    : ListEditorWindow({"TfrmEditSmartImport", "Edit the content of the Import Window.",
                        "mmoEditSmartImportMemo", "lblEditSmartImportLinesCurrent"},
                       runner, parent),
      preview_(preview), prompt_(prompt) {}

bool TfrmEditSmartImport::acceptLines(const std::vector<std::string>& lines) {
    core::NameList taken(core::NameList::Order::Insertion);
    for (const auto& entry : lists::EditedEntries(lines)) {
        if (taken.size() == PreviewEditorLimit) {
            preview_.assign(taken.texts());
            prompt_.warn(PreviewLimitText, PreviewLimitTitle);
            return false;
        }
        if (!taken.contains(entry))
            taken.insert(entry);
    }
    preview_.assign(taken.texts());
    return true;
}

} // namespace dirforge::ui
