#pragma once
// latencyfs mounted for the latency benchmarks: a backing folder and a mount point under a fresh
// folder beside the other benchmark folders, served by a latencyfs child process that waits a
// fixed time before every request it serves. Unmounted and removed again when this goes out of
// scope; should this process die first, latencyfs is told by the kernel and unmounts itself.

#include "latencyfs/LatencyCalls.h"

#include <array>
#include <cstdint>
#include <string>
#include <sys/types.h>

namespace dirforge::bench {

/// Requests served per kind (see latencyfs::Call).
using LatencyCalls = std::array<std::uint64_t, latencyfs::kCallCount>;

class LatencyMount {
public:
    /// Mounts with the given delay per request; ready() or whyNot() tell how that went.
    explicit LatencyMount(long delayMicroseconds);
    ~LatencyMount();
    LatencyMount(const LatencyMount&) = delete;
    LatencyMount& operator=(const LatencyMount&) = delete;

    bool ready() const { return serving_; }
    /// Why there is no mount, in a few words.
    const std::string& whyNot() const { return whyNot_; }
    /// The mounted folder: everything below it pays the delay.
    const std::string& mountPoint() const { return mountPoint_; }
    /// The same folder without the delay (for setting up and clearing away).
    const std::string& backing() const { return backing_; }
    /// Requests served so far.
    LatencyCalls calls() const;
    /// Requests served so far, once the kernel's queued ones (a close's release is sent after
    /// the close returns) have been served too.
    LatencyCalls settledCalls() const;

private:
    bool start(long delayMicroseconds);
    bool waitForMount();
    void stop();

    std::string base_;
    std::string backing_;
    std::string mountPoint_;
    std::string statsFile_;
    std::string logFile_;
    std::string whyNot_;
    pid_t server_ = -1;
    bool serving_ = false;
};

} // namespace dirforge::bench
