// The strings page's Undo of its own 100 000-name run (visual log shown, progress row moving)
// against the engine's UndoLastRun with a null observer over the same kind of run; and the
// time from a Stop click posted to the event loop to the return of a 100 000-name page run.

#include "BenchDrive.h"
#include "BenchRegistry.h"
#include "BenchStringsPage.h"

#include "engine/FolderFileUndo.h"

#include <QTimer>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

namespace {

using namespace dirforge;
namespace fs = std::filesystem;

constexpr int kNames = 100000;

double EngineUndo(platform::HostFileSystem& files, const std::vector<std::string>& names,
                  const std::string& dest) {
    engine::PageRunState state;
    bench::EngineCreate(files, names, dest, state);
    bench::YesPrompt prompt;
    engine::RunObserver none;
    return bench::secondsOf([&] {
        engine::UndoLastRun(engine::PageKind::Strings, state.results, state.lastAttachMode,
                            state.lastDestination, files, prompt, none);
    });
}

double PageUndo(bench::StringsPageBench& page, const std::vector<std::string>& names,
                const std::string& dest) {
    page.prepare(names, dest);
    page.find("btnVol02CreateFolders")->click();
    QAbstractButton* undo = page.find("btnVol02Undo");
    return bench::secondsOf([&] { undo->click(); });
}

/// Milliseconds from a Stop click posted after startMs of a page run to the run's return.
double StopLatency(bench::StringsPageBench& page, const std::vector<std::string>& names,
                   const std::string& dest, int startMs, std::size_t& created) {
    page.prepare(names, dest);
    QAbstractButton* stop = page.find("btnVol02Stop");
    std::chrono::steady_clock::time_point posted;
    QTimer::singleShot(startMs, stop, [&posted, stop] {
        posted = std::chrono::steady_clock::now();
        QMetaObject::invokeMethod(stop, &QAbstractButton::click, Qt::QueuedConnection);
    });
    page.find("btnVol02CreateFolders")->click();
    const auto returned = std::chrono::steady_clock::now();
    created = page.state().results.FoldersCreated.size();
    return std::chrono::duration<double, std::milli>(returned - posted).count();
}

/// Runs fn with the program's start folder under root, as the program expects.
template <typename Fn> void InStartFolder(const fs::path& root, Fn&& fn) {
    fs::create_directories(root / "start");
    const fs::path previous = fs::current_path();
    fs::current_path(root / "start"); // the program writes its settings and working folders here
    fn();
    fs::current_path(previous);
}

} // namespace

DIRFORGE_BENCH(gui_undo_100k) {
    bench::BenchDrive drive("guiundo");
    if (!drive.ready())
        return;
    InStartFolder(drive.root(), [&] {
        const std::vector<std::string> names = bench::NumberedNames(kNames);
        bench::StringsPageBench page(drive.drives());
        // Alternate the two so both see the same state of the file system; keep each one's best.
        double engineBest = 1e9, pageBest = 1e9;
        for (int round = 0; round < 2; ++round) {
            engineBest = std::min(
                engineBest, EngineUndo(drive.fs(), names, "f:\\Engine" + std::to_string(round)));
            pageBest =
                std::min(pageBest, PageUndo(page, names, "f:\\Page" + std::to_string(round)));
        }
        report.value("gui_undo_100k_engine_seconds", engineBest);
        report.value("gui_undo_100k_page_seconds", pageBest);
        report.value("gui_undo_100k_ratio", pageBest / engineBest);
        report.count("gui_undo_100k_left",
                     static_cast<long long>(page.state().results.FoldersFailedUndo.size()));
    });
}

DIRFORGE_BENCH(stop_latency) {
    bench::BenchDrive drive("stop");
    if (!drive.ready())
        return;
    InStartFolder(drive.root(), [&] {
        const std::vector<std::string> names = bench::NumberedNames(kNames);
        bench::StringsPageBench page(drive.drives());
        // The worst of three stops, each posted a little later into its run.
        double worst = 0;
        std::size_t created = 0;
        for (int round = 0; round < 3; ++round)
            worst = std::max(worst, StopLatency(page, names, "f:\\Stop" + std::to_string(round),
                                                150 + 100 * round, created));
        report.value("stop_latency_ms", worst);
        report.count("stop_latency_created_of_100k", static_cast<long long>(created));
    });
}
