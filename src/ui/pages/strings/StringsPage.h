#pragma once
// The strings page: plain names in the INCLUDE list, framed by prefix, hyphens and suffix, are
// created under one destination folder, each new folder receiving the chosen structures.

#include "ui/pages/ListPage.h"

#include <string>

class QGroupBox;

namespace dirforge::ui {

class DestinationGroup;

class StringsPage : public ListPage {
    Q_OBJECT
public:
    StringsPage(AppContext& context, engine::PageRunState& state, QWidget* parent = nullptr);

    void applyInitialState() override;
    void saveSetup(settings::PageSetup& setup) const override;
    void restoreSetup(const settings::PageSetup& setup) override;

    /// List group and option group on or off; when on, the checked attach mode's set-up again.
    void SetPageEnabled(bool enabled) override;
    void RefreshPageState() override;
    engine::RunRequest buildRunRequest() const override;
    /// Takes a destination as if browsed or selected.
    void SetDestination(const std::string& path);

    void btnVol02AddToListClick();
    void btnVol02SmartImportClick();
    void btnVol02SmartExportClick();
    void btnVol02EditIncludeListClick();

private:
    void clearOwnPieces() override;
    void buildLayout(QGroupBox* frame);
    void setOptionGroupEnabled(bool enabled);

    DestinationGroup* destination_ = nullptr;
};

} // namespace dirforge::ui
