#pragma once
// An ordered list of texts, kept in alphabetical order (a collation's, ignoring case unless
// told otherwise) or in insertion order, with case-insensitive membership through a case-folded
// index (FoldedIndex). The same text may be held more than once. It backs the list views, so
// positions are plain vector indices.

#include "core/Collation.h"
#include "core/FoldedIndex.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace dirforge::core {

/// Positions in a list, ascending and without repeats once passed through NormalizeIndices.
using IndexSet = std::vector<std::size_t>;

/// Sorts, removes repeats and drops positions at or beyond size.
IndexSet NormalizeIndices(IndexSet indices, std::size_t size);

class NameList {
public:
    enum class Order { Alphabetical, Insertion };
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    /// Told before and after every change, so a view model can follow it.
    class Observer {
    public:
        virtual ~Observer() = default;
        virtual void aboutToInsert(std::size_t /*index*/) {}
        virtual void inserted() {}
        virtual void aboutToRemove(std::size_t /*index*/) {}
        virtual void removed() {}
        /// Bulk changes: the whole content may differ afterwards.
        virtual void aboutToReset() {}
        virtual void reset() {}
    };

    /// collation orders an alphabetical list; nullptr is CaseInsensitiveCollation().
    explicit NameList(Order order, const Collation* collation = nullptr);

    Order order() const { return order_; }
    bool isAlphabetical() const { return order_ == Order::Alphabetical; }
    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    const std::string& at(std::size_t i) const { return items_.at(i); }
    const std::vector<std::string>& texts() const { return items_; }

    /// True when a text equal ignoring case is held.
    bool contains(std::string_view text) const;
    /// The same for a text already passed through FoldCase.
    bool containsFolded(const std::string& folded) const;
    /// Position of the first text equal ignoring case, or npos.
    std::size_t indexOf(std::string_view text) const;

    /// Adds one text at its place (alphabetical) or at the end; returns its position.
    std::size_t insert(std::string text);
    /// Adds many texts at once: sorted and merged, or appended in their order.
    void insertMany(std::vector<std::string> texts);
    /// Progress of insertMissing: texts examined so far and how many of them were added.
    using InsertProgress = std::function<void(std::size_t examined, std::size_t added)>;
    /// Adds the texts not yet held (ignoring case), the first of any repeats in the batch;
    /// returns how many were added. The list content changes only after the last progress call.
    std::size_t insertMissing(std::vector<std::string> texts, const InsertProgress& progress = {});
    void removeAt(std::size_t i);
    /// Removes the given positions (any order; repeats and positions out of range ignored).
    void removeIndices(const IndexSet& indices);
    void clear();
    /// Exchanges the contents; each list keeps its own order rule for what it receives.
    void swapContents(NameList& other);

    /// The one observer told of changes, or nullptr.
    void setObserver(Observer* observer) { observer_ = observer; }

private:
    void indexAdd(const std::string& text);
    void indexRemove(const std::string& text);
    void rebuildForOrder();
    void mergeSorted(std::vector<std::string> batch);
    /// Puts a batch of new texts in: in the list's order when it is alphabetical, else at its end.
    void placeBatch(std::vector<std::string> texts);
    void notifyAboutToReset() const;
    void notifyReset() const;

    Order order_;
    const Collation* collation_;
    std::vector<std::string> items_;
    // Folded text -> how often held.
    FoldedIndex folded_;
    Observer* observer_ = nullptr;
};

} // namespace dirforge::core
