#pragma once
// The run panel's progress row: a bar and a label that tell how far a run, a simulation or an
// undo has come (items done of all, rate, time left), and the Stop button that ends it after
// the item in hand. Stop is enabled only while such work goes on.

#include <QElapsedTimer>
#include <QWidget>

#include <cstdint>

class QLabel;
class QProgressBar;
class QPushButton;

namespace dirforge::ui {

struct PageRow;

class RunProgressRow : public QWidget {
    Q_OBJECT
public:
    explicit RunProgressRow(const PageRow& row, QWidget* parent = nullptr);

    /// Work begins: the bar and label are cleared, Stop is enabled and no stop is asked for.
    void begin();
    /// Shows done of total items, the rate and the time left.
    void showProgress(std::uint64_t done, std::uint64_t total);
    /// Work ended (stopped: by the user, before its last item): Stop is disabled; the label
    /// keeps the last count.
    void end(bool stopped);

    /// The Stop button or Escape: the work ends after the item in hand.
    void requestStop();
    bool stopRequested() const { return stopRequested_; }
    bool busy() const { return busy_; }

    QPushButton* stopButton() const { return btnStop_; }

private:
    QProgressBar* bar_ = nullptr;
    QLabel* label_ = nullptr;
    QPushButton* btnStop_ = nullptr;
    QElapsedTimer sinceBegin_;
    std::uint64_t lastDone_ = 0;
    std::uint64_t lastTotal_ = 0;
    bool stopRequested_ = false;
    bool busy_ = false;
};

} // namespace dirforge::ui
