// The paths page's message titles (page 4 of the creation pages: 400xx).

#include "engine/PageTexts.h"

namespace dirforge::engine {

namespace {

#define AREA "Creating Folder(s).-From a Folder List."
#define SIMULATE_AREA "Simulate Creating Folder(s).-From a Folder List."
#define UNDO_AREA "Creating Folder(s).- From a Folder List."
#define BLANKS "            "

// The paths page has no destination: its two destination titles are never shown. Its add
// handler shows 40003 for refused colons and 40004 for any piece that fails.
constexpr PageTexts kPathsPageTexts{
    .page =
        {
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
        },
    .pair =
        {
            .deleteExcludedEmptyText =
                "The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER to "
                "the EXCLUDE list to delete it.\n",
            .deleteExcludedEmptyTitle = AREA BLANKS "Warning no: 40018.",
            .deleteExcludedQuestionTitle = AREA BLANKS "Warning no: 40017.",
            .deleteAllEmptyTitle =
                "Creating Folder List(s).-From a Folder List." BLANKS "Warning no: 40019.",
            .deleteAllQuestionTitle =
                "Creating Folder List(s).-From a Folder List.             Warning no: 40020.",
        },
    .run =
        {
            .notEnoughSpace = AREA BLANKS "Information no: 40054.",
            .driveMissing = AREA BLANKS "Warning no: 40074.",
            .real =
                {
                    .noStructure = AREA BLANKS "Warning no: 40042.",
                    .question = AREA BLANKS "Information no: 40043.",
                    .sameSourceExisting = AREA BLANKS "Warning no: 40046.",
                    .sameSourceTemplates = AREA BLANKS "Warning no: 40047.",
                    .end = AREA BLANKS "Information no: 40048.",
                    .emptyList = AREA "           Warning no: 40049.",
                    .sizeMissingCreated = AREA BLANKS "Warning no: 4055.",
                    .sizeMissingExisting = AREA BLANKS "Warning no: 40056.",
                    .sizeMissingExistingText = "The path doesn't exist : \n",
                    .notMade = AREA BLANKS "Warning no: 40075.",
                },
            .simulation =
                {
                    .noStructure = SIMULATE_AREA BLANKS "Warning no: 40066.",
                    .question = SIMULATE_AREA BLANKS "Information no: 40067.",
                    .sameSourceExisting = SIMULATE_AREA BLANKS "Warning no: 40068.",
                    .sameSourceTemplates = AREA BLANKS "Warning no: 40069.",
                    .end = SIMULATE_AREA BLANKS "Information no: 40070.",
                    .emptyList = SIMULATE_AREA "           Warning no: 40071.",
                    .sizeMissingCreated = SIMULATE_AREA BLANKS "Warning no: 40072.",
                    .sizeMissingExisting = SIMULATE_AREA BLANKS "Warning no: 40073.",
                    .notMade = SIMULATE_AREA BLANKS "Warning no: 40076.",
                },
            .emptyListText = "The Include list is empty !!!\nYou must enter at least one Folder to "
                             "create folders.",
        },
    .undo =
        {
            .noUndo = UNDO_AREA BLANKS "Warning no: 40050.",
            .question = UNDO_AREA BLANKS "Information no: 40051.",
            .report = UNDO_AREA BLANKS "Information no: 40052.",
            .end = UNDO_AREA BLANKS "Information no: 40053.",
            .noUndoText = kNoUndoOtherPagesText,
        },
};

#undef AREA
#undef SIMULATE_AREA
#undef UNDO_AREA
#undef BLANKS

} // namespace

const PageTexts& PathsPageTexts() {
    return kPathsPageTexts;
}

} // namespace dirforge::engine
