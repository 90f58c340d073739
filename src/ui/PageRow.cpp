#include "ui/PageRow.h"

namespace dirforge::ui {

namespace {

#define VOL02_AREA "Creating Folder(s).-From a String List."
#define BLANKS "            "

constexpr PageRow kStringsRow = {
    engine::PageKind::Strings,
    "Vol02",
    "btnVol02ListHelp",
    "btnVol02Statistic",
    HelpTopic::StringsPage,
    {
        VOL02_AREA BLANKS "Warning no: 20003.",       VOL02_AREA BLANKS "Warning no: 20004.",
        VOL02_AREA BLANKS "Warning no: 20006.",       VOL02_AREA BLANKS "Warning no: 20007.",
        VOL02_AREA BLANKS "Warning no: 20008.",       VOL02_AREA "          Warning no: 20009.",
        VOL02_AREA BLANKS "Warning no: 20010.",       VOL02_AREA BLANKS "Warning no: 20021.",
        VOL02_AREA BLANKS "Warning no: 20026.",       VOL02_AREA BLANKS "Warning no: 20027.",
        VOL02_AREA BLANKS "Warning no: 20029.",       VOL02_AREA BLANKS "Warning no: 20030.",
        VOL02_AREA "             Warning no: 20031.", VOL02_AREA BLANKS "Warning no: 20032.",
        VOL02_AREA BLANKS "Warning no: 20033.",       VOL02_AREA "           Warning no: 20052.",
        VOL02_AREA "             Warning no: 20036.", VOL02_AREA BLANKS "Warning no: 20037.",
        VOL02_AREA BLANKS "Warning no: 20038.",       VOL02_AREA BLANKS "Warning no: 20040.",
        VOL02_AREA BLANKS "Warning no: 20041.",       VOL02_AREA BLANKS "Warning no: 20042.",
        VOL02_AREA BLANKS "Warning no: 20043.",       VOL02_AREA BLANKS "Information no: 20044.",
        VOL02_AREA BLANKS "Information no: 20045.",   VOL02_AREA "           Warning no: 20051.",
    },
    "IncludeStrings",
    "ExcludeStrings",
    "AllFromInc",
    "AllFromExc",
    core::NameList::Order::Alphabetical,
    &engine::StringsPagePairTexts,
};

#define VOL04_AREA "Creating Folder(s).-From a Folder List."

// The paths page has no destination: its two destination titles are never shown. Its add
// handler shows 40003 for refused colons and 40004 for any piece that fails.
constexpr PageRow kPathsRow = {
    engine::PageKind::Paths,
    "Vol04",
    "btnVol04Help",
    "btnVol04Statistics",
    HelpTopic::PathsPage,
    {
        VOL04_AREA,
        VOL04_AREA,
        VOL04_AREA BLANKS "Warning no: 40002.",
        VOL04_AREA BLANKS "Warning no: 40004.",
        VOL04_AREA BLANKS "Warning no: 40004.",
        VOL04_AREA BLANKS "Warning no: 40003.",
        VOL04_AREA BLANKS "Warning no: 40004.",
        VOL04_AREA BLANKS "Warning no: 40016.",
        VOL04_AREA BLANKS "Warning no: 40021.",
        VOL04_AREA BLANKS "Warning no: 40022.",
        VOL04_AREA BLANKS "Warning no: 50024.",
        VOL04_AREA,
        VOL04_AREA "             Warning no: 40026.",
        VOL04_AREA BLANKS "Warning no: 40028.",
        VOL04_AREA BLANKS "Warning no: 40028.",
        VOL04_AREA "           Warning no: 40052.",
        VOL04_AREA "             Warning no: 40031.",
        "Creating Folder(s).- From a Folder List - Level." BLANKS "Warning no: 40032.",
        "Creating Folder(s).- From a Folder List - Level." BLANKS "Warning no: 40032.",
        VOL04_AREA BLANKS "Warning no: 40035.",
        VOL04_AREA BLANKS "Warning no: 40036.",
        VOL04_AREA "." BLANKS "Warning no: 40038.",
        VOL04_AREA BLANKS "Warning no: 40039.",
        VOL04_AREA BLANKS "Information no: 40040",
        VOL04_AREA "           Warning no: 40041.",
        VOL04_AREA "           Warning no: 40051.",
    },
    "IncludeFolderList",
    "ExcludeFolderList",
    "AllfromInc",
    "AllfromExc",
    core::NameList::Order::Insertion,
    &engine::PathsPagePairTexts,
};

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
    .noStructureSelectedText =
        "There is no selected Folder Structure !\nAction : You must select a Folder with subfolders structure.",
    .createButton = " CREATE Folders / F. Structures",
    .clearAllButton = " Clear  All",
    .showExplorerBox = false,
};

#define VOL03_AREA "Creating Folder(s).-Increased Numbers."
#define TABS "\t\t\t"

// The numbers page has no INCLUDE/EXCLUDE pair: the pair's titles and roles stay empty. Its
// structure import and editor take relative paths only, so both checks share one title each.
constexpr PageRow kNumbersRow = {
    .kind = engine::PageKind::Numbers,
    .infix = "Vol03",
    .helpButton = "btnVol03Help",
    .statisticButton = "btnVol03Statistics",
    .helpTopic = HelpTopic::NumbersPage,
    .titles =
        {
            .destinationEmpty = VOL03_AREA TABS "Warning no: 30002.",
            .viewEmpty = VOL03_AREA TABS "Warning no: 30003.",
            .addEmpty = nullptr,
            .addInInclude = nullptr,
            .addInExclude = nullptr,
            .addHasDrive = nullptr,
            .addIllegal = nullptr,
            .exportEmpty = nullptr,
            .prefixIllegal = VOL03_AREA BLANKS "Warning no: 30004.",
            .suffixIllegal = "Creating Folder(s).-Increased numbers." BLANKS "Warning no: 30005.",
            .structureDriveRoot = VOL03_AREA BLANKS "Warning no: 30011.",
            .structureEmpty = VOL03_AREA TABS "Warning no: 30013.",
            .structureImportNoLines = "Creating Folder(s).- Increased Numbers.             Warning no: 30014.",
            .structureImportFull = VOL03_AREA BLANKS "Warning no: 30016.",
            .structureImportRelative = VOL03_AREA BLANKS "Warning no: 30016.",
            .structureImportEnd = VOL03_AREA "           Warning no: 30051.",
            .structureExportEmpty = VOL03_AREA "             Warning no: 30019.",
            .structureEditRelative = "Creating Folder(s).- Increased Numbers." BLANKS "Warning no: 30023.",
            .structureEditFull = "Creating Folder(s).- Increased Numbers." BLANKS "Warning no: 30023.",
            .structureViewNone = VOL03_AREA TABS "Warning no: 30013.",
            .structureDeleteSel = VOL03_AREA TABS "Warning no: 30020.",
            .structureDeleteAllEmpty = VOL03_AREA BLANKS "Warning no: 30021.",
            .structureDeleteAll = VOL03_AREA BLANKS "Warning no: 30022.",
            .clearAllQuestion = VOL03_AREA BLANKS "Information no: 30008.",
            .clearAllDone = VOL03_AREA BLANKS "Information no: 30009.",
            .includeImportEnd = nullptr,
        },
    .includeListRole = nullptr,
    .excludeListRole = nullptr,
    .allFromIncRole = nullptr,
    .allFromExcRole = nullptr,
    .listOrder = core::NameList::Order::Insertion,
    .pairTexts = nullptr,
};

constexpr PageCaptions kNumbersCaptions{
    .hyphen = "Hyphen between Prefix-Increased Number-Suffix.",
    .fullPathsRadio = "Existing Folder Structures (Hard Drive...).",
    .mainFolderWithFiles = "Main Folders and their Subfolders - With Files.",
    .deleteSelButton = "Delete Sel.",
    .noStructureSelectedText =
        "There is no selected Folder Structure !\nAction : You must select a folder with subfolder structure.",
    .createButton = "  CREATE Folders /   F. Structures",
    .hyphenHint = "Hyphen between Prefix-Increased Number-Suffix.",
    .destinationEmptyText = "The selection field is empty !\nAction : You must select a destination folder.",
};

#undef VOL03_AREA
#undef TABS
#undef VOL02_AREA
#undef VOL04_AREA
#undef BLANKS

} // namespace

const PageRow& StringsPageRow() { return kStringsRow; }
const PageRow& PathsPageRow() { return kPathsRow; }
const PageRow& NumbersPageRow() { return kNumbersRow; }

const PageCaptions& PageRow::captions() const {
    switch (kind) {
    case engine::PageKind::Paths: return kPathsCaptions;
    case engine::PageKind::Numbers: return kNumbersCaptions;
    default: return kDefaultCaptions;
    }
}

QString ControlName(const PageRow& row, const char* kind, const char* role) {
    return QString::fromLatin1(kind) + QString::fromLatin1(row.infix) + QString::fromLatin1(role);
}

} // namespace dirforge::ui
