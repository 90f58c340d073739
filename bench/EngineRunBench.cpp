// Creation-run benchmarks on a fresh folder mapped as drive f:, each against a plain baseline
// measured in the same process on the same file system.

#include "BenchDrive.h"
#include "BenchRegistry.h"
#include "BenchSeams.h"

#include "engine/CreationRun.h"
#include "engine/JournalWriter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace dirforge;

constexpr int kNames = 100000;

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
    bench::BenchDrive drive("run");
    if (!drive.ready())
        return;
    bench::YesPrompt prompt;
    bench::QuietShell shell;
    engine::RunObserver quiet;
    const engine::RunServices services{drive.fs(), prompt, shell, quiet};
    const std::vector<std::string> names = BenchNames();
    // Rounds take the baseline and the real run in turns (one first, then the other) on fresh
    // folders, and nothing is removed until the end: on a disk a removal keeps the device busy
    // for a while, which would slow whichever came next. The fastest round of each counts.
    constexpr int kRounds = 4;
    double plain = 1e9, simulation = 1e9, real = 1e9, peakMb = 0;
    for (int round = 0; round < kRounds; ++round) {
        const std::string suffix = std::to_string(round);
        const engine::RunRequest request = NothingRequest(names, "f:\\Run" + suffix);
        const auto plainRound = [&] {
            plain = std::min(plain, PlainLoopSeconds(drive.root() + "/Plain" + suffix, names));
        };
        if (round % 2 == 0)
            plainRound();
        engine::PageRunState simulated;
        simulation = std::min(simulation, bench::secondsOf([&] {
                                  engine::SimulationRun(request, simulated, services);
                              }));
        if (round == 0)
            ResetPeakMemory();
        engine::PageRunState state;
        // The run writes its journal ahead, as dirforge-cli --journal does.
        engine::JournalWriter journal(drive.fs().openAppendFile("f:\\Journal" + suffix + ".jsonl",
                                                                platform::AppendOpen::CreateNew),
                                      drive.fs().drives());
        engine::RunServices withJournal = services;
        withJournal.journal = &journal;
        real = std::min(
            real, bench::secondsOf([&] { engine::CreationRun(request, state, withJournal); }));
        if (round == 0) {
            peakMb = PeakMemoryMb();
            report.count("run_100k_created",
                         static_cast<long long>(state.results.FoldersCreated.size()));
        }
        if (round % 2 == 1)
            plainRound();
    }
    report.value("run_100k_plain_seconds", plain);
    report.value("run_100k_seconds", real);
    report.value("run_100k_peak_rss_mb", peakMb);
    report.value("run_100k_nothing_ratio", real / plain);
    report.value("simulate_100k_ratio", simulation / real);
}

DIRFORGE_BENCH(engine_copy_tree) {
    bench::BenchDrive drive("copy");
    if (!drive.ready())
        return;
    bench::YesPrompt prompt;
    bench::QuietShell shell;
    engine::RunObserver quiet;
    const engine::RunServices services{drive.fs(), prompt, shell, quiet};

    // About 500 folders (20 x 24 + 20 + 1) holding 5000 small files.
    const std::string structure = drive.root() + "/Structure";
    int files = 0;
    for (int a = 0; a < 20; ++a) {
        for (int b = 0; b < 24; ++b) {
            const std::string folder =
                structure + "/Part" + std::to_string(a) + "/Sub" + std::to_string(b);
            std::filesystem::create_directories(folder);
            for (int f = 0; f < 10 && files < 5000; ++f, ++files)
                std::ofstream(folder + "/file" + std::to_string(f) + ".txt")
                    << std::string(200, 'x');
        }
    }
    for (int f = 0; files < 5000; ++f, ++files)
        std::ofstream(structure + "/extra" + std::to_string(f) + ".txt") << std::string(200, 'x');

    constexpr int kCopies = 20;
    engine::RunRequest request;
    request.page = engine::PageKind::Strings;
    for (int i = 0; i < kCopies; ++i)
        request.names.push_back("Copy" + std::to_string(i));
    request.attachMode = engine::AttachMode::Existing;
    request.copyVariant = engine::CopyVariant::MainFolderWithFiles;
    request.structureLines = {"f:\\Structure"};
    request.showExplorer = false;
    request.showVisualLog = false;

    // Rounds take `cp -r` and the run in turns (one first, then the other), each into fresh
    // folders, with nothing removed until the end; the best of each counts.
    constexpr int kRounds = 4;
    double plain = 1e9, real = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        const std::string suffix = std::to_string(round);
        const auto copyRound = [&] {
            const std::string cpFolder = drive.root() + "/Cp" + suffix;
            std::filesystem::create_directories(cpFolder);
            plain = std::min(plain, bench::secondsOf([&] {
                                 for (int i = 0; i < kCopies; ++i)
                                     std::system(("cp -r '" + structure + "' '" + cpFolder + "/" +
                                                  std::to_string(i) + "'")
                                                     .c_str());
                             }));
        };
        if (round % 2 == 0)
            copyRound();
        request.destination = "f:\\Runs" + suffix;
        engine::PageRunState state;
        real = std::min(real,
                        bench::secondsOf([&] { engine::CreationRun(request, state, services); }));
        if (round == 0)
            report.count("copy_tree_files_created",
                         static_cast<long long>(state.results.FilesCreated.size()));
        if (round % 2 == 1)
            copyRound();
    }
    report.value("copy_tree_cp_seconds", plain);
    report.value("copy_tree_run_seconds", real);
    report.value("copy_tree_ratio", real / plain);
}

// dirforge-cli's run of 100 000 names with --journal (written ahead) against the same run without.
DIRFORGE_BENCH(journal_overhead) {
    bench::BenchDrive drive("journal");
    if (!drive.ready())
        return;
    {
        std::ofstream names(drive.root() + "/names.txt");
        for (const std::string& name : BenchNames())
            names << name << '\n';
    }
    // Each run's folders are removed after it, so every run starts on the same drive.
    const auto cliRun = [&](const std::string& folder, bool journal) {
        const std::string command =
            "cd '" + drive.root() + "' && DIRFORGE_DRIVES='f=" + drive.root() +
            "' '" DIRFORGE_CLI "' strings --dest 'f:\\" + folder + "' --names names.txt --quiet" +
            (journal ? " --journal " + folder + ".jsonl" : "") + " > /dev/null";
        const double seconds = bench::secondsOf([&] {
            if (std::system(command.c_str()) != 0)
                std::fprintf(stderr, "journal_overhead: the run failed\n");
        });
        std::error_code ignored;
        std::filesystem::remove_all(drive.root() + "/" + folder, ignored);
        std::filesystem::remove(drive.root() + "/" + folder + ".jsonl", ignored);
        return seconds;
    };
    double plain = 1e9, journaled = 1e9;
    for (int round = 0; round < 5; ++round) {
        const std::string suffix = std::to_string(round);
        if (round % 2 == 0)
            plain = std::min(plain, cliRun("P" + suffix, false));
        journaled = std::min(journaled, cliRun("J" + suffix, true));
        if (round % 2 == 1)
            plain = std::min(plain, cliRun("P" + suffix, false));
    }
    report.value("journal_overhead_plain_seconds", plain);
    report.value("journal_overhead_seconds", journaled);
    report.value("journal_overhead_ratio", journaled / plain);
}
