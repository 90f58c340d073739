// The latency benchmarks: a run, its dry run and its undo, and a paths-page run, each on
// latencyfs with a fixed wait per request (1 ms unless DIRFORGE_LATENCY_US says otherwise),
// against a plain loop of mkdirat/unlinkat relative to an open handle of the same folder. The
// copy is in LatencyCopyBench.cpp.
#include "LatencyBench.h"

#include "engine/FolderFileUndo.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace dirforge::bench {

namespace {

constexpr int kNames = 2000;
constexpr int kParentGroups = 10; // paths page: 10 x 10 parent folders, two levels deep
constexpr int kParents = kParentGroups * kParentGroups;

long DelayMicroseconds() {
    const char* chosen = std::getenv("DIRFORGE_LATENCY_US");
    return chosen != nullptr ? std::strtol(chosen, nullptr, 10) : 1000;
}

platform::DriveMap MountAsDriveF(const LatencyMount& mount) {
    platform::DriveMap drives;
    drives.map('f', mount.mountPoint());
    return drives;
}

engine::RunRequest NothingRequest(engine::PageKind page, std::vector<std::string> names,
                                  const std::string& destination) {
    engine::RunRequest request;
    request.page = page;
    request.names = std::move(names);
    request.destination = destination;
    request.attachMode = engine::AttachMode::Nothing;
    request.showExplorer = false;
    request.showVisualLog = false;
    return request;
}

std::size_t EntriesIn(const std::string& folder) {
    std::error_code error;
    std::size_t count = 0;
    for (auto it = std::filesystem::directory_iterator(folder, error);
         !error && it != std::filesystem::end(it); it.increment(error))
        ++count;
    return count;
}

std::string ParentOf(int entry) {
    const int parent = entry % kParents; // entries take the parents in turn
    return "A" + std::to_string(parent / kParentGroups) + "/B" +
           std::to_string(parent % kParentGroups);
}

} // namespace

LatencyBench::LatencyBench(LatencyMount& mounted, BenchReport& out)
    : mount(mounted), report(out), fs(MountAsDriveF(mounted)), services{fs, prompt, shell, quiet} {}

std::vector<std::string> NumberedNames(const std::string& stem, int count) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    char buffer[16];
    for (int i = 0; i < count; ++i) {
        std::snprintf(buffer, sizeof buffer, "%04d", i);
        names.push_back(stem + buffer);
    }
    return names;
}

void ReportSide(BenchReport& report, const std::string& name, const Measured& side,
                std::size_t units, const std::string& unit) {
    report.value(name + "_s", side.seconds);
    std::uint64_t total = 0;
    for (const std::uint64_t calls : side.calls)
        total += calls;
    const double count = static_cast<double>(units);
    report.value(name + "_calls_per_" + unit, static_cast<double>(total) / count);
    const char* detail = std::getenv("DIRFORGE_BENCH_CALLS");
    if (detail == nullptr || std::string(detail) != "1")
        return;
    for (std::size_t i = 0; i < side.calls.size(); ++i)
        if (side.calls[i] != 0)
            report.value(name + "_calls_" + latencyfs::kCallNames[i],
                         static_cast<double>(side.calls[i]) / count);
}

void ReportAgainstFloor(BenchReport& report, const std::string& name, const Measured& engine,
                        const Measured& floor, std::size_t folders) {
    ReportSide(report, name, engine, folders);
    ReportSide(report, name + "_floor", floor, folders);
    report.value(name + "_ratio", engine.seconds / floor.seconds);
}

