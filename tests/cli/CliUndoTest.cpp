// dirforge-cli's undo over its journal, the retry of failures, refusals and usage errors.

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>

namespace dirforge::testing {
namespace {

using Strings = std::vector<std::string>;

std::string JournalText(const TempDrives& drives) {
    return drives.readText("c:" + drives.hostRoot() + "/j.json");
}

TEST(CliUndo, ARemovalThatFailsIsReportedKeptAndRetriedExactly) {
    TempDrives drives;
    drives.makeFile("g:\\Src\\T\\Sub\\a.txt", "a");
    const CliResult run = RunCli(drives, {"strings", "--dest", "f:\\D", "--name", "X", "--attach",
                                          "existing", "--structure", "g:\\Src\\T", "--copy",
                                          "main-files", "--journal", "j.json"});
    ASSERT_EQ(run.status, 0) << run.err;
    drives.makeFile("f:\\D\\X\\T\\Sub\\foreign.txt", "not ours");

    const CliResult first = RunCli(drives, {"undo", "--journal", "j.json", "--json"});
    ASSERT_EQ(first.status, 0) << first.err;
    // The copied file went; every folder above the foreign file stays and is reported.
    const Strings stuck{"f:\\D\\X\\T\\Sub", "f:\\D\\X\\T", "f:\\D\\X", "f:\\D"};
    EXPECT_EQ(first.json().at("lists").at("foldersFailedUndo").get<Strings>(), stuck);
    EXPECT_EQ(first.json().at("counters").at("failedUndo"), 4);
    for (const std::string& folder : stuck)
        EXPECT_EQ(first.json().at("reasons").value(folder, ""), "not empty") << folder;
    EXPECT_NE(first.err.find("unable to delete"), std::string::npos) << first.err;
    EXPECT_EQ(drives.listTree("f:\\D"),
              (Strings{"X\\", "X\\T\\", "X\\T\\Sub\\", "X\\T\\Sub\\foreign.txt"}));
    const engine::RunJournal journal = JournalIn(drives);
    EXPECT_EQ(journal.results.FoldersFailedUndo, stuck);
    EXPECT_TRUE(journal.results.FoldersCreated.empty());

    std::remove(drives.hostPath("f:\\D\\X\\T\\Sub\\foreign.txt").c_str());
    const CliResult retry = RunCli(drives, {"undo", "--journal", "j.json", "--json"});
    ASSERT_EQ(retry.status, 0) << retry.err;
    EXPECT_TRUE(retry.json().at("lists").at("foldersFailedUndo").empty());
    EXPECT_EQ(drives.listTree("f:\\"), Strings{});
    EXPECT_EQ(drives.listTree("g:\\Src"), (Strings{"T\\", "T\\Sub\\", "T\\Sub\\a.txt"}));

    // Nothing left to undo: refused with the page's warning.
    const CliResult third = RunCli(drives, {"undo", "--journal", "j.json"});
    EXPECT_EQ(third.status, 1);
    EXPECT_NE(third.err.find("No UNDO process !!!"), std::string::npos) << third.err;
}

TEST(CliUndo, ANameThatIsNotUtf8SurvivesTheJournal) {
    TempDrives drives;
    const std::string name = "caf\xE9";
    ASSERT_EQ(RunCli(drives, {"strings", "--dest", "f:\\D", "--name", name, "--journal", "j.json",
                              "--json"})
                  .status,
              0);
    EXPECT_EQ(drives.listTree("f:\\D"), (Strings{name + "\\"}));
    ASSERT_EQ(RunCli(drives, {"undo", "--journal", "j.json"}).status, 0);
    EXPECT_EQ(drives.listTree("f:\\"), Strings{});
}

TEST(CliUndo, ADriveNowMappedElsewhereIsRefusedAndNothingIsRemoved) {
    TempDrives drives;
    ASSERT_EQ(
        RunCli(drives, {"strings", "--dest", "f:\\D", "--name", "A", "--journal", "j.json"}).status,
        0);
    const std::string elsewhere = drives.mapDrive('h');
    const CliResult undo = RunCli(drives, {"undo", "--journal", "j.json"}, "f=" + elsewhere);
    EXPECT_EQ(undo.status, 2);
    EXPECT_NE(undo.err.find("map it the same way"), std::string::npos) << undo.err;
    EXPECT_TRUE(drives.isFolder("f:\\D\\A"));
    // Without any mapping the journal's own drives are used.
    EXPECT_EQ(RunCli(drives, {"undo", "--journal", "j.json"}, "z=" + elsewhere).status, 0);
    EXPECT_FALSE(drives.exists("f:\\D"));
}

struct RefusalCase {
    const char* name;
    Strings args;
    const char* titleNumber; // in the message on standard error
};

// GoogleTest shows the case by its name, in its messages and in the test names ctest lists.
void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class CliRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(CliRefusal, ExitsOneCreatesNothingAndKeepsThePreviousJournal) {
    TempDrives drives;
    drives.makeFile("g:\\Src\\T\\a.txt", "content");
    // The journal of a previous run that was undone: the only kind a new run may take over.
    ASSERT_EQ(
        RunCli(drives, {"strings", "--dest", "f:\\Z", "--name", "A", "--journal", "j.json"}).status,
        0);
    ASSERT_EQ(RunCli(drives, {"undo", "--journal", "j.json"}).status, 0);
    const std::string previous = JournalText(drives);
    Strings args = GetParam().args;
    args.insert(args.end(), {"--journal", "j.json"});
    const CliResult result = RunCli(drives, args);
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_NE(result.err.find(GetParam().titleNumber), std::string::npos) << result.err;
    EXPECT_EQ(drives.listTree("f:\\"), Strings{});
    EXPECT_EQ(JournalText(drives), previous);
}

INSTANTIATE_TEST_SUITE_P(
    BeforeTheRun, CliRefusal,
    ::testing::Values(
        RefusalCase{
            "EndBelowStart", {"numbers", "--dest", "f:\\D", "--start", "5", "--end", "3"}, "30027"},
        RefusalCase{"NoStructure",
                    {"strings", "--dest", "f:\\D", "--name", "A", "--attach", "existing"},
                    "20047"},
        RefusalCase{
            "NoTemplateLines", {"paths", "--path", "f:\\P", "--attach", "templates"}, "40042"},
        // An unmapped drive is named as such, not as a drive without free space.
        RefusalCase{"DriveNotThere",
                    {"strings", "--dest", "q:\\D", "--name", "A", "--attach", "existing",
                     "--structure", "g:\\Src\\T", "--copy", "main-files"},
                    "20079"}),
    [](const auto& param) { return std::string(param.param.name); });

struct UsageCase {
    const char* name;
    Strings args;
    const char* says;
};

// GoogleTest shows the case by its name, in its messages and in the test names ctest lists.
void PrintTo(const UsageCase& c, std::ostream* out) {
    *out << c.name;
}

class CliUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CliUsage, ExitsTwoWithAClearMessageAndTouchesNothing) {
    TempDrives drives;
    std::ofstream(drives.hostRoot() + "/broken.json") << "{ not json";
    const CliResult result = RunCli(drives, GetParam().args);
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find(GetParam().says), std::string::npos) << result.err;
    EXPECT_EQ(drives.listTree("f:\\"), Strings{});
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, CliUsage,
    ::testing::Values(
        UsageCase{"NoCommand", {}, "subcommand"},
        UsageCase{"NoDestination", {"strings", "--name", "A"}, "--dest"},
        UsageCase{"NoNames", {"strings", "--dest", "f:\\D"}, "--names FILE or"},
        UsageCase{"NamesAndName",
                  {"strings", "--dest", "f:\\D", "--names", "n.txt", "--name", "A"},
                  "excludes"},
        UsageCase{"MissingNamesFile",
                  {"strings", "--dest", "f:\\D", "--names", "absent.txt"},
                  "cannot be read"},
        UsageCase{"ColumnsWithoutNamesFile",
                  {"strings", "--dest", "f:\\D", "--name", "A", "--columns", "{1} {2}"},
                  "--columns needs --names FILE"},
        UsageCase{"ColumnZeroInPattern",
                  {"strings", "--dest", "f:\\D", "--names", "broken.json", "--columns", "{0}"},
                  "--columns: The column pattern \"{0}\" names column 0"},
        UsageCase{"QuoteOfTwoCharacters",
                  {"strings", "--dest", "f:\\D", "--names", "broken.json", "--columns", "{1}",
                   "--quote", "<>"},
                  "--quote takes one character"},
        UsageCase{"NoPaths", {"paths"}, "--paths FILE or"},
        UsageCase{"UnknownAttach",
                  {"strings", "--dest", "f:\\D", "--name", "A", "--attach", "all"},
                  "--attach"},
        UsageCase{"MissingStructure",
                  {"strings", "--dest", "f:\\D", "--name", "A", "--attach", "existing",
                   "--structure", "g:\\None"},
                  "no folder g:\\None"},
        UsageCase{"StructureWithoutExisting",
                  {"strings", "--dest", "f:\\D", "--name", "A", "--structure", "g:\\"},
                  "need --attach existing"},
        UsageCase{"TemplateWithoutTemplates",
                  {"strings", "--dest", "f:\\D", "--name", "A", "--template", "\\T"},
                  "need --attach templates"},
        UsageCase{"TemplateNotRelative",
                  {"strings", "--dest", "f:\\D", "--name", "A", "--attach", "templates",
                   "--template", "f:\\T"},
                  "relative paths"},
        UsageCase{"BadTemplateOption",
                  {"strings", "--dest", "f:\\D", "--name", "A", "--attach", "templates",
                   "--template", "\\T", "--template-option", "swap"},
                  "\"swap\""},
        UsageCase{"NumberSuffixOnStrings",
                  {"strings", "--dest", "f:\\D", "--name", "A", "--number-suffix"},
                  "number-suffix"},
        UsageCase{"StartBelowOne",
                  {"numbers", "--dest", "f:\\D", "--start", "0", "--end", "3"},
                  "--start"},
        UsageCase{"EndTooLarge",
                  {"numbers", "--dest", "f:\\D", "--start", "1", "--end", "99999999999"},
                  "--end"},
        UsageCase{"BadDrive",
                  {"--drive", "fx=/tmp", "strings", "--dest", "f:\\D", "--name", "A"},
                  "--drive"},
        UsageCase{"JournalFolderMissing",
                  {"strings", "--dest", "f:\\D", "--name", "A", "--journal", "nowhere/j.json"},
                  "--journal"},
        UsageCase{"UndoWithoutJournalFile", {"undo", "--journal", "absent.json"}, "cannot be read"},
        UsageCase{"UndoOfABrokenJournal",
                  {"undo", "--journal", "broken.json"},
                  "not a dirforge undo journal"}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace dirforge::testing
