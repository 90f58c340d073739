#include "core/NameList.h"

#include "core/CaseFold.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace dirforge::core {

namespace {

bool lessIgnoringCase(const std::string& a, const std::string& b) { return CompareIgnoreCase(a, b) < 0; }

using KeyedTexts = std::vector<std::pair<std::string, std::string>>; // (folded, text)

KeyedTexts foldAll(std::vector<std::string> texts) {
    KeyedTexts keyed;
    keyed.reserve(texts.size());
    for (auto& text : texts)
        keyed.emplace_back(FoldCase(text), std::move(text));
    return keyed;
}

// Alphabetical order: (folded, text) orders exactly as CompareIgnoreCase does, and folding
// each text once up front keeps the sort free of repeated folding.
std::vector<std::string> sortedTexts(KeyedTexts keyed) {
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::string> out;
    out.reserve(keyed.size());
    for (auto& entry : keyed)
        out.push_back(std::move(entry.second));
    return out;
}

} // namespace

IndexSet NormalizeIndices(IndexSet indices, std::size_t size) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    indices.erase(std::lower_bound(indices.begin(), indices.end(), size), indices.end());
    return indices;
}

NameList::NameList(Order order) : order_(order) {}

bool NameList::contains(std::string_view text) const { return containsFolded(FoldCase(text)); }

bool NameList::containsFolded(const std::string& folded) const { return folded_.count(folded) != 0; }

std::size_t NameList::countFolded(const std::string& folded) const {
    const auto it = folded_.find(folded);
    return it == folded_.end() ? 0 : it->second;
}

std::size_t NameList::indexOf(std::string_view text) const {
    if (!contains(text))
        return npos;
    if (isAlphabetical()) {
        // Texts equal ignoring case stand together; the first of them is the lower bound.
        const auto it = std::lower_bound(items_.begin(), items_.end(), text,
                                         [](const std::string& item, std::string_view t) {
                                             return CompareFolded(item, t) < 0;
                                         });
        return static_cast<std::size_t>(it - items_.begin());
    }
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (EqualsIgnoreCase(items_[i], text))
            return i;
    return npos;
}

std::size_t NameList::insert(std::string text) {
    const auto position = isAlphabetical()
                              ? std::upper_bound(items_.begin(), items_.end(), text, lessIgnoringCase)
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
    KeyedTexts keyed = foldAll(std::move(texts));
    folded_.reserve(folded_.size() + keyed.size());
    for (const auto& entry : keyed)
        ++folded_[entry.first];
    if (isAlphabetical()) {
        std::vector<std::string> batch = sortedTexts(std::move(keyed));
        std::vector<std::string> merged;
        merged.reserve(items_.size() + batch.size());
        std::merge(std::make_move_iterator(items_.begin()), std::make_move_iterator(items_.end()),
                   std::make_move_iterator(batch.begin()), std::make_move_iterator(batch.end()),
                   std::back_inserter(merged), lessIgnoringCase);
        items_ = std::move(merged);
    } else {
        items_.reserve(items_.size() + keyed.size());
        for (auto& entry : keyed)
            items_.push_back(std::move(entry.second));
    }
    notifyReset();
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
    folded_.swap(other.folded_);
    if (isAlphabetical() && !other.isAlphabetical())
        sortItems();
    else if (other.isAlphabetical() && !isAlphabetical())
        other.sortItems();
    notifyReset();
    other.notifyReset();
}

void NameList::indexAdd(const std::string& text) { ++folded_[FoldCase(text)]; }

void NameList::indexRemove(const std::string& text) {
    const auto it = folded_.find(FoldCase(text));
    if (it != folded_.end() && --it->second == 0)
        folded_.erase(it);
}

void NameList::sortItems() { items_ = sortedTexts(foldAll(std::move(items_))); }

void NameList::notifyAboutToReset() const {
    if (observer_)
        observer_->aboutToReset();
}

void NameList::notifyReset() const {
    if (observer_)
        observer_->reset();
}

} // namespace dirforge::core
