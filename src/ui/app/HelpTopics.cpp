#include "ui/app/HelpTopics.h"

namespace dirforge::ui {

namespace {

struct TopicText {
    const char* title;
    const char* text;
};

constexpr TopicText kOverview = {
    "Overview",
    "Dirforge creates many folders at once.\n\n"
    "Choose one of the three pages:\n"
    "  - Create Multiple Folders Using Strings: plain names (no drive letter) are created under "
    "one "
    "destination folder.\n"
    "  - Create Multiple Folders Using Paths: full paths with a drive letter are created with "
    "every "
    "missing parent folder, on any number of drives.\n"
    "  - Create Multiple Folders Using Increased Numbers: the whole numbers from a start to an end "
    "value, optionally padded with zeroes, are created under one destination folder.\n\n"
    "Drives: Dirforge writes paths with a drive letter and backslashes, such as f:\\Clients. c: is "
    "the root folder /, so /home/ann/Clients is c:\\home\\ann\\Clients. More letters come from "
    "the environment variable DIRFORGE_DRIVES, for example DIRFORGE_DRIVES='f=/srv/data' makes "
    "f:\\Clients the folder /srv/data/Clients. Every path field, list and import also takes host "
    "paths (/srv/data/Clients, ~/Clients) and turns them into drive paths.\n\n"
    "Every new folder can be framed by a prefix and a suffix, with or without hyphens "
    "(Prefix-Name-Suffix).\n\n"
    "To each NEWLY created folder you can attach a folder structure: a copy of existing folders "
    "taken from disk (with or without their top folder, with or without their files), or relative "
    "folder paths read from plain text files. A folder that already exists receives a structure "
    "only when \"Also complete folders that already exist.\" is ticked, and then only the parts "
    "it lacks; nothing is ever overwritten.\n\n"
    "With \"Replace {name} and {date} in names and structures.\" ticked, {name} becomes the new "
    "folder's name, {item} the list entry, {date} today's date (yyyy-mm-dd) and {yyyy}, {mm}, "
    "{dd} its parts: in the prefix, the suffix, template lines, the names of copied folders and "
    "files and inside small text files of a copied structure.\n\n"
    "Press Simulation first to see what would happen without writing anything. The Visual Log "
    "shows every target sorted into its result list: created folders, created subfolders, created "
    "files, folders that already existed and folders not created for other reasons.\n\n"
    "Undo removes what the last run of a page created: the created files first, then the created "
    "folders, deepest first, and only when they are empty. Anything that could not be removed is "
    "listed under \"Folders - Failed UNDO\" and tried again by the next Undo.",
};

constexpr TopicText kStringsPage = {
    "Create Multiple Folders Using Strings",
    "1. Press Browse (or pick an entry of the list) to choose the destination folder. A summary of "
    "the folder levels below it is shown.\n\n"
    "2. Fill the INCLUDE list: type a name and press Enter or \"Add item\", or use Import, Edit "
    "List "
    "or Zoom. Names have no drive letter; \"Clients\\A\" creates A inside Clients. Entries you do "
    "not "
    "want this time can be moved to the EXCLUDE list and back.\n\n"
    "3. Optionally enter a Prefix and a Suffix; tick \"Hyphen.\" to join them with hyphens "
    "(Prefix-Name-Suffix).\n\n"
    "4. Choose what to attach to each newly created folder: existing folder structures from disk, "
    "relative paths from plain text files (see Options), or nothing. Add the structures or "
    "template "
    "files to the Folder Structures/Templates window.\n\n"
    "   Tick \"Also complete folders that already exist.\" to give folders of the list that are "
    "there already the structure too: what they lack is made, what they hold is left as it is, "
    "and Undo removes only what the run made. Tick \"Replace {name} and {date} in names and "
    "structures.\" to have a structure folder named \"{name} Docs\" become \"Acme Docs\" in the "
    "folder Acme, and \"Client: {name}, {date}\" inside its text files become \"Client: Acme, \" "
    "and today's date. Files that are not text (or larger than 1 MiB) are copied as they are.\n\n"
    "5. Press Simulation to check the result without writing anything, then CREATE. Show Visual "
    "Log "
    "follows the run live; Show Explorer opens the destination afterwards.\n\n"
    "Undo removes what the last real run of this page created. Clear All empties the page's lists "
    "and sets its options back.",
};

constexpr TopicText kPathsPage = {
    "Create Multiple Folders Using Paths",
    "Every entry of the INCLUDE list is a full path with a drive letter, for example "
    "f:\\Clients\\Company01. The whole path is created, with every missing parent folder, so one "
    "list can create folders on several drives.\n\n"
    "Prefix, Suffix and \"Hyphen.\" frame only the last folder of each path: with prefix \"2024\" "
    "and a hyphen, f:\\Clients\\Company01 becomes f:\\Clients\\2024-Company01.\n\n"
    "Structures and templates are attached to each newly created last folder, as on the strings "
    "page; the two boxes below the attach choice complete existing folders and replace {name}, "
    "{item} and {date} as they do there ({name} is the last folder; {item}, the whole entry, fits "
    "inside text files only). "
    "Before copying files, the free space of every drive involved is checked.\n\n"
    "Press Simulation first to see which paths would be created, which already exist and which "
    "cannot be created, then CREATE. Undo removes what the last real run of this page created.",
};

constexpr TopicText kNumbersPage = {
    "Create Multiple Folders Using Increased Numbers",
    "Enter a start and an end number: one folder is created for every whole number from the start "
    "to the end value, under the chosen destination folder.\n\n"
    "Tick the zero-padding option to give every number the width of the end number (1 to 250 gives "
    "001 to 250), so the folders sort in order in a file manager.\n\n"
    "Prefix, Suffix and \"Hyphen.\" frame each number (Invoice-001-2024). Structures and templates "
    "are attached to each newly created folder, as on the strings page, and the two boxes below "
    "the attach choice complete existing folders and replace {name}, {item} (the number) and "
    "{date} as they do there.\n\n"
    "Press Simulation first, then CREATE. Undo removes what the last real run of this page "
    "created.",
};

constexpr TopicText kImport = {
    "Import a List from a Text File",
    "Open any text file and take its lines into a list.\n\n"
    "Plain text file: every line becomes one entry.\n"
    "Separated file: every line is split at the chosen delimiter (for example a comma, a semicolon "
    "or \"space\"); take one column or all columns. With \"space\", text between quotation marks "
    "is kept together.\n\n"
    "Names from several columns: type a pattern such as {1} {2} ({3}) into the column field. Every "
    "row gives one entry built from those columns and the text around them, so the row "
    "1001,\"Abbott, Ltd\",Leeds gives \"1001 Abbott, Ltd (Leeds)\". A column between double "
    "quotation marks keeps the delimiter inside it. Rows lacking a column of the pattern are left "
    "out and counted in the end message. Write {{ or }} for a brace itself.\n\n"
    "The preview shows what will be imported. An entry already in the list (ignoring letter case) "
    "is not added twice, and entries that do not suit the list (for example a drive letter in a "
    "list of plain names) are reported before anything is taken over.",
};

constexpr TopicText kExport = {
    "Export a List to a Text File",
    "Write the entries of a list or of a result list to a text file.\n\n"
    "Choose a plain text file (one entry per line) or a separated file (all entries joined by the "
    "chosen delimiter), with or without double quotes around each entry, with or without drive "
    "letters, and with backslashes or forward slashes.\n\n"
    "Press \"Export To...\" and choose the file; the save dialog asks before it replaces an "
    "existing file.",
};

constexpr TopicText kListEditors = {
    "Edit and Zoom Lists",
    "Edit opens a list as plain text, one entry per line: type, paste or delete freely, then "
    "accept to take the text back into the list. The entries are checked as if they had been "
    "added one by one.\n\n"
    "Zoom shows a list large, so long paths can be read in full.",
};

constexpr TopicText kTemplateOptions = {
    "Options for Folder Templates",
    "Template lines are relative folder paths without a drive letter, one per line, each beginning "
    "with a backslash, for example \\Customer\\Docs. Each line is created inside every newly "
    "created folder.\n\n"
    "The options decide how each line is used:\n"
    "  - Whole Folder Paths: the line as it stands (\\Customer\\Docs creates Customer\\Docs);\n"
    "  - without the First (Main) Folders: the line without its first folder (creates Docs);\n"
    "  - without the First Folders, replacing that folder's name by the name of the new folder "
    "wherever it occurs in the line.\n\n"
    "Each page keeps its own option.",
};

constexpr TopicText kVisualLog = {
    "Visual Log",
    "The Visual Log shows the last run of its page, live while it runs and afterwards.\n\n"
    "The label at the top says whether the results belong to a real run (\"Folder/File Creation "
    "Process.\") or a simulation (\"Simulate the Folder/File Creation Process.\").\n\n"
    "Statistics count what was to be created, what was created, what already existed and what "
    "could not be created for other reasons. The lists below name every folder and file; Zoom "
    "shows one list large and Export writes it to a text file.\n\n"
    "\"Folders - Failed UNDO\" lists what an Undo could not remove (for example a folder that is "
    "no "
    "longer empty because something was added to it).",
};

constexpr TopicText kLevelSummary = {
    "Folder Level Summary",
    "When you choose a destination, Dirforge scans it and shows how many subfolders lie on each "
    "level below it, with the total number of folders and files and their size.\n\n"
    "Use it to check that you picked the right destination before you create anything there.",
};

constexpr TopicText kFolderPicker = {
    "Select a Folder",
    "Browse to the folder you want and confirm. Only folders of the file system can be chosen; "
    "choosing a drive root gives the root with its backslash (for example f:\\).\n\n"
    "Cancel leaves everything as it was.",
};

const TopicText& TextOf(HelpTopic topic) {
    switch (topic) {
    case HelpTopic::Overview:
        return kOverview;
    case HelpTopic::StringsPage:
        return kStringsPage;
    case HelpTopic::PathsPage:
        return kPathsPage;
    case HelpTopic::NumbersPage:
        return kNumbersPage;
    case HelpTopic::Import:
        return kImport;
    case HelpTopic::Export:
        return kExport;
    case HelpTopic::ListEditors:
        return kListEditors;
    case HelpTopic::TemplateOptions:
        return kTemplateOptions;
    case HelpTopic::VisualLog:
        return kVisualLog;
    case HelpTopic::LevelSummary:
        return kLevelSummary;
    case HelpTopic::FolderPicker:
        return kFolderPicker;
    }
    return kOverview;
}

} // namespace

const char* TemplateOptionsPageNote(engine::PageKind page) {
    switch (page) {
    case engine::PageKind::Paths:
        return "These options belong to the page \"Create Multiple Folders Using Paths\": its "
               "template lines "
               "are created inside every folder made from the Include Folder List, and the name "
               "replacing "
               "the first folder is the last folder of each path, framed by prefix and suffix.";
    case engine::PageKind::Strings:
        return "These options belong to the page \"Create Multiple Folders Using Strings\": its "
               "template lines "
               "are created inside every folder made from the INCLUDE list, and the name replacing "
               "the first "
               "folder is the whole new name, prefix and suffix included.";
    case engine::PageKind::Numbers:
        return "These options belong to the page \"Create Multiple Folders Using Increased "
               "Numbers\": its "
               "template lines are created inside every numbered folder. With \"Add Increased "
               "Numbers as "
               "Suffixes to Subfolders.\" ticked, each folder's number is then added to every "
               "subfolder the "
               "option gives.";
    }
    return "";
}

const char* HelpTopicTitle(HelpTopic topic) {
    return TextOf(topic).title;
}
const char* HelpTopicText(HelpTopic topic) {
    return TextOf(topic).text;
}

} // namespace dirforge::ui
