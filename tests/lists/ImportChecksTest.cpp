// The structure import's checks of the preview: their own opening section, then the reports.

#include "lists/ImportChecks.h"

#include <gtest/gtest.h>

namespace dirforge::lists {
namespace {

TEST(ImportChecksTest, RelativePathsWithDrivesListThreeAndCountTheRest) {
    std::string report = "stale";
    EXPECT_TRUE(
        CheckImportedRelativePaths({"\\ok", "f:\\a", "g:\\b", "h:\\c", "i:\\d", "j:\\e"}, report));
    EXPECT_EQ(
        report.rfind(
            "You can only enter relative paths without drive letters.\n"
            "There are drive letters in paths (total: 5 )\nf:\\a\ng:\\b\nh:\\c\n\n2  more left\n\n",
            0),
        0u)
        << report;
    EXPECT_NE(report.find("There are Colons in the Folder Names ( 5) \n"), std::string::npos)
        << report;
}

TEST(ImportChecksTest, CleanPreviewsPassWithAnEmptyReport) {
    std::string report = "stale";
    EXPECT_FALSE(CheckImportedRelativePaths({"\\a", "\\a\\b"}, report));
    EXPECT_EQ(report, "");
    EXPECT_FALSE(CheckImportedFullPaths({"f:\\a", "g:\\b\\c.txt"}, report));
    EXPECT_EQ(report, "");
}

TEST(ImportChecksTest, FullPathsWithoutDrives) {
    std::string report;
    EXPECT_TRUE(CheckImportedFullPaths({"\\a", "f:\\b"}, report));
    EXPECT_EQ(report, "You can only enter full paths with drive letters.\n"
                      "There are no drive letters in paths (total: 1 )\n\\a\n");
    EXPECT_TRUE(CheckImportedFullPaths({"a.txt", "f:\\x?"}, report));
    EXPECT_EQ(report.rfind("You can only enter full paths with drive letters.\n"
                           "There are no drive letters in paths (total: 1 )\na.txt\n\n"
                           "Error Type: There are Syntax errors",
                           0),
              0u)
        << report;
}

} // namespace
} // namespace dirforge::lists
