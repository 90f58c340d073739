#include "engine/IncludeExcludePair.h"

namespace dirforge::engine {

using core::IndexSet;
using core::NameList;
using core::NormalizeIndices;

namespace {

const char* const DeleteExcludedQuestion =
    "Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can delete ONLY "
    "from the EXCLUDE list.\n";
const char* const DeleteAllEmptyText = "Empty List in the Exclude Window!\n";
const char* const DeleteAllQuestion = "Do you want to delete all item(s) from the Exclude list ?";

} // namespace

IncludeExcludePair::IncludeExcludePair(NameList& include, NameList& exclude,
                                       platform::Prompt& prompt, const PairPageTexts& texts,
                                       CounterUpdate counters, PageRefresh refresh)
    : include_(include), exclude_(exclude), prompt_(prompt), texts_(texts),
      counters_(std::move(counters)), refresh_(std::move(refresh)) {}

PairFocus IncludeExcludePair::moveSelectedToExclude(const IndexSet& selectedInclude) {
    return moveSelected(Direction::IncludeToExclude, selectedInclude);
}

PairFocus IncludeExcludePair::moveSelectedToInclude(const IndexSet& selectedExclude) {
    return moveSelected(Direction::ExcludeToInclude, selectedExclude);
}

PairFocus IncludeExcludePair::moveAllToExclude() {
    return moveAll(Direction::IncludeToExclude);
}

PairFocus IncludeExcludePair::moveAllToInclude() {
    return moveAll(Direction::ExcludeToInclude);
}

PairFocus IncludeExcludePair::moveSelected(Direction direction, const IndexSet& selection) {
    NameList& source = sourceOf(direction);
    NameList& target = targetOf(direction);
    const IndexSet selected = NormalizeIndices(selection, source.size());
    const std::size_t sourceSize = source.size();
    const std::size_t targetSize = target.size();

    // Collect in source order what the target lacks; the batch itself must not repeat a text.
    std::vector<std::string> texts;
    texts.reserve(selected.size());
    for (std::size_t index : selected)
        texts.push_back(source.at(index));
    target.insertMissing(std::move(texts), [&](std::size_t, std::size_t added) {
        showCounts(direction, sourceSize, targetSize + added);
    });

    std::size_t removed = 0;
    for (auto it = selected.rbegin(); it != selected.rend(); ++it)
        showCounts(direction, sourceSize - ++removed, target.size());
    source.removeIndices(selected);
    return finish(PairFocus::EntryField);
}

PairFocus IncludeExcludePair::moveAll(Direction direction) {
    NameList& source = sourceOf(direction);
    NameList& target = targetOf(direction);
    const std::size_t sourceSize = source.size();
    const std::size_t targetSize = target.size();

    target.insertMissing(source.texts(), [&](std::size_t examined, std::size_t added) {
        showCounts(direction, sourceSize - examined, targetSize + added);
    });
    source.clear();
    return finish(PairFocus::EntryField);
}

PairFocus IncludeExcludePair::exchange() {
    include_.swapContents(exclude_);
    return finish(PairFocus::EntryField);
}

PairFocus IncludeExcludePair::deleteExcluded(const IndexSet& selectedExclude) {
    if (exclude_.empty()) {
        prompt_.warn(texts_.deleteExcludedEmptyText, texts_.deleteExcludedEmptyTitle);
    } else if (prompt_.ask(DeleteExcludedQuestion, texts_.deleteExcludedQuestionTitle)) {
        const IndexSet selected = NormalizeIndices(selectedExclude, exclude_.size());
        std::size_t left = exclude_.size();
        for (std::size_t i = 0; i < selected.size(); ++i)
            showCounts(Direction::IncludeToExclude, include_.size(), --left);
        exclude_.removeIndices(selected);
    }
    return finish(PairFocus::EntryField);
}

PairFocus IncludeExcludePair::deleteAllExcluded() {
    if (exclude_.empty()) {
        prompt_.warn(DeleteAllEmptyText, texts_.deleteAllEmptyTitle);
    } else if (prompt_.ask(DeleteAllQuestion, texts_.deleteAllQuestionTitle)) {
        exclude_.clear();
    }
    return finish(PairFocus::AddButton);
}

NameList& IncludeExcludePair::sourceOf(Direction direction) const {
    return direction == Direction::IncludeToExclude ? include_ : exclude_;
}

NameList& IncludeExcludePair::targetOf(Direction direction) const {
    return direction == Direction::IncludeToExclude ? exclude_ : include_;
}

void IncludeExcludePair::showCounts(Direction direction, std::size_t source,
                                    std::size_t target) const {
    if (!counters_)
        return;
    if (direction == Direction::IncludeToExclude)
        counters_(source, target);
    else
        counters_(target, source);
}

PairFocus IncludeExcludePair::finish(PairFocus focus) const {
    if (counters_)
        counters_(include_.size(), exclude_.size());
    if (refresh_)
        refresh_();
    return focus;
}

} // namespace dirforge::engine