void LatencyRunBenchmarks(LatencyBench& bench) {
    const std::vector<std::string> names = NumberedNames("Client", kNames);
    std::filesystem::create_directory(bench.backing("Run"));
    std::filesystem::create_directory(bench.backing("Floor"));
    const engine::RunRequest request = NothingRequest(engine::PageKind::Strings, names, "f:\\Run");

    int floorFolder = -1;
    const Measured floorRun = Measure(bench.mount, [&] {
        floorFolder = ::open(bench.mounted("Floor").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        for (const std::string& name : names)
            ::mkdirat(floorFolder, name.c_str(), 0777);
    });
    engine::PageRunState simulated;
    const Measured simulation =
        Measure(bench.mount, [&] { engine::SimulationRun(request, simulated, bench.services); });
    engine::PageRunState state;
    const Measured run =
        Measure(bench.mount, [&] { engine::CreationRun(request, state, bench.services); });
    const std::size_t created = state.results.FoldersCreated.size();
    const Measured undo = Measure(bench.mount, [&] {
        engine::UndoLastRun(engine::PageKind::Strings, state.results, state.lastAttachMode,
                            state.lastDestination, bench.fs, bench.prompt, bench.quiet);
    });
    const Measured floorUndo = Measure(bench.mount, [&] {
        for (const std::string& name : names)
            ::unlinkat(floorFolder, name.c_str(), AT_REMOVEDIR);
        ::close(floorFolder);
    });

    BenchReport& report = bench.report;
    report.count("latency_run_2k_created", static_cast<long long>(created));
    ReportAgainstFloor(report, "latency_run_2k", run, floorRun, names.size());
    ReportSide(report, "latency_simulate_2k", simulation, names.size());
    report.value("latency_simulate_2k_ratio", simulation.seconds / run.seconds);
    ReportAgainstFloor(report, "latency_undo_2k", undo, floorUndo, names.size());
    report.count("latency_undo_2k_left", static_cast<long long>(EntriesIn(bench.backing("Run"))));
    std::error_code ignored;
    std::filesystem::remove_all(bench.backing("Run"), ignored);
    std::filesystem::remove_all(bench.backing("Floor"), ignored);
}

void LatencyPathsBenchmark(LatencyBench& bench) {
    // The parents exist (as the departments of a share would); each entry is one new folder.
    for (const std::string top : {"Paths", "PathsFloor"})
        for (int parent = 0; parent < kParents; ++parent)
            std::filesystem::create_directories(bench.backing(top + "/" + ParentOf(parent)));
    std::vector<std::string> entries;
    entries.reserve(kNames);
    const std::vector<std::string> names = NumberedNames("Entry", kNames);
    for (int i = 0; i < kNames; ++i) {
        std::string parent = ParentOf(i);
        parent[2] = '\\';
        entries.push_back("f:\\Paths\\" + parent + "\\" + names[static_cast<std::size_t>(i)]);
    }
    const engine::RunRequest request =
        NothingRequest(engine::PageKind::Paths, entries, std::string());

    std::vector<int> parents;
    const auto openParents = [&] {
        const int top =
            ::open(bench.mounted("PathsFloor").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        for (int parent = 0; parent < kParents; ++parent)
            parents.push_back(
                ::openat(top, ParentOf(parent).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        ::close(top);
    };
    const auto closeParents = [&] {
        for (const int parent : parents)
            ::close(parent);
        parents.clear();
    };
    const Measured floor = Measure(bench.mount, [&] {
        openParents();
        for (int i = 0; i < kNames; ++i)
            ::mkdirat(parents[static_cast<std::size_t>(i % kParents)],
                      names[static_cast<std::size_t>(i)].c_str(), 0777);
        closeParents();
    });
    engine::PageRunState state;
    const Measured run =
        Measure(bench.mount, [&] { engine::CreationRun(request, state, bench.services); });

    const std::size_t created = state.results.FoldersCreated.size();
    const Measured undo = Measure(bench.mount, [&] {
        engine::UndoLastRun(engine::PageKind::Paths, state.results, state.lastAttachMode,
                            state.lastDestination, bench.fs, bench.prompt, bench.quiet);
    });
    const Measured floorUndo = Measure(bench.mount, [&] {
        openParents();
        for (int i = 0; i < kNames; ++i)
            ::unlinkat(parents[static_cast<std::size_t>(i % kParents)],
                       names[static_cast<std::size_t>(i)].c_str(), AT_REMOVEDIR);
        closeParents();
    });

    bench.report.count("latency_paths_2k_created", static_cast<long long>(created));
    ReportAgainstFloor(bench.report, "latency_paths_2k", run, floor, entries.size());
    ReportAgainstFloor(bench.report, "latency_paths_undo_2k", undo, floorUndo, entries.size());
    std::error_code ignored;
    std::filesystem::remove_all(bench.backing("Paths"), ignored);
    std::filesystem::remove_all(bench.backing("PathsFloor"), ignored);
}

void LatencyPathsOverlapBenchmark(LatencyBench& bench) {
    // 2 000 entries over 20 existing parents, taken in turn, against the sequential floor: one
    // look-up and one creation per folder, one after another.
    constexpr int kOverlapParents = 20;
    const auto parentOf = [](int entry) { return "P" + std::to_string(entry % kOverlapParents); };
    for (const std::string top : {"Spread", "SpreadFloor"})
        for (int parent = 0; parent < kOverlapParents; ++parent)
            std::filesystem::create_directories(bench.backing(top + "/" + parentOf(parent)));
    const std::vector<std::string> names = NumberedNames("Entry", kNames);
    std::vector<std::string> entries;
    for (int i = 0; i < kNames; ++i)
        entries.push_back("f:\\Spread\\" + parentOf(i) + "\\" + names[static_cast<std::size_t>(i)]);
    const engine::RunRequest request =
        NothingRequest(engine::PageKind::Paths, entries, std::string());
    const Measured floor = Measure(bench.mount, [&] {
        const int top =
            ::open(bench.mounted("SpreadFloor").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        std::vector<int> parents;
        for (int parent = 0; parent < kOverlapParents; ++parent)
            parents.push_back(
                ::openat(top, parentOf(parent).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        for (int i = 0; i < kNames; ++i)
            ::mkdirat(parents[static_cast<std::size_t>(i % kOverlapParents)],
                      names[static_cast<std::size_t>(i)].c_str(), 0777);
        for (const int parent : parents)
            ::close(parent);
        ::close(top);
    });
    engine::PageRunState state;
    const Measured run =
        Measure(bench.mount, [&] { engine::CreationRun(request, state, bench.services); });
    bench.report.count("latency_paths_overlap_created",
                       static_cast<long long>(state.results.FoldersCreated.size()));
    ReportSide(bench.report, "latency_paths_overlap", run, entries.size());
    bench.report.value("latency_paths_overlap_ratio", run.seconds / floor.seconds);
    engine::UndoLastRun(engine::PageKind::Paths, state.results, state.lastAttachMode,
                        state.lastDestination, bench.fs, bench.prompt, bench.quiet);
    std::error_code ignored;
    std::filesystem::remove_all(bench.backing("Spread"), ignored);
    std::filesystem::remove_all(bench.backing("SpreadFloor"), ignored);
}

} // namespace dirforge::bench

namespace {

// Each latency benchmark mounts its own latencyfs, so each can be run alone ("=latency_paths").
void OnLatencyMount(dirforge::bench::BenchReport& report, const char* name,
                    void (*benchmark)(dirforge::bench::LatencyBench&)) {
    using namespace dirforge::bench;
    LatencyMount mount(DelayMicroseconds());
    if (!mount.ready()) {
        report.note(name, "skipped (" + mount.whyNot() + ")");
        return;
    }
    LatencyBench bench(mount, report);
    benchmark(bench);
}

} // namespace

DIRFORGE_BENCH(latency) {
    report.count("latency_delay_us", dirforge::bench::DelayMicroseconds());
    OnLatencyMount(report, "latency", dirforge::bench::LatencyRunBenchmarks);
}

DIRFORGE_BENCH(latency_paths) {
    OnLatencyMount(report, "latency_paths", dirforge::bench::LatencyPathsBenchmark);
    OnLatencyMount(report, "latency_paths_overlap", dirforge::bench::LatencyPathsOverlapBenchmark);
}

DIRFORGE_BENCH(latency_copy) {
    OnLatencyMount(report, "latency_copy", dirforge::bench::LatencyCopyBenchmark);
}

DIRFORGE_BENCH(latency_stop) {
    OnLatencyMount(report, "latency_stop", dirforge::bench::LatencyStopBenchmark);
}
