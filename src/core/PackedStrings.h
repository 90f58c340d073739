#pragma once
// A list of texts packed end to end in blocks of 64 KiB: one text costs its characters and
// eight bytes, where a std::string costs 32 bytes and, past 15 characters, a heap block of its
// own as well. Growing adds blocks and never moves what is held, so a list of a million paths
// never holds itself twice while it grows.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace dirforge::core {

class PackedStrings {
public:
    /// Walks the texts in order; each is a view into the list, valid until the list changes.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        std::string_view operator*() const { return (*list_)[at_]; }
        const_iterator& operator++() {
            ++at_;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++at_;
            return before;
        }
        bool operator==(const const_iterator& other) const { return at_ == other.at_; }

    private:
        friend class PackedStrings;
        const_iterator(const PackedStrings* list, std::size_t at) : list_(list), at_(at) {}
        const PackedStrings* list_ = nullptr;
        std::size_t at_ = 0;
    };
    using iterator = const_iterator;
    using value_type = std::string_view;
    using size_type = std::size_t;

    PackedStrings() = default;
    PackedStrings(std::initializer_list<std::string_view> texts);

    void push_back(std::string_view text);
    std::size_t size() const {
        return chunks_.empty() ? 0 : (chunks_.size() - 1) * kChunkSlots + chunks_.back().size();
    }
    bool empty() const { return chunks_.empty(); }
    /// Empties the list and gives its memory back.
    void clear();

    std::string_view operator[](std::size_t at) const;
    std::string_view back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    /// A copy of every text, in order.
    std::vector<std::string> strings() const;

    /// The same texts in the same order (however they are packed).
    bool operator==(const PackedStrings& other) const;
    bool operator==(const std::vector<std::string>& texts) const;

private:
    static constexpr std::size_t kBlockBytes = 64 * 1024;
    /// Slots per chunk of the index: 64 KiB, a power of two.
    static constexpr std::size_t kChunkShift = 13;
    static constexpr std::size_t kChunkSlots = std::size_t{1} << kChunkShift;

    /// Where a text starts; it ends where the next one of its block starts, or at the block's end.
    struct Slot {
        std::uint32_t block;
        std::uint32_t offset;
    };
    const Slot& slot(std::size_t at) const {
        return chunks_[at >> kChunkShift][at & (kChunkSlots - 1)];
    }

    std::vector<std::string> blocks_;
    /// The slots in chunks of kChunkSlots: the index, too, grows without moving what it holds.
    std::vector<std::vector<Slot>> chunks_;
};

} // namespace dirforge::core
