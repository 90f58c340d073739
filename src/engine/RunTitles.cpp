#include "engine/RunTitles.h"

namespace dirforge::engine {

namespace {

const RunTitles kStringsTitles{
    .notEnoughSpace = "Creating Folder(s).-From a String List.            Information no: 20059.",
    .driveMissing = "Creating Folder(s).-From a String List.            Warning no: 20079.",
    .real =
        {
            .noStructure = "Creating Folder(s).-From a String List.            Warning no: 20047.",
            .question =
                "Creating Folder(s).-From  a String List.            Information no: 20048.",
            .sameSourceExisting =
                "Creating Folder(s).-From a String List.            Warning no: 20051.",
            .sameSourceTemplates =
                "Creating Folder(s).-From a String List.            Warning no: 20052.",
            .end = "Creating Folder(s).-From a String List.            Information no: 20053.",
            .emptyList = "Creating Folder(s).-From a String List.            Warning no: 20054.",
            .sizeMissingCreated =
                "Creating Folder(s).-From a String List.            Warning no: 20060.",
            .sizeMissingExisting =
                "Creating Folder(s).-From a String List.            Warning no: 20061.",
            .notMade = "Creating Folder(s).-From a String List.            Warning no: 20080.",
        },
    .simulation =
        {
            .noStructure =
                "Simulate Creating Folder(s).-From a String List.            Warning no: 20071.",
            .question = "Simulate Creating Folder(s).-From a String List.            Information "
                        "no: 20072.",
            .sameSourceExisting =
                "Simulate Creating Folder(s).-From a Folder List.            Warning no: 20073.",
            .sameSourceTemplates =
                "Creating Folder(s).-From a Folder List.            Warning no: 20074.",
            .end = "Simulate Creating Folder(s).-From a String List.            Information no: "
                   "20075.",
            .emptyList =
                "Simulate Creating Folder(s).-From a String List.            Warning no: 20076.",
            .sizeMissingCreated =
                "Simulate Creating Folder(s).-From a String List.            Warning no: 20077.",
            .sizeMissingExisting =
                "Simulate Creating Folder(s).-From a String List.            Warning no: 20078.",
            .notMade =
                "Simulate Creating Folder(s).-From a String List.            Warning no: 20081.",
        },
    .emptyListText =
        "The Include list is empty !!!\nYou must enter at least one item to create folders.",
};

const RunTitles kPathsTitles{
    .notEnoughSpace = "Creating Folder(s).-From a Folder List.            Information no: 40054.",
    .driveMissing = "Creating Folder(s).-From a Folder List.            Warning no: 40074.",
    .real =
        {
            .noStructure = "Creating Folder(s).-From a Folder List.            Warning no: 40042.",
            .question = "Creating Folder(s).-From a Folder List.            Information no: 40043.",
            .sameSourceExisting =
                "Creating Folder(s).-From a Folder List.            Warning no: 40046.",
            .sameSourceTemplates =
                "Creating Folder(s).-From a Folder List.            Warning no: 40047.",
            .end = "Creating Folder(s).-From a Folder List.            Information no: 40048.",
            .emptyList = "Creating Folder(s).-From a Folder List.           Warning no: 40049.",
            .sizeMissingCreated =
                "Creating Folder(s).-From a Folder List.            Warning no: 4055.",
            .sizeMissingExisting =
                "Creating Folder(s).-From a Folder List.            Warning no: 40056.",
            .sizeMissingExistingText = "The path doesn't exist : \n",
            .notMade = "Creating Folder(s).-From a Folder List.            Warning no: 40075.",
        },
    .simulation =
        {
            .noStructure =
                "Simulate Creating Folder(s).-From a Folder List.            Warning no: 40066.",
            .question = "Simulate Creating Folder(s).-From a Folder List.            Information "
                        "no: 40067.",
            .sameSourceExisting =
                "Simulate Creating Folder(s).-From a Folder List.            Warning no: 40068.",
            .sameSourceTemplates =
                "Creating Folder(s).-From a Folder List.            Warning no: 40069.",
            .end = "Simulate Creating Folder(s).-From a Folder List.            Information no: "
                   "40070.",
            .emptyList =
                "Simulate Creating Folder(s).-From a Folder List.           Warning no: 40071.",
            .sizeMissingCreated =
                "Simulate Creating Folder(s).-From a Folder List.            Warning no: 40072.",
            .sizeMissingExisting =
                "Simulate Creating Folder(s).-From a Folder List.            Warning no: 40073.",
            .notMade =
                "Simulate Creating Folder(s).-From a Folder List.            Warning no: 40076.",
        },
    .emptyListText =
        "The Include list is empty !!!\nYou must enter at least one Folder to create folders.",
};

const RunTitles kNumbersTitles{
    .notEnoughSpace = "Creating Folder(s).-Increased Numbers.            Information no: 30040.",
    .driveMissing = "Creating Folder(s).-Increased Numbers.            Warning no: 30058.",
    .real =
        {
            .noStructure = "Creating Folder(s).-Increased Numbers.\t\t\tWarning no: 30029.",
            .question = "Creating Folder(s).- Increased Numbers.            Information no: 30030.",
            .sameSourceExisting = "Creating Folder(s).-Increased Numbers.\t\t\tWarning no: 30032.",
            .sameSourceTemplates =
                "Creating Folder(s).-From a Folder List.            Warning no: 30033.",
            .end = "Creating Folder(s).-Increased Numbers.            Information no: 30034.",
            .startAboveEnd = "Creating Folder(s).-Increased Numbers.    Warning no: 30027.",
            .endBelowStart = "Creating Folder(s).-Increased Numbers.    Warning no: 30035.",
            .sizeMissingCreated =
                "Creating Folder(s).-Increased Numbers.            Warning no: 30041.",
            .sizeMissingExisting =
                "Creating Folder(s).-Increased Numbers.            Warning no: 30042.",
            .notMade = "Creating Folder(s).-Increased Numbers.            Warning no: 30059.",
        },
    .simulation =
        {
            .noStructure =
                "Simulate Creating Folder(s).-Increased Numbers.\t\t\tWarning no: 30050.",
            .question = "Simulate Creating Folder(s).- Increased Numbers.            Information "
                        "no: 30051.",
            .sameSourceExisting =
                "Simulate Creating Folder(s).-Increased Numbers.\t\t\tWarning no: 30052.",
            .sameSourceTemplates =
                "Creating Folder(s).- Increased Numbers.            Warning no: 30053.",
            .end =
                "Simulate Creating Folder(s).-Increased Numbers.            Information no: 30054.",
            .startAboveEnd =
                "Simulate Creating Folder(s).-Increased Numbers.    Warning no: 30049.",
            .endBelowStart =
                "Simulate Creating Folder(s).-Increased Numbers.    Warning no: 30055.",
            .sizeMissingCreated =
                "Simulate Creating Folder(s).-Increased Numbers.            Warning no: 30056.",
            .sizeMissingExisting =
                "Simulate Creating Folder(s).-Increased Numbers.            Warning no: 30057.",
            .notMade =
                "Simulate Creating Folder(s).-Increased Numbers.            Warning no: 30060.",
        },
};

} // namespace

const RunTitles& TitlesFor(PageKind page) {
    switch (page) {
    case PageKind::Strings:
        return kStringsTitles;
    case PageKind::Paths:
        return kPathsTitles;
    case PageKind::Numbers:
        break;
    }
    return kNumbersTitles;
}

} // namespace dirforge::engine
