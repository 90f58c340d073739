// The increased-numbers page's engine-shown message titles (pair, runs, undo) (page 3 of the
// creation pages: 300xx).

#include "engine/PageTexts.h"

namespace dirforge::engine {

namespace {

#define AREA "Creating Folder(s).-Increased Numbers."
#define SIMULATE_AREA "Simulate Creating Folder(s).-Increased Numbers."
#define BLANKS "            "
#define TABS "\t\t\t"

// The numbers page has no INCLUDE/EXCLUDE pair and no entry field: those titles stay empty. Its
// structure import and editor take relative paths only, so both checks share one title each.
constexpr PageTexts kNumbersPageTexts{
    .pair = {},
    .run =
        {
            .notEnoughSpace = AREA BLANKS "Information no: 30040.",
            .driveMissing = AREA BLANKS "Warning no: 30058.",
            .real =
                {
                    .noStructure = AREA TABS "Warning no: 30029.",
                    .question =
                        "Creating Folder(s).- Increased Numbers." BLANKS "Information no: 30030.",
                    .sameSourceExisting = AREA TABS "Warning no: 30032.",
                    .sameSourceTemplates =
                        "Creating Folder(s).-From a Folder List." BLANKS "Warning no: 30033.",
                    .end = AREA BLANKS "Information no: 30034.",
                    .startAboveEnd = AREA "    Warning no: 30027.",
                    .endBelowStart = AREA "    Warning no: 30035.",
                    .sizeMissingCreated = AREA BLANKS "Warning no: 30041.",
                    .sizeMissingExisting = AREA BLANKS "Warning no: 30042.",
                    .notMade = AREA BLANKS "Warning no: 30059.",
                },
            .simulation =
                {
                    .noStructure = SIMULATE_AREA TABS "Warning no: 30050.",
                    .question = "Simulate Creating Folder(s).- Increased Numbers." BLANKS
                                "Information no: 30051.",
                    .sameSourceExisting = SIMULATE_AREA TABS "Warning no: 30052.",
                    .sameSourceTemplates =
                        "Creating Folder(s).- Increased Numbers." BLANKS "Warning no: 30053.",
                    .end = SIMULATE_AREA BLANKS "Information no: 30054.",
                    .startAboveEnd = SIMULATE_AREA "    Warning no: 30049.",
                    .endBelowStart = SIMULATE_AREA "    Warning no: 30055.",
                    .sizeMissingCreated = SIMULATE_AREA BLANKS "Warning no: 30056.",
                    .sizeMissingExisting = SIMULATE_AREA BLANKS "Warning no: 30057.",
                    .notMade = SIMULATE_AREA BLANKS "Warning no: 30060.",
                },
        },
    .undo =
        {
            .noUndo = AREA BLANKS "Warning no: 30036.",
            .question = AREA BLANKS "Information no: 30037.",
            .report = "Creating Folder(s).- Increased Numbers." BLANKS "Information no: 30038.",
            .end = AREA BLANKS "Information no: 30039.",
            .noUndoText = kNoUndoOtherPagesText,
        },
};

#undef AREA
#undef SIMULATE_AREA
#undef BLANKS
#undef TABS

} // namespace

const PageTexts& NumbersPageTexts() {
    return kNumbersPageTexts;
}

} // namespace dirforge::engine
