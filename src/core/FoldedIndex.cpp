#include "core/FoldedIndex.h"

#include "core/HashSlots.h"

namespace dirforge::core {

void FoldedIndex::reserve(std::size_t count) {
    const std::size_t wanted = SlotCountFor(held_ + count);
    if (wanted > slots_.size())
        rebuild(wanted);
}

std::string_view FoldedIndex::textOf(const Slot& slot) const {
    return std::string_view(packed_).substr(slot.at, slot.length);
}

std::size_t FoldedIndex::probe(std::string_view folded, std::uint64_t hash) const {
    return ProbeSlots(slots_, hash, [&](const Slot& slot) { return textOf(slot) == folded; });
}

FoldedIndex::Slot& FoldedIndex::slotFor(std::string_view folded) {
    if ((used_ + 1) * 2 > slots_.size())
        rebuild(SlotCountFor(held_ + 1));
    const std::uint64_t hash = HashOfKey(folded);
    Slot& slot = slots_[probe(folded, hash)];
    if (slot.tag == 0) {
        slot = {TagOfHash(hash), 0, static_cast<std::uint32_t>(folded.size()), packed_.size()};
        packed_.append(folded);
        ++used_;
    }
    return slot;
}

void FoldedIndex::add(std::string_view folded) {
    Slot& slot = slotFor(folded);
    if (slot.count++ == 0)
        ++held_;
}

bool FoldedIndex::addIfMissing(std::string_view folded) {
    Slot& slot = slotFor(folded);
    if (slot.count != 0)
        return false;
    slot.count = 1;
    ++held_;
    return true;
}

void FoldedIndex::remove(std::string_view folded) {
    if (slots_.empty())
        return;
    Slot& slot = slots_[probe(folded, HashOfKey(folded))];
    if (slot.tag != 0 && slot.count != 0 && --slot.count == 0)
        --held_;
}

bool FoldedIndex::contains(std::string_view folded) const {
    if (slots_.empty())
        return false;
    const Slot& slot = slots_[probe(folded, HashOfKey(folded))];
    return slot.tag != 0 && slot.count != 0;
}

void FoldedIndex::clear() {
    slots_.clear();
    packed_.clear();
    used_ = held_ = 0;
}

void FoldedIndex::rebuild(std::size_t count) {
    // A table half full of texts no longer held is rebuilt at its size, not grown.
    if (count < slots_.size() && held_ * 2 < slots_.size())
        count = slots_.size();
    std::vector<Slot> old = std::move(slots_);
    std::string oldPacked = std::move(packed_);
    slots_.assign(count, Slot{});
    packed_.clear();
    packed_.reserve(oldPacked.size());
    used_ = 0;
    const std::size_t mask = count - 1;
    for (const Slot& slot : old) {
        if (slot.tag == 0 || slot.count == 0)
            continue;
        const std::string_view text = std::string_view(oldPacked).substr(slot.at, slot.length);
        std::size_t i = HashOfKey(text) & mask;
        while (slots_[i].tag != 0)
            i = (i + 1) & mask;
        slots_[i] = {slot.tag, slot.count, slot.length, packed_.size()};
        packed_.append(text);
        ++used_;
    }
}

} // namespace dirforge::core
