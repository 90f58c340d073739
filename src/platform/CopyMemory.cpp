#include "platform/CopyMemory.h"

#include <cerrno>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

namespace dirforge::platform {

CopyMemory::CopyMemory(std::uint64_t mostPerFile, std::uint64_t mostInAll)
    : mostPerFile_(mostPerFile), mostInAll_(mostInAll) {
    // Read by setting it: put straight back, on the one thread that makes files.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    umask_ = static_cast<std::uint32_t>(mask);
}

const KeptContent* CopyMemory::keptLocked(std::unique_lock<std::mutex>& lock,
                                          const std::string& source) const {
    released_.wait(lock, [&] { return claimed_.count(source) == 0; });
    const auto found = kept_.find(source);
    return found == kept_.end() ? nullptr : &found->second;
}

KeptLookup CopyMemory::keptOrClaim(const std::string& source) {
    std::unique_lock lock(lock_);
    KeptLookup lookup{keptLocked(lock, source), false};
    if (lookup.kept == nullptr && unkept_.count(source) == 0)
        lookup.claimed = claimed_.insert(source).second;
    return lookup;
}

void CopyMemory::release(const std::string& source) {
    {
        const std::lock_guard lock(lock_);
        claimed_.erase(source);
        unkept_.insert(source);
    }
    released_.notify_all();
}

bool CopyMemory::hasRoomFor(std::uint64_t size) const {
    const std::lock_guard lock(lock_);
    return size <= mostPerFile_ && keptBytes_ + size <= mostInAll_;
}

const KeptContent* CopyMemory::keep(const std::string& source, KeptContent& content) {
    const KeptContent* kept = nullptr;
    {
        const std::lock_guard lock(lock_);
        claimed_.erase(source);
        const auto found = kept_.find(source);
        if (found != kept_.end()) {
            kept = &found->second; // kept by another copy: what it holds stays as it is
        } else if (content.bytes.size() <= mostPerFile_ &&
                   keptBytes_ + content.bytes.size() <= mostInAll_) {
            keptBytes_ += content.bytes.size();
            kept = &kept_.emplace(source, std::move(content)).first->second;
        } else {
            unkept_.insert(source); // no room: nobody waits for this file's reads again
        }
    }
    released_.notify_all();
    return kept;
}

bool CopyMemory::refusedWay(Way way, std::uint64_t fromDevice, std::uint64_t toDevice) const {
    const std::lock_guard lock(lock_);
    return refused_.count({way, fromDevice, toDevice}) != 0;
}

void CopyMemory::refuseWay(Way way, std::uint64_t fromDevice, std::uint64_t toDevice) {
    const std::lock_guard lock(lock_);
    refused_.insert({way, fromDevice, toDevice});
}

bool CopyMemory::mayClone(std::uint64_t fromDevice, std::uint64_t toDevice) const {
    return !refusedWay(Way::Clone, fromDevice, toDevice);
}

void CopyMemory::cloneRefused(std::uint64_t fromDevice, std::uint64_t toDevice) {
    refuseWay(Way::Clone, fromDevice, toDevice);
}

bool CopyMemory::mayCopyInKernel(std::uint64_t fromDevice, std::uint64_t toDevice) const {
    return !refusedWay(Way::InKernel, fromDevice, toDevice);
}

void CopyMemory::copyInKernelRefused(std::uint64_t fromDevice, std::uint64_t toDevice) {
    refuseWay(Way::InKernel, fromDevice, toDevice);
}

int CopyMemory::clone(int from, int to) const {
    if (cloneCall_)
        return cloneCall_(from, to);
    return ::ioctl(to, FICLONE, from) == 0 ? 0 : errno;
}

} // namespace dirforge::platform
