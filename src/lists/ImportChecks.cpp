#include "lists/ImportChecks.h"

#include "core/ListReports.h"

namespace dirforge::lists {

namespace {

// The import words its drive section apart from the list editors: "total: " in the header, the
// "  more left" line closed on its own, a single line break before the next section.
constexpr core::DriveSectionTexts ImportDriveTexts{
    "You can only enter relative paths without drive letters.\n"
    "There are drive letters in paths (total: ",
    "You can only enter full paths with drive letters.\n"
    "There are no drive letters in paths (total: ",
    "\n", "\n"};

} // namespace

bool CheckImportedRelativePaths(const std::vector<std::string>& preview, std::string& report) {
    report.clear();
    return core::ValidateRelativePathList(report, preview, ImportDriveTexts);
}

bool CheckImportedFullPaths(const std::vector<std::string>& preview, std::string& report) {
    report.clear();
    return core::ValidateFullPathList(report, preview, ImportDriveTexts);
}

} // namespace dirforge::lists
