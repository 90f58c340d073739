// Creation-run benchmarks on a temporary folder mapped as drive f:, each against a plain
// baseline measured in the same process on the same file system.

#include "BenchRegistry.h"

#include "engine/CreationRun.h"
#include "platform/HostFileSystem.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace dirforge;

constexpr int kNames = 100000;

class YesPrompt : public platform::Prompt {
public:
    platform::PromptButton show(const std::string&, const std::string&, platform::MessageKind) override {
        return platform::PromptButton::Yes;
    }
};

class NoShell : public platform::Shell {
public:
    bool openFolder(const std::string&) override { return true; }
    bool openWebPage(const std::string&) override { return true; }
};

/// A temporary host folder mapped as f:, removed at the end.
class BenchDrive {
public:
    BenchDrive() {
        char pattern[] = "/tmp/dirforge-bench-XXXXXX";
        root_ = ::mkdtemp(pattern);
        platform::DriveMap map;
        map.map('f', root_);
        fs_ = std::make_unique<platform::HostFileSystem>(map);
    }
    ~BenchDrive() { std::system(("rm -rf '" + root_ + "'").c_str()); }
    platform::HostFileSystem& fs() { return *fs_; }
    const std::string& root() const { return root_; }

private:
    std::string root_;
    std::unique_ptr<platform::HostFileSystem> fs_;
};

std::vector<std::string> BenchNames() {
    std::vector<std::string> names;
    names.reserve(kNames);
    char buffer[32];
    for (int i = 0; i < kNames; ++i) {
        std::snprintf(buffer, sizeof buffer, "Client%06d", i);
        names.emplace_back(buffer);
    }
    return names;
}

engine::RunRequest NothingRequest(std::vector<std::string> names, const std::string& destination) {
    engine::RunRequest request;
    request.page = engine::PageKind::Strings;
    request.names = std::move(names);
    request.destination = destination;
    request.attachMode = engine::AttachMode::Nothing;
    request.showExplorer = false;
    request.showVisualLog = false;
    return request;
}

/// Peak resident memory in MB since the last ResetPeakMemory (VmHWM).
double PeakMemoryMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void ResetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

double PlainLoopSeconds(const std::string& hostFolder, const std::vector<std::string>& names) {
    ::mkdir(hostFolder.c_str(), 0777);
    return bench::secondsOf([&] {
        struct stat st;
        for (const std::string& name : names) {
            const std::string path = hostFolder + "/" + name;
            if (::stat(path.c_str(), &st) != 0)
                ::mkdir(path.c_str(), 0777);
        }
    });
}

} // namespace

DIRFORGE_BENCH(engine_run_100k) {
    BenchDrive drive;
    YesPrompt prompt;
    NoShell shell;
    engine::RunObserver quiet;
    const engine::RunServices services{drive.fs(), prompt, shell, quiet};
    const std::vector<std::string> names = BenchNames();

    // The machine is shared: rounds alternate baseline, dry run and real run on fresh folders,
    // and the fastest round of each counts.
    constexpr int kRounds = 3;
    double plain = 1e9, simulation = 1e9, real = 1e9, peakMb = 0;
    for (int round = 0; round < kRounds; ++round) {
        const std::string folder = "run" + std::to_string(round);
        plain = std::min(plain, PlainLoopSeconds(drive.root() + "/plain" + std::to_string(round), names));
        const engine::RunRequest request = NothingRequest(names, "f:\\" + folder);
        engine::PageRunState simulated;
        simulation = std::min(simulation, bench::secondsOf([&] { engine::SimulationRun(request, simulated, services); }));
        if (round == 0)
            ResetPeakMemory();
        engine::PageRunState state;
        real = std::min(real, bench::secondsOf([&] { engine::CreationRun(request, state, services); }));
        if (round == 0) {
            peakMb = PeakMemoryMb();
            report.count("run_100k_created", static_cast<long long>(state.results.FoldersCreated.size()));
        }
    }
    report.value("run_100k_peak_rss_mb", peakMb);
    report.value("run_100k_nothing_ratio", real / plain);
    report.value("simulate_100k_ratio", simulation / real);
}

DIRFORGE_BENCH(engine_copy_tree) {
    BenchDrive drive;
    YesPrompt prompt;
    NoShell shell;
    engine::RunObserver quiet;
    const engine::RunServices services{drive.fs(), prompt, shell, quiet};

    // About 500 folders (20 x 24 + 20 + 1) holding 5000 small files.
    const std::string structure = drive.root() + "/Structure";
    int files = 0;
    for (int a = 0; a < 20; ++a) {
        for (int b = 0; b < 24; ++b) {
            const std::string folder = structure + "/Part" + std::to_string(a) + "/Sub" + std::to_string(b);
            std::system(("mkdir -p '" + folder + "'").c_str());
            for (int f = 0; f < 10 && files < 5000; ++f, ++files)
                std::ofstream(folder + "/file" + std::to_string(f) + ".txt") << std::string(200, 'x');
        }
    }
    for (int f = 0; files < 5000; ++f, ++files)
        std::ofstream(structure + "/extra" + std::to_string(f) + ".txt") << std::string(200, 'x');

    constexpr int kCopies = 20;
    const double plain = bench::secondsOf([&] {
        for (int i = 0; i < kCopies; ++i)
            std::system(("cp -r '" + structure + "' '" + drive.root() + "/cp" + std::to_string(i) + "'").c_str());
    });

    engine::RunRequest request;
    request.page = engine::PageKind::Strings;
    for (int i = 0; i < kCopies; ++i)
        request.names.push_back("Copy" + std::to_string(i));
    request.destination = "f:\\Runs";
    request.attachMode = engine::AttachMode::Existing;
    request.copyVariant = engine::CopyVariant::MainFolderWithFiles;
    request.structureLines = {"f:\\Structure"};
    request.showExplorer = false;
    request.showVisualLog = false;
    engine::PageRunState state;
    const double real = bench::secondsOf([&] { engine::CreationRun(request, state, services); });
    report.count("copy_tree_files_created", static_cast<long long>(state.results.FilesCreated.size()));
    report.value("copy_tree_ratio", real / plain);
}
