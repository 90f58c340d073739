#include "core/NameList.h"

#include "core/CaseFold.h"

#include <algorithm>
#include <iterator>

namespace dirforge::core {

namespace {

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return CompareIgnoreCase(a, b) < 0;
}

using KeyedTexts = std::vector<std::pair<std::string, std::string>>; // (folded, text)

KeyedTexts foldAll(std::vector<std::string> texts) {
    KeyedTexts keyed;
    keyed.reserve(texts.size());
    for (auto& text : texts)
        keyed.emplace_back(FoldCase(text), std::move(text));
    return keyed;
}

std::vector<std::string> textsOf(KeyedTexts keyed) {
    std::vector<std::string> out;
    out.reserve(keyed.size());
    for (auto& entry : keyed)
        out.push_back(std::move(entry.second));
    return out;
}

// Alphabetical order: (folded, text) orders exactly as CompareIgnoreCase does, and folding
// each text once up front keeps the sort free of repeated folding.
std::vector<std::string> sortedTexts(std::vector<std::string> texts) {
    KeyedTexts keyed = foldAll(std::move(texts));
    std::sort(keyed.begin(), keyed.end());
    return textsOf(std::move(keyed));
}

} // namespace

IndexSet NormalizeIndices(IndexSet indices, std::size_t size) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    indices.erase(std::lower_bound(indices.begin(), indices.end(), size), indices.end());
    return indices;
}

NameList::NameList(Order order) : order_(order) {}

std::pair<std::size_t, std::size_t> NameList::equalRange(std::string_view text) const {
    // Texts equal ignoring case stand together in the alphabetical list.
    const auto lo = std::lower_bound(
        items_.begin(), items_.end(), text,
        [](const std::string& item, std::string_view t) { return CompareFolded(item, t) < 0; });
    const auto hi =
        std::upper_bound(lo, items_.end(), text, [](std::string_view t, const std::string& item) {
            return CompareFolded(t, item) < 0;
        });
    return {static_cast<std::size_t>(lo - items_.begin()),
            static_cast<std::size_t>(hi - items_.begin())};
}

bool NameList::contains(std::string_view text) const {
    if (isAlphabetical()) {
        const auto [lo, hi] = equalRange(text);
        return lo < hi;
    }
    return containsFolded(FoldCase(text));
}

bool NameList::containsFolded(const std::string& folded) const {
    if (isAlphabetical())
        return contains(folded); // folding is idempotent, so the binary search takes it as is
    return folded_.count(folded) != 0;
}

std::size_t NameList::indexOf(std::string_view text) const {
    if (isAlphabetical()) {
        const auto [lo, hi] = equalRange(text);
        return lo < hi ? lo : npos;
    }
    if (!contains(text))
        return npos;
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (EqualsIgnoreCase(items_[i], text))
            return i;
    return npos;
}

std::size_t NameList::insert(std::string text) {
    const auto position =
        isAlphabetical() ? std::upper_bound(items_.begin(), items_.end(), text, lessIgnoringCase)
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
    if (isAlphabetical()) {
        mergeSorted(sortedTexts(std::move(texts)));
    } else {
        folded_.reserve(folded_.size() + texts.size());
        for (const auto& text : texts)
            indexAdd(text);
        items_.insert(items_.end(), std::make_move_iterator(texts.begin()),
                      std::make_move_iterator(texts.end()));
    }
    notifyReset();
}

std::size_t NameList::insertMissing(std::vector<std::string> texts,
                                    const InsertProgress& progress) {
    return isAlphabetical() ? insertMissingSorted(std::move(texts), progress)
                            : insertMissingAppended(std::move(texts), progress);
}

std::size_t NameList::insertMissingSorted(std::vector<std::string> texts,
                                          const InsertProgress& progress) {
    // Sort the batch by folded text, keeping the first of each case-insensitive repeat, then
    // walk it alongside the list: one linear pass decides what is missing.
    KeyedTexts keyed = foldAll(std::move(texts));
    const std::size_t examined = keyed.size();
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    keyed.erase(std::unique(keyed.begin(), keyed.end(),
                            [](const auto& a, const auto& b) { return a.first == b.first; }),
                keyed.end());
    // The missing texts are gathered at the batch's front, in place: a million names are not
    // held a second time in a list of their own.
    std::size_t missing = 0;
    std::size_t i = 0;
    std::size_t walked = examined - keyed.size(); // repeats within the batch count as examined
    for (std::size_t at = 0; at < keyed.size(); ++at) {
        const std::string& folded = keyed[at].first;
        while (i < items_.size() && CompareFolded(items_[i], folded) < 0)
            ++i;
        if (i == items_.size() || CompareFolded(items_[i], folded) != 0) {
            if (missing != at)
                keyed[missing] = std::move(keyed[at]);
            ++missing;
        }
        if (progress)
            progress(++walked, missing);
    }
    if (missing == 0)
        return 0;
    keyed.resize(missing);
    notifyAboutToReset();
    mergeSorted(textsOf(std::move(keyed)));
    notifyReset();
    return missing;
}

std::size_t NameList::insertMissingAppended(std::vector<std::string> texts,
                                            const InsertProgress& progress) {
    std::vector<std::string> missing;
    folded_.reserve(folded_.size() + texts.size());
    std::size_t walked = 0;
    for (auto& text : texts) {
        if (folded_.try_emplace(FoldCase(text), 1).second)
            missing.push_back(std::move(text));
        if (progress)
            progress(++walked, missing.size());
    }
    if (missing.empty())
        return 0;
    notifyAboutToReset();
    items_.insert(items_.end(), std::make_move_iterator(missing.begin()),
                  std::make_move_iterator(missing.end()));
    notifyReset();
    return missing.size();
}

void NameList::mergeSorted(std::vector<std::string> batch) {
    std::vector<std::string> merged;
    merged.reserve(items_.size() + batch.size());
    std::merge(std::make_move_iterator(items_.begin()), std::make_move_iterator(items_.end()),
               std::make_move_iterator(batch.begin()), std::make_move_iterator(batch.end()),
               std::back_inserter(merged), lessIgnoringCase);
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
    folded_.swap(other.folded_);
    if (order_ != other.order_) {
        rebuildForOrder();
        other.rebuildForOrder();
    }
    notifyReset();
    other.notifyReset();
}

void NameList::indexAdd(const std::string& text) {
    if (!isAlphabetical())
        ++folded_[FoldCase(text)];
}

void NameList::indexRemove(const std::string& text) {
    if (isAlphabetical())
        return;
    const auto it = folded_.find(FoldCase(text));
    if (it != folded_.end() && --it->second == 0)
        folded_.erase(it);
}

void NameList::rebuildForOrder() {
    folded_.clear();
    if (isAlphabetical()) {
        items_ = sortedTexts(std::move(items_));
        return;
    }
    for (const auto& text : items_)
        indexAdd(text);
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
