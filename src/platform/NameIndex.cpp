#include "platform/NameIndex.h"

#include "core/HashSlots.h"

#include <cstring>
#include <limits>

namespace dirforge::platform {

std::size_t NameIndex::slotOf(std::string_view name, std::uint64_t hash) const {
    // The stored name is NUL-ended, so equal bytes plus the NUL after them is an equal name.
    return core::ProbeSlots(slots_, hash, [&](const Slot& slot) {
        return slot.offset + name.size() < names_.size() &&
               std::memcmp(names_.data() + slot.offset, name.data(), name.size()) == 0 &&
               names_[slot.offset + name.size()] == '\0';
    });
}

void NameIndex::grow(std::size_t capacity) {
    core::SpreadSlots(slots_, capacity, [&](const Slot& slot) {
        const char* name = names_.data() + slot.offset;
        return core::HashOfKey(std::string_view(name, std::strlen(name)));
    });
}

void NameIndex::reserve(std::size_t count) {
    const std::size_t capacity = core::SlotCountFor(count);
    if (capacity > slots_.size())
        grow(capacity);
}

void NameIndex::insert(std::string_view name, std::uint64_t value) {
    if (name.find('\0') != std::string_view::npos ||
        names_.size() + name.size() + 1 > std::numeric_limits<std::uint32_t>::max())
        return;
    if (slots_.empty() || (count_ + 1) * 2 > slots_.size())
        grow(core::SlotCountFor(count_ + 1));
    const std::uint64_t hash = core::HashOfKey(name);
    Slot& slot = slots_[slotOf(name, hash)];
    if (slot.tag != 0)
        return;
    slot = Slot{core::TagOfHash(hash), static_cast<std::uint32_t>(names_.size()), value};
    names_.append(name);
    names_.push_back('\0');
    ++count_;
}

const std::uint64_t* NameIndex::find(std::string_view name) const {
    if (count_ == 0)
        return nullptr;
    const Slot& slot = slots_[slotOf(name, core::HashOfKey(name))];
    return slot.tag == 0 ? nullptr : &slot.value;
}

void NameIndex::clear() {
    slots_.clear();
    names_.clear();
    count_ = 0;
}

} // namespace dirforge::platform
