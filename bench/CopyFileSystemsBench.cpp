// The copy's data path against `cp -r` and against a bare write: clones on XFS and btrfs (time
// and space), a sparse file on the benchmark drive, and a big file on ext4 against a program
// that only writes its bytes. The loop file systems are made here, which needs root; without it
// each prints `<name>: skipped (reason)`.

#include "BenchDrive.h"
#include "BenchRegistry.h"
#include "BenchSeams.h"
#include "LoopMount.h"

#include "engine/CreationRun.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace dirforge;

constexpr std::uint64_t kMiB = 1 << 20;

/// Writes size bytes of varied content (no run of zeros a file system could leave out).
void WriteFile(const std::string& path, std::uint64_t size) {
    static const std::string piece = [] {
        std::string bytes(kMiB, '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>((i * 2654435761u) >> 13);
        return bytes;
    }();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    for (std::uint64_t at = 0; at < size; at += piece.size())
        if (::write(fd, piece.data(), std::min<std::uint64_t>(piece.size(), size - at)) < 0)
            break;
    ::close(fd);
}

std::uint64_t AllocatedBytes(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return static_cast<std::uint64_t>(st.st_blocks) * 512;
}

/// Copies f:\Structure into each name's new folder below f:\<destination>, with files.
double RunCopy(platform::FileSystem& fs, const std::string& destination, int names) {
    bench::YesPrompt prompt;
    bench::QuietShell shell;
    engine::RunObserver quiet;
    const engine::RunServices services{fs, prompt, shell, quiet};
    engine::RunRequest request;
    request.page = engine::PageKind::Strings;
    for (int i = 0; i < names; ++i)
        request.names.push_back("Copy" + std::to_string(i));
    request.destination = "f:\\" + destination;
    request.attachMode = engine::AttachMode::Existing;
    request.copyVariant = engine::CopyVariant::MainFolderWithFiles;
    request.structureLines = {"f:\\Structure"};
    request.showExplorer = false;
    request.showVisualLog = false;
    engine::PageRunState state;
    return bench::secondsOf([&] { engine::CreationRun(request, state, services); });
}

/// mkdir and `cp -r` of root/Structure for each name below root/destination.
double CpCopy(const std::string& root, const std::string& destination, int names) {
    std::string command = "cd '" + root + "' && mkdir " + destination;
    for (int i = 0; i < names; ++i) {
        const std::string target = destination + "/Copy" + std::to_string(i);
        command += " && mkdir " + target + " && cp -r Structure " + target + "/";
    }
    return bench::secondsOf([&] { std::system(command.c_str()); });
}

platform::DriveMap DriveF(const std::string& root) {
    platform::DriveMap drives;
    drives.map('f', root);
    return drives;
}

/// One 256 MiB file and 100 of 1 MiB into 10 names, against cp, in time and in space used.
void ReflinkBench(bench::BenchReport& report, const std::string& kind) {
    const std::string name = "copy_reflink_" + kind;
    bench::LoopMount mount(kind, 6 * 1024 * kMiB);
    if (!mount.ready()) {
        report.note(name + "_ratio", "skipped (" + mount.whyNot() + ")");
        return;
    }
    const std::string root = mount.mountPoint();
    std::filesystem::create_directories(root + "/Structure/Small");
    WriteFile(root + "/Structure/big.bin", 256 * kMiB);
    for (int i = 0; i < 100; ++i)
        WriteFile(root + "/Structure/Small/" + std::to_string(i) + ".bin", kMiB);
    platform::HostFileSystem fs(DriveF(root));
    constexpr int kNames = 10;
    double cp = 1e9, run = 1e9;
    std::uint64_t cpSpace = 0, runSpace = 0;
    for (int round = 0; round < 3; ++round) {
        const std::string suffix = std::to_string(round);
        const std::uint64_t before = mount.usedBytes();
        cp = std::min(cp, CpCopy(root, "Cp" + suffix, kNames));
        const std::uint64_t afterCp = mount.usedBytes();
        run = std::min(run, RunCopy(fs, "Run" + suffix, kNames));
        const std::uint64_t afterRun = mount.usedBytes();
        if (round == 0) {
            cpSpace = afterCp - std::min(afterCp, before);
            runSpace = afterRun - std::min(afterRun, afterCp);
        }
    }
    report.value(name + "_cp_s", cp);
    report.value(name + "_s", run);
    report.value(name + "_ratio", run / cp);
    report.value(name + "_space_mib", static_cast<double>(runSpace) / kMiB);
    report.value(name + "_cp_space_mib", static_cast<double>(cpSpace) / kMiB);
    if (kind == "xfs")
        report.value("copy_reflink_space_ratio",
                     static_cast<double>(runSpace + kMiB) / static_cast<double>(cpSpace + kMiB));
}

} // namespace

