#pragma once
// Reports over a whole list: each collects the offending entries and appends one section to a
// message, spelling out at most ReportListLimit of them and "  more left" for the rest.

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace dirforge::core {

/// Entries spelled out per report section.
inline constexpr std::size_t ReportListLimit = 3;

/// One path with illegal characters: the normalized path and the characters found.
struct _tagBadCharsInFolder {
    std::string Folder;
    std::string BadChars; ///< each character preceded by a blank, in order, repeats kept
};

/// One path with too many colons.
struct _tagColonsInFolder {
    std::string Folder;
    std::int32_t Colons;
};

/// The normalized entries with full-path illegal characters, in list order.
std::deque<_tagBadCharsInFolder> CollectBadChars(const std::vector<std::string>& list);
/// The normalized entries with more than maxColons colons, in list order.
std::deque<_tagColonsInFolder> CollectColons(int maxColons, const std::vector<std::string>& list);

/// Appends the syntax-error section; true when an entry has illegal characters.
bool ReportSyntaxErrors(std::string& message, const std::vector<std::string>& list);
/// Appends the colon section (maxColons 0 or 1); true when an entry has more colons.
bool ReportColons(int maxColons, std::string& message, const std::vector<std::string>& list);
/// Appends the section of paths not beginning with a backslash; true when there are any.
bool ReportMissingBackslash(std::string& message, const std::vector<std::string>& list);

/// The wording and layout of a list check's opening drive-letter section, which the list
/// editors and the structure import word differently.
struct DriveSectionTexts {
    std::string_view relativeHeader; ///< over the entries with a drive, when paths must be relative
    std::string_view fullHeader;     ///< over the entries without a drive, when paths must be full
    std::string_view moreLeftEnd;    ///< closes the "  more left" line
    std::string_view separator;      ///< follows the section when another section will follow
};

/// The list editors' drive section.
inline constexpr DriveSectionTexts ListEditorDriveTexts{
    "You can only enter relative paths without drive letters.\n"
    "Error Type: There are drive letters in paths (",
    "You can only enter full paths with drive letters.\n"
    "Error Type: There are no drive letters in paths (",
    "", "\n\n"};

/// Checks template lines: relative paths only, no illegal characters, no colons, leading "\".
/// A drive-letter finding replaces the message; the other sections append. True if anything.
bool ValidateRelativePathList(std::string& message, const std::vector<std::string>& list,
                              const DriveSectionTexts& texts = ListEditorDriveTexts);
/// Checks full paths: drive letters required, no illegal characters, at most one colon.
bool ValidateFullPathList(std::string& message, const std::vector<std::string>& list,
                          const DriveSectionTexts& texts = ListEditorDriveTexts);

} // namespace dirforge::core
