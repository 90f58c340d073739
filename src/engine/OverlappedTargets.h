#pragma once
// Several targets at once, on drives whose every request is a round trip. Each worker thread
// makes a target's folders and files through its own anchors and records into its own result
// store, its journal records going to the shared journal file the moment each item exists (one
// lane per target). The run takes the finished targets back one by one in the list's order and
// records them as a run on one thread would have: the same lists, counters, log and journal.
// Workers touch the file system only; messages and log entries wait for the run's thread.

#include "engine/OverlapSetting.h"
#include "engine/TargetWork.h"
#include "platform/CopyMemory.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace dirforge::engine {

/// A log entry or a cause a worker gave, for the run's thread to pass on.
struct LogEntry {
    bool failure = false;
    ResultList list = ResultList::FoldersCreated;
    std::string path, reason;
};

/// A message a worker's copy showed, for the run's thread to show.
struct HeldMessage {
    std::string text, title;
    platform::MessageKind kind;
};

/// One target as its worker left it.
struct FinishedTarget {
    std::uint64_t lane = 0;
    bool created = false;
    std::string copyTarget;
    /// What the target's work recorded; counters from zero.
    RunResults results;
    std::vector<LogEntry> log;
    std::vector<HeldMessage> messages;
    FailureNotes failures{true};
};

/// What every worker reads (the run's, unchanged while it lasts) and writes to.
struct OverlapContext {
    const RunRequest& request;
    const RunKindTitles& titles;
    const StructureSnapshot& snapshot;
    platform::FileSystem& fs;
    const FileSizeMap& sizes;
    const StructureTotals& itemTotals;
    /// The run's journal (null: none); each target gets a lane of it.
    JournalWriter* journal;
};

class OverlappedTargets {
public:
    OverlappedTargets(const OverlapContext& context, std::size_t workers);
    /// Waits for the workers (a run takes every target back first).
    ~OverlappedTargets();
    OverlappedTargets(const OverlappedTargets&) = delete;
    OverlappedTargets& operator=(const OverlappedTargets&) = delete;

    /// True when a worker is free for add and not too many finished targets wait to be taken.
    bool canAdd() const;
    /// Hands target on to a free worker. With makeHere the target itself is made and recorded
    /// on this thread, before the worker attaches to it (targets that share one folder are made
    /// in order); otherwise the worker makes it too.
    void add(const std::string& target, const std::string& numberText,
             const std::string& anchorPoint, bool makeHere);
    /// The oldest target handed on, once it is finished (waiting for it up to wait); null when
    /// none is handed on or it is not finished yet.
    std::unique_ptr<FinishedTarget> next(std::chrono::milliseconds wait);
    /// Waits until canAdd, or until the oldest target is finished, or wait has passed.
    void waitForRoom(std::chrono::milliseconds wait);
    /// True while targets are handed on and not taken back.
    bool busy() const;
    /// The run stops: each worker leaves the rest of its copy, having recorded what it made.
    void stop() { stop_ = true; }
    /// True when target is, contains or lies in one handed on and not yet taken back, or (with
    /// sameParent) shares its parent folder with one: such a target waits for the others.
    bool clashes(const std::string& target, bool sameParent) const;

private:
    struct Worker;
    struct Job;

    void serve(Worker& worker);
    void work(Worker& worker, Job& job);
    /// Moves what worker recorded for job into it.
    void finish(Worker& worker, Job& job, bool created);
    Worker* freeWorker() const;

    const OverlapContext context_;
    /// The small structure files, read once for every worker's copies.
    platform::CopyMemory memory_;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::deque<std::unique_ptr<Job>> jobs_;
    std::uint64_t nextLane_ = 1;
    mutable std::mutex lock_;
    std::condition_variable posted_, finished_;
    bool quit_ = false;
    std::atomic<bool> stop_ = false;
};

} // namespace dirforge::engine
