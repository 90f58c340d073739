#include "engine/OverlappedTargets.h"

#include "core/CaseFold.h"
#include "core/TextRules.h"

#include <string_view>

namespace dirforge::engine {

namespace {

/// Finished targets that may wait for an older one at most, per worker.
constexpr std::size_t kWaitingPerWorker = 4;

/// A path as two paths are compared here: normalised, letter case folded, no trailing "\".
std::string FoldedPath(const std::string& path) {
    std::string form = core::FoldCase(core::NormalizeTarget(core::Trim(path)));
    while (form.size() > 1 && form.back() == '\\')
        form.pop_back();
    return form;
}

bool IsSameOrBelow(std::string_view path, std::string_view folder) {
    return path.size() >= folder.size() && path.substr(0, folder.size()) == folder &&
           (path.size() == folder.size() || path[folder.size()] == '\\');
}

std::string_view ParentOf(std::string_view path) {
    const std::size_t cut = path.find_last_of('\\');
    return cut == std::string_view::npos ? std::string_view() : path.substr(0, cut);
}

} // namespace

struct OverlappedTargets::Worker {
    /// The log entries and causes of a worker's target, kept for the run's thread.
    class HeldLog : public RunObserver {
    public:
        void recorded(ResultList list, const std::string& path) override {
            entries.push_back({false, list, path, {}});
        }
        void failed(const std::string& path, const std::string& reason) override {
            entries.push_back({true, ResultList::FoldersOther, path, reason});
        }
        std::vector<LogEntry> entries;
    };

    /// The messages of a worker's target, shown later by the run's thread (only warnings come).
    class HeldPrompt : public platform::Prompt {
    public:
        platform::PromptButton show(const std::string& text, const std::string& title,
                                    platform::MessageKind kind) override {
            messages.push_back({text, title, kind});
            return platform::PromptButton::Ok;
        }
        std::vector<HeldMessage> messages;
    };

    Worker(const OverlapContext& c, const std::atomic<bool>& stop, platform::CopyMemory& memory)
        : lane(c.journal != nullptr ? std::make_unique<JournalWriter>(*c.journal, 0) : nullptr),
          anchors(c.fs, results),
          work(TargetContext{c.request, c.titles, c.snapshot, c.fs, prompt,
                             RecordSink{results, log, true, lane.get()}, c.sizes, anchors, nullptr,
                             failures, c.itemTotals, nullptr,
                             [&stop] { return stop.load(std::memory_order_relaxed); }, &memory}) {
        anchors.setJournal(lane.get());
        anchors.identifyAtOnce();
    }

