#pragma once
// Long work on the one UI thread: while a page's run, simulation or undo works, RunWatch
// stands between the engine and the visual log. It moves the run panel's progress row, lets
// the window repaint about 60 times a second, and lets through only one user input: Stop (its
// button, or Escape anywhere outside a message box). Everything else the user does meanwhile
// is dropped, so the window stays inert and nothing is replayed after the work.

#include "engine/RunResults.h"
#include "ui/common/RepaintThrottle.h"
#include "ui/pages/run/BusyInputFilter.h"

#include <QElapsedTimer>
#include <QObject>

namespace dirforge::ui {

class RunProgressRow;

/// The observer a page hands to the engine for one run, simulation or undo (RAII: the
/// progress row is busy and the input filter installed for its lifetime).
class RunWatch : public engine::RunObserver {
public:
    RunWatch(engine::RunObserver& log, RunProgressRow& row);
    ~RunWatch() override;
    RunWatch(const RunWatch&) = delete;
    RunWatch& operator=(const RunWatch&) = delete;

    void resetLog(bool realRun) override { log_.resetLog(realRun); }
    void showLog() override { log_.showLog(); }
    void recorded(engine::ResultList list, const std::string& path) override {
        log_.recorded(list, path);
    }
    void countersChanged(const engine::RunCounters& counters) override {
        log_.countersChanged(counters);
    }
    /// Moves the progress row about ten times a second; at most once a frame (shared with the
    /// visual log) lets pending events through, Stop among them.
    void progressed(std::uint64_t done, std::uint64_t total) override;
    /// True once Stop was clicked or Escape pressed.
    bool stopRequested() override;

private:
    engine::RunObserver& log_;
    RunProgressRow& row_;
    BusyInputFilter filter_;
    RepaintThrottle frame_;
    QElapsedTimer sinceRow_;
    bool stopSeen_ = false;
};

} // namespace dirforge::ui
