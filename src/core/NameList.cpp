#include "core/NameList.h"

#include "core/CaseFold.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace dirforge::core {

IndexSet NormalizeIndices(IndexSet indices, std::size_t size) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    indices.erase(std::lower_bound(indices.begin(), indices.end(), size), indices.end());
    return indices;
}

NameList::NameList(Order order, const Collation* collation)
    : order_(order), collation_(collation ? collation : &CaseInsensitiveCollation()) {}

bool NameList::contains(std::string_view text) const {
    return containsFolded(FoldCase(text));
}

bool NameList::containsFolded(const std::string& folded) const {
    return folded_.contains(folded);
}

std::size_t NameList::indexOf(std::string_view text) const {
    if (!contains(text))
        return npos;
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (EqualsIgnoreCase(items_[i], text))
            return i;
    return npos;
}

std::size_t NameList::insert(std::string text) {
    const auto position =
        isAlphabetical() ? std::upper_bound(items_.begin(), items_.end(), text,
                                            [this](const std::string& a, const std::string& b) {
                                                return collation_->compare(a, b) < 0;
                                            })
                         : items_.end();
    const auto index = static_cast<std::size_t>(position - items_.begin());
    if (observer_)
        observer_->aboutToInsert(index);
    indexAdd(text);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), std::move(text));
    if (observer_)
        observer_->inserted();
    return index;
}

void NameList::insertMany(std::vector<std::string> texts) {
    if (texts.empty())
        return;
    notifyAboutToReset();
    folded_.reserve(texts.size());
    for (const auto& text : texts)
        indexAdd(text);
    placeBatch(std::move(texts));
    notifyReset();
}

void NameList::placeBatch(std::vector<std::string> texts) {
    if (isAlphabetical()) {
        collation_->sort(texts);
        mergeSorted(std::move(texts));
    } else {
        items_.insert(items_.end(), std::make_move_iterator(texts.begin()),
                      std::make_move_iterator(texts.end()));
    }
}

std::size_t NameList::insertMissing(std::vector<std::string> texts,
                                    const InsertProgress& progress) {
    // The folded index decides what is missing, the first of any repeats in the batch taken.
    // The missing texts are gathered at the batch's front, in place: a million names are not
    // held a second time in a list of their own.
    folded_.reserve(texts.size());
    std::size_t missing = 0;
    for (std::size_t at = 0; at < texts.size(); ++at) {
        if (folded_.addIfMissing(FoldCase(texts[at]))) {
            if (missing != at)
                texts[missing] = std::move(texts[at]);
            ++missing;
        }
        if (progress)
            progress(at + 1, missing);
    }
    if (missing == 0)
        return 0;
    texts.resize(missing);
    notifyAboutToReset();
    placeBatch(std::move(texts));
    notifyReset();
    return missing;
}

void NameList::mergeSorted(std::vector<std::string> batch) {
    if (items_.empty()) {
        items_ = std::move(batch);
        return;
    }
    std::vector<std::string> merged;
    merged.reserve(items_.size() + batch.size());
    std::merge(std::make_move_iterator(items_.begin()), std::make_move_iterator(items_.end()),
               std::make_move_iterator(batch.begin()), std::make_move_iterator(batch.end()),
               std::back_inserter(merged), [this](const std::string& a, const std::string& b) {
                   return collation_->compare(a, b) < 0;
               });
    items_ = std::move(merged);
}

void NameList::removeAt(std::size_t i) {
    if (i >= items_.size())
        return;
    if (observer_)
        observer_->aboutToRemove(i);
    indexRemove(items_[i]);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
    if (observer_)
        observer_->removed();
}

void NameList::removeIndices(const IndexSet& indices) {
    const IndexSet doomed = NormalizeIndices(indices, items_.size());
    if (doomed.empty())
        return;
    notifyAboutToReset();
    // One compacting pass: keep every item whose position is not in the set.
    std::size_t write = doomed.front();
    auto next = doomed.begin();
    for (std::size_t read = doomed.front(); read < items_.size(); ++read) {
        if (next != doomed.end() && *next == read) {
            indexRemove(items_[read]);
            ++next;
        } else {
            items_[write++] = std::move(items_[read]);
        }
    }
    items_.resize(write);
    notifyReset();
}

void NameList::clear() {
    notifyAboutToReset();
    items_.clear();
    folded_.clear();
    notifyReset();
}

void NameList::swapContents(NameList& other) {
    if (&other == this)
        return;
    notifyAboutToReset();
    other.notifyAboutToReset();
    items_.swap(other.items_);
    std::swap(folded_, other.folded_);
    if (order_ != other.order_ || collation_ != other.collation_) {
        rebuildForOrder();
        other.rebuildForOrder();
    }
    notifyReset();
    other.notifyReset();
}

void NameList::indexAdd(const std::string& text) {
    folded_.add(FoldCase(text));
}

void NameList::indexRemove(const std::string& text) {
    folded_.remove(FoldCase(text));
}

void NameList::rebuildForOrder() {
    if (isAlphabetical())
        collation_->sort(items_);
}

void NameList::notifyAboutToReset() const {
    if (observer_)
        observer_->aboutToReset();
}

void NameList::notifyReset() const {
    if (observer_)
        observer_->reset();
}

} // namespace dirforge::core
