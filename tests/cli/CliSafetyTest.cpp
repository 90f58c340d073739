// dirforge-cli with files that are not what they should be: journals that belong to the user or
// to a run not yet undone, input files that never end or hold binary bytes, host paths that climb,
// and an undo after the user has worked in the folders the run made.

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>

namespace dirforge::testing {
namespace {

using Strings = std::vector<std::string>;

std::string HostFile(const TempDrives& drives, const std::string& name) {
    return drives.hostRoot() + "/" + name;
}

std::string TextOf(const std::string& hostPath) {
    std::ifstream in(hostPath);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(CliJournal, AnExistingFileIsNeverReplacedUnlessItIsAnEmptyJournal) {
    TempDrives drives;
    std::ofstream(HostFile(drives, "notes.txt")) << "my notes";
    const CliResult notes =
        RunCli(drives, {"strings", "--dest", "f:\\D", "--name", "A", "--journal", "notes.txt"});
    EXPECT_EQ(notes.status, 2);
    EXPECT_NE(notes.err.find("already exists"), std::string::npos) << notes.err;
    EXPECT_EQ(TextOf(HostFile(drives, "notes.txt")), "my notes");
    EXPECT_FALSE(drives.exists("f:\\D"));

    // A journal with a run still to undo keeps that run's record.
    ASSERT_EQ(
        RunCli(drives, {"strings", "--dest", "f:\\D", "--name", "A", "--journal", "j.json"}).status,
        0);
    const std::string first = TextOf(HostFile(drives, "j.json"));
    const CliResult second =
        RunCli(drives, {"strings", "--dest", "f:\\D", "--name", "B", "--journal", "j.json"});
    EXPECT_EQ(second.status, 2);
    EXPECT_EQ(TextOf(HostFile(drives, "j.json")), first);
    EXPECT_EQ(drives.listTree("f:\\D"), Strings{"A\\"});

    // Once undone, the journal holds nothing to undo and may take the next run.
    ASSERT_EQ(RunCli(drives, {"undo", "--journal", "j.json"}).status, 0);
    const CliResult third =
        RunCli(drives, {"strings", "--dest", "f:\\D", "--name", "B", "--journal", "j.json"});
    EXPECT_EQ(third.status, 0) << third.err;
    EXPECT_EQ(drives.listTree("f:\\D"), Strings{"B\\"});
}

TEST(CliJournal, UndoRefusesAJournalThatDoesNotNameItsDrives) {
    TempDrives drives;
    ASSERT_EQ(
        RunCli(drives, {"strings", "--dest", "f:\\D", "--name", "A", "--journal", "j.json"}).status,
        0);
    engine::RunJournal journal = JournalIn(drives);
    journal.drives.erase('f');
    std::ofstream(HostFile(drives, "j.json")) << engine::JournalToJson(journal);
    const CliResult undo = RunCli(drives, {"undo", "--journal", "j.json"});
    EXPECT_EQ(undo.status, 2);
    EXPECT_NE(undo.err.find("does not name"), std::string::npos) << undo.err;
    EXPECT_TRUE(drives.isFolder("f:\\D\\A"));
}

TEST(CliJournal, UndoRestoresTheTreeAndKeepsWhatTheUserAddedOrEdited) {
    TempDrives drives;
    drives.makeFile("g:\\Src\\T\\a.txt", "a");
    drives.makeFile("g:\\Src\\T\\Sub\\b.txt", "b");
    drives.makeFile("f:\\D\\Before\\old.txt", "old");
    const auto before = drives.listTree("f:\\");
    ASSERT_EQ(RunCli(drives, {"strings", "--dest", "f:\\D", "--name", "X", "--name", "Y",
                              "--attach", "existing", "--structure", "g:\\Src\\T", "--copy",
                              "main-files", "--journal", "j.json"})
                  .status,
              0);
    drives.makeFile("f:\\D\\X\\T\\a.txt", "edited");
    drives.makeFile("f:\\D\\X\\T\\Sub\\added.txt", "added");

    const CliResult undo = RunCli(drives, {"undo", "--journal", "j.json", "--json"});
    ASSERT_EQ(undo.status, 0) << undo.err;
    EXPECT_EQ(undo.json().at("lists").at("filesFailedUndo").get<Strings>(),
              Strings{"f:\\D\\X\\T\\a.txt"});
    EXPECT_EQ(undo.json().at("counters").at("failedUndoFiles"), 1);
    EXPECT_EQ(drives.readText("f:\\D\\X\\T\\a.txt"), "edited");
    EXPECT_EQ(drives.readText("f:\\D\\X\\T\\Sub\\added.txt"), "added");
    EXPECT_EQ(drives.listTree("f:\\D\\X"),
              (Strings{"T\\", "T\\Sub\\", "T\\Sub\\added.txt", "T\\a.txt"}));
    EXPECT_FALSE(drives.exists("f:\\D\\Y"));

    // Once the user's files are gone, the retry leaves exactly the tree from before the run.
    std::filesystem::remove(drives.hostPath("f:\\D\\X\\T\\a.txt"));
    std::filesystem::remove(drives.hostPath("f:\\D\\X\\T\\Sub\\added.txt"));
    const CliResult retry = RunCli(drives, {"undo", "--journal", "j.json"});
    ASSERT_EQ(retry.status, 0) << retry.err;
    EXPECT_EQ(drives.listTree("f:\\"), before);
}

struct InputCase {
    const char* name;
    Strings args;
    const char* says;
};

// GoogleTest shows the case by its name, in its messages and in the test names ctest lists.
void PrintTo(const InputCase& c, std::ostream* out) {
    *out << c.name;
}

class CliInputFiles : public ::testing::TestWithParam<InputCase> {};

TEST_P(CliInputFiles, AreRefusedWithTheirReasonAndNothingIsMade) {
    TempDrives drives;
    std::ofstream(HostFile(drives, "nul.txt")) << std::string("A\nB\nC\0D\n", 8);
    for (const char* name : {"huge.txt", "huge.json"}) {
        std::ofstream(HostFile(drives, name)).close();
        std::filesystem::resize_file(HostFile(drives, name),
                                     (std::uintmax_t{1} << 30) + 1); // sparse
    }
    const CliResult result = RunCli(drives, GetParam().args);
    EXPECT_EQ(result.status, 2) << result.err;
    EXPECT_NE(result.err.find(GetParam().says), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("terminate"), std::string::npos) << result.err;
    EXPECT_EQ(drives.listTree("f:\\"), Strings{});
}

INSTANTIATE_TEST_SUITE_P(
    Limits, CliInputFiles,
    ::testing::Values(
        InputCase{"NamesFromDevZero",
                  {"strings", "--dest", "f:\\D", "--names", "/dev/zero"},
                  "NUL byte on line 1"},
        InputCase{"TemplatesFromDevZero",
                  {"strings", "--dest", "f:\\D", "--name", "A", "--attach", "templates",
                   "--templates", "/dev/zero"},
                  "NUL byte on line 1"},
        InputCase{"JournalFromDevZero", {"undo", "--journal", "/dev/zero"}, "NUL byte on line 1"},
        InputCase{"NulOnTheThirdLine", {"paths", "--paths", "nul.txt"}, "NUL byte on line 3"},
        InputCase{"HugeNames",
                  {"strings", "--dest", "f:\\D", "--names", "huge.txt"},
                  "larger than 256 MiB"},
        InputCase{"HugeJournal", {"undo", "--journal", "huge.json"}, "larger than 1 GiB"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(CliPaths, AHostPathThatClimbsIsRefusedLikeItsDriveForm) {
    TempDrives drives;
    drives.makeFolder("f:\\dest");
    const std::string climbing = drives.hostPath("f:\\dest") + "/../../outside/x";
    const CliResult result =
        RunCli(drives, {"paths", "--path", climbing, "--path", "f:\\dest\\..\\..\\y", "--json"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.json().at("lists").at("foldersOther").size(), 2u);
    EXPECT_TRUE(result.json().at("lists").at("foldersCreated").empty());
    EXPECT_FALSE(std::filesystem::exists(drives.hostRoot() + "/outside"));
    EXPECT_EQ(drives.listTree("f:\\"), Strings{"dest\\"});
}

} // namespace
} // namespace dirforge::testing
