// The strings page's own message titles (200xx): the messages the page's window shows itself.

#include "ui/pages/strings/StringsPageTitles.h"

namespace dirforge::ui {

namespace {

#define AREA "Creating Folder(s).-From a String List."
#define BLANKS "            "

constexpr PageMessageTitles kStringsPageTitles{
    .destinationEmpty = AREA BLANKS "Warning no: 20003.",
    .viewEmpty = AREA BLANKS "Warning no: 20004.",
    .addEmpty = AREA BLANKS "Warning no: 20006.",
    .addInInclude = AREA BLANKS "Warning no: 20007.",
    .addInExclude = AREA BLANKS "Warning no: 20008.",
    .addHasDrive = AREA "          Warning no: 20009.",
    .addIllegal = AREA BLANKS "Warning no: 20010.",
    .exportEmpty = AREA BLANKS "Warning no: 20021.",
    .prefixIllegal = AREA BLANKS "Warning no: 20026.",
    .suffixIllegal = AREA BLANKS "Warning no: 20027.",
    .structureDriveRoot = AREA BLANKS "Warning no: 20029.",
    .structureEmpty = AREA BLANKS "Warning no: 20030.",
    .structureImportNoLines = AREA "             Warning no: 20031.",
    .structureImportFull = AREA BLANKS "Warning no: 20032.",
    .structureImportRelative = AREA BLANKS "Warning no: 20033.",
    .structureImportEnd = AREA "           Warning no: 20052.",
    .structureExportEmpty = AREA "             Warning no: 20036.",
    .structureEditRelative = AREA BLANKS "Warning no: 20037.",
    .structureEditFull = AREA BLANKS "Warning no: 20038.",
    .structureViewNone = AREA BLANKS "Warning no: 20040.",
    .structureDeleteSel = AREA BLANKS "Warning no: 20041.",
    .structureDeleteAllEmpty = AREA BLANKS "Warning no: 20042.",
    .structureDeleteAll = AREA BLANKS "Warning no: 20043.",
    .clearAllQuestion = AREA BLANKS "Information no: 20044.",
    .clearAllDone = AREA BLANKS "Information no: 20045.",
    .includeImportEnd = AREA "           Warning no: 20051.",
};

#undef AREA
#undef BLANKS

} // namespace

const PageMessageTitles& StringsPageTitles() {
    return kStringsPageTitles;
}

} // namespace dirforge::ui
