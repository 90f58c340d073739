#pragma once
// The message titles the engine shows for a creation page, in one table per page: its
// INCLUDE/EXCLUDE pair's, its runs' and its undo's. The tables are StringsPageTexts.cpp,
// PathsPageTexts.cpp and NumbersPageTexts.cpp; the titles only the window shows are in each page's
// folder of src/ui/pages.

#include "engine/PageKind.h"
#include "engine/RunTitles.h"

namespace dirforge::engine {

/// The INCLUDE/EXCLUDE pair's page texts: the empty-list text and the delete messages' titles.
struct PairPageTexts {
    const char* deleteExcludedEmptyText = nullptr;
    const char* deleteExcludedEmptyTitle = nullptr;
    const char* deleteExcludedQuestionTitle = nullptr;
    const char* deleteAllEmptyTitle = nullptr;
    const char* deleteAllQuestionTitle = nullptr;
};

/// The titles and the no-undo text of one page's undo messages.
struct UndoTitles {
    const char* noUndo = nullptr;
    const char* question = nullptr;
    const char* report = nullptr;
    const char* end = nullptr;
    const char* noUndoText = nullptr;
};

/// The no-undo text of the paths and increased-numbers pages.
inline constexpr const char* kNoUndoOtherPagesText =
    "No UNDO process !!!\nThere are no created folders (and files) !!!\nYou must create at least "
    "one folders "
    "and files to UNDO them.";

/// One page's table.
struct PageTexts {
    PairPageTexts pair; // empty on the numbers page, which has no pair
    RunTitles run;
    UndoTitles undo;
};

/// The strings page's table.
const PageTexts& StringsPageTexts();
/// The paths page's table.
const PageTexts& PathsPageTexts();
/// The increased-numbers page's table.
const PageTexts& NumbersPageTexts();
/// The table of a page.
const PageTexts& TextsFor(PageKind page);

} // namespace dirforge::engine
