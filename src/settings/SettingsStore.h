#pragma once
// The application-wide settings store: one slot per record of the settings file, plus the
// template-options map. Initial values are the ones a fresh program run starts with; the
// record layout that binds each slot to its record number lives in SettingsLayout.

#include "engine/TemplateOptions.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace dirforge::settings {

/// An ordered list of texts (one per list line).
using TextList = std::vector<std::string>;

/// A text with a number that belongs to it (record 16: a file type and its position).
struct TextAndNumber {
    std::string text;
    std::int32_t number = 0;

    bool operator==(const TextAndNumber&) const = default;
};

/// The fixed text naming the application; record 1 replaces it when a settings file is read.
inline constexpr const char* kApplicationIdentifier = "Dirforge";

/// Settings kept for file-aware tools (records 7 to 27); nothing in this program reads them.
struct FileToolSettings {
    std::int32_t selectByFileNames = 1;      // 7
    std::int32_t selectByFileTypes = 0;      // 8
    std::string fileNamePattern;             // 9
    TextList fileNamePatternHistory;         // 10
    TextList fileNameTerms;                  // 11
    std::int32_t allFileTypes = 1;           // 12
    std::int32_t includedTypesOnly = 0;      // 13
    std::int32_t allTypesExceptExcluded = 0; // 14
    std::int32_t oneSelectedType = 0;        // 15
    TextAndNumber selectedType;              // 16
    TextList includedFileTypes;              // 17
    TextList excludedFileTypes;              // 18
    TextList reserveFileTypes;               // 19
    std::int32_t includeTermsOn = 0;         // 20
    std::string includeTermsText;            // 21
    TextList includeTermsHistory;            // 22
    TextList includeTerms;                   // 23
    std::int32_t excludeTermsOn = 0;         // 24
    std::string excludeTermsText;            // 25
    TextList excludeTermsHistory;            // 26
    TextList excludeTerms;                   // 27

    bool operator==(const FileToolSettings&) const = default;
};

/// Strings page (Vol02), named after its controls.
struct StringsPageSettings {
    TextList cboVol02DestFoldersHistory;                       // 28
    std::int32_t rdoVol02AttachNothing = 0;                    // 31
    std::int32_t rdoVol02StructureImportRelativePaths = 0;     // 32
    std::int32_t rdoVol02StructureImportFullPaths = 1;         // 33
    std::int32_t rdoVol02AttachMainFolderWithFiles = 0;        // 34
    std::int32_t rdoVol02AttachMainFolderWithoutFiles = 1;     // 35
    std::int32_t rdoVol02AttachSubFoldersOnlyWithFiles = 0;    // 36
    std::int32_t rdoVol02AttachSubFoldersOnlyWithoutFiles = 0; // 37
    std::string edtVol02Prefix;                                // 38
    std::int32_t chkVol02Hyphen = 0;                           // 39
    std::string edtVol02Suffix;                                // 40
    std::int32_t chkVol02ViewDestFolder = 1;                   // 77
    std::int32_t chkVol02ViewDetailedResults = 1;              // 78
    TextList lstVol02IncludeStrings;                           // 128
    TextList lstVol02ExcludeStrings;                           // 129
    TextList lstVol02AddFolderStructure;                       // 130
    std::string cboVol02DestFoldersText;                       // 152
    std::string edtVol02AddToList;                             // 154

    // Kept in profiles only (record numbers beyond the settings file's), never in default.set.
    std::int32_t chkVol02FillExisting = 0;
    std::int32_t chkVol02Tokens = 0;

    bool operator==(const StringsPageSettings&) const = default;
};

/// Paths page (Vol04), named after its controls.
struct PathsPageSettings {
    std::int32_t rdoVol04AttachNothing = 0;                    // 41
    std::int32_t rdoVol04StructureImportRelativePaths = 0;     // 42
    std::int32_t rdoVol04StructureImportFullPaths = 1;         // 43
    std::int32_t rdoVol04AttachMainFolderWithFiles = 0;        // 44
    std::int32_t rdoVol04AttachMainFolderWithoutFiles = 1;     // 45
    std::int32_t rdoVol04AttachSubFoldersOnlyWithFiles = 0;    // 46
    std::int32_t rdoVol04AttachSubFoldersOnlyWithoutFiles = 0; // 47
    std::string edtVol04Prefix;                                // 48
    std::int32_t chkVol04Hyphen = 0;                           // 49
    std::string edtVol04Suffix;                                // 50
    std::int32_t chkVol04ViewDetailedResults = 1;              // 79
    TextList lstVol04IncludeFolderList;                        // 132
    TextList lstVol04ExcludeFolderList;                        // 133
    TextList lstVol04AddFolderStructure;                       // 134
    std::string edtVol04AddToList;                             // 155

