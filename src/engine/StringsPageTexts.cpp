// The strings page's engine-shown message titles (pair, runs, undo) (page 2 of the creation pages:
// 200xx).

#include "engine/PageTexts.h"

namespace dirforge::engine {

namespace {

#define AREA "Creating Folder(s).-From a String List."
#define SIMULATE_AREA "Simulate Creating Folder(s).-From a String List."
#define BLANKS "            "

constexpr PageTexts kStringsPageTexts{
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
