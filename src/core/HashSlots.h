#pragma once
// Open addressing with linear probing, for the flat tables that index many names or paths: a
// power-of-two array of slots kept at most half full, each with a tag taken from its key's
// hash (0 marks an empty slot) and whatever the table keeps beside it.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace dirforge::core {

inline std::uint64_t HashOfKey(std::string_view key) {
    return std::hash<std::string_view>{}(key);
}

inline std::uint32_t TagOfHash(std::uint64_t hash) {
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    return tag == 0 ? 1 : tag;
}

/// The slot count for count keys: a power of two, at least twice count (and at least 16).
inline std::size_t SlotCountFor(std::size_t count) {
    std::size_t slots = 16;
    while (slots < count * 2)
        slots *= 2;
    return slots;
}

/// The slot whose key holds (holds(slot) is true), or the empty slot where it would go.
template <class Slot, class Holds>
std::size_t ProbeSlots(const std::vector<Slot>& slots, std::uint64_t hash, Holds holds) {
    const std::size_t mask = slots.size() - 1;
    const std::uint32_t tag = TagOfHash(hash);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask)
        if (slots[i].tag == 0 || (slots[i].tag == tag && holds(slots[i])))
            return i;
}

/// Spreads the filled slots over count empty ones; hashOf gives a filled slot's key hash.
template <class Slot, class HashOf>
void SpreadSlots(std::vector<Slot>& slots, std::size_t count, HashOf hashOf) {
    std::vector<Slot> old = std::move(slots);
    slots.assign(count, Slot{});
    const std::size_t mask = count - 1;
    for (const Slot& slot : old) {
        if (slot.tag == 0)
            continue;
        std::size_t i = hashOf(slot) & mask;
        while (slots[i].tag != 0)
            i = (i + 1) & mask;
        slots[i] = slot;
    }
}

} // namespace dirforge::core
