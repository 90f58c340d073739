#pragma once
// A page's zoom window: one of the visual log's six result lists shown large. Its lists show
// the log's own models, so they fill and clear together with the log's lists.

#include "engine/RunResults.h"
#include "ui/results/VisualLogTwins.h"

#include <QDialog>

#include <array>

class QLabel;
class QTableView;
class QRadioButton;

namespace dirforge::ui {

class ResultListModel;

/// TfrmVol02ZoomStatistics, TfrmVol04ZoomStatistics or TfrmVol03ZoomStatistics, by page.
class TfrmZoomStatistics : public QDialog {
    Q_OBJECT
public:
    using Models = std::array<ResultListModel*, engine::ResultListCount>;

    TfrmZoomStatistics(const VisualLogTwin& twin, const Models& models, QWidget* parent = nullptr);

    /// Records the list in its selector, shows only its title and list, and shows the window.
    void zoom(engine::ResultList list);
    /// The list currently shown (the checked selector).
    engine::ResultList shownList() const { return shown_; }

private:
    /// Shows the title and list of one result list and hides the other five.
    void showOnly(engine::ResultList list);

    std::array<QLabel*, engine::ResultListCount> titles_{};
    std::array<QTableView*, engine::ResultListCount> lists_{};
    std::array<QRadioButton*, engine::ResultListCount> selectors_{};
    engine::ResultList shown_ = engine::ResultList::FoldersCreated;
};

} // namespace dirforge::ui
