#pragma once
// One listing of a folder's subfolders (name and inode of each), read once and asked about many
// of them. Most file systems list a folder in the order its entries were made, and an undo
// removes them in the reverse of that order; so each look-up first tries the entries next to
// the one found last, and a name index is built only when that guess misses. The names sit in
// one buffer: little memory to touch, none of it per name.

#include "platform/NameIndex.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dirforge::platform {

class SubfolderListing {
public:
    /// Makes room for count subfolders.
    void reserve(std::size_t count);
    /// Adds a subfolder in listing order.
    void add(std::string_view name, std::uint64_t inode);
    /// The inode listed for name; nullptr when no subfolder of that name was listed.
    const std::uint64_t* find(std::string_view name);
    std::size_t size() const { return inodes_.size(); }
    void clear();

private:
    /// Whether the entry at position holds name.
    bool holds(std::size_t position, std::string_view name) const;
    /// The position of name by the index (built on first use); size() when not listed.
    std::size_t lookUp(std::string_view name);

    std::vector<std::uint64_t> inodes_;
    std::vector<std::uint32_t> starts_; ///< where each name starts in names_
    std::string names_;                 ///< every name, each followed by a NUL
    NameIndex index_;                   ///< name to position, once a guess has missed
    bool indexed_ = false;
    std::size_t last_ = 0; ///< position of the last name found, plus one; 0: none yet
};

} // namespace dirforge::platform
