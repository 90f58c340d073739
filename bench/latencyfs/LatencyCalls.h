#pragma once
// The kinds of request latencyfs serves, counted in its statistics file: one 64-bit counter per
// kind, in this order. Shared by the file system and the benchmarks that read the counts.

#include <array>
#include <cstddef>
#include <cstdint>

namespace dirforge::latencyfs {

enum class Call : std::size_t {
    Lookup,
    GetAttr,
    SetAttr,
    ReadLink,
    MkDir,
    Unlink,
    RmDir,
    SymLink,
    Rename,
    Open,
    Read,
    Write,
    Flush,
    Release,
    Fsync,
    OpenDir,
    ReadDir,
    ReleaseDir,
    StatFs,
    Create,
    Unsupported, // requests answered "not implemented" (the kernel stops asking)
    Count
};

constexpr std::size_t kCallCount = static_cast<std::size_t>(Call::Count);

constexpr std::array<const char*, kCallCount> kCallNames{
    "lookup",  "getattr", "setattr", "readlink",   "mkdir",  "unlink", "rmdir",
    "symlink", "rename",  "open",    "read",       "write",  "flush",  "release",
    "fsync",   "opendir", "readdir", "releasedir", "statfs", "create", "unsupported",
};

/// Size in bytes of the statistics file.
constexpr std::size_t kStatsBytes = kCallCount * sizeof(std::uint64_t);

} // namespace dirforge::latencyfs
