#pragma once
// Every message title of a creation page, in one table per page: the page's own messages, its
// INCLUDE/EXCLUDE pair's, its runs' and its undo's. The tables are StringsPageTexts.cpp,
// PathsPageTexts.cpp and NumbersPageTexts.cpp; the texts shared by all pages stay with the code
// that shows them.

#include "engine/PageKind.h"
#include "engine/RunTitles.h"

namespace dirforge::engine {

/// The titles of the messages a page shows itself; a title the page never shows is nullptr.
struct PageMessageTitles {
    const char* destinationEmpty = nullptr; // destination accepted empty
    const char* viewEmpty = nullptr;        // "View" with an empty destination
    const char* addEmpty = nullptr;         // "Add item" with a blank entry
    const char* addInInclude = nullptr;     // entry already in INCLUDE
    const char* addInExclude = nullptr;     // entry already in EXCLUDE
    const char* addHasDrive = nullptr;      // entry with a drive part (paths page: colons refused)
    const char* addIllegal =
        nullptr; // entry with illegal characters (paths page: any piece refused)
    const char* exportEmpty = nullptr; // INCLUDE "Export" with an empty list
    const char* prefixIllegal = nullptr;
    const char* suffixIllegal = nullptr;
    const char* structureDriveRoot = nullptr; // "Add Structure" picked a drive root
    const char* structureEmpty = nullptr;     // a structure to add is blank
    const char* structureImportNoLines = nullptr;
    const char* structureImportFull = nullptr; // full-path check of an import failed
    const char* structureImportRelative = nullptr;
    const char* structureImportEnd = nullptr;
    const char* structureExportEmpty = nullptr;
    const char* structureEditRelative = nullptr; // relative-path check of the editor failed
    const char* structureEditFull = nullptr;
    const char* structureViewNone = nullptr;  // "View Selected" without a selection
    const char* structureDeleteSel = nullptr; // question
    const char* structureDeleteAllEmpty = nullptr;
    const char* structureDeleteAll = nullptr; // question
    const char* clearAllQuestion = nullptr;
    const char* clearAllDone = nullptr;
    const char* includeImportEnd = nullptr;
};

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
    PageMessageTitles page;
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
