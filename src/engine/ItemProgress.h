#pragma once
// Counting the items of a long operation (the names of a run, the files and folders of an
// undo) and asking, between items, whether the user wants it stopped.

#include "engine/RunResults.h"

#include <cstdint>

namespace dirforge::engine {

/// One operation's item count, told to its observer; a stop, once asked for, stays asked for.
class ItemProgress {
public:
    ItemProgress(RunObserver& observer, std::uint64_t total) : observer_(observer), total_(total) {}

    /// Asked before each item: true once the observer wants the work stopped.
    bool stopping() {
        if (!stopped_ && observer_.stopRequested())
            stopped_ = true;
        return stopped_;
    }
    /// One more item is done; the observer hears done of total.
    void advance() { observer_.progressed(++done_, total_); }
    /// Sets the total when it is known only after the work began.
    void setTotal(std::uint64_t total) { total_ = total; }

    bool stopped() const { return stopped_; }
    std::uint64_t done() const { return done_; }
    std::uint64_t total() const { return total_; }

private:
    RunObserver& observer_;
    std::uint64_t total_;
    std::uint64_t done_ = 0;
    bool stopped_ = false;
};

} // namespace dirforge::engine
