// The structure window's seven buttons: add, view, delete, import, export and edit structures.

#include "core/TextRules.h"
#include "lists/ImportChecks.h"
#include "platform/FolderPicker.h"
#include "platform/Shell.h"
#include "ui/app/AppContext.h"
#include "ui/common/ListViews.h"
#include "ui/lists/TfrmFileExport.h"
#include "ui/lists/TfrmFileImport.h"
#include "ui/lists/TfrmFolderStructuresTemplates.h"
#include "ui/pages/AttachGroup.h"
#include "ui/pages/PageRow.h"
#include "ui/seams/ModalRunner.h"

#include <QDialog>
#include <QListView>
#include <QPushButton>

namespace dirforge::ui {

namespace {

constexpr const char* kDriveRootQuestion = "Do you want to Attach the Entire Disk to the Folders "
                                           "specified in The Include Window ?\nClick YES to "
                                           "Attach,\nClick NO to Cancel.";
constexpr const char* kStructureEmptyText =
    "The selection field is empty !\nAction : You must select a folder with subfolders structure.";
constexpr const char* kDeleteSelectedQuestion =
    "Do you want to delete the selected item(s) from the Folder Structures/Templates window ?";
constexpr const char* kDeleteAllEmptyText =
    "Empty List in the Folder Structures/Templates Window!\n";
constexpr const char* kDeleteAllQuestion =
    "Do you want to delete all item(s) from the Folder Structures/Templates list ?";
constexpr const char* kExportEmptyText = "The Folder Structure/Templates Window is empty !\n";

/// A structure line as the window keeps it: backslashes, no doubled ones.
std::string StructureForm(const std::string& line) {
    return core::CollapseBackslashes(core::ToBackslashes(line));
}

} // namespace

void AttachGroup::btnAddFolderStructureClick() {
    takeStructureFolder(
        core::Trim(context_.folderPicker().browseForFolder("Select a Folder Structure.", "")));
}

void AttachGroup::takeStructureFolder(const std::string& picked) {
    if (picked.size() == 3) {
        if (context_.prompt().ask(kDriveRootQuestion, row_.titles.structureDriveRoot))
            AddStructure(picked);
    } else if (picked.size() > 3) {
        AddStructure(picked);
    }
}

void AttachGroup::AddStructure(const std::string& path) {
    const platform::TypedPath typed = context_.typedPath(path);
    if (typed.kind == platform::TypedPath::Kind::Unmapped) {
        context_.warnUnmappedPath(path);
        return;
    }
    const std::string trimmed = core::Trim(typed.path);
    if (trimmed.empty()) {
        emit runButtonsSet(false);
        context_.prompt().warn(kStructureEmptyText, row_.titles.structureEmpty);
        emit runRuleChanged(false);
    } else {
        structures_.add(trimmed);
        emit countsChanged(withFiles());
        emit runRuleChanged(true);
        emit runButtonsSet(true);
    }
    showCount();
    lstStructures_->setFocus();
}

void AttachGroup::btnViewFolderStructureClick() {
    const std::vector<int> selected = SelectedRows(*lstStructures_);
    if (selected.empty()) {
        context_.prompt().warn(row_.captions().noStructureSelectedText,
                               row_.titles.structureViewNone);
        return;
    }
    context_.shell().openFolder(core::Trim(structures_.at(selected.front())));
}

void AttachGroup::btnDeleteSelFolderStructuresTemplatesClick() {
    if (context_.prompt().ask(kDeleteSelectedQuestion, row_.titles.structureDeleteSel))
        structures_.removeRows(SelectedRows(*lstStructures_));
    emit structuresChanged();
    emit runRuleChanged(true);
    showCount();
    btnDeleteSel_->setFocus();
}

void AttachGroup::btnDeleteAllFolderStructuresTemplatesClick() {
    if (structures_.size() == 0)
        context_.prompt().warn(kDeleteAllEmptyText, row_.titles.structureDeleteAllEmpty);
    else if (context_.prompt().ask(kDeleteAllQuestion, row_.titles.structureDeleteAll))
        structures_.clear();
    emit structuresChanged();
    showCount();
    btnDeleteAll_->setFocus();
}

void AttachGroup::btnImportFolderStructuresTemplatesClick() {
    TfrmFileImport& import = context_.fileImport();
    const bool accepted = context_.modalRunner().run(import) == QDialog::Accepted;
    const std::vector<std::string>& lines = import.preview().entries();
    // IMPORT is only enabled with a preview, so an empty one is told whichever way the window
    // closed.
    if (lines.empty()) {
        context_.prompt().warn(kImportNoLinesText, row_.titles.structureImportNoLines);
    } else if (accepted) {
        std::string report;
        const std::vector<std::string> fullPaths = existingStructureLines(lines);
        if (mode() == engine::AttachMode::Existing &&
            lists::CheckImportedFullPaths(fullPaths, report)) {
            context_.prompt().warn(report + unmappedNote(lines), row_.titles.structureImportFull);
        } else if (mode() == engine::AttachMode::TextTemplates &&
                   lists::CheckImportedRelativePaths(lines, report)) {
            context_.prompt().warn(report, row_.titles.structureImportRelative);
        } else {
            const std::vector<std::string>& taken =
                mode() == engine::AttachMode::Existing ? fullPaths : lines;
            std::vector<std::string> converted;
            converted.reserve(taken.size());
            for (const std::string& line : taken)
                converted.push_back(StructureForm(line));
            structures_.addMany(converted);
        }
    }
    emit structuresChanged();
    applyModeSetup();
    showCount();
    context_.prompt().warn(kImportEndText, row_.titles.structureImportEnd);
}

std::vector<std::string>
AttachGroup::existingStructureLines(const std::vector<std::string>& lines) const {
    // A host path on no mapped drive stays as it was read: the full-path check then reports it.
    std::vector<std::string> converted;
    converted.reserve(lines.size());
    for (const std::string& line : lines)
        converted.push_back(context_.typedPath(line).path);
    return converted;
}

std::string AttachGroup::unmappedNote(const std::vector<std::string>& lines) const {
    for (const std::string& line : lines)
        if (context_.typedPath(line).kind == platform::TypedPath::Kind::Unmapped)
            return "\n" + platform::UnmappedPathMessage(context_.drives(), line);
    return {};
}

void AttachGroup::btnExportFolderStructuresTemplatesClick() {
    if (structures_.size() == 0) {
        context_.prompt().warn(kExportEmptyText, row_.titles.structureExportEmpty);
        return;
    }
    context_.fileExport().exportList(structures_.entries(), "STRINGS");
    emit structuresChanged();
}

void AttachGroup::btnEditFolderStructuresTemplatesClick() {
    context_.structureEditor().editStructures(
        {&structures_, mode(), row_.titles.structureEditRelative, row_.titles.structureEditFull});
    emit structuresChanged();
    showCount();
}

} // namespace dirforge::ui
