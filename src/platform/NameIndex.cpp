#include "platform/NameIndex.h"

#include <cstring>
#include <functional>
#include <limits>

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
    return std::hash<std::string_view>{}(name);
}

std::uint32_t NameIndex::tagOf(std::uint64_t hash) {
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    return tag == 0 ? 1 : tag; // 0 marks an empty slot
}

std::size_t NameIndex::slotOf(std::string_view name, std::uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    const std::uint32_t tag = tagOf(hash);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.tag == 0)
            return i;
        // The stored name is NUL-ended, so equal bytes plus the NUL after them is an equal name.
        if (slot.tag == tag && slot.offset + name.size() < names_.size() &&
            std::memcmp(names_.data() + slot.offset, name.data(), name.size()) == 0 &&
            names_[slot.offset + name.size()] == '\0')
            return i;
    }
}

void NameIndex::grow(std::size_t capacity) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(capacity, Slot{});
    const std::size_t mask = capacity - 1;
    for (const Slot& slot : old) {
        if (slot.tag == 0)
            continue;
        const char* name = names_.data() + slot.offset;
        std::size_t i = hashOf(std::string_view(name, std::strlen(name))) & mask;
        while (slots_[i].tag != 0)
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
    if (name.find('\0') != std::string_view::npos ||
        names_.size() + name.size() + 1 > std::numeric_limits<std::uint32_t>::max())
        return;
    if (slots_.empty() || (count_ + 1) * 2 > slots_.size())
        grow(CapacityFor(count_ + 1));
    const std::uint64_t hash = hashOf(name);
    Slot& slot = slots_[slotOf(name, hash)];
    if (slot.tag != 0)
        return;
    slot = Slot{tagOf(hash), static_cast<std::uint32_t>(names_.size()), value};
    names_.append(name);
    names_.push_back('\0');
    ++count_;
}

const std::uint64_t* NameIndex::find(std::string_view name) const {
    if (count_ == 0)
        return nullptr;
    const Slot& slot = slots_[slotOf(name, hashOf(name))];
    return slot.tag == 0 ? nullptr : &slot.value;
}

void NameIndex::clear() {
    slots_.clear();
    names_.clear();
    count_ = 0;
}

} // namespace dirforge::platform
