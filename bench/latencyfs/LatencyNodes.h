#pragma once
// The nodes latencyfs has handed to the kernel: each holds an O_PATH handle of its backing entry
// and the number of lookups the kernel has not forgotten yet. One node per backing inode, so the
// kernel sees the same node id for an entry every time it looks the name up again.

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <utility>

namespace dirforge::latencyfs {

struct Node {
    int fd = -1;
    dev_t device = 0;
    ino_t inode = 0;
    std::uint64_t lookups = 0;
};

class NodeTable {
public:
    /// Opens the backing folder; ready() says whether that worked.
    explicit NodeTable(const std::string& backing);
    ~NodeTable();
    NodeTable(const NodeTable&) = delete;
    NodeTable& operator=(const NodeTable&) = delete;

    bool ready() const { return root_.fd >= 0; }
    /// The node behind a kernel node id (the root's id is fixed, the others are addresses).
    Node& node(std::uint64_t id);
    /// Looks name up relative to parentFd: 0 with the node's id (one lookup more) and
    /// attributes, or the errno of the failure.
    int lookup(int parentFd, const char* name, std::uint64_t& id, struct stat& attributes);
    /// The kernel forgets count lookups of a node; the last one closes its handle.
    void forget(std::uint64_t id, std::uint64_t count);

private:
    Node root_;
    std::mutex mutex_;
    std::map<std::pair<dev_t, ino_t>, std::unique_ptr<Node>> nodes_;
};

} // namespace dirforge::latencyfs
