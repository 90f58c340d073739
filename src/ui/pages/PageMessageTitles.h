#pragma once
// The titles of the messages a creation page's window shows itself, one table per page (the
// page's folder: strings/StringsPageTitles.cpp, ...). The engine keeps the titles it shows itself.

namespace dirforge::ui {

/// The titles of the messages a page shows itself; a title the page never shows is nullptr.
struct PageMessageTitles {
    const char* destinationEmpty = nullptr; // destination accepted empty
    const char* viewEmpty = nullptr;        // "View" with an empty destination
    const char* addEmpty = nullptr;         // "Add item" with a blank entry
    const char* addInInclude = nullptr;     // entry already in INCLUDE
    const char* addInExclude = nullptr;     // entry already in EXCLUDE
    const char* addHasDrive = nullptr;      // entry with a drive part (paths page: colons refused)
    const char* addIllegal =
        nullptr; // entry with illegal characters (paths page: any piece refused)
    const char* exportEmpty = nullptr; // INCLUDE "Export" with an empty list
    const char* prefixIllegal = nullptr;
    const char* suffixIllegal = nullptr;
    const char* structureDriveRoot = nullptr; // "Add Structure" picked a drive root
    const char* structureEmpty = nullptr;     // a structure to add is blank
    const char* structureImportNoLines = nullptr;
    const char* structureImportFull = nullptr; // full-path check of an import failed
    const char* structureImportRelative = nullptr;
    const char* structureImportEnd = nullptr;
    const char* structureExportEmpty = nullptr;
    const char* structureEditRelative = nullptr; // relative-path check of the editor failed
    const char* structureEditFull = nullptr;
    const char* structureViewNone = nullptr;  // "View Selected" without a selection
    const char* structureDeleteSel = nullptr; // question
    const char* structureDeleteAllEmpty = nullptr;
    const char* structureDeleteAll = nullptr; // question
    const char* clearAllQuestion = nullptr;
    const char* clearAllDone = nullptr;
    const char* includeImportEnd = nullptr;
    const char* includeImportNoLines = nullptr; // smart import of a file without lines
    const char* includeEditUnmapped = nullptr;  // INCLUDE editor: a host path on no drive
};

} // namespace dirforge::ui
