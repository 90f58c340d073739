#pragma once
// The shape of a page's run titles and the run texts all pages share. Each page's titles are in
// its table (engine/PageTexts.h), so the run itself is written once.

#include "engine/PageKind.h"

namespace dirforge::engine {

/// Texts shared by all pages.
inline constexpr const char* kNoStructureText =
    "There is no additional Subfolder structure. !\nAction : You must add at least one Subfolder "
    "structure.";
inline constexpr const char* kCreateQuestionText = "Do you want to create folders ?\n";
inline constexpr const char* kSimulationQuestionText =
    "Simulation shows you the complete Folder Creation process \nwithout actually creating them on "
    "the hard "
    "drive.\n\nThis allows you to see the process in real time, eliminate errors or export\nResult "
    "Folder/File lists - all without compromising existing Folder Structures.\n";
inline constexpr const char* kCreateEndText = "End of Creating Folders/Files !!!";
inline constexpr const char* kSimulationEndText =
    "End of Simulation !!!\n\nNo actual Folders were Created because of Simulation.\nThe purpose "
    "of the "
    "Simulation is to show the Complete Folder creation process\n without actually creating them "
    "on the hard "
    "drive.\n\nIf You want to Create Folders, use the Create Folders button.";
inline constexpr const char* kSizeMissingText = "The path doesn't exists : \n";
inline constexpr const char* kStartAboveEndText =
    "The Start Number is greater then the End one.!\nAction : You must enter a Start number that "
    "is smaller "
    "than the End one.";
inline constexpr const char* kEndBelowStartText =
    "The Start Number is greater then the End one.!\nAction : You must enter an End number that is "
    "greater "
    "than the Start one.";

/// Titles of one kind of run (real or simulated) on one page.
struct RunKindTitles {
    const char* noStructure = "";         // a mode other than Attach Nothing and no structure
    const char* question = "";            // the confirmation before the run
    const char* sameSourceExisting = "";  // CheckSameSource refused a structure folder
    const char* sameSourceTemplates = ""; // CheckSameSource refused a template line
    const char* end = "";                 // the run's closing information
    const char* emptyList = "";           // empty include list (not on the numbers page)
    const char* startAboveEnd = "";       // numbers page: stored start above stored end
    const char* endBelowStart = "";       // numbers page: re-read end below re-read start
    const char* sizeMissingCreated = "";  // copy: file (would be) created, size not in FileSizeMap
    const char* sizeMissingExisting = ""; // copy: file not copied / exists, size not in FileSizeMap
    const char* sizeMissingExistingText = kSizeMissingText;
    const char* notMade = ""; // subfolders or files below the new folders not made
};

/// One page's row: titles of its real run, of its simulation, and its own wordings.
struct RunTitles {
    const char* notEnoughSpace = "";
    const char* driveMissing = ""; // the destination's drive (or an entry's) is not there
    RunKindTitles real;
    RunKindTitles simulation;
    const char* emptyListText = "";
};

} // namespace dirforge::engine
