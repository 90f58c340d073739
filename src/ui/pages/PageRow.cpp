#include "ui/pages/PageRow.h"

#include "ui/pages/PageInfixes.h"
#include "ui/pages/numbers/NumbersPageTitles.h"
#include "ui/pages/paths/PathsPageTitles.h"
#include "ui/pages/strings/StringsPageTitles.h"

namespace dirforge::ui {

namespace {

constexpr PageCaptions kDefaultCaptions{};

constexpr PageCaptions kPathsCaptions{
    .entryLabel = "Path :",
    .entryHint = "Add Folder Name with Path to the List",
    .addButton = "Add Folder",
    .addButtonHint = "Add the folder(s) to the INCLUDE list.",
    .includeCaption = "Include Folder list",
    .excludeCaption = "Exclude Folder List.",
    .deleteExcludeAllHint = "Delete All the Folders from the EXCLUDE List",
    .hyphen = "Hyphen",
    .fullPathsRadio = "Existing Folder Structures (Hard Drive...).",
    .relativePathsRadio = " Folder Struct. In Text Files (No Drive Letter).",
    .mainFolderWithFiles = "Main Folders and their Subfolders - With Files.",
    .deleteSelButton = "Delete Sel.",
    .noStructureSelectedText = "There is no selected Folder Structure !\nAction : You must select "
                               "a Folder with subfolders structure.",
    .createButton = " CREATE Folders / F. Structures",
    .clearAllButton = " Clear  All",
    .showExplorerBox = false,
    .clearAllDoneKind = platform::MessageKind::Warning,
};

constexpr PageCaptions kNumbersCaptions{
    .hyphen = "Hyphen between Prefix-Increased Number-Suffix.",
    .fullPathsRadio = "Existing Folder Structures (Hard Drive...).",
    .mainFolderWithFiles = "Main Folders and their Subfolders - With Files.",
    .deleteSelButton = "Delete Sel.",
    .noStructureSelectedText = "There is no selected Folder Structure !\nAction : You must select "
                               "a folder with subfolder structure.",
    .createButton = "  CREATE Folders /   F. Structures",
    .hyphenHint = "Hyphen between Prefix-Increased Number-Suffix.",
    .destinationEmptyText =
        "The selection field is empty !\nAction : You must select a destination folder.",
    .hyphenCheckedAfterClearAll = false,
    .clearAllDoneText = "End of the CLEAR FIELDS process !!!",
};

} // namespace

// The rows are built on first use: their titles come from the pages' own tables.
const PageRow& StringsPageRow() {
    static const PageRow row{
        engine::PageKind::Strings,
        "ListHelp",
        "Statistic",
        HelpTopic::StringsPage,
        StringsPageTitles(),
        "IncludeStrings",
        "ExcludeStrings",
        "AllFromInc",
        "AllFromExc",
        core::NameList::Order::Alphabetical,
    };
    return row;
}

const PageRow& PathsPageRow() {
    static const PageRow row{
        engine::PageKind::Paths,
        "Help",
        "Statistics",
        HelpTopic::PathsPage,
        PathsPageTitles(),
        "IncludeFolderList",
        "ExcludeFolderList",
        "AllfromInc",
        "AllfromExc",
        core::NameList::Order::Insertion,
    };
    return row;
}

// The numbers page has no INCLUDE/EXCLUDE pair: the pair's roles stay empty.
const PageRow& NumbersPageRow() {
    static const PageRow row{
        .kind = engine::PageKind::Numbers,
        .helpRole = "Help",
        .statisticRole = "Statistics",
        .helpTopic = HelpTopic::NumbersPage,
        .titles = NumbersPageTitles(),
        .includeListRole = nullptr,
        .excludeListRole = nullptr,
        .allFromIncRole = nullptr,
        .allFromExcRole = nullptr,
        .listOrder = core::NameList::Order::Insertion,
    };
    return row;
}

const PageCaptions& PageRow::captions() const {
    switch (kind) {
    case engine::PageKind::Paths:
        return kPathsCaptions;
    case engine::PageKind::Numbers:
        return kNumbersCaptions;
    default:
        return kDefaultCaptions;
    }
}

QString ControlName(const PageRow& row, const char* kind, const char* role) {
    return QString::fromLatin1(kind) + QString::fromLatin1(InfixesOf(row.kind).vol) +
           QString::fromLatin1(role);
}

} // namespace dirforge::ui
