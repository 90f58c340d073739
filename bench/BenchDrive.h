#pragma once
// A fresh host folder for one benchmark, mapped as drive f:, removed again at the end.
//
// It lies under DIRFORGE_BENCH_DIR when that is set, else on the memory file system
// (/dev/shm) when there is one, else in the system's temporary folder. On a disk mounted with
// online discard every mkdir and rmdir waits for the device, and that noise swamps the cost
// being measured; in memory the baseline is the bare system call, a stricter yardstick.

#include "platform/HostFileSystem.h"

#include <filesystem>
#include <memory>
#include <string>

namespace dirforge::bench {

/// The folder benchmark folders are made in (DIRFORGE_BENCH_DIR, else /dev/shm, else temp).
std::filesystem::path BenchBase();

class BenchDrive {
public:
    /// tag names the folder ("dirforge-<tag>-XXXXXX") so a leftover is easy to place.
    explicit BenchDrive(const std::string& tag);
    ~BenchDrive();
    BenchDrive(const BenchDrive&) = delete;
    BenchDrive& operator=(const BenchDrive&) = delete;

    /// The host folder mapped as f: (empty when it could not be made).
    const std::string& root() const { return root_; }
    bool ready() const { return !root_.empty(); }
    const platform::DriveMap& drives() const { return fs_->drives(); }
    platform::HostFileSystem& fs() { return *fs_; }

private:
    std::string root_;
    std::unique_ptr<platform::HostFileSystem> fs_;
};

} // namespace dirforge::bench
