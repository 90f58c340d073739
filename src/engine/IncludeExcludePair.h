#pragma once
// The INCLUDE/EXCLUDE list pair of the strings and paths pages: moving entries between the two
// lists, exchanging them and deleting from EXCLUDE. A move never creates a duplicate (ignoring
// case) in its target; a selected entry the target already holds just leaves the source.

#include "core/NameList.h"
#include "engine/PageTexts.h"
#include "platform/Prompt.h"

#include <functional>
#include <string>

namespace dirforge::engine {

/// Where the page puts the focus after an operation.
enum class PairFocus { EntryField, AddButton };

class IncludeExcludePair {
public:
    /// Running "Lines:" values during an operation; the last call carries the true sizes.
    using CounterUpdate = std::function<void(std::size_t include, std::size_t exclude)>;
    /// The page refresh, run after every operation.
    using PageRefresh = std::function<void()>;

    IncludeExcludePair(core::NameList& include, core::NameList& exclude, platform::Prompt& prompt,
                       const PairPageTexts& texts, CounterUpdate counters = {},
                       PageRefresh refresh = {});

    /// ">": moves the selected INCLUDE entries to EXCLUDE.
    PairFocus moveSelectedToExclude(const core::IndexSet& selectedInclude);
    /// "<": moves the selected EXCLUDE entries to INCLUDE.
    PairFocus moveSelectedToInclude(const core::IndexSet& selectedExclude);
    /// ">>": moves every INCLUDE entry to EXCLUDE.
    PairFocus moveAllToExclude();
    /// "<<": moves every EXCLUDE entry to INCLUDE.
    PairFocus moveAllToInclude();
    /// "<>": the two lists exchange their contents, each keeping its order rule.
    PairFocus exchange();
    /// "Delete Excluded": after confirmation deletes the selected EXCLUDE entries.
    PairFocus deleteExcluded(const core::IndexSet& selectedExclude);
    /// "Delete All": after confirmation empties EXCLUDE.
    PairFocus deleteAllExcluded();

private:
    enum class Direction { IncludeToExclude, ExcludeToInclude };

    PairFocus moveSelected(Direction direction, const core::IndexSet& selection);
    PairFocus moveAll(Direction direction);
    core::NameList& sourceOf(Direction direction) const;
    core::NameList& targetOf(Direction direction) const;
    // Reports source and target counts in INCLUDE/EXCLUDE order.
    void showCounts(Direction direction, std::size_t source, std::size_t target) const;
    PairFocus finish(PairFocus focus) const;

    core::NameList& include_;
    core::NameList& exclude_;
    platform::Prompt& prompt_;
    PairPageTexts texts_;
    CounterUpdate counters_;
    PageRefresh refresh_;
};

} // namespace dirforge::engine
