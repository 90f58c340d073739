// Cost of the drive-letter layer over plain system calls: folderExists + createFolder through
// HostFileSystem against stat + mkdir on host paths, each over 100 000 new folders.
#include "BenchDrive.h"
#include "BenchRegistry.h"

#include "platform/HostFileSystem.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kFolders = 100000;
constexpr int kRounds = 3;

std::string numbered(const std::string& base, int i) {
    char name[16];
    std::snprintf(name, sizeof name, "N%06d", i);
    return base + name;
}

double plainCalls(const std::string& hostFolder) {
    const std::string base = hostFolder + "/";
    return dirforge::bench::secondsOf([&] {
        for (int i = 0; i < kFolders; ++i) {
            const std::string path = numbered(base, i);
            struct stat st;
            if (::stat(path.c_str(), &st) != 0)
                ::mkdir(path.c_str(), 0777);
        }
    });
}

double throughHostFileSystem(dirforge::platform::HostFileSystem& fs,
                             const std::string& driveFolder) {
    const std::string base = driveFolder + "\\";
    std::vector<std::string> created;
    return dirforge::bench::secondsOf([&] {
        for (int i = 0; i < kFolders; ++i) {
            const std::string path = numbered(base, i);
            created.clear();
            if (!fs.folderExists(path))
                fs.createFolder(path, &created);
        }
    });
}

void removeFolders(const std::string& hostFolder) {
    for (int i = 0; i < kFolders; ++i)
        ::rmdir(numbered(hostFolder + "/", i).c_str());
    ::rmdir(hostFolder.c_str());
}

} // namespace

DIRFORGE_BENCH(fs_overhead) {
    dirforge::bench::BenchDrive drive("fs");
    if (!drive.ready())
        return;
    const std::string& root = drive.root();
    dirforge::platform::HostFileSystem& fs = drive.fs();

    // Alternate the two loops and keep each one's best round, so neither profits from going first.
    double plainBest = 1e9;
    double driveBest = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        const std::string plainFolder = root + "/plain" + std::to_string(round);
        const std::string driveFolder = root + "/drive" + std::to_string(round);
        ::mkdir(plainFolder.c_str(), 0777);
        ::mkdir(driveFolder.c_str(), 0777);
        plainBest = std::min(plainBest, plainCalls(plainFolder));
        driveBest =
            std::min(driveBest, throughHostFileSystem(fs, "f:\\drive" + std::to_string(round)));
        removeFolders(plainFolder);
        removeFolders(driveFolder);
    }
    report.value("fs_plain_seconds", plainBest);
    report.value("fs_drive_seconds", driveBest);
    report.value("fs_overhead_ratio", driveBest / plainBest);
}
