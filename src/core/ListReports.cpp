#include "core/ListReports.h"

#include "core/PathChecks.h"
#include "core/TextRules.h"

#include <algorithm>

namespace dirforge::core {

namespace {

// "\n" + (n - limit) + "  more left" when more entries were found than spelled out.
std::string moreLeft(std::size_t n) {
    return "\n" + std::to_string(n - ReportListLimit) + "  more left";
}

// header + N + ") \n" + the first lines + the tail.
void appendSection(std::string& message, const std::string& header,
                   const std::vector<std::string>& lines) {
    message += header + std::to_string(lines.size()) + ") \n";
    const std::size_t shown = std::min(lines.size(), ReportListLimit);
    for (std::size_t i = 0; i < shown; ++i)
        message += lines[i];
    message += lines.size() > ReportListLimit ? moreLeft(lines.size()) + "\n\n" : "\n";
}

// The drive-letter section of the two list validations, which replaces the message.
void replaceWithDriveSection(std::string& message, std::string_view header,
                             const DriveSectionTexts& texts,
                             const std::vector<std::string>& entries, bool separate) {
    message = std::string(header) + std::to_string(entries.size()) + " )\n";
    const std::size_t shown = std::min(entries.size(), ReportListLimit);
    for (std::size_t i = 0; i < shown; ++i)
        message += entries[i] + "\n";
    if (entries.size() > ReportListLimit)
        message += moreLeft(entries.size()) + std::string(texts.moreLeftEnd);
    if (separate)
        message += texts.separator;
}

// The groups both list validations sort their entries into.
struct ListGroups {
    std::vector<std::string> withDrive;
    std::vector<std::string> withoutDrive;
    bool anyWithExtension = false;
    bool anyWithoutExtension = false;
    bool illegalChars = false;
};

ListGroups groupEntries(const std::vector<std::string>& list) {
    ListGroups groups;
    std::string found;
    for (const auto& entry : list) {
        const std::string path = NormalizePath(entry);
        groups.illegalChars =
            !CheckIllegalChars(IllegalCharSet::FullPath, path, found) || groups.illegalChars;
        (HasDrivePart(entry) ? groups.withDrive : groups.withoutDrive).push_back(entry);
        (FileExtension(path) == "noext" ? groups.anyWithoutExtension : groups.anyWithExtension) =
            true;
    }
    return groups;
}

} // namespace

std::deque<_tagBadCharsInFolder> CollectBadChars(const std::vector<std::string>& list) {
    std::deque<_tagBadCharsInFolder> bad;
    std::string found;
    for (const auto& entry : list) {
        std::string path = NormalizePath(entry);
        if (!CheckIllegalChars(IllegalCharSet::FullPath, path, found))
            bad.push_back({std::move(path), found});
    }
    return bad;
}

std::deque<_tagColonsInFolder> CollectColons(int maxColons, const std::vector<std::string>& list) {
    std::deque<_tagColonsInFolder> colons;
    for (const auto& entry : list) {
        std::string path = NormalizePath(entry);
        const int count = CountColons(path);
        if (count > maxColons)
            colons.push_back({std::move(path), count});
    }
    return colons;
}

bool ReportSyntaxErrors(std::string& message, const std::vector<std::string>& list) {
    std::vector<std::string> lines;
    for (const auto& bad : CollectBadChars(list))
        lines.push_back("Syntax Error: " + bad.BadChars + "    " + bad.Folder + "\n");
    if (lines.empty())
        return false;
    appendSection(
        message,
        "Error Type: There are Syntax errors in the Folder Names ( / \" * | < > ?)  (total: ",
        lines);
    return true;
}

bool ReportColons(int maxColons, std::string& message, const std::vector<std::string>& list) {
    std::vector<std::string> lines;
    for (const auto& entry : CollectColons(maxColons, list))
        lines.push_back("No. of Colons: " + std::to_string(entry.Colons) + "   " + entry.Folder +
                        "\n");
    if (lines.empty())
        return false;
    appendSection(message,
                  maxColons == 0 ? "There are Colons in the Folder Names ( "
                                 : "There are more than one Colons in the Folder Names (total: ",
                  lines);
    return true;
}

bool ReportMissingBackslash(std::string& message, const std::vector<std::string>& list) {
    std::vector<std::string> lines;
    for (const auto& entry : list) {
        const std::string path = NormalizePath(entry);
        if (!StartsWithBackslash(path))
            lines.push_back(path + "\n");
    }
    if (lines.empty())
        return false;
    appendSection(message,
                  "Error Type: There are paths not beginning with \\ (backslash) (total: ", lines);
    return true;
}

bool ValidateRelativePathList(std::string& message, const std::vector<std::string>& list,
                              const DriveSectionTexts& texts) {
    const ListGroups groups = groupEntries(list);
    bool found = false;
    if (!groups.withDrive.empty()) {
        replaceWithDriveSection(message, texts.relativeHeader, texts, groups.withDrive,
                                groups.anyWithoutExtension || groups.illegalChars);
        found = true;
    }
    found = ReportSyntaxErrors(message, list) || found;
    found = ReportColons(0, message, list) || found;
    found = ReportMissingBackslash(message, list) || found;
    return found;
}

bool ValidateFullPathList(std::string& message, const std::vector<std::string>& list,
                          const DriveSectionTexts& texts) {
    const ListGroups groups = groupEntries(list);
    bool found = false;
    if (!groups.withoutDrive.empty()) {
        replaceWithDriveSection(message, texts.fullHeader, texts, groups.withoutDrive,
                                groups.anyWithExtension || groups.illegalChars);
        found = true;
    }
    found = ReportSyntaxErrors(message, list) || found;
    found = ReportColons(1, message, list) || found;
    return found;
}

} // namespace dirforge::core
