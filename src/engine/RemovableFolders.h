#pragma once
// The folders an undo may remove, one entry per folder however often the journal names it,
// each found by its path in the form paths are compared in. The entries sit in one array in the
// order they were first named (an undo goes back through them, reading it straight through),
// with a flat table of positions beside it: no allocation per folder.

#include "platform/FileIdentity.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace dirforge::engine {

/// True when a path is already in the form ComparablePath gives it (the common case: a target
/// the run composed), so that no copy is needed.
bool AlreadyComparable(std::string_view path);
/// The form paths are compared in: trimmed, normalised like a target, no trailing backslash.
std::string ComparablePath(std::string_view path);

class RemovableFolders {
public:
    struct Folder {
        std::string_view text;                              ///< the path in comparable form
        const platform::FolderIdentity* identity = nullptr; ///< as recorded; null: never removed
        bool scheduled = false;
    };

    /// Forgets every entry and makes room for up to lines of them (entries never move after),
    /// the look-up table sized for about distinct of them.
    void reset(std::size_t lines, std::size_t distinct);
    /// The entry of path, made when there is none yet (never more than reset's lines). The text
    /// path views must outlive the entries: an entry's text is path itself when it is
    /// comparable already.
    Folder& entryFor(std::string_view path);
    /// entryFor, with the entry at position next tried before any look-up: a list that repeats
    /// the first entries in their order (the made folders repeat the created ones) needs
    /// almost none. next moves past each entry found below firstEntries.
    Folder& entryInStep(std::string_view path, std::size_t& next, std::size_t firstEntries);
    /// The entry of a comparable path; null when there is none.
    Folder* find(std::string_view key);
    std::size_t size() const { return folders_.size(); }
    Folder& operator[](std::size_t position) { return folders_[position]; }
    const Folder& operator[](std::size_t position) const { return folders_[position]; }
    std::uint32_t positionOf(const Folder& folder) const {
        return static_cast<std::uint32_t>(&folder - folders_.data());
    }

private:
    struct Slot {
        std::uint32_t tag = 0;      ///< from the path's hash, never 0; 0: empty
        std::uint32_t position = 0; ///< of the entry in folders_
    };
    /// The slot holding key, or the empty slot where it would go.
    std::size_t slotOf(std::string_view key, std::uint64_t hash) const;
    void grow(std::size_t capacity);

    std::vector<Folder> folders_;
    std::vector<Slot> slots_;            ///< a power of two in size, at most half full
    std::deque<std::string> normalised_; ///< texts that differ from the path given
};

} // namespace dirforge::engine
