#include "engine/RemovableFolders.h"

#include "core/PathChecks.h"
#include "core/TextRules.h"

#include <functional>

namespace dirforge::engine {

namespace {

constexpr std::size_t kSmallestCapacity = 16;

std::size_t CapacityFor(std::size_t count) {
    std::size_t capacity = kSmallestCapacity;
    while (capacity < count * 2)
        capacity *= 2;
    return capacity;
}

std::uint64_t HashOf(std::string_view key) {
    return std::hash<std::string_view>{}(key);
}

std::uint32_t TagOf(std::uint64_t hash) {
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    return tag == 0 ? 1 : tag; // 0 marks an empty slot
}

} // namespace

bool AlreadyComparable(std::string_view path) {
    if (path.empty())
        return true;
    if (static_cast<unsigned char>(path.front()) <= 32 ||
        static_cast<unsigned char>(path.back()) <= 32 || path.back() == '\\')
        return false;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char c = path[i];
        if (c == '/' || ((c == '\\' || c == ':') && i + 1 < path.size() && path[i + 1] == c))
            return false;
    }
    return true;
}

std::string ComparablePath(const std::string& path) {
    if (AlreadyComparable(path))
        return path;
    std::string key = core::NormalizeTarget(core::Trim(path));
    if (!key.empty() && key.back() == '\\')
        key.pop_back();
    return key;
}

void RemovableFolders::reset(std::size_t lines, std::size_t distinct) {
    folders_.clear();
    folders_.reserve(lines);
    slots_.assign(CapacityFor(distinct), Slot{});
    normalised_.clear();
}

RemovableFolders::Folder& RemovableFolders::entryFor(const std::string& path) {
    const bool comparable = AlreadyComparable(path);
    std::string normalised = comparable ? std::string() : ComparablePath(path);
    const std::string_view key = comparable ? std::string_view(path) : normalised;
    if ((folders_.size() + 1) * 2 > slots_.size())
        grow(CapacityFor(folders_.size() + 1));
    const std::uint64_t hash = HashOf(key);
    Slot& slot = slots_[slotOf(key, hash)];
    if (slot.tag != 0)
        return folders_[slot.position];
    const std::string* text = comparable ? &path : &normalised_.emplace_back(std::move(normalised));
    slot = Slot{TagOf(hash), static_cast<std::uint32_t>(folders_.size())};
    return folders_.emplace_back(Folder{text});
}

RemovableFolders::Folder& RemovableFolders::entryInStep(const std::string& path, std::size_t& next,
                                                        std::size_t firstEntries) {
    if (next < firstEntries && *folders_[next].text == path && AlreadyComparable(path))
        return folders_[next++];
    Folder& entry = entryFor(path);
    const auto at = static_cast<std::size_t>(&entry - folders_.data());
    if (at < firstEntries)
        next = at + 1; // back in step
    return entry;
}

RemovableFolders::Folder* RemovableFolders::find(std::string_view key) {
    if (folders_.empty())
        return nullptr;
    const Slot& slot = slots_[slotOf(key, HashOf(key))];
    return slot.tag == 0 ? nullptr : &folders_[slot.position];
}

std::size_t RemovableFolders::slotOf(std::string_view key, std::uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    const std::uint32_t tag = TagOf(hash);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.tag == 0 || (slot.tag == tag && *folders_[slot.position].text == key))
            return i;
    }
}

void RemovableFolders::grow(std::size_t capacity) {
    slots_.assign(capacity, Slot{});
    const std::size_t mask = capacity - 1;
    for (std::size_t position = 0; position < folders_.size(); ++position) {
        const std::uint64_t hash = HashOf(*folders_[position].text);
        std::size_t i = hash & mask;
        while (slots_[i].tag != 0)
            i = (i + 1) & mask;
        slots_[i] = Slot{TagOf(hash), static_cast<std::uint32_t>(position)};
    }
}

} // namespace dirforge::engine
