#pragma once
// Shared pieces of the latency benchmarks: everything runs on latencyfs (LatencyMount.h), each
// engine operation against the round-trip floor measured in the same run, and each side's
// seconds and requests served per folder printed beside the ratio.

#include "BenchRegistry.h"
#include "BenchSeams.h"
#include "LatencyMount.h"

#include "engine/CreationRun.h"
#include "platform/HostFileSystem.h"

#include <string>
#include <vector>

namespace dirforge::bench {

/// The mount, a file system whose drive f: is the mount point, and quiet seams for a run.
struct LatencyBench {
    LatencyBench(LatencyMount& mounted, BenchReport& out);

    LatencyMount& mount;
    BenchReport& report;
    platform::HostFileSystem fs;
    YesPrompt prompt;
    QuietShell shell;
    engine::RunObserver quiet;
    engine::RunServices services;

    /// The host path below the mount point of a folder name there (paid for in round trips).
    std::string mounted(const std::string& relative) const {
        return mount.mountPoint() + "/" + relative;
    }
    /// The same folder through the backing folder (free: for setting up and clearing away).
    std::string backing(const std::string& relative) const {
        return mount.backing() + "/" + relative;
    }
};

/// Time taken and requests served by one side of a comparison.
struct Measured {
    double seconds = 0;
    LatencyCalls calls{};
};

/// Runs fn once on the mount, counting the requests it causes (those the kernel sends after fn
/// returns too).
template <typename Fn> Measured Measure(const LatencyMount& mount, Fn&& fn) {
    const LatencyCalls before = mount.settledCalls();
    Measured measured;
    measured.seconds = secondsOf(fn);
    const LatencyCalls after = mount.settledCalls();
    for (std::size_t i = 0; i < after.size(); ++i)
        measured.calls[i] = after[i] - before[i];
    return measured;
}

/// Prints name_s, name_floor_s, name_ratio and the requests per folder of both sides.
void ReportAgainstFloor(BenchReport& report, const std::string& name, const Measured& engine,
                        const Measured& floor, std::size_t folders);
/// Prints name_s and name_calls_per_<unit> (with DIRFORGE_BENCH_CALLS=1 also one line per kind).
void ReportSide(BenchReport& report, const std::string& name, const Measured& side,
                std::size_t units, const std::string& unit = "folder");

/// Strings-page run of 2 000 names with Attach Nothing, its dry run before and its undo after.
void LatencyRunBenchmarks(LatencyBench& bench);
/// Paths-page run of 2 000 entries over 100 existing parent folders two levels deep.
void LatencyPathsBenchmark(LatencyBench& bench);
/// Paths-page run of 2 000 entries over 20 parents, against the sequential floor.
void LatencyPathsOverlapBenchmark(LatencyBench& bench);
/// 20 names, each given a copy of a structure of about 50 folders and 200 small files.
void LatencyCopyBenchmark(LatencyBench& bench);
/// The same copy run stopped within its work: milliseconds from the stop to the run's end.
void LatencyStopBenchmark(LatencyBench& bench);

/// Names "<stem>0000", "<stem>0001", ...
std::vector<std::string> NumberedNames(const std::string& stem, int count);

} // namespace dirforge::bench
