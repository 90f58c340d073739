#include "ui/results/VisualLogTwins.h"

#include "ui/pages/PageInfixes.h"

namespace dirforge::ui {
namespace {

using engine::PageKind;
using engine::ResultList;

constexpr VisualLogTwin kStrings{
    PageKind::Strings,
    "TfrmStatistic02",
    "Detailed results for creating folders from a list of strings.",
    "Simulate the Folder/File Creation Process.",
    "Normal/Simulate",
    {"Total Folders:", "Total Folders, Subfolders in structure:", "Files in structure"},
    "To Create:",
    "NOT created (other reasons):",
    "FOLDERS  NOT CREATED",
    "Creating Folder(s).-From a String List.",
    20065,
    "Folders - Failed UNDO",
    "Window to Zoom",
    "Folders Not Created  Other Reasons",
};

constexpr VisualLogTwin kPaths{
    PageKind::Paths,
    "TfrmStatistic04",
    "Detailed results for creating folders from a list of folders",
    "Simulate the Folder/File Simulation Process.",
    "Normal/Simulation",
    {"Total Folders", "Total Folders, subfolders in structure", "Total Files in structure"},
    "To create:",
    "NOT created (other reasons):",
    "FOLDERS  NOT CREATED",
    "Creating Folder(s).-From a Folder List.",
    40060,
    "Folders - Failed Undo",
    "Window to Zoom",
    "Folders Not Created Other Reasons",
};

constexpr VisualLogTwin kNumbers{
    PageKind::Numbers,
    "TfrmStatistic03",
    "Detailed results for creating folders using increased numbers.",
    "Simulate the Folder/File Creation Process.",
    "Normal/Simulate",
    {"Total Folders", "Total Folders, subfolders in structure", "Total Files in structure"},
    "To create:",
    "NOT created (other reasons)?",
    "FOLDERS NOT CREATED ",
    "Creating Folder(s).-Increased Numbers.",
    30043,
    "Folders - Failed Undo",
    "Windows to Zoom",
    "Folders Not Created  Other Reaosns",
};

constexpr const char* kZoomHint = "Zoom Windows from this page.";

const std::array<ResultListTwin, engine::ResultListCount> kLists{{
    {ResultList::FoldersCreated, "FoldersCreated", "Folders", "SmartExportFolders",
     "Export the List of Successfully Created Folder Names to a Text File.", "ZoomFoldersCreated",
     kZoomHint, "FoldersCreated", "Successfully Created FOLDERS.", "Successfully Created Folders",
     "The List of Successfully Created  Folder Names is empty !\nAction : You must create at least "
     "one Folder "
     "to use the Smart Export Feature."},
    {ResultList::SubFoldersCreated, "SubFoldersCreated",
     "Folders, subfolders in structure:", "SmartExportSubFolders",
     "Export the List of Successfully Created Subfolder Names to a Text File.",
     "ZoomSubFoldersCreated", kZoomHint, "SubFoldersCreated",
     "Successfully Created FOLDERS, SUBFOLDERS in Structure.", "Successfully Created Subfolders",
     "The List of Successfully Created  Subfolder Names is empty !\nAction : You must create at "
     "least one "
     "Subfolder to use the Smart Export Feature."},
    {ResultList::FilesCreated, "FilesCreated", "Files in structure:", "SmartExportFiles",
     "Export the List of Successfully Created File Names to a Text File.", "ZoomFilesCreated",
     kZoomHint, "FilesCreated", "Successfully Created FILES in Structure.",
     "Successfully Created Files",
     "The List of Successfully Created  File Names is empty !\nAction : You must create at least "
     "one File to "
     "use the Smart Export Feature."},
    {ResultList::FoldersExist, "FoldersExists", "Already exist", "SmartExportFoldersExists",
     "Export the List of Already Existed Foler Names to a Text File.", "ZoomFoldersExist",
     kZoomHint, "FoldersExist", "Folders Not Created - Already Exist.",
     "Not Created - Folders Already Exist",
     "The List of Already Created Folder Names is empty !\n"},
    {ResultList::FoldersOther, "FoldersOther", "Other reasons", "SmartExportFoldersOther",
     "Export the List of Uncreated Folder Names (that not created for other reasons) to a Text "
     "File.",
     "ZoomOtherReasons", kZoomHint, "OtherReasons", "Folders Not Created - Other Reasons.",
     "Folders Not Created  Other Reasons",
     "The List of Uncreated Folder Names (Not Created - Other reasons) is empty !\n"},
    {ResultList::FoldersFailedUndo, "FoldersFailedUndo", "Folders - Failed UNDO",
     "SmartExportFoldersFailedUndo", "Export (save) the Failed Undo Folder Names to a Text File.",
     "ZoomFoldersFailedUndo", "Zoom this Window.", "FoldersFailedUndo", "Folders - Failed UNDO",
     "Folders - Failed Undo", "The List of Failed UNDO Folder Names is empty !\n"},
}};

constexpr std::array<const char*, 4> kRowNames{"Folders", "SubFolders", "Files", "FilesSize"};
constexpr std::array<const char*, 4> kColumnNames{"ToCreate", "Created", "Exists", "Other"};

} // namespace

const VisualLogTwin& VisualLogTwinFor(engine::PageKind page) {
    switch (page) {
    case PageKind::Paths:
        return kPaths;
    case PageKind::Numbers:
        return kNumbers;
    case PageKind::Strings:
        break;
    }
    return kStrings;
}

const char* StatInfix(const VisualLogTwin& twin) {
    return InfixesOf(twin.page).stat;
}

const char* VolInfix(const VisualLogTwin& twin) {
    return InfixesOf(twin.page).vol;
}

std::string ZoomWindowName(const VisualLogTwin& twin) {
    return std::string("Tfrm") + VolInfix(twin) + "ZoomStatistics";
}

const ResultListTwin& ResultListTwinFor(engine::ResultList list) {
    return kLists[static_cast<std::size_t>(list)];
}

std::string CounterLabelName(const VisualLogTwin& twin, engine::CounterRow row,
                             engine::CounterColumn column) {
    return std::string("lbl") + StatInfix(twin) + kRowNames[static_cast<std::size_t>(row)] +
           kColumnNames[static_cast<std::size_t>(column)];
}

const char* ZoomTitleFor(const VisualLogTwin& twin, engine::ResultList list) {
    return list == ResultList::FoldersFailedUndo ? twin.failedUndoTitle
                                                 : ResultListTwinFor(list).zoomTitle;
}

const char* SelectorCaptionFor(const VisualLogTwin& twin, engine::ResultList list) {
    return list == ResultList::FoldersOther ? twin.otherSelector
                                            : ResultListTwinFor(list).selectorCaption;
}

std::string ExportWarningTitle(const VisualLogTwin& twin, engine::ResultList list) {
    const int number = twin.firstExportWarning + static_cast<int>(list);
    return std::string(twin.warningArea) + "            Warning no: " + std::to_string(number) +
           ".";
}

} // namespace dirforge::ui
