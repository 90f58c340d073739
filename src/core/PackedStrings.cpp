#include "core/PackedStrings.h"

#include <algorithm>

namespace dirforge::core {

PackedStrings::PackedStrings(std::initializer_list<std::string_view> texts) {
    for (const std::string_view text : texts)
        push_back(text);
}

void PackedStrings::push_back(std::string_view text) {
    // A text never spans two blocks: one that does not fit in what the last block has left
    // begins a new block, as large as the text when the text is larger than a block.
    if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < text.size()) {
        blocks_.emplace_back();
        blocks_.back().reserve(std::max(kBlockBytes, text.size()));
    }
    std::string& block = blocks_.back();
    if (chunks_.empty() || chunks_.back().size() == kChunkSlots)
        chunks_.emplace_back();
    chunks_.back().push_back(
        {static_cast<std::uint32_t>(blocks_.size() - 1), static_cast<std::uint32_t>(block.size())});
    block.append(text);
}

void PackedStrings::clear() {
    std::vector<std::string>().swap(blocks_);
    std::vector<std::vector<Slot>>().swap(chunks_);
}

std::string_view PackedStrings::operator[](std::size_t at) const {
    const Slot& start = slot(at);
    const std::string& block = blocks_[start.block];
    std::size_t end = block.size();
    if (at + 1 < size() && slot(at + 1).block == start.block)
        end = slot(at + 1).offset;
    return std::string_view(block).substr(start.offset, end - start.offset);
}

std::vector<std::string> PackedStrings::strings() const {
    std::vector<std::string> texts;
    texts.reserve(size());
    for (const std::string_view text : *this)
        texts.emplace_back(text);
    return texts;
}

bool PackedStrings::operator==(const PackedStrings& other) const {
    return size() == other.size() && std::equal(begin(), end(), other.begin());
}

bool PackedStrings::operator==(const std::vector<std::string>& texts) const {
    return size() == texts.size() && std::equal(begin(), end(), texts.begin());
}

} // namespace dirforge::core
