#include "LoopMount.h"

#include "BenchDrive.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace dirforge::bench {

namespace {

bool HasTool(const std::string& tool) {
    return std::system(("command -v " + tool + " > /dev/null 2>&1").c_str()) == 0;
}

std::string MakeCommand(const std::string& kind, const std::string& image) {
    if (kind == "xfs")
        return "mkfs.xfs -q -f -m reflink=1 '" + image + "'";
    if (kind == "btrfs")
        return "mkfs.btrfs -q -f '" + image + "' > /dev/null";
    return "mkfs.ext4 -q -F '" + image + "'";
}

} // namespace

LoopMount::LoopMount(const std::string& kind, std::uint64_t bytes) {
    if (::geteuid() != 0) {
        why_ = "not root: no loop file system can be mounted";
        return;
    }
    const std::string tool = "mkfs." + kind;
    if (!HasTool(tool)) {
        why_ = tool + " is missing";
        return;
    }
    // Images live on a disk, not in memory: /dev/shm would hold what they store twice.
    std::string pattern = std::filesystem::temp_directory_path().string() + "/dirforge-loop-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        why_ = "no folder for the image";
        return;
    }
    base_ = pattern;
    image_ = base_ + "/" + kind + ".img";
    mountPoint_ = base_ + "/mnt";
    std::filesystem::create_directory(mountPoint_);
    const std::string make = "truncate -s " + std::to_string(bytes) + " '" + image_ + "' && " +
                             MakeCommand(kind, image_) + " && mount -o loop '" + image_ + "' '" +
                             mountPoint_ + "'";
    if (std::system(make.c_str()) != 0) {
        why_ = "the " + kind + " loop file system could not be made or mounted";
        return;
    }
    mounted_ = true;
}

LoopMount::~LoopMount() {
    if (mounted_ && ::umount2(mountPoint_.c_str(), 0) != 0)
        ::umount2(mountPoint_.c_str(), MNT_DETACH);
    if (!base_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(base_, ignored);
    }
}

std::uint64_t LoopMount::usedBytes() const {
    sync();
    struct statvfs st {};
    if (::statvfs(mountPoint_.c_str(), &st) != 0)
        return 0;
    return static_cast<std::uint64_t>(st.f_blocks - st.f_bfree) * st.f_frsize;
}

void LoopMount::sync() const {
    const int fd = ::open(mountPoint_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::syncfs(fd);
        ::close(fd);
    }
}

} // namespace dirforge::bench
