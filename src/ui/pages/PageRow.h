#pragma once
// What differs between the creation pages' shared pieces: control names, hints and the page's own
// message titles (from the page's table in its folder). One row per page; the pieces read
// everything page-specific from it.

#include "core/NameList.h"
#include "engine/PageKind.h"
#include "platform/Prompt.h"
#include "ui/app/HelpTopics.h"
#include "ui/pages/PageMessageTitles.h"

#include <QString>

namespace dirforge::ui {

/// Captions, hints and the few message texts of the shared pieces that differ between the pages;
/// the defaults are the strings page's.
struct PageCaptions {
    const char* entryLabel = "Item :";
    const char* entryHint =
        "Enter  item(s) to the INCLUDE  list (Press <ENTER> key or <Add> button).";
    const char* addButton = "Add item";
    const char* addButtonHint = "Add the item to the INCLUDE list.";
    const char* includeCaption = "INCLUDE list";
    const char* excludeCaption = "EXCLUDE list";
    const char* deleteExcludeAllHint = "Delete All the Strings from the EXCLUDE List";
    const char* hyphen = "Hyphen.";
    const char* fullPathsRadio = "Existing Folder Structures (Hard Drive ...).";
    const char* relativePathsRadio = "Folder Struct. in Text Files (No Drive Letter).";
    const char* mainFolderWithFiles = "Main Folders and Subfolders - With Files.";
    const char* deleteSelButton = "Delete Sel";
    const char* noStructureSelectedText = "There is no selected Folder Structure !\nAction : You "
                                          "must select a folder with subfolders structure.";
    const char* createButton = "CREATE Folders / F. Structures";
    const char* clearAllButton = "Clear All";
    /// "Show Explorer" (chkVol0XViewDestFolder): only pages with a destination have it.
    bool showExplorerBox = true;
    const char* hyphenHint = "Hyphen between Prefix-List Item-Suffix.";
    /// A destination accepted empty (browse cancelled, or an empty entry selected).
    const char* destinationEmptyText =
        "The selection field is empty !\nAction : You must select a Destination Folder.";
    /// Clear All: the hyphen box afterwards, and the end message's text and kind.
    bool hyphenCheckedAfterClearAll = true;
    const char* clearAllDoneText = "End of the CLEAR FIELDS process !!!\n";
    platform::MessageKind clearAllDoneKind = platform::MessageKind::Information;
};

/// One page's row: its kind (which gives its name infix, ui/PageInfixes.h), the roles that differ
/// between the pages' names, its help topic and its titles.
struct PageRow {
    engine::PageKind kind;
    const char* helpRole;      // btnVol02ListHelp, btnVol04Help, btnVol03Help
    const char* statisticRole; // btnVol02Statistic, btnVol04Statistics, btnVol03Statistics
    HelpTopic helpTopic;
    const PageMessageTitles& titles; // the page's own titles, from its table
    // The INCLUDE/EXCLUDE pair (strings and paths pages).
    const char* includeListRole; // lstVol02IncludeStrings
    const char* excludeListRole;
    const char* allFromIncRole; // btnVol02AllFromInc, btnVol04AllfromInc
    const char* allFromExcRole;
    core::NameList::Order listOrder;

    /// The page's captions for the shared pieces.
    const PageCaptions& captions() const;
};

/// The strings page's row.
const PageRow& StringsPageRow();
/// The paths page's row.
const PageRow& PathsPageRow();
/// The increased-numbers page's row.
const PageRow& NumbersPageRow();

/// A control name of the page: kind + the page's Vol infix + role, e.g. ("btn", "CreateFolders")
/// -> btnVol02CreateFolders.
QString ControlName(const PageRow& row, const char* kind, const char* role);

/// Horizontal scroll extent of a page's lists, in pixels.
inline constexpr int kPageListExtent = 3000;

/// Page texts shared by the pages' messages.
inline constexpr const char* kViewEmptyText =
    "The selection field is empty !\nAction : You must select a destination folder.";
inline constexpr const char* kImportEndText = "End of the Import Process !!!\n";
inline constexpr const char* kImportNoLinesText = "Empty Result List in the File Import Window!\n";
inline constexpr const char* kInIncludeText = "This item already exists in the Include list !";
inline constexpr const char* kInExcludeText = "This item already exists in the Exclude list !";
inline constexpr const char* kIncludeEmptyText = "The Include List is empty !\n";
inline constexpr const char* kClearAllQuestionText =
    "You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick NO to Stop "
    "the delete process.";

} // namespace dirforge::ui
