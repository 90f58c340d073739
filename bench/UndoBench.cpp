// Cost of an undo over a plain removal: UndoLastRun over 100 000 folders made by a strings-page
// run with Attach Nothing, against a loop of rmdir on host paths (and of removeEmptyFolder
// through the drive layer) over the same folders.
#include "BenchDrive.h"
#include "BenchRegistry.h"
#include "BenchSeams.h"

#include "engine/FolderFileUndo.h"
#include "engine/RunAnchors.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace dirforge;

constexpr int kFolders = 100000;
constexpr int kRounds = 5;

std::vector<std::string> FolderNames(const std::string& base) {
    std::vector<std::string> names;
    names.reserve(kFolders);
    char name[16];
    for (int i = 0; i < kFolders; ++i) {
        std::snprintf(name, sizeof name, "N%06d", i);
        names.push_back(base + name);
    }
    return names;
}

/// Makes every folder as a run does, journaling it in results with its identity.
void MakeFolders(platform::FileSystem& fs, const std::vector<std::string>& folders,
                 engine::RunResults& results) {
    results = engine::RunResults{};
    engine::RunAnchors anchors(fs, results);
    for (const auto& folder : folders)
        if (anchors.createFolder("f:\\Bench", folder))
            results.FoldersCreated.push_back(folder);
}

} // namespace

DIRFORGE_BENCH(undo_100k) {
    bench::BenchDrive drive("undo");
    if (!drive.ready())
        return;
    platform::HostFileSystem& fs = drive.fs();
    const std::string& root = drive.root();
    fs.createFolder("f:\\Bench");
    const std::vector<std::string> folders = FolderNames("f:\\Bench\\");
    const std::vector<std::string> hostFolders = FolderNames(root + "/Bench/");

    bench::YesPrompt prompt;
    engine::RunObserver log;
    engine::RunResults results;
    double undoBest = 1e9, removeBest = 1e9, rmdirBest = 1e9;
    std::size_t left = 0;
    // Alternate the loops and keep each one's best round, so none profits from going first.
    for (int round = 0; round < kRounds; ++round) {
        MakeFolders(fs, folders, results);
        undoBest = std::min(undoBest, bench::secondsOf([&] {
                                engine::UndoLastRun(engine::PageKind::Strings, results, "N",
                                                    "f:\\Bench\\", fs, prompt, log);
                            }));
        left += results.FoldersFailedUndo.size();

        MakeFolders(fs, folders, results);
        removeBest = std::min(removeBest, bench::secondsOf([&] {
                                  for (const auto& folder : folders)
                                      fs.removeEmptyFolder(folder);
                              }));

        MakeFolders(fs, folders, results);
        rmdirBest = std::min(rmdirBest, bench::secondsOf([&] {
                                 for (const auto& folder : hostFolders)
                                     ::rmdir(folder.c_str());
                             }));
    }

    report.value("undo_100k_seconds", undoBest);
    report.value("remove_loop_100k_seconds", removeBest);
    report.value("rmdir_loop_100k_seconds", rmdirBest);
    // Against rmdir on host paths, and against the same removals through the drive layer.
    report.value("undo_100k_ratio", undoBest / rmdirBest);
    report.value("undo_100k_vs_remove_loop_ratio", undoBest / removeBest);
    report.count("undo_100k_failed", static_cast<long long>(left));
}
