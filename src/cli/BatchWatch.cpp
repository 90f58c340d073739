#include "cli/BatchWatch.h"

#include "engine/ProgressText.h"

namespace dirforge::cli {

namespace {
/// The progress line is rewritten at most this often.
constexpr auto kLineInterval = std::chrono::milliseconds(100);
} // namespace

BatchWatch::BatchWatch(std::ostream& err, bool progressLine)
    : err_(err), progressLine_(progressLine) {}

BatchWatch::~BatchWatch() {
    clearLine();
}

void BatchWatch::progressed(std::uint64_t done, std::uint64_t total) {
    if (!progressLine_)
        return;
    const Clock::time_point now = Clock::now();
    if (!started_) { // the clock starts with the first item, after reading the lists
        start_ = now;
        started_ = true;
    }
    if (now - lastLine_ < kLineInterval && done != total)
        return;
    lastLine_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    // Back to the line's start, the new text, the rest of the old line erased.
    err_ << '\r' << "dirforge-cli: " << engine::ProgressText(done, total, seconds) << "\x1b[K"
         << std::flush;
    lineShown_ = true;
}

bool BatchWatch::stopRequested() {
    if (stoppedBy_ == 0)
        stoppedBy_ = StopSignals::Caught();
    return stoppedBy_ != 0;
}

void BatchWatch::clearLine() {
    if (!lineShown_)
        return;
    err_ << "\r\x1b[K" << std::flush;
    lineShown_ = false;
}

} // namespace dirforge::cli
