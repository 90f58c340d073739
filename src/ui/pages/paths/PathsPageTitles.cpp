// The paths page's own message titles (400xx): the messages the page's window shows itself.

#include "ui/pages/paths/PathsPageTitles.h"

namespace dirforge::ui {

namespace {

#define AREA "Creating Folder(s).-From a Folder List."
#define BLANKS "            "

// The paths page has no destination: its two destination titles are never shown. Its add
// handler shows 40003 for refused colons and 40004 for any piece that fails.
constexpr PageMessageTitles kPathsPageTitles{
    .destinationEmpty = AREA,
    .viewEmpty = AREA,
    .addEmpty = AREA BLANKS "Warning no: 40002.",
    .addInInclude = AREA BLANKS "Warning no: 40004.",
    .addInExclude = AREA BLANKS "Warning no: 40004.",
    .addHasDrive = AREA BLANKS "Warning no: 40003.",
    .addIllegal = AREA BLANKS "Warning no: 40004.",
    .exportEmpty = AREA BLANKS "Warning no: 40016.",
    .prefixIllegal = AREA BLANKS "Warning no: 40021.",
    .suffixIllegal = AREA BLANKS "Warning no: 40022.",
    .structureDriveRoot = AREA BLANKS "Warning no: 50024.",
    .structureEmpty = AREA,
    .structureImportNoLines = AREA "             Warning no: 40026.",
    .structureImportFull = AREA BLANKS "Warning no: 40028.",
    .structureImportRelative = AREA BLANKS "Warning no: 40028.",
    .structureImportEnd = AREA "           Warning no: 40052.",
    .structureExportEmpty = AREA "             Warning no: 40031.",
    .structureEditRelative =
        "Creating Folder(s).- From a Folder List - Level." BLANKS "Warning no: 40032.",
    .structureEditFull =
        "Creating Folder(s).- From a Folder List - Level." BLANKS "Warning no: 40032.",
    .structureViewNone = AREA BLANKS "Warning no: 40035.",
    .structureDeleteSel = AREA BLANKS "Warning no: 40036.",
    .structureDeleteAllEmpty = AREA "." BLANKS "Warning no: 40038.",
    .structureDeleteAll = AREA BLANKS "Warning no: 40039.",
    .clearAllQuestion = AREA BLANKS "Information no: 40040",
    .clearAllDone = AREA "           Warning no: 40041.",
    .includeImportEnd = AREA "           Warning no: 40051.",
    .includeImportNoLines = AREA "             Warning no: 40012.",
    .includeEditUnmapped = AREA BLANKS "Warning no: 40057.",
};

#undef AREA
#undef BLANKS

} // namespace

const PageMessageTitles& PathsPageTitles() {
    return kPathsPageTitles;
}

} // namespace dirforge::ui
