#include "lists/ImportChecks.h"

#include "core/ListReports.h"
#include "core/PathChecks.h"
#include "core/TextRules.h"

#include <algorithm>

namespace dirforge::lists {

namespace {

/// The opening section of both checks: the entries of the wrong kind, at most three spelled out.
std::string driveSection(const std::string& header, const std::vector<std::string>& entries, bool separate) {
    std::string section = header + std::to_string(entries.size()) + " )\n";
    const std::size_t shown = std::min(entries.size(), core::ReportListLimit);
    for (std::size_t i = 0; i < shown; ++i)
        section += entries[i] + "\n";
    if (entries.size() > core::ReportListLimit)
        section += "\n" + std::to_string(entries.size() - core::ReportListLimit) + "  more left\n";
    if (separate)
        section += "\n";
    return section;
}

struct PreviewGroups {
    std::vector<std::string> withDrive;
    std::vector<std::string> withoutDrive;
    bool anyWithExtension = false;
    bool anyWithoutExtension = false;
    bool illegalChars = false;
};

PreviewGroups groupPreview(const std::vector<std::string>& preview) {
    PreviewGroups groups;
    std::string found;
    for (const auto& entry : preview) {
        const std::string path = core::NormalizePath(entry);
        groups.illegalChars = core::CheckIllegalChars('N', path, found) || groups.illegalChars;
        (core::HasDrivePart(entry) ? groups.withDrive : groups.withoutDrive).push_back(entry);
        (core::FileExtension(path) == "noext" ? groups.anyWithoutExtension : groups.anyWithExtension) = true;
    }
    return groups;
}

} // namespace

bool CheckImportedRelativePaths(const std::vector<std::string>& preview, std::string& report) {
    report.clear();
    const PreviewGroups groups = groupPreview(preview);
    bool found = false;
    if (!groups.withDrive.empty()) {
        report = driveSection("You can only enter relative paths without drive letters.\n"
                              "There are drive letters in paths (total: ",
                              groups.withDrive, groups.anyWithoutExtension || groups.illegalChars);
        found = true;
    }
    found = core::ReportSyntaxErrors(report, preview) || found;
    found = core::ReportColons(0, report, preview) || found;
    found = core::ReportMissingBackslash(report, preview) || found;
    return found;
}

bool CheckImportedFullPaths(const std::vector<std::string>& preview, std::string& report) {
    report.clear();
    const PreviewGroups groups = groupPreview(preview);
    bool found = false;
    if (!groups.withoutDrive.empty()) {
        report = driveSection("You can only enter full paths with drive letters.\n"
                              "There are no drive letters in paths (total: ",
                              groups.withoutDrive, groups.anyWithExtension || groups.illegalChars);
        found = true;
    }
    found = core::ReportSyntaxErrors(report, preview) || found;
    found = core::ReportColons(1, report, preview) || found;
    return found;
}

} // namespace dirforge::lists
