#pragma once
// A small file system of a chosen kind (xfs with reflink, btrfs, ext4) made in an image file on
// a loop device and mounted for one benchmark; unmounted and removed again at the end. Only
// root can mount: whyNot() says why one is not ready.

#include <cstdint>
#include <string>

namespace dirforge::bench {

class LoopMount {
public:
    /// kind is "xfs", "btrfs" or "ext4"; the image is sparse, so only what is written is used.
    LoopMount(const std::string& kind, std::uint64_t bytes);
    ~LoopMount();
    LoopMount(const LoopMount&) = delete;
    LoopMount& operator=(const LoopMount&) = delete;

    bool ready() const { return mounted_; }
    const std::string& whyNot() const { return why_; }
    const std::string& mountPoint() const { return mountPoint_; }
    /// Bytes in use on the file system now.
    std::uint64_t usedBytes() const;
    /// Writes everything out to the device.
    void sync() const;

private:
    std::string base_, image_, mountPoint_, why_;
    bool mounted_ = false;
};

} // namespace dirforge::bench
