#include "LatencyNodes.h"

#include <cerrno>
#include <fcntl.h>
#include <fuse3/fuse_lowlevel.h>
#include <unistd.h>

namespace dirforge::latencyfs {

NodeTable::NodeTable(const std::string& backing) {
    root_.fd = ::open(backing.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    struct stat st;
    if (root_.fd >= 0 && ::fstat(root_.fd, &st) == 0) {
        root_.device = st.st_dev;
        root_.inode = st.st_ino;
    }
    root_.lookups = 1; // never forgotten
}

NodeTable::~NodeTable() {
    for (auto& [key, node] : nodes_)
        ::close(node->fd);
    if (root_.fd >= 0)
        ::close(root_.fd);
}

Node& NodeTable::node(std::uint64_t id) {
    return id == FUSE_ROOT_ID ? root_ : *reinterpret_cast<Node*>(static_cast<std::uintptr_t>(id));
}

int NodeTable::lookup(int parentFd, const char* name, std::uint64_t& id, struct stat& attributes) {
    const int fd = ::openat(parentFd, name, O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno;
    if (::fstatat(fd, "", &attributes, AT_EMPTY_PATH | AT_SYMLINK_NOFOLLOW) != 0) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    std::lock_guard lock(mutex_);
    if (attributes.st_dev == root_.device && attributes.st_ino == root_.inode) {
        ::close(fd);
        id = FUSE_ROOT_ID;
        return 0;
    }
    auto& slot = nodes_[{attributes.st_dev, attributes.st_ino}];
    if (slot) {
        ::close(fd); // the node's own handle serves
    } else {
        slot = std::make_unique<Node>(Node{fd, attributes.st_dev, attributes.st_ino, 0});
    }
    ++slot->lookups;
    id = reinterpret_cast<std::uintptr_t>(slot.get());
    return 0;
}

void NodeTable::forget(std::uint64_t id, std::uint64_t count) {
    if (id == FUSE_ROOT_ID)
        return;
    std::lock_guard lock(mutex_);
    Node& forgotten = node(id);
    if (forgotten.lookups > count) {
        forgotten.lookups -= count;
        return;
    }
    ::close(forgotten.fd);
    nodes_.erase({forgotten.device, forgotten.inode});
}

} // namespace dirforge::latencyfs
