#include "ui/lists/TfrmEditSmartImport.h"

#include "core/NameList.h"
#include "lists/ListEditRules.h"
#include "platform/Prompt.h"
#include "ui/common/NameListModel.h"

namespace dirforge::ui {

namespace {

const char* const kPreviewLimitTitle =
    "Edit Import Folders/Subfolders.            Warning no: 0297.";
const char* const kPreviewLimitText =
    "In this Version you can enter or load\nmaximum 30,000 Folders/Subfolders!\n\n";

} // namespace

TfrmEditSmartImport::TfrmEditSmartImport(NameListModel& preview, platform::Prompt& prompt,
                                         ModalRunner& runner, QWidget* parent)
    : ListEditorWindow({"TfrmEditSmartImport", "Edit the content of the Import Window.",
                        "mmoEditSmartImportMemo", "lblEditSmartImportLinesCurrent"},
                       runner, parent),
      preview_(preview), prompt_(prompt) {}

bool TfrmEditSmartImport::acceptLines(const std::vector<std::string>& lines) {
    core::NameList taken(core::NameList::Order::Insertion);
    for (const auto& entry : lists::EditedEntries(lines)) {
        if (taken.size() == kPreviewEditorLimit) {
            preview_.assign(taken.texts());
            prompt_.warn(kPreviewLimitText, kPreviewLimitTitle);
            return false;
        }
        if (!taken.contains(entry))
            taken.insert(entry);
    }
    preview_.assign(taken.texts());
    return true;
}

} // namespace dirforge::ui
