#pragma once
// SIGINT and SIGTERM during a batch run or undo: instead of ending the process at once, they
// ask the work to stop after the item in hand, so that what was made is journaled and reported.

namespace dirforge::cli {

/// While alive, SIGINT and SIGTERM set a flag (async-signal-safe) instead of ending the
/// process; the previous handlers come back when it goes. One at a time.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    /// The first stop signal received while installed, or 0.
    static int Caught();
    /// The exit status of a command ended by signal: 128 + its number (130 for SIGINT).
    static int ExitStatusFor(int signal) { return 128 + signal; }
};

} // namespace dirforge::cli
