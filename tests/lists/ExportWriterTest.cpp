// Rewriting export entries and laying out the export file.

#include "lists/ExportWriter.h"

#include <gtest/gtest.h>

namespace dirforge::lists {
namespace {

TEST(RebuildExportEntryTest, SlashFormAndDriveLetters) {
    const struct {
        std::string entry;
        ExportEntryForm form;
        std::string rebuilt;
    } cases[] = {
        {"f:\\Clients\\A", {SlashForm::ForwardSlashes, false}, "/Clients/A"},
        {"f:\\Clients\\A", {SlashForm::ForwardSlashes, true}, "f:/Clients/A"},
        {"f:/Clients//A", {SlashForm::Backslashes, true}, "f:\\Clients\\A"},
        {"a//b\\\\c", {SlashForm::Backslashes, false}, "a\\b\\c"},
        {"a\\\\b", {SlashForm::ForwardSlashes, true}, "a/b"},
        {"\\noDrive", {SlashForm::Backslashes, false}, "\\noDrive"},
        {"f:\\a:b", {SlashForm::Backslashes, false}, "\\a:b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RebuildExportEntry(c.entry, c.form), c.rebuilt) << c.entry;
}

TEST(ExportDelimiterTest, SpaceWordAndTrimming) {
    EXPECT_EQ(ExportDelimiterFromText("space"), " ");
    EXPECT_EQ(ExportDelimiterFromText(" ; "), ";");
    EXPECT_EQ(ExportDelimiterFromText("Space"), "Space");
}

TEST(FormatExportTest, Layouts) {
    ExportFormat plain;
    EXPECT_EQ(FormatExport({"A", "B", "C"}, SlashForm::Backslashes, plain), "A\r\nB\r\nC\r\n");

    ExportFormat separated{ExportLayout::Separated, ";", "\"", "STRINGS"};
    EXPECT_EQ(FormatExport({"A", "B"}, SlashForm::Backslashes, separated), "\"A\";\"B\";");

    ExportFormat forward{ExportLayout::PlainLines, "", "", " folders "};
    EXPECT_EQ(FormatExport({"\\a\\b"}, SlashForm::ForwardSlashes, forward), "/a/b\r\n");

    EXPECT_EQ(FormatExport({}, SlashForm::Backslashes, plain), "");
}

TEST(FormatExportTest, OnlyKnownKindsAreWritten) {
    for (const char* kind : {"STRINGS", "folders", "RenamedFiles"})
        EXPECT_TRUE(IsExportedKind(kind)) << kind;
    ExportFormat unknown{ExportLayout::PlainLines, "", "", "FILES"};
    EXPECT_EQ(FormatExport({"A"}, SlashForm::Backslashes, unknown), "");
}

} // namespace
} // namespace dirforge::lists
