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

const KeptContent* CopyMemory::kept(const std::string& source) const {
    const auto found = kept_.find(source);
    return found == kept_.end() ? nullptr : &found->second;
}

bool CopyMemory::hasRoomFor(std::uint64_t size) const {
    return size <= mostPerFile_ && keptBytes_ + size <= mostInAll_;
}

const KeptContent* CopyMemory::keep(const std::string& source, KeptContent& content) {
    if (!hasRoomFor(content.bytes.size()))
        return nullptr;
    keptBytes_ += content.bytes.size();
    auto [at, added] = kept_.insert_or_assign(source, std::move(content));
    (void)added;
    return &at->second;
}

bool CopyMemory::mayClone(std::uint64_t fromDevice, std::uint64_t toDevice) const {
    return refused_.count({fromDevice, toDevice}) == 0;
}

void CopyMemory::cloneRefused(std::uint64_t fromDevice, std::uint64_t toDevice) {
    refused_.insert({fromDevice, toDevice});
}

int CopyMemory::clone(int from, int to) const {
    if (cloneCall_)
        return cloneCall_(from, to);
    return ::ioctl(to, FICLONE, from) == 0 ? 0 : errno;
}

} // namespace dirforge::platform
