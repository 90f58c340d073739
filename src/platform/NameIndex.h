#pragma once
// Names of one folder's entries with a number each (an inode, a position), for matching one
// listing of a folder against many names at once. The names sit in one buffer, each ended by a
// NUL (a file name never holds one), and the slots in one array of 16 bytes each: no allocation
// per name, little memory to touch, one or two cache lines per look-up.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dirforge::platform {

class NameIndex {
public:
    /// Makes room for count names without growing again.
    void reserve(std::size_t count);
    /// Adds name with value; a name already there keeps its first value, and a name holding a
    /// NUL byte is not added.
    void insert(std::string_view name, std::uint64_t value);
    /// The value of name; nullptr when it is not there.
    const std::uint64_t* find(std::string_view name) const;
    std::size_t size() const { return count_; }
    void clear();

private:
    struct Slot {
        std::uint32_t tag = 0;    ///< high half of the name's hash, never 0; 0: empty
        std::uint32_t offset = 0; ///< where the name starts in names_
        std::uint64_t value = 0;
    };

    /// The slot holding name, or the empty slot where it would go.
    std::size_t slotOf(std::string_view name, std::uint64_t hash) const;
    void grow(std::size_t capacity);

    std::vector<Slot> slots_; ///< a power of two in size, at most half full
    std::string names_;
    std::size_t count_ = 0;
};

} // namespace dirforge::platform
