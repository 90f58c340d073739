#include "ui/lists/TfrmFolderStructuresTemplates.h"

#include "core/ListReports.h"
#include "core/PathChecks.h"
#include "core/TextRules.h"
#include "platform/Prompt.h"
#include "ui/common/NameListModel.h"
#include "ui/lists/EditedLines.h"

namespace dirforge::ui {

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
    target_.structures->assign(EntriesWhere(nonBlank, [this](const std::string& entry) {
        if (target_.mode == AttachMode::Nothing)
            return false;
        return core::HasDrivePart(entry) == (target_.mode == AttachMode::Existing);
    }));
    return true;
}

} // namespace dirforge::ui
