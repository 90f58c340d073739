// The visual log's cost during a run: 100 000 recorded paths with a counter update each, into a
// shown log, against the same calls into a null observer plus the 100 000 folder creations a
// real run makes (the file-system work the log accompanies).

#include "BenchApplication.h"
#include "BenchDrive.h"
#include "BenchRegistry.h"

#include "engine/RunResults.h"
#include "platform/Prompt.h"
#include "ui/results/TfrmStatistic.h"

#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using dirforge::engine::CounterColumn;
using dirforge::engine::CounterRow;
using dirforge::engine::ResultList;

constexpr int kEntries = 100000;

/// A prompt that must never be asked during the bench.
class SilentPrompt : public dirforge::platform::Prompt {
public:
    dirforge::platform::PromptButton show(const std::string&, const std::string&,
                                          dirforge::platform::MessageKind) override {
        return dirforge::platform::PromptButton::Ok;
    }
};

using dirforge::bench::EnsureApplication;

/// What a run tells its observer for one created folder.
void Feed(dirforge::engine::RunObserver& observer, dirforge::engine::RunCounters& counters,
          const std::string& path) {
    observer.recorded(ResultList::FoldersCreated, path);
    counters.at(CounterRow::Folders, CounterColumn::Created) += 1;
    observer.countersChanged(counters);
}

} // namespace

DIRFORGE_BENCH(visual_log_100k) {
    EnsureApplication();
    std::vector<std::string> paths;
    paths.reserve(kEntries);
    for (int i = 0; i < kEntries; ++i)
        paths.push_back("f:\\Bench\\Folder" + std::to_string(1000000 + i));

    dirforge::bench::BenchDrive drive("visuallog");
    if (!drive.ready())
        return;
    const std::filesystem::path root = drive.root();
    // One mkdir per folder, as a run makes them, telling an observer about each. Every run
    // gets a folder of its own and nothing is deleted until the end: freshly deleted inodes
    // make the next creations slower and would bias whichever run comes later.
    int runNumber = 0;
    const auto run = [&](dirforge::engine::RunObserver& observer, bool makeFolders) {
        const std::filesystem::path folder = root / ("run" + std::to_string(runNumber++));
        std::filesystem::create_directories(folder);
        std::vector<std::filesystem::path> hostPaths;
        hostPaths.reserve(kEntries);
        for (int i = 0; i < kEntries; ++i)
            hostPaths.push_back(folder / ("Folder" + std::to_string(1000000 + i)));
        dirforge::engine::RunCounters counters;
        return dirforge::bench::secondsOf([&] {
            for (int i = 0; i < kEntries; ++i) {
                if (makeFolders)
                    std::filesystem::create_directory(hostPaths[static_cast<std::size_t>(i)]);
                Feed(observer, counters, paths[static_cast<std::size_t>(i)]);
            }
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    };

    SilentPrompt prompt;
    dirforge::ui::TfrmStatistic log(dirforge::engine::PageKind::Strings, prompt);
    const auto freshLog = [&] {
        log.resetLog(true);
        log.showLog();
        QCoreApplication::processEvents();
    };

    // Baselines before and after the logged run, averaged, to cancel the machine's drift.
    dirforge::engine::RunObserver nullObserver;
    const double baselineBefore = run(nullObserver, true);
    freshLog();
    const double logAndFolders = run(log, true);
    const double baselineAfter = run(nullObserver, true);
    freshLog();
    const double logOnly = run(log, false);
    const double baseline = (baselineBefore + baselineAfter) / 2;

    report.value("visual_log_100k_seconds", logOnly);
    report.value("visual_log_100k_baseline_seconds", baseline);
    // The log's own cost relative to the file-system work of a run.
    report.value("visual_log_100k_overhead_ratio", logOnly / baseline);
    // A run with the log shown against the same run with a null observer.
    report.value("visual_log_100k_run_ratio", logAndFolders / baseline);
}
