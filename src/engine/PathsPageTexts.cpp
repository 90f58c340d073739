// The paths page's engine-shown message titles (pair, runs, undo) (page 4 of the creation pages:
// 400xx).

#include "engine/PageTexts.h"

namespace dirforge::engine {

namespace {

#define AREA "Creating Folder(s).-From a Folder List."
#define SIMULATE_AREA "Simulate Creating Folder(s).-From a Folder List."
#define UNDO_AREA "Creating Folder(s).- From a Folder List."
#define BLANKS "            "

constexpr PageTexts kPathsPageTexts{
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
