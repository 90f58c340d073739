#pragma once
// The paths page: full paths (with drive letters) in the INCLUDE list; the last folder of each is
// framed by prefix, hyphens and suffix, and the whole path is created with its missing parents,
// on any number of drives. Each new folder receives the chosen structures.

#include "ui/pages/ListPage.h"

#include <string>

class QGroupBox;

namespace dirforge::ui {

class PathsPage : public ListPage {
    Q_OBJECT
public:
    PathsPage(AppContext& context, engine::PageRunState& state, QWidget* parent = nullptr);

    void applyInitialState() override;
    void saveSetup(settings::PageSetup& setup) const override;
    void restoreSetup(const settings::PageSetup& setup) override;

    /// The option group on or off (the list controls always stay usable); when on, the checked
    /// attach mode's set-up again.
    void SetPageEnabled(bool enabled) override;
    void RefreshPageState() override;
    engine::RunRequest buildRunRequest() const override;

    void btnVol04AddToListClick();
    void btnVol04SmartImportClick();
    void btnVol04SmartExportClick();
    void btnVol04EditIncludeListClick();

private:
    void clearOwnPieces() override;
    void buildLayout(QGroupBox* frame);
    /// Appends every full path of the trimmed entry text that passes its checks and is in neither
    /// list; false when any was refused, refusal then holding the last reason.
    bool addPaths(const std::string& trimmed, std::string& refusal);
};

} // namespace dirforge::ui
