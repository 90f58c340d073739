#include "BenchDrive.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace dirforge::bench {

std::filesystem::path BenchBase() {
    if (const char* chosen = std::getenv("DIRFORGE_BENCH_DIR"))
        return chosen;
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error))
        return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

BenchDrive::BenchDrive(const std::string& tag) {
    std::string pattern = (BenchBase() / ("dirforge-" + tag + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) != nullptr)
        root_ = pattern;
    else
        std::fprintf(stderr, "bench %s: cannot make a folder under %s\n", tag.c_str(),
                     BenchBase().c_str());
    platform::DriveMap drives;
    if (ready())
        drives.map('f', root_);
    fs_ = std::make_unique<platform::HostFileSystem>(drives);
}

BenchDrive::~BenchDrive() {
    if (!ready())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

} // namespace dirforge::bench