DIRFORGE_BENCH(copy_reflink_xfs) {
    ReflinkBench(report, "xfs");
}

DIRFORGE_BENCH(copy_reflink_btrfs) {
    ReflinkBench(report, "btrfs");
}

DIRFORGE_BENCH(copy_sparse) {
    bench::BenchDrive drive("sparse");
    if (!drive.ready())
        return;
    // 2 GiB with two data extents of 1 MiB, one near each end.
    const std::string source = drive.root() + "/Structure/sparse.bin";
    std::filesystem::create_directories(drive.root() + "/Structure");
    WriteFile(source, kMiB);
    {
        const int fd = ::open(source.c_str(), O_WRONLY | O_CLOEXEC);
        std::string piece(kMiB, 'd');
        ::pwrite(fd, piece.data(), piece.size(), static_cast<off_t>(2047 * kMiB - kMiB));
        ::ftruncate(fd, static_cast<off_t>(2048 * kMiB));
        ::close(fd);
    }
    double cp = 1e9, run = 1e9;
    for (int round = 0; round < 3; ++round) {
        const std::string suffix = std::to_string(round);
        cp = std::min(cp, CpCopy(drive.root(), "Cp" + suffix, 1));
        run = std::min(run, RunCopy(drive.fs(), "Run" + suffix, 1));
        std::error_code ignored;
        std::filesystem::remove_all(drive.root() + "/Cp" + suffix, ignored);
        if (round < 2)
            std::filesystem::remove_all(drive.root() + "/Run" + suffix, ignored);
    }
    report.value("copy_sparse_cp_s", cp);
    report.value("copy_sparse_s", run);
    report.value("copy_sparse_ratio", run / cp);
    report.value(
        "copy_sparse_allocated_ratio",
        static_cast<double>(AllocatedBytes(drive.root() + "/Run2/Copy0/Structure/sparse.bin")) /
            static_cast<double>(std::max<std::uint64_t>(1, AllocatedBytes(source))));
}

DIRFORGE_BENCH(copy_big_floor) {
    bench::LoopMount mount("ext4", 4 * 1024 * kMiB);
    if (!mount.ready()) {
        report.note("copy_big_floor_ratio", "skipped (" + mount.whyNot() + ")");
        return;
    }
    const std::string root = mount.mountPoint();
    std::filesystem::create_directories(root + "/Structure");
    WriteFile(root + "/Structure/big.bin", 1024 * kMiB);
    mount.sync();
    platform::HostFileSystem fs(DriveF(root));
    double floor = 1e9, run = 1e9;
    // The disk is shared and noisy: the best of alternating rounds counts.
    for (int round = 0; round < 4; ++round) {
        const std::string suffix = std::to_string(round);
        const auto floorRound = [&] {
            floor = std::min(floor, bench::secondsOf([&] {
                                 WriteFile(root + "/Floor" + suffix + ".bin", 1024 * kMiB);
                                 mount.sync();
                             }));
        };
        if (round % 2 == 0)
            floorRound();
        run = std::min(run, bench::secondsOf([&] {
                           RunCopy(fs, "Run" + suffix, 1);
                           mount.sync();
                       }));
        if (round % 2 == 1)
            floorRound();
        std::error_code ignored;
        std::filesystem::remove(root + "/Floor" + suffix + ".bin", ignored);
        std::filesystem::remove_all(root + "/Run" + suffix, ignored);
        mount.sync();
    }
    report.value("copy_big_floor_s", floor);
    report.value("copy_big_s", run);
    report.value("copy_big_floor_ratio", run / floor);
}
