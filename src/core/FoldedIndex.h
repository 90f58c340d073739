#pragma once
// How often a list holds each text, compared ignoring letter case: the membership index of a
// name list. The folded texts are packed end to end in one buffer and found through a flat
// hash table, so a million names cost no allocation each and little more than their
// characters.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dirforge::core {

class FoldedIndex {
public:
    /// Room for count more texts without growing.
    void reserve(std::size_t count);
    /// Counts one more holding of folded.
    void add(std::string_view folded);
    /// Adds folded only when it is not held; true when it was added.
    bool addIfMissing(std::string_view folded);
    /// Counts one holding less (nothing when folded is not held).
    void remove(std::string_view folded);
    bool contains(std::string_view folded) const;
    void clear();

private:
    // A slot whose count fell to 0 keeps its tag and text, so a probe walks on past it.
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t count = 0;
        std::uint32_t length = 0;
        std::size_t at = 0;
    };

    std::size_t probe(std::string_view folded, std::uint64_t hash) const;
    std::string_view textOf(const Slot& slot) const;
    /// Slot found or made for folded (growing first when needed).
    Slot& slotFor(std::string_view folded);
    /// Rebuilds the table with count slots, dropping texts no longer held.
    void rebuild(std::size_t count);

    std::vector<Slot> slots_;
    std::string packed_;
    std::size_t used_ = 0; ///< slots with a tag, those of texts no longer held included
    std::size_t held_ = 0; ///< texts held at least once
};

} // namespace dirforge::core
