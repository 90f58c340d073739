#include "ui/pages/ListPage.h"

#include "ui/app/AppContext.h"
#include "ui/common/PathDrops.h"
#include "ui/common/QtText.h"
#include "ui/lists/TfrmFileExport.h"
#include "ui/lists/TfrmFileImport.h"
#include "ui/lists/TfrmZoomIncludeWindow.h"
#include "ui/pages/AttachGroup.h"
#include "ui/pages/IncludeExcludePanel.h"
#include "ui/pages/PageRow.h"

#include <QListView>
#include <QPushButton>

#include <vector>

namespace dirforge::ui {

ListPage::ListPage(const PageRow& row, AppContext& context, engine::PageRunState& state,
                   QWidget* parent)
    : ComposedPage(row, context, state, parent) {
    lists_ = new IncludeExcludePanel(row_, context.prompt(), this);
    connect(lists_, &IncludeExcludePanel::listsChanged, this, &ListPage::RefreshPageState);
    // The zoom window is shared with the import window: it shows exactly the INCLUDE list, never
    // entries left over from an earlier use or since removed from the list.
    connect(lists_, &IncludeExcludePanel::zoomRequested, this,
            [this] { context_.zoomInclude().showEntries(lists_->include().entries()); });
}

NameListModel& ListPage::includeList() {
    return lists_->include();
}
NameListModel& ListPage::excludeList() {
    return lists_->exclude();
}
std::size_t ListPage::nameCount() const {
    return static_cast<std::size_t>(lists_->include().size());
}

void ListPage::clearLists() {
    lists_->clear();
    attach_->structures().clear();
}

void ListPage::focusEntryField() {
    lists_->focusEntry();
}

void ListPage::acceptIncludeDrops(std::function<void(const std::string&)> takeFolder) {
    const bool folders = static_cast<bool>(takeFolder);
    AcceptPathDrops(
        *lists_->includeView()->viewport(),
        [folders](const QStringList& paths) {
            return OneListFile(paths) || (folders && AllFolders(paths));
        },
        [this, takeFolder](const QStringList& paths) {
            if (!OneListFile(paths)) {
                for (const QString& folder : paths)
                    takeFolder(FromQt(folder));
                return;
            }
            if (context_.fileImport().takeDroppedFile(FromQt(paths.front())))
                lists_->importButton()->click();
        });
}

void ListPage::exportInclude(const std::function<bool(const std::string&)>& exported,
                             const char* kind) {
    const NameListModel& include = lists_->include();
    if (include.size() == 0) {
        context_.prompt().warn(kIncludeEmptyText, row_.titles.exportEmpty);
        return;
    }
    std::vector<std::string> entries;
    for (const std::string& entry : include.entries())
        if (exported(entry))
            entries.push_back(entry);
    context_.fileExport().exportList(entries, kind);
    RefreshPageState();
    lists_->exportButton()->setFocus();
}

} // namespace dirforge::ui
