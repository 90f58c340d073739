#include "ui/lists/TfrmVol04EditIncludeList.h"

#include "core/ListReports.h"
#include "core/PathChecks.h"
#include "platform/Prompt.h"
#include "ui/common/NameListModel.h"
#include "ui/lists/EditedLines.h"
#include "ui/pages/paths/PathsPageTitles.h"

namespace dirforge::ui {

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
    include_.assign(EntriesWhere(lines, [this](const std::string& entry) {
        return core::HasDrivePart(entry) && !exclude_.contains(entry);
    }));
    return true;
}

} // namespace dirforge::ui
