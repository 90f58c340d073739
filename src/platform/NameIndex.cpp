#include "platform/NameIndex.h"

#include <functional>

namespace dirforge::platform {

namespace {

constexpr std::size_t kSmallestCapacity = 16;

std::size_t CapacityFor(std::size_t count) {
    std::size_t capacity = kSmallestCapacity;
    while (capacity < count * 2)
        capacity *= 2;
    return capacity;
}

} // namespace

std::uint64_t NameIndex::hashOf(std::string_view name) {
    const std::uint64_t hash = std::hash<std::string_view>{}(name);
    return hash == 0 ? 1 : hash; // 0 marks an empty slot
}

std::size_t NameIndex::slotOf(std::string_view name, std::uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.hash == 0 || (slot.hash == hash && slot.length == name.size() &&
                               std::string_view(names_).substr(slot.offset, slot.length) == name))
            return i;
    }
}

void NameIndex::grow(std::size_t capacity) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(capacity, Slot{});
    const std::size_t mask = capacity - 1;
    for (const Slot& slot : old) {
        if (slot.hash == 0)
            continue;
        std::size_t i = slot.hash & mask;
        while (slots_[i].hash != 0)
            i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

void NameIndex::reserve(std::size_t count) {
    const std::size_t capacity = CapacityFor(count);
    if (capacity > slots_.size())
        grow(capacity);
}

void NameIndex::insert(std::string_view name, std::uint64_t value) {
    if (slots_.empty() || (count_ + 1) * 2 > slots_.size())
        grow(CapacityFor(count_ + 1));
    const std::uint64_t hash = hashOf(name);
    Slot& slot = slots_[slotOf(name, hash)];
    if (slot.hash != 0)
        return;
    slot = Slot{hash, value, names_.size(), name.size()};
    names_.append(name);
    ++count_;
}

const std::uint64_t* NameIndex::find(std::string_view name) const {
    if (count_ == 0)
        return nullptr;
    const Slot& slot = slots_[slotOf(name, hashOf(name))];
    return slot.hash == 0 ? nullptr : &slot.value;
}

void NameIndex::clear() {
    slots_.clear();
    names_.clear();
    count_ = 0;
}

} // namespace dirforge::platform
