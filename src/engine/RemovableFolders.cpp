#include "engine/RemovableFolders.h"

#include "core/HashSlots.h"
#include "core/PathChecks.h"
#include "core/TextRules.h"

namespace dirforge::engine {

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

std::string ComparablePath(std::string_view path) {
    if (AlreadyComparable(path))
        return std::string(path);
    std::string key = core::NormalizeTarget(core::Trim(path));
    if (!key.empty() && key.back() == '\\')
        key.pop_back();
    return key;
}

void RemovableFolders::reset(std::size_t lines, std::size_t distinct) {
    folders_.clear();
    folders_.reserve(lines);
    slots_.assign(core::SlotCountFor(distinct), Slot{});
    normalised_.clear();
}

RemovableFolders::Folder& RemovableFolders::entryFor(std::string_view path) {
    const bool comparable = AlreadyComparable(path);
    std::string normalised = comparable ? std::string() : ComparablePath(path);
    const std::string_view key = comparable ? path : std::string_view(normalised);
    if ((folders_.size() + 1) * 2 > slots_.size())
        grow(core::SlotCountFor(folders_.size() + 1));
    const std::uint64_t hash = core::HashOfKey(key);
    Slot& slot = slots_[slotOf(key, hash)];
    if (slot.tag != 0)
        return folders_[slot.position];
    const std::string_view text =
        comparable ? path : std::string_view(normalised_.emplace_back(std::move(normalised)));
    slot = Slot{core::TagOfHash(hash), static_cast<std::uint32_t>(folders_.size())};
    return folders_.emplace_back(Folder{text});
}

RemovableFolders::Folder& RemovableFolders::entryInStep(std::string_view path, std::size_t& next,
                                                        std::size_t firstEntries) {
    if (next < firstEntries && folders_[next].text == path && AlreadyComparable(path))
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
    const Slot& slot = slots_[slotOf(key, core::HashOfKey(key))];
    return slot.tag == 0 ? nullptr : &folders_[slot.position];
}

std::size_t RemovableFolders::slotOf(std::string_view key, std::uint64_t hash) const {
    return core::ProbeSlots(slots_, hash,
                            [&](const Slot& slot) { return folders_[slot.position].text == key; });
}

void RemovableFolders::grow(std::size_t capacity) {
    core::SpreadSlots(slots_, capacity, [&](const Slot& slot) {
        return core::HashOfKey(folders_[slot.position].text);
    });
}

} // namespace dirforge::engine
