// The increased-numbers page's own message titles (300xx): the messages the page's window shows
// itself.

#include "ui/pages/numbers/NumbersPageTitles.h"

namespace dirforge::ui {

namespace {

#define AREA "Creating Folder(s).-Increased Numbers."
#define BLANKS "            "
#define TABS "\t\t\t"

constexpr PageMessageTitles kNumbersPageTitles{
    .destinationEmpty = AREA TABS "Warning no: 30002.",
    .viewEmpty = AREA TABS "Warning no: 30003.",
    .prefixIllegal = AREA BLANKS "Warning no: 30004.",
    .suffixIllegal = "Creating Folder(s).-Increased numbers." BLANKS "Warning no: 30005.",
    .structureDriveRoot = AREA BLANKS "Warning no: 30011.",
    .structureEmpty = AREA TABS "Warning no: 30013.",
    .structureImportNoLines =
        "Creating Folder(s).- Increased Numbers.             Warning no: 30014.",
    .structureImportFull = AREA BLANKS "Warning no: 30016.",
    .structureImportRelative = AREA BLANKS "Warning no: 30016.",
    .structureImportEnd = AREA "           Warning no: 30051.",
    .structureExportEmpty = AREA "             Warning no: 30019.",
    .structureEditRelative = "Creating Folder(s).- Increased Numbers." BLANKS "Warning no: 30023.",
    .structureEditFull = "Creating Folder(s).- Increased Numbers." BLANKS "Warning no: 30023.",
    .structureViewNone = AREA TABS "Warning no: 30013.",
    .structureDeleteSel = AREA TABS "Warning no: 30020.",
    .structureDeleteAllEmpty = AREA BLANKS "Warning no: 30021.",
    .structureDeleteAll = AREA BLANKS "Warning no: 30022.",
    .clearAllQuestion = AREA BLANKS "Information no: 30008.",
    .clearAllDone = AREA BLANKS "Information no: 30009.",
};

#undef AREA
#undef BLANKS
#undef TABS

} // namespace

const PageMessageTitles& NumbersPageTitles() {
    return kNumbersPageTitles;
}

} // namespace dirforge::ui
