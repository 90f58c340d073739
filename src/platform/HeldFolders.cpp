#include "platform/HeldFolders.h"

namespace dirforge::platform {

int HeldFolders::open(int anchor, const std::string& rel) {
    if (rel.empty())
        return anchor;
    const auto found = held_.find(rel);
    if (found != held_.end())
        return found->second.get();
    Fd folder = OpenBeneath(anchor, rel);
    if (!folder.valid())
        return -1;
    const int fd = folder.get();
    hold(rel, std::move(folder));
    return fd;
}

void HeldFolders::hold(const std::string& rel, Fd folder) {
    if (held_.size() >= kMostHeld)
        held_.clear(); // a wide tree: the folders of the level being made are opened again
    held_.insert_or_assign(rel, std::move(folder));
}

} // namespace dirforge::platform
