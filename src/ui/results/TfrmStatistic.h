#pragma once
// A page's visual log: the run counters in sixteen labels and the six result lists, live while
// a run goes on and afterwards, with export and zoom per list. A run drives it as its observer.

#include "engine/PageKind.h"
#include "engine/RunResults.h"
#include "ui/common/RepaintThrottle.h"
#include "ui/results/VisualLogTwins.h"

#include <QDialog>

#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace dirforge::platform {
class Prompt;
}

namespace dirforge::ui {

class ResultListModel;
class TfrmZoomStatistics;

/// Hands entries to the export window under an export kind, with the causes of the failed ones,
/// and shows it modally (TfrmFileExport::exportList).
using ListExporter = std::function<void(const std::vector<std::string>& entries,
                                        const std::string& kind, engine::FailureReasons causes)>;

/// TfrmStatistic02, TfrmStatistic04 or TfrmStatistic03, by page; owns the page's zoom window.
class TfrmStatistic : public QDialog, public engine::RunObserver {
    Q_OBJECT
public:
    TfrmStatistic(engine::PageKind page, platform::Prompt& prompt, QWidget* parent = nullptr);
    ~TfrmStatistic() override;

    /// A run starts: mode box and label show real run or simulation; the six lists are emptied.
    void resetLog(bool realRun) override;
    /// Shows the log non-modally in front.
    void showLog() override;
    /// Buffers an entry of a result list; it is shown at the next repaint tick.
    void recorded(engine::ResultList list, const std::string& path) override;
    /// Keeps the cause of a failed entry for its row's tooltip.
    void failed(const std::string& path, const std::string& reason) override;
    /// Keeps the counters; the labels show them at the next repaint tick.
    void countersChanged(const engine::RunCounters& counters) override;

    /// Puts every buffered entry and the latest counters on screen now (end of a run).
    void flush();
    /// Sets the mode label from the hidden mode box (main window activation).
    void refreshModeLabel();
    /// Empties the six lists of the log and of its zoom window.
    void clearLists();
    /// Where Export hands a list's entries; without one, Export only warns on empty lists.
    void setExporter(ListExporter exporter) { exporter_ = std::move(exporter); }

    const VisualLogTwin& twin() const { return twin_; }
    TfrmZoomStatistics& zoomWindow() { return *zoom_; }
    /// The entries of one list as shown (after flush()), as copies.
    std::vector<std::string> entries(engine::ResultList list) const;

private:
    QWidget* buildStatistics();
    QWidget* buildListColumn(engine::ResultList list);
    QWidget* buildListGroup(const char* caption, std::initializer_list<engine::ResultList> lists);
    void showCounters();
    void exportList(engine::ResultList list, QPushButton* button);
    /// Posts one flush() to the event loop: the repaint tick and the end of the run deliver it.
    void scheduleFlush();

    const VisualLogTwin& twin_;
    platform::Prompt& prompt_;
    ListExporter exporter_;
    std::array<ResultListModel*, engine::ResultListCount> models_{};
    std::array<std::array<QLabel*, 4>, 4> counterLabels_{};
    QLabel* modeLabel_ = nullptr;
    QCheckBox* modeBox_ = nullptr;
    TfrmZoomStatistics* zoom_ = nullptr;
    engine::RunCounters counters_;
    engine::RunCounters shownCounters_;
    bool countersPending_ = false;
    bool flushScheduled_ = false;
    RepaintThrottle repaint_;
};

/// The main window's activation: every log's mode label is set again from its mode box.
void RefreshLogModeLabels(std::span<TfrmStatistic* const> logs);

/// A counter as the platform's default number text: whole numbers without decimals.
QString CounterText(double value);

} // namespace dirforge::ui
