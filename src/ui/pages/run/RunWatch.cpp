#include "ui/pages/run/RunWatch.h"

#include "ui/pages/run/RunProgressRow.h"

namespace dirforge::ui {

namespace {

/// The progress row's numbers change about ten times a second: readable, and cheap to paint.
constexpr qint64 kRowMilliseconds = 100;

} // namespace

RunWatch::RunWatch(engine::RunObserver& log, RunProgressRow& row)
    : log_(log), row_(row), filter_(row) {
    row_.begin();
}

RunWatch::~RunWatch() {
    row_.end(stopSeen_);
}

void RunWatch::progressed(std::uint64_t done, std::uint64_t total) {
    log_.progressed(done, total);
    if (!sinceRow_.isValid() || sinceRow_.elapsed() >= kRowMilliseconds || done == total) {
        row_.showProgress(done, total);
        sinceRow_.start();
    }
    // All events, not only paint and timers: the input filter drops everything but Stop.
    frame_.tick();
}

bool RunWatch::stopRequested() {
    // Asked within long items too (a structure's entries, a wait for the workers): the window
    // repaints and Stop gets through there as between items.
    frame_.tick();
    if (row_.stopRequested() || log_.stopRequested())
        stopSeen_ = true;
    return stopSeen_;
}

} // namespace dirforge::ui
