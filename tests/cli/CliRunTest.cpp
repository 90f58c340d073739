// dirforge-cli's creation commands on temporary drives: framing, attach modes, simulation and
// the JSON report.

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <sys/stat.h>

namespace dirforge::testing {
namespace {

using Strings = std::vector<std::string>;

Strings ListOf(const nlohmann::json& report, const char* key) {
    return report.at("lists").at(key).get<Strings>();
}

double Counter(const nlohmann::json& report, const char* row, const char* column) {
    return report.at("counters").at(row).at(column).get<double>();
}

void WriteHostFile(const TempDrives& drives, const std::string& name, const std::string& content) {
    std::ofstream(drives.hostRoot() + "/" + name, std::ios::binary) << content;
}

/// A structure folder with a file at its top and one in a subfolder.
void MakeStructure(TempDrives& drives) {
    drives.makeFile("g:\\Src\\T\\b.txt", "bb");
    drives.makeFile("g:\\Src\\T\\Sub\\a.txt", "a");
}

TEST(CliStrings, NamesFileIsFramedAndReadThroughTheImportReader) {
    TempDrives drives;
    // Relative host file, CRLF and blank lines; a name repeated in other letter case is left out,
    // as the window's list keeps it once.
    WriteHostFile(drives, "names.txt", "A\r\n\r\n   \nb/c\na\n");
    const CliResult result =
        RunCli(drives, {"strings", "--dest", drives.hostRoot() + "/f/Clients", "--names",
                        "names.txt", "--prefix", "P", "--hyphen", "--json"});
    ASSERT_EQ(result.status, 0) << result.err;
    const nlohmann::json report = result.json();
    EXPECT_EQ(ListOf(report, "foldersCreated"),
              (Strings{"f:\\Clients\\P-A", "f:\\Clients\\P-b\\c"}));
    EXPECT_EQ(ListOf(report, "foldersExist"), Strings{});
    EXPECT_EQ(Counter(report, "folders", "toCreate"), 2);
    EXPECT_NE(result.err.find("--names: 1 name already in the list, ignoring letter case, was "
                              "left out"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(drives.listTree("f:\\Clients"), (Strings{"P-A\\", "P-b\\", "P-b\\c\\"}));
}

// Names files as spreadsheets and old editors save them, byte for byte: the folders made are
// the names a user sees, each once, and a guessed encoding is said on the error output.
TEST(CliStrings, NamesFilesAsTheyAreReallySaved) {
    const struct {
        const char* what;
        std::string bytes;
        Strings tree;
        const char* saying; // on stderr, or ""
    } cases[] = {
        {"Windows-1252",
         "M\xFCller\r\nCaf\xE9\r\n",
         {"Caf\xC3\xA9\\", "M\xC3\xBCller\\"},
         "names.txt is not UTF-8: read as Windows-1252"},
        {"UTF-16LE with a mark",
         std::string("\xFF\xFEM\0\xFC\0l\0l\0"
                     "e\0r\0\r\0\n\0",
                     18),
         {"M\xC3\xBCller\\"},
         ""},
        {"marks inside the file",
         "\xEF\xBB\xBF\xEF\xBB\xBFOne\n\xEF\xBB\xBFTwo\xE2\x80\x8B\n",
         {"One\\", "Two\\"},
         ""},
        {"lone CR line ends",
         "Mac1\rMac2\nMix3\rMix4",
         {"Mac1\\", "Mac2\\", "Mix3\\", "Mix4\\"},
         ""},
        {"composed and decomposed",
         "Caf\xC3\xA9\nCafe\xCC\x81\n",
         {"Caf\xC3\xA9\\"},
         "1 name already in the list, ignoring letter case, was left out"},
        {"letter case",
         "Client\nclient\nCLIENT\n",
         {"Client\\"},
         "2 names already in the list, ignoring letter case, were left out"},
    };
    for (const auto& c : cases) {
        TempDrives drives;
        WriteHostFile(drives, "names.txt", c.bytes);
        const CliResult result =
            RunCli(drives, {"strings", "--dest", drives.hostRoot() + "/f", "--names", "names.txt"});
        EXPECT_EQ(result.status, 0) << c.what << ": " << result.err;
        EXPECT_EQ(drives.listTree("f:"), c.tree) << c.what;
        EXPECT_NE(result.err.find(c.saying), std::string::npos) << c.what << ": " << result.err;
    }
}

struct AttachCase {
    const char* name;
    Strings options;
    Strings expectedTree; // below the new folder f:\D\X
    std::size_t
        journaledSubfolders; // a template line journals the folder it names, not its parents
};

// GoogleTest shows the case by its name, in its messages and in the test names ctest lists.
void PrintTo(const AttachCase& c, std::ostream* out) {
    *out << c.name;
}

class CliAttach : public ::testing::TestWithParam<AttachCase> {};

TEST_P(CliAttach, EachModeGivesTheNewFolderItsTree) {
    TempDrives drives;
    MakeStructure(drives);
    Strings args{"strings", "--dest", "f:\\D", "--name", "X", "--json"};
    args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
    const CliResult result = RunCli(drives, args);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(drives.listTree("f:\\D\\X"), GetParam().expectedTree);
    const nlohmann::json report = result.json();
    EXPECT_EQ(ListOf(report, "foldersCreated"), (Strings{"f:\\D\\X"}));
    // Every subfolder and file made is journaled, so the undo can find it.
    std::size_t files = 0;
    for (const std::string& entry : GetParam().expectedTree)
        files += entry.back() == '\\' ? 0 : 1;
    EXPECT_EQ(ListOf(report, "subFoldersCreated").size(), GetParam().journaledSubfolders);
    EXPECT_EQ(ListOf(report, "filesCreated").size(), files);
    EXPECT_EQ(drives.listTree("g:\\Src"),
              (Strings{"T\\", "T\\Sub\\", "T\\Sub\\a.txt", "T\\b.txt"}));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CliAttach,
    ::testing::Values(
        AttachCase{"Nothing", {}, {}, 0},
        AttachCase{"MainFolder",
                   {"--attach", "existing", "--structure", "g:\\Src\\T"},
                   {"T\\", "T\\Sub\\"},
                   2},
        AttachCase{"SubFolders",
                   {"--attach", "existing", "--structure", "g:/Src/T", "--copy", "sub"},
                   {"Sub\\"},
                   1},
        AttachCase{"MainFolderWithFiles",
                   {"--attach", "existing", "--structure", "g:\\Src\\T", "--copy", "main-files"},
                   {"T\\", "T\\Sub\\", "T\\Sub\\a.txt", "T\\b.txt"},
                   2},
        AttachCase{"SubFoldersWithFiles",
                   {"--attach", "existing", "--structure", "g:\\Src\\T", "--copy", "sub-files"},
                   {"Sub\\", "Sub\\a.txt", "b.txt"},
                   1},
        AttachCase{"TemplateKept",
                   {"--attach", "templates", "--template", "\\Docs\\Drafts"},
                   {"Docs\\", "Docs\\Drafts\\"},
                   1},
        AttachCase{"TemplateDropFirst",
                   {"--attach", "templates", "--template", "\\Docs\\Drafts", "--template-option",
                    "drop-first"},
                   {"Drafts\\"},
                   1},
        AttachCase{"TemplateReplaceFirst",
                   {"--attach", "templates", "--template", "\\Cust\\Cust_Mail", "--template-option",
                    "replace-first"},
                   {"X_Mail\\"},
                   1},
        AttachCase{"TemplateReplaceText",
                   {"--attach", "templates", "--template", "\\ZZ_docs", "--template-option",
                    "replace-text=zz"},
                   {"X_docs\\"},
                   1}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(CliStrings, TemplateFilesAddToTemplateLines) {
    TempDrives drives;
    drives.makeFile("g:\\t.txt", "\\One\n\n\\Two\\Deep\n");
    const CliResult result =
        RunCli(drives, {"strings", "--dest", "f:\\D", "--name", "X", "--attach", "templates",
                        "--template", "\\Zero", "--templates", "g:\\t.txt"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(drives.listTree("f:\\D\\X"), (Strings{"One\\", "Two\\", "Two\\Deep\\", "Zero\\"}));
}

TEST(CliSimulation, WritesNothingReportsTheLogAndLeavesTheJournal) {
    TempDrives drives;
    MakeStructure(drives);
    WriteHostFile(drives, "j.json", "previous run");
    const CliResult result =
        RunCli(drives, {"strings", "--dest", "f:\\D", "--name", "X", "--attach", "existing",
                        "--structure", "g:\\Src\\T", "--copy", "main-files", "--simulate",
                        "--journal", "j.json", "--json"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(drives.listTree("f:\\"), Strings{});
    EXPECT_EQ(drives.readText("c:" + drives.hostRoot() + "/j.json"), "previous run");
    const nlohmann::json report = result.json();
    EXPECT_EQ(ListOf(report, "foldersCreated"), (Strings{"f:\\D\\X"}));
    EXPECT_EQ(ListOf(report, "subFoldersCreated"), (Strings{"f:\\D\\X\\T", "f:\\D\\X\\T\\Sub"}));
    EXPECT_EQ(ListOf(report, "filesCreated").size(), 2u);
    EXPECT_EQ(Counter(report, "bytes", "created"), 3);
}

TEST(CliReport, JsonHasTheCountersListsAndMessagesAndTextNamesThem) {
    TempDrives drives;
    const CliResult json = RunCli(drives, {"strings", "--dest", "f:\\D", "--name", "A", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const nlohmann::json report = json.json();
    ASSERT_TRUE(report.is_object());
    EXPECT_EQ(report.size(), 4u);
    EXPECT_TRUE(report.at("reasons").is_object());
    const nlohmann::json& counters = report.at("counters");
    EXPECT_EQ(counters.size(), 5u);
    for (const char* row : {"folders", "subfolders", "files", "bytes"}) {
        EXPECT_EQ(counters.at(row).size(), 4u) << row;
        for (const char* column : {"toCreate", "created", "exist", "other"})
            EXPECT_TRUE(counters.at(row).at(column).is_number_integer()) << row << "." << column;
    }
    EXPECT_EQ(counters.at("failedUndo"), 0);
    const nlohmann::json& lists = report.at("lists");
    EXPECT_EQ(lists.size(), 6u);
    for (const char* list : {"foldersCreated", "subFoldersCreated", "filesCreated", "foldersExist",
                             "foldersOther", "foldersFailedUndo"})
        EXPECT_TRUE(lists.at(list).is_array()) << list;
    ASSERT_FALSE(report.at("messages").empty());
    EXPECT_EQ(report.at("messages").back().at("text"), "End of Creating Folders/Files !!!");

    const CliResult text = RunCli(
        drives, {"strings", "--dest", "f:\\D", "--name", "A", "--name", "B", "--name", "a|b"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Folders created (1):\n  f:\\D\\B\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("for other reasons (1):\n  f:\\D\\a|b  (refused character |)\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("Folders that already exist (1):\n  f:\\D\\A\n"), std::string::npos)
        << text.out;
}

TEST(CliReport, ASpecialFileOfAStructureIsNamedWithItsCauseInBothReports) {
    TempDrives drives;
    drives.makeFile("f:\\S\\a.txt", "1");
    ASSERT_EQ(::mkfifo(drives.hostPath("f:\\S\\pipe").c_str(), 0600), 0);
    const std::vector<std::string> run{"strings", "--dest",   "f:\\D",     "--name",
                                       "A",       "--attach", "existing",  "--structure",
                                       "f:\\S",   "--copy",   "main-files"};
    const CliResult text = RunCli(drives, run);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Not made or copied below the new folders (1):\n  f:\\S\\pipe  (not "
                            "a regular file or folder (FIFO))\n"),
              std::string::npos)
        << text.out;
    std::vector<std::string> again = run;
    again[4] = "B";
    again.push_back("--json");
    const CliResult json = RunCli(drives, again);
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.json().at("reasons"),
              (nlohmann::json{{"f:\\S\\pipe", "not a regular file or folder (FIFO)"}}));
}

TEST(CliPaths, HostAndDrivePathsOnTwoDrivesAndEntriesWithoutDrive) {
    TempDrives drives;
    drives.makeFile("f:\\Base\\mine.txt", "user");
    const CliResult result = RunCli(drives, {"paths", "--path", drives.hostRoot() + "/f/Base/New",
                                             "--path", "g:\\Other\\Deep\\Q", "--path", "relative",
                                             "--prefix", "p", "--journal", "j.json", "--json"});
    ASSERT_EQ(result.status, 0) << result.err;
    const nlohmann::json report = result.json();
    EXPECT_EQ(ListOf(report, "foldersCreated"), (Strings{"f:\\Base\\pNew", "g:\\Other\\Deep\\pQ"}));
    EXPECT_EQ(ListOf(report, "foldersOther"), (Strings{"relative"}));
    EXPECT_EQ(report.at("reasons"), (nlohmann::json{{"relative", "no drive letter"}}));

    // The undo removes what the run made on both drives and keeps the folder that was there.
    const CliResult undo = RunCli(drives, {"undo", "--journal", "j.json"});
    ASSERT_EQ(undo.status, 0) << undo.err;
    EXPECT_EQ(drives.listTree("f:\\"), (Strings{"Base\\", "Base\\mine.txt"}));
    EXPECT_EQ(drives.listTree("g:\\"), Strings{});
}

TEST(CliNumbers, PaddedNumbersWithNumberedTemplatesAndTheirUndo) {
    TempDrives drives;
    const CliResult result =
        RunCli(drives, {"numbers", "--dest", "f:\\D", "--start", "9", "--end", "11", "--pad",
                        "--prefix", "N", "--attach", "templates", "--template", "\\Docs",
                        "--number-suffix", "--journal", "j.json"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(drives.listTree("f:\\D"), (Strings{"N09\\", "N09\\Docs09\\", "N10\\", "N10\\Docs10\\",
                                                 "N11\\", "N11\\Docs11\\"}));
    ASSERT_EQ(RunCli(drives, {"undo", "--journal", "j.json"}).status, 0);
    EXPECT_EQ(drives.listTree("f:\\"), Strings{});
}

} // namespace
} // namespace dirforge::testing
