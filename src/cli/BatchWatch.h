#pragma once
// The batch front end's observer of a run or an undo: it keeps the lists a run reports
// (LogCollector), shows a progress line on standard error when that is a terminal, and stops
// the work after the item in hand once SIGINT or SIGTERM arrived (StopSignals).

#include "cli/LogCollector.h"
#include "cli/StopSignals.h"

#include <chrono>
#include <cstdint>
#include <ostream>

namespace dirforge::cli {

class BatchWatch : public LogCollector {
public:
    /// progressLine: write the progress line to err (a terminal, and not --quiet).
    BatchWatch(std::ostream& err, bool progressLine);
    ~BatchWatch() override;

    void progressed(std::uint64_t done, std::uint64_t total) override;
    /// True once a stop signal arrived; from then on the work is stopped.
    bool stopRequested() override;

    /// The signal that stopped the work, or 0 when it was never stopped.
    int stoppedBy() const { return stoppedBy_; }
    /// Clears the progress line (before the report).
    void clearLine();

private:
    using Clock = std::chrono::steady_clock;
    std::ostream& err_;
    const bool progressLine_;
    StopSignals signals_;
    Clock::time_point start_{};
    bool started_ = false;
    Clock::time_point lastLine_{};
    bool lineShown_ = false;
    int stoppedBy_ = 0;
};

} // namespace dirforge::cli