    RunResults results;
    HeldLog log;
    HeldPrompt prompt;
    FailureNotes failures{true};
    std::unique_ptr<JournalWriter> lane;
    RunAnchors anchors;
    TargetWork work;
    /// The job posted to this worker, until it is finished.
    Job* job = nullptr;
    std::thread thread;
};

struct OverlappedTargets::Job {
    std::string target, numberText, anchorPoint;
    /// The target is still to be made (by the worker).
    bool makeTarget = false;
    std::string folded;
    bool done = false;
    FinishedTarget finished;
};

OverlappedTargets::OverlappedTargets(const OverlapContext& context, std::size_t workers)
    : context_(context) {
    for (std::size_t i = 0; i < workers; ++i) {
        workers_.push_back(std::make_unique<Worker>(context_, stop_, memory_));
        Worker& worker = *workers_.back();
        worker.thread = std::thread([this, &worker] { serve(worker); });
    }
}

OverlappedTargets::~OverlappedTargets() {
    {
        const std::lock_guard lock(lock_);
        quit_ = true;
    }
    posted_.notify_all();
    for (const auto& worker : workers_)
        worker->thread.join();
}

OverlappedTargets::Worker* OverlappedTargets::freeWorker() const {
    for (const auto& worker : workers_)
        if (worker->job == nullptr)
            return worker.get();
    return nullptr;
}

bool OverlappedTargets::canAdd() const {
    const std::lock_guard lock(lock_);
    return freeWorker() != nullptr && jobs_.size() < kWaitingPerWorker * workers_.size();
}

bool OverlappedTargets::busy() const {
    const std::lock_guard lock(lock_);
    return !jobs_.empty();
}

void OverlappedTargets::waitForRoom(std::chrono::milliseconds wait) {
    std::unique_lock lock(lock_);
    finished_.wait_for(lock, wait, [this] {
        return (freeWorker() != nullptr && jobs_.size() < kWaitingPerWorker * workers_.size()) ||
               (!jobs_.empty() && jobs_.front()->done);
    });
}

bool OverlappedTargets::clashes(const std::string& target, bool sameParent) const {
    const std::string folded = FoldedPath(target);
    const std::lock_guard lock(lock_);
    for (const auto& job : jobs_) {
        if (IsSameOrBelow(folded, job->folded) || IsSameOrBelow(job->folded, folded))
            return true;
        if (sameParent && ParentOf(folded) == ParentOf(job->folded))
            return true;
    }
    return false;
}

void OverlappedTargets::add(const std::string& target, const std::string& numberText,
                            const std::string& anchorPoint, bool makeHere) {
    auto job = std::make_unique<Job>();
    job->target = target;
    job->numberText = numberText;
    job->anchorPoint = anchorPoint;
    job->folded = FoldedPath(target);
    job->finished.lane = nextLane_++;
    Worker* worker = nullptr;
    {
        const std::lock_guard lock(lock_);
        worker = freeWorker();
    }
    if (worker->lane)
        worker->lane->setLane(job->finished.lane);
    // The worker is idle: what this thread makes through it is in its store before it starts.
    if (makeHere && !worker->work.makeTarget(target, anchorPoint)) {
        finish(*worker, *job, false);
        job->done = true;
        const std::lock_guard lock(lock_);
        jobs_.push_back(std::move(job));
        return;
    }
    job->makeTarget = !makeHere;
    {
        const std::lock_guard lock(lock_);
        worker->job = job.get();
        jobs_.push_back(std::move(job));
    }
    posted_.notify_all();
}

std::unique_ptr<FinishedTarget> OverlappedTargets::next(std::chrono::milliseconds wait) {
    std::unique_lock lock(lock_);
    if (jobs_.empty())
        return nullptr;
    if (!finished_.wait_for(lock, wait, [this] { return jobs_.front()->done; }))
        return nullptr;
    auto finished = std::make_unique<FinishedTarget>(std::move(jobs_.front()->finished));
    jobs_.pop_front();
    return finished;
}

void OverlappedTargets::serve(Worker& worker) {
    for (;;) {
        Job* job = nullptr;
        {
            std::unique_lock lock(lock_);
            posted_.wait(lock, [&] { return quit_ || worker.job != nullptr; });
            if (worker.job == nullptr)
                return;
            job = worker.job;
        }
        work(worker, *job);
        {
            const std::lock_guard lock(lock_);
            job->done = true;
            worker.job = nullptr;
        }
        finished_.notify_all();
    }
}

void OverlappedTargets::work(Worker& worker, Job& job) {
    const bool created = !job.makeTarget || worker.work.makeTarget(job.target, job.anchorPoint);
    if (created)
        worker.work.attachTo(job.target, job.numberText);
    finish(worker, job, created);
}

void OverlappedTargets::finish(Worker& worker, Job& job, bool created) {
    if (worker.lane)
        worker.lane->flush(); // the target's last records are in the file before it is taken
    FinishedTarget& finished = job.finished;
    finished.created = created;
    finished.copyTarget = worker.work.copyTarget();
    finished.results = std::move(worker.results);
    worker.results = RunResults{};
    finished.log = std::move(worker.log.entries);
    worker.log.entries.clear();
    finished.messages = std::move(worker.prompt.messages);
    worker.prompt.messages.clear();
    finished.failures.takeFrom(worker.failures);
}

} // namespace dirforge::engine