    // Kept in profiles only (record numbers beyond the settings file's), never in default.set.
    std::int32_t chkVol04FillExisting = 0;
    std::int32_t chkVol04Tokens = 0;

    bool operator==(const PathsPageSettings&) const = default;
};

/// Increased-numbers page (Vol03), named after its controls.
struct NumbersPageSettings {
    TextList cboVol03DestFoldersHistory;                       // 29
    std::string edtVol03StartNumber;                           // 51
    std::string edtVol03EndNumber;                             // 52
    std::string edtVol03Prefix;                                // 53
    std::string edtVol03Suffix;                                // 54
    std::int32_t chkVol03Hyphen = 0;                           // 55
    std::int32_t chkVol03PaddedZeroes = 0;                     // 56
    std::int32_t rdoVol03AttachNothing = 0;                    // 57
    std::int32_t rdoVol03StructureImportRelativePaths = 0;     // 58
    std::int32_t rdoVol03StructureImportFullPaths = 1;         // 59
    std::int32_t rdoVol03AttachMainFolderWithFiles = 0;        // 60
    std::int32_t rdoVol03AttachMainFolderWithoutFiles = 1;     // 61
    std::int32_t rdoVol03AttachSubFoldersOnlyWithFiles = 0;    // 62
    std::int32_t rdoVol03AttachSubFoldersOnlyWithoutFiles = 0; // 63
    std::int32_t chkVol03AddIncNumbersAsSuffix = 0;            // 64
    std::int32_t chkVol03ViewDestFolder = 1;                   // 80
    std::int32_t chkVol03ViewDetailedResults = 1;              // 81
    TextList lstVol03AddFolderStructure;                       // 131
    std::string cboVol03DestFoldersText;                       // 153

    // Kept in profiles only (record numbers beyond the settings file's), never in default.set.
    std::int32_t chkVol03FillExisting = 0;
    std::int32_t chkVol03Tokens = 0;

    bool operator==(const NumbersPageSettings&) const = default;
};

/// Settings of pages this program does not have, kept exactly as read and written back.
/// Members are named after their keys; the comment gives the record numbers.
struct KeptSettings {
    std::array<std::int32_t, 2> vol06Numbers{1, 0};                   // 65-66
    std::array<std::string, 5> vol06Texts;                            // 67-71
    std::array<std::int32_t, 5> vol07Numbers{1, 0, 0, 1, 1};          // 72-76
    std::int32_t vol0705Repeated = 1;                                 // 82
    std::array<std::int32_t, 7> vol08Numbers{0, 1, 0, 1, 0, 0, 1};    // 83-89
    std::array<std::int32_t, 8> vol10Numbers{1, 0, 1, 0, 1, 0, 0, 1}; // 90-97
    std::array<std::int32_t, 5> vol11Numbers{1, 0, 0, 1, 1};          // 98-102
    std::array<std::int32_t, 2> vol12Numbers{1, 0};                   // 103-104
    std::array<std::string, 6> vol12Texts;                            // 105-110
    std::array<std::int32_t, 6> vol12MoreNumbers{1, 0, 0, 1, 0, 0};   // 111-116
    std::int32_t vol0715 = 1;                                         // 117
    std::array<std::int32_t, 7> vol15Numbers{0, 1, 0, 1, 0, 0, 1};    // 118-124
    std::array<TextList, 2> vol06Lists;                               // 135-136
    std::array<TextList, 2> vol07Lists;                               // 137-138
    std::array<TextList, 3> vol08Lists;                               // 139-141
    std::array<TextList, 3> vol10Lists;                               // 142-144
    std::array<TextList, 2> vol11Lists;                               // 145-146
    std::array<TextList, 2> vol12Lists;                               // 147-148
    std::array<TextList, 3> vol15Lists;                               // 149-151

    bool operator==(const KeptSettings&) const = default;
};

/// Every setting and list the settings file carries; one instance lives for the whole run.
struct SettingsStore {
    std::string applicationIdentifier = kApplicationIdentifier; // 1
    std::string startupFolder;                                  // 2 (drive form)
    std::string selectedDelimiter;                              // 3
    TextList delimiterList;                                     // 4: shared by import and export
    std::string selectedQuotationMark;                          // 5
    TextList quotationMarkList;                                 // 6: shared by import
    FileToolSettings fileTools;                                 // 7-27
    StringsPageSettings strings;
    PathsPageSettings paths;
    NumbersPageSettings numbers;
    KeptSettings kept;
    engine::MAP_FOLDER_TEMPLATE_OPTIONS templateOptions; // 125
    std::int32_t rememberStartChoice = 2;                // 126: 1 remembered, 2 not
    std::int32_t startWith = 1;                          // 127: 3 all, 2 without lists, 1 defaults

    bool operator==(const SettingsStore&) const = default;
};

} // namespace dirforge::settings
