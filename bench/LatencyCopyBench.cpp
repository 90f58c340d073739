// The latency copy benchmark: 20 names with Main Folders With Files of a structure of 50 folders
// and 200 small files, structure and destination on latencyfs, against `cp -r` run 20 times with
// relative paths from the folder that holds both.
#include "LatencyBench.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

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

} // namespace

void LatencyCopyBenchmark(LatencyBench& bench) {
    MakeStructure(bench.mount.backing());
    std::filesystem::create_directory(bench.backing("CopyRun"));
    std::filesystem::create_directory(bench.backing("CopyCp"));
    engine::RunRequest request;
    request.page = engine::PageKind::Strings;
    request.names = NumberedNames("Copy", kCopies);
    request.destination = "f:\\CopyRun";
    request.attachMode = engine::AttachMode::Existing;
    request.copyVariant = engine::CopyVariant::MainFolderWithFiles;
    request.structureLines = {"f:\\Structure"};
    request.showExplorer = false;
    request.showVisualLog = false;

    int cpStatus = 0;
    const std::string command = CopyCommand(bench, request.names);
    const Measured cp = Measure(bench.mount, [&] { cpStatus = std::system(command.c_str()); });
    engine::PageRunState state;
    const Measured run =
        Measure(bench.mount, [&] { engine::CreationRun(request, state, bench.services); });

    BenchReport& report = bench.report;
    if (cpStatus != 0)
        report.note("latency_copy", "cp -r failed (status " + std::to_string(cpStatus) + ")");
    report.count("latency_copy_files_created",
                 static_cast<long long>(state.results.FilesCreated.size()));
    // Per copied entry: the name's folder, the main folder, 50 folders and 200 files.
    const std::size_t entries =
        kCopies * (2 + kParts * (1 + kSubsPerPart) + kParts * (1 + kSubsPerPart) * kFilesPerFolder);
    ReportSide(report, "latency_copy", run, entries, "entry");
    ReportSide(report, "latency_copy_cp", cp, entries, "entry");
    report.value("latency_copy_ratio", run.seconds / cp.seconds);
    for (const char* folder : {"Structure", "CopyRun", "CopyCp"}) {
        std::error_code ignored;
        std::filesystem::remove_all(bench.backing(folder), ignored);
    }
}

} // namespace dirforge::bench
