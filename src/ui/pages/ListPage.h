#pragma once
// A creation page whose names stand in an INCLUDE/EXCLUDE list pair (the strings and paths
// pages): the pair's panel and what both pages do with it alike.

#include "ui/pages/ComposedPage.h"

#include <functional>
#include <string>

namespace dirforge::ui {

class IncludeExcludePanel;

class ListPage : public ComposedPage {
    Q_OBJECT
public:
    void clearLists() override;
    void focusEntryField() override;

    /// The page's lists, which its editors and the benchmarks work on.
    NameListModel& includeList();
    NameListModel& excludeList();

protected:
    ListPage(const PageRow& row, AppContext& context, engine::PageRunState& state, QWidget* parent);

    std::size_t nameCount() const override;
    /// INCLUDE "Export": the page's warning when INCLUDE is empty, otherwise every entry the page
    /// exports handed to the export window under kind.
    void exportInclude(const std::function<bool(const std::string&)>& exported, const char* kind);
    /// INCLUDE takes a dropped .txt or .csv file into the smart import, opened as "Import" opens
    /// it; with takeFolder, dropped folders too, each handed to it.
    void acceptIncludeDrops(std::function<void(const std::string&)> takeFolder = {});

    IncludeExcludePanel* lists_ = nullptr;
};

} // namespace dirforge::ui
