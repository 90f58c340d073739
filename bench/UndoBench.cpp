// Cost of an undo over a plain removal: UndoLastRun over 100 000 folders made by a strings-page
// run with Attach Nothing, against a loop of removeEmptyFolder (and of rmdir on host paths) over
// the same folders.
#include "BenchRegistry.h"

#include "engine/FolderFileUndo.h"
#include "platform/HostFileSystem.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace dirforge;

constexpr int kFolders = 100000;
constexpr int kRounds = 3;

class YesPrompt : public platform::Prompt {
public:
    platform::PromptButton show(const std::string&, const std::string&, platform::MessageKind kind) override {
        return kind == platform::MessageKind::Question ? platform::PromptButton::Yes : platform::PromptButton::Ok;
    }
};

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

/// Makes every folder as a run does, journaling it in results.
void MakeFolders(platform::FileSystem& fs, const std::vector<std::string>& folders, engine::RunResults& results) {
    results = engine::RunResults{};
    for (const auto& folder : folders)
        if (fs.createFolder(folder, &results.FoldersMadeByRun))
            results.FoldersCreated.push_back(folder);
}

/// DIRFORGE_BENCH_DIR, else a memory file system when there is one: on a disk mounted with
/// online discard every removal waits for the device and the noise would hide the undo's cost.
std::filesystem::path BenchBase() {
    if (const char* chosen = std::getenv("DIRFORGE_BENCH_DIR"))
        return chosen;
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error))
        return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

} // namespace

DIRFORGE_BENCH(undo_100k) {
    std::string root = (BenchBase() / "dirforge-undo-XXXXXX").string();
    if (::mkdtemp(root.data()) == nullptr)
        return;
    platform::DriveMap drives;
    drives.map('f', root);
    platform::HostFileSystem fs(drives);
    fs.createFolder("f:\\Bench");
    const std::vector<std::string> folders = FolderNames("f:\\Bench\\");
    const std::vector<std::string> hostFolders = FolderNames(root + "/Bench/");

    YesPrompt prompt;
    engine::RunObserver log;
    engine::RunResults results;
    double undoBest = 1e9, removeBest = 1e9, rmdirBest = 1e9;
    std::size_t left = 0;
    // Alternate the loops and keep each one's best round, so none profits from going first.
    for (int round = 0; round < kRounds; ++round) {
        MakeFolders(fs, folders, results);
        undoBest = std::min(undoBest, bench::secondsOf([&] {
            engine::UndoLastRun(engine::PageKind::Strings, results, "N", "f:\\Bench\\", fs, prompt, log);
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
    std::filesystem::remove_all(root);

    report.value("undo_100k_seconds", undoBest);
    report.value("remove_loop_100k_seconds", removeBest);
    report.value("rmdir_loop_100k_seconds", rmdirBest);
    report.value("undo_100k_ratio", undoBest / removeBest);
    report.value("undo_100k_vs_host_rmdir_ratio", undoBest / rmdirBest);
    report.count("undo_100k_failed", static_cast<long long>(left));
}
