#include "ui/lists/TfrmVol02EditIncludeList.h"

#include "lists/ListLineRule.h"
#include "ui/common/NameListModel.h"
#include "ui/lists/EditedLines.h"

namespace dirforge::ui {

TfrmVol02EditIncludeList::TfrmVol02EditIncludeList(NameListModel& include,
                                                   const NameListModel& exclude,
                                                   ModalRunner& runner, QWidget* parent)
    : ListEditorWindow({"TfrmVol02EditIncludeList", "Edit the include List of strings",
                        "mmoVol02EditIncludeList", "lblVol02EditLinesSum"},
                       runner, parent),
      include_(include), exclude_(exclude) {}

bool TfrmVol02EditIncludeList::acceptLines(const std::vector<std::string>& lines) {
    include_.assign(EntriesWhere(lines, [this](const std::string& entry) {
        return lists::StringsPageLine(entry).taken() && !exclude_.contains(entry);
    }));
    return true;
}

} // namespace dirforge::ui
