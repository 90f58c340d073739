// The strings page's message titles (page 2 of the creation pages: 200xx).

#include "engine/PageTexts.h"

namespace dirforge::engine {

namespace {

#define AREA "Creating Folder(s).-From a String List."
#define SIMULATE_AREA "Simulate Creating Folder(s).-From a String List."
#define BLANKS "            "

constexpr PageTexts kStringsPageTexts{
    .page =
        {
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
        },
    .pair =
        {
            .deleteExcludedEmptyText =
                "The EXCLUDE list is empty !\nAction : You must enter at least one STRING to "
                "the EXCLUDE list to delete it.\n",
            .deleteExcludedEmptyTitle = AREA BLANKS "Warning no: 20023.",
            .deleteExcludedQuestionTitle = AREA BLANKS "Warning no: 20022.",
            .deleteAllEmptyTitle = AREA BLANKS "Warning no: 20024.",
            .deleteAllQuestionTitle = AREA BLANKS "Warning no: 20025.",
        },
    .run =
        {
            .notEnoughSpace = AREA BLANKS "Information no: 20059.",
            .driveMissing = AREA BLANKS "Warning no: 20079.",
            .real =
                {
                    .noStructure = AREA BLANKS "Warning no: 20047.",
                    .question =
                        "Creating Folder(s).-From  a String List." BLANKS "Information no: 20048.",
                    .sameSourceExisting = AREA BLANKS "Warning no: 20051.",
                    .sameSourceTemplates = AREA BLANKS "Warning no: 20052.",
                    .end = AREA BLANKS "Information no: 20053.",
                    .emptyList = AREA BLANKS "Warning no: 20054.",
                    .sizeMissingCreated = AREA BLANKS "Warning no: 20060.",
                    .sizeMissingExisting = AREA BLANKS "Warning no: 20061.",
                    .notMade = AREA BLANKS "Warning no: 20080.",
                },
            .simulation =
                {
                    .noStructure = SIMULATE_AREA BLANKS "Warning no: 20071.",
                    .question = SIMULATE_AREA BLANKS "Information no: 20072.",
                    .sameSourceExisting = "Simulate Creating Folder(s).-From a Folder List." BLANKS
                                          "Warning no: 20073.",
                    .sameSourceTemplates =
                        "Creating Folder(s).-From a Folder List." BLANKS "Warning no: 20074.",
                    .end = SIMULATE_AREA BLANKS "Information no: 20075.",
                    .emptyList = SIMULATE_AREA BLANKS "Warning no: 20076.",
                    .sizeMissingCreated = SIMULATE_AREA BLANKS "Warning no: 20077.",
                    .sizeMissingExisting = SIMULATE_AREA BLANKS "Warning no: 20078.",
                    .notMade = SIMULATE_AREA BLANKS "Warning no: 20081.",
                },
            .emptyListText = "The Include list is empty !!!\nYou must enter at least one item to "
                             "create folders.",
        },
    .undo =
        {
            .noUndo = AREA BLANKS "Warning no: 20055.",
            .question = AREA BLANKS "Information no: 20056.",
            .report = AREA BLANKS "Information no: 20057.",
            .end = AREA BLANKS "Information no: 20058.",
            .noUndoText = "No UNDO process !!!\nThere are no created folders (and files) !!!\nYou "
                          "must create at "
                          "least one folder to UNDO them.",
        },
};

#undef AREA
#undef SIMULATE_AREA
#undef BLANKS

} // namespace

const PageTexts& StringsPageTexts() {
    return kStringsPageTexts;
}

} // namespace dirforge::engine
