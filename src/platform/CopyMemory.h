#pragma once
// What the file copies of one run share: the small files of its structures, read once and
// written from memory into every target, and the pairs of drives between which the file system
// refused to clone, so a clone is asked for once per pair, not once per file. Copies on several
// threads share one: a copy that finds a file not kept claims it, and the others wait for its
// read rather than read it too.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace dirforge::platform {

/// A structure file read once: its bytes and what a copy of it takes along.
struct KeptContent {
    std::string bytes;
    std::uint32_t permissions = 0;
    std::uint64_t device = 0; ///< of the source, for the clone that is tried first
};

/// What a copy learnt asking the memory for a source: its kept content, or that it claimed the
/// source (it reads it, and keeps or releases it).
struct KeptLookup {
    const KeptContent* kept = nullptr;
    bool claimed = false;
};

/// How the copies of a run were made, for the benchmarks' notes and the tests.
struct CopyTally {
    std::atomic<std::uint64_t> cloned = 0; ///< the copy shares the source's blocks
    std::atomic<std::uint64_t> fromMemory = 0;
    std::atomic<std::uint64_t> streamed = 0; ///< read and written piece by piece, holes kept
};

class CopyMemory {
public:
    /// Files up to this size are kept after their first read, up to the second figure in all.
    static constexpr std::uint64_t kMostPerFile = std::uint64_t{1} << 20;
    static constexpr std::uint64_t kMostInAll = std::uint64_t{64} << 20;

    /// Clones the content of the open file from into the open, empty file to: 0, or the errno.
    using CloneCall = std::function<int(int from, int to)>;

    explicit CopyMemory(std::uint64_t mostPerFile = kMostPerFile,
                        std::uint64_t mostInAll = kMostInAll);

    /// The content kept for the source at this drive path, waiting while another copy claimed
    /// the source and reads it; when nothing is kept, the source is claimed for this copy
    /// (unless a claim of it ended unkept): it reads the file and hands it to keep, or calls
    /// release.
    KeptLookup keptOrClaim(const std::string& source);
    /// Ends a claim without keeping anything: from now on every copy reads the file itself, at
    /// once (a large file, cloned or streamed, is never waited for).
    void release(const std::string& source);
    /// True when a file of size bytes may still be kept.
    bool hasRoomFor(std::uint64_t size) const;
    /// Keeps the content of source, taking it over when there is room, and ends a claim of it;
    /// the kept copy, or null (content untouched then).
    const KeptContent* keep(const std::string& source, KeptContent& content);

    /// False once a clone from the one device to the other was refused in this run.
    bool mayClone(std::uint64_t fromDevice, std::uint64_t toDevice) const;
    void cloneRefused(std::uint64_t fromDevice, std::uint64_t toDevice);
    /// Likewise for a copy inside the kernel (copy_file_range).
    bool mayCopyInKernel(std::uint64_t fromDevice, std::uint64_t toDevice) const;
    void copyInKernelRefused(std::uint64_t fromDevice, std::uint64_t toDevice);
    /// The file system's clone (FICLONE) unless replaced, as a test replaces it by a refusal.
    int clone(int from, int to) const;
    void setCloneCall(CloneCall call) { cloneCall_ = std::move(call); }
    const CloneCall& cloneCall() const { return cloneCall_; }

    /// The permission bits a new file keeps after the process's umask (read once).
    std::uint32_t umask() const { return umask_; }

    CopyTally& tally() { return tally_; }
    const CopyTally& tally() const { return tally_; }

private:
    const KeptContent* keptLocked(std::unique_lock<std::mutex>& lock,
                                  const std::string& source) const;

    mutable std::mutex lock_;
    mutable std::condition_variable released_;
    /// The sources being read by the copy that claimed them.
    std::set<std::string> claimed_;
    /// The sources a claim ended without keeping.
    std::set<std::string> unkept_;
    std::uint64_t mostPerFile_;
    std::uint64_t mostInAll_;
    std::uint64_t keptBytes_ = 0;
    std::unordered_map<std::string, KeptContent> kept_;
    /// The ways of copying a file system may refuse between two devices.
    enum class Way { Clone, InKernel };
    bool refusedWay(Way way, std::uint64_t fromDevice, std::uint64_t toDevice) const;
    void refuseWay(Way way, std::uint64_t fromDevice, std::uint64_t toDevice);
    std::set<std::tuple<Way, std::uint64_t, std::uint64_t>> refused_;
    CloneCall cloneCall_;
    std::uint32_t umask_ = 0;
    CopyTally tally_;
};

} // namespace dirforge::platform
