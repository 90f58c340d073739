// The latency copy benchmark: 20 names with Main Folders With Files of a structure of 50 folders
// and 200 small files, structure and destination on latencyfs, against `cp -r` run 20 times with
// relative paths from the folder that holds both, and against the same run one name after
// another (DIRFORGE_OVERLAP=0; on latencyfs a run works on several names at once); and the same
// run stopped within its work.
#include "LatencyBench.h"

#include "engine/FolderFileUndo.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace dirforge::bench {

namespace {

constexpr int kCopies = 20;
constexpr int kParts = 5;
constexpr int kSubsPerPart = 9;
constexpr int kFilesPerFolder = 4; // in each Part and each Sub: 5 * 4 + 45 * 4 = 200 files

/// Makes Structure below folder: 50 folders (5 parts of 9 subfolders) and 200 files of 200 bytes.
void MakeStructure(const std::string& folder) {
    const auto files = [](const std::string& in) {
        for (int f = 0; f < kFilesPerFolder; ++f)
            std::ofstream(in + "/file" + std::to_string(f) + ".txt") << std::string(200, 'x');
    };
    for (int part = 0; part < kParts; ++part) {
        const std::string partFolder = folder + "/Structure/Part" + std::to_string(part);
        std::filesystem::create_directories(partFolder);
        files(partFolder);
        for (int sub = 0; sub < kSubsPerPart; ++sub) {
            const std::string subFolder = partFolder + "/Sub" + std::to_string(sub);
            std::filesystem::create_directory(subFolder);
            files(subFolder);
        }
    }
}

/// One shell that makes each name's folder and copies the structure into it, as the run does.
std::string CopyCommand(const LatencyBench& bench, const std::vector<std::string>& names) {
    std::string command = "cd '" + bench.mount.mountPoint() + "' &&";
    for (const std::string& name : names)
        command += " mkdir CopyCp/" + name + " && cp -r Structure CopyCp/" + name + "/ &&";
    return command + " true";
}

/// The least a copy can ask of the share: each structure file read once (by a handle of its
/// folder), then per name each folder made and each file created exclusively, written and
/// closed through the handle of its folder.
void FloorCopy(const LatencyBench& bench, const std::vector<std::string>& names) {
    std::vector<std::pair<std::string, std::string>> files; // relative path, content
    std::vector<std::string> folders{"Structure"};
    const int root = ::open(bench.mounted("Structure").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int part = 0; part < kParts; ++part) {
        const std::string partName = "Part" + std::to_string(part);
        folders.push_back("Structure/" + partName);
        for (int sub = -1; sub < kSubsPerPart; ++sub) {
            const std::string folder = sub < 0 ? partName : partName + "/Sub" + std::to_string(sub);
            if (sub >= 0)
                folders.push_back("Structure/" + folder);
            const int in = ::openat(root, folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            for (int f = 0; f < kFilesPerFolder; ++f) {
                const std::string name = "file" + std::to_string(f) + ".txt";
                const int fd = ::openat(in, name.c_str(), O_RDONLY | O_CLOEXEC);
                char buffer[4096];
                const ssize_t got = ::read(fd, buffer, sizeof buffer);
                ::close(fd);
                files.emplace_back(
                    "Structure/" + folder + "/" + name,
                    std::string(buffer, got > 0 ? static_cast<std::size_t>(got) : 0));
            }
            ::close(in);
        }
    }
    ::close(root);
    const int top = ::open(bench.mounted("CopyFloor").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (const std::string& name : names) {
        ::mkdirat(top, name.c_str(), 0777);
        const int target = ::openat(top, name.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        std::map<std::string, int> held;
        for (const std::string& folder : folders) {
            const std::size_t cut = folder.rfind('/');
            const int parent = cut == std::string::npos ? target : held[folder.substr(0, cut)];
            const char* last = folder.c_str() + (cut == std::string::npos ? 0 : cut + 1);
            ::mkdirat(parent, last, 0777);
            held[folder] = ::openat(parent, last, O_PATH | O_DIRECTORY | O_CLOEXEC);
        }
        for (const auto& [path, content] : files) {
            const std::size_t cut = path.rfind('/');
            const int fd = ::openat(held[path.substr(0, cut)], path.c_str() + cut + 1,
                                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            ::write(fd, content.data(), content.size());
            ::close(fd);
        }
        for (const auto& [folder, fd] : held)
            ::close(fd);
        ::close(target);
    }
    ::close(top);
}

/// The 20 names, each given Main Folders With Files of the structure, below f:\CopyRun.
engine::RunRequest CopyRequest() {
    engine::RunRequest request;
    request.page = engine::PageKind::Strings;
    request.names = NumberedNames("Copy", kCopies);
    request.destination = "f:\\CopyRun";
    request.attachMode = engine::AttachMode::Existing;
    request.copyVariant = engine::CopyVariant::MainFolderWithFiles;
    request.structureLines = {"f:\\Structure"};
    request.showExplorer = false;
    request.showVisualLog = false;
    return request;
}

/// Says stop from the moment set on, as a click then would be seen the next time the run asks.
class StopAt : public engine::RunObserver {
public:
    bool stopRequested() override { return std::chrono::steady_clock::now() >= at; }
    std::chrono::steady_clock::time_point at;
};

/// Milliseconds from the stop to the run's return, for a stop stopAfter into the copy run.
double StopLatency(LatencyBench& bench, const engine::RunRequest& request,
                   std::chrono::milliseconds stopAfter, std::size_t& filesMade) {
    StopAt observer;
    const engine::RunServices services{bench.fs, bench.prompt, bench.shell, observer};
    engine::PageRunState state;
    const auto stopAt = std::chrono::steady_clock::now() + stopAfter;
    observer.at = stopAt;
    engine::CreationRun(request, state, services);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - stopAt)
            .count();
    filesMade = state.results.FilesCreated.size();
    engine::UndoLastRun(request.page, state.results, state.lastAttachMode, state.lastDestination,
                        bench.fs, bench.prompt, bench.quiet);
    return ms;
}

} // namespace

void LatencyStopBenchmark(LatencyBench& bench) {
    MakeStructure(bench.mount.backing());
    std::filesystem::create_directory(bench.backing("CopyRun"));
    const engine::RunRequest request = CopyRequest();
    // The worst of two stops, each a little later into its run, with and without overlap; the
    // files made before the stops show that each came in the middle of the copies.
    double overlapped = 0, sequential = 0;
    std::size_t made = 0, madeSequential = 0;
    for (const int ms : {700, 1300})
        overlapped =
            std::max(overlapped, StopLatency(bench, request, std::chrono::milliseconds(ms), made));
    ::setenv("DIRFORGE_OVERLAP", "0", 1);
    for (const int ms : {700, 1300})
        sequential = std::max(
            sequential, StopLatency(bench, request, std::chrono::milliseconds(ms), madeSequential));
    ::unsetenv("DIRFORGE_OVERLAP");
    bench.report.value("latency_stop_ms", overlapped);
    bench.report.count("latency_stop_files_made", static_cast<long long>(made));
    bench.report.value("latency_stop_sequential_ms", sequential);
    bench.report.count("latency_stop_sequential_files_made",
                       static_cast<long long>(madeSequential));
    for (const char* folder : {"Structure", "CopyRun"}) {
        std::error_code ignored;
        std::filesystem::remove_all(bench.backing(folder), ignored);
    }
}

void LatencyCopyBenchmark(LatencyBench& bench) {
    MakeStructure(bench.mount.backing());
    std::filesystem::create_directory(bench.backing("CopyRun"));
    std::filesystem::create_directory(bench.backing("CopyCp"));
    std::filesystem::create_directory(bench.backing("CopyFloor"));
    const engine::RunRequest request = CopyRequest();

    int cpStatus = 0;
    const std::string command = CopyCommand(bench, request.names);
    const Measured cp = Measure(bench.mount, [&] { cpStatus = std::system(command.c_str()); });
    const Measured floor = Measure(bench.mount, [&] { FloorCopy(bench, request.names); });
    engine::PageRunState state;
    const Measured run =
        Measure(bench.mount, [&] { engine::CreationRun(request, state, bench.services); });
    const std::size_t created = state.results.FilesCreated.size();
    // What the copy recorded must let the undo prove every file it made: nothing may be left.
    const auto undoAndCount = [&](engine::PageRunState& undone, Measured& undo) {
        undo = Measure(bench.mount, [&] {
            engine::UndoLastRun(request.page, undone.results, undone.lastAttachMode,
                                undone.lastDestination, bench.fs, bench.prompt, bench.quiet);
        });
        std::size_t files = 0;
        for (const auto& entry :
             std::filesystem::recursive_directory_iterator(bench.backing("CopyRun")))
            files += entry.is_regular_file() ? 1 : 0;
        return files;
    };
    Measured undo, undoSequential;
    std::size_t left = undoAndCount(state, undo);
    engine::PageRunState oneByOne;
    ::setenv("DIRFORGE_OVERLAP", "0", 1);
    const Measured sequential =
        Measure(bench.mount, [&] { engine::CreationRun(request, oneByOne, bench.services); });
    left += undoAndCount(oneByOne, undoSequential);
    ::unsetenv("DIRFORGE_OVERLAP");

    BenchReport& report = bench.report;
    if (cpStatus != 0)
        report.note("latency_copy", "cp -r failed (status " + std::to_string(cpStatus) + ")");
    report.count("latency_copy_files_created", static_cast<long long>(created));
    // Per copied entry: the name's folder, the main folder, 50 folders and 200 files.
    const std::size_t entries =
        kCopies * (2 + kParts * (1 + kSubsPerPart) + kParts * (1 + kSubsPerPart) * kFilesPerFolder);
    ReportSide(report, "latency_copy", run, entries, "entry");
    ReportSide(report, "latency_copy_floor", floor, entries, "entry");
    ReportSide(report, "latency_copy_cp", cp, entries, "entry");
    ReportSide(report, "latency_copy_sequential", sequential, entries, "entry");
    report.count("latency_copy_undo_files_left", static_cast<long long>(left));
    report.value("latency_copy_ratio", run.seconds / cp.seconds);
    report.value("latency_copy_overlap_ratio", run.seconds / sequential.seconds);
    ReportSide(report, "latency_undo_copy", undo, entries, "entry");
    ReportSide(report, "latency_undo_copy_sequential", undoSequential, entries, "entry");
    report.value("latency_undo_copy_ratio", undo.seconds / undoSequential.seconds);
    for (const char* folder : {"Structure", "CopyRun", "CopyCp", "CopyFloor"}) {
        std::error_code ignored;
        std::filesystem::remove_all(bench.backing(folder), ignored);
    }
}

} // namespace dirforge::bench
