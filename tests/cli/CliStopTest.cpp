// dirforge-cli stopped by SIGINT or SIGTERM: the run or undo ends after the item in hand, the
// partial report is printed, the journal holds what was made (or what is left to undo), and
// the exit status is 128 + the signal.

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <thread>

namespace dirforge::testing {
namespace {

using Strings = std::vector<std::string>;

constexpr int kNames = 60000;
/// Fewer for the undo, which first makes all of them: enough that a stop lands in its middle.
constexpr int kUndoNames = 2000;

std::string NameOf(int i) {
    char name[16];
    std::snprintf(name, sizeof name, "N%06d", i);
    return name;
}

/// A names file of count names in the fixture's host root.
void WriteNames(const TempDrives& drives, int count) {
    std::ofstream names(drives.hostRoot() + "/names.txt");
    for (int i = 0; i < count; ++i)
        names << NameOf(i) << '\n';
}

/// Waits (at most a minute) until ready() holds, then sends signal to the child.
template <typename Ready> bool SignalWhen(const CliChild& child, int signal, Ready ready) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!ready()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return ::kill(child.pid, signal) == 0;
}

std::size_t EntriesBelow(const TempDrives& drives, const std::string& folder) {
    return drives.listTree(folder).size();
}

struct StopCase {
    const char* name;
    int signal;
    int status;
    const char* signalName;
};

// GoogleTest shows the case by its name, in its messages and in the test names ctest lists.
void PrintTo(const StopCase& c, std::ostream* out) {
    *out << c.name;
}

class CliStop : public ::testing::TestWithParam<StopCase> {};

TEST_P(CliStop, ARunStoppedBySignalIsReportedJournaledAndUndoneToTheOriginalTree) {
    const StopCase& c = GetParam();
    TempDrives drives;
    drives.makeFolder("f:\\Keep\\Mine");
    const Strings before = drives.listTree("f:\\");
    WriteNames(drives, kNames);

    CliChild run = StartCli(drives, {"strings", "--dest", "f:\\D", "--names", "names.txt",
                                     "--journal", "j.json", "--json"});
    ASSERT_TRUE(SignalWhen(run, c.signal, [&] { return drives.exists("f:\\D\\" + NameOf(100)); }));
    const CliResult stopped = WaitCli(run);
    ASSERT_EQ(stopped.status, c.status) << stopped.err;
    EXPECT_NE(stopped.err.find(std::string("stopped by ") + c.signalName), std::string::npos)
        << stopped.err;

    // The partial report: what was created, no more, and the closing message says how far it came.
    const nlohmann::json report = stopped.json();
    const auto created = report.at("lists").at("foldersCreated").get<Strings>();
    ASSERT_GT(created.size(), 100u);
    ASSERT_LT(created.size(), static_cast<std::size_t>(kNames));
    EXPECT_EQ(report.at("counters").at("folders").at("created"), created.size());
    EXPECT_EQ(report.at("messages")
                  .back()
                  .at("text")
                  .get<std::string>()
                  .rfind("The run was stopped after " + std::to_string(created.size()) + " of " +
                             std::to_string(kNames),
                         0),
              0u);
    EXPECT_EQ(EntriesBelow(drives, "f:\\D"), created.size());
    EXPECT_EQ(JournalIn(drives).results.FoldersCreated, created);

    const CliResult undo = RunCli(drives, {"undo", "--journal", "j.json"});
    ASSERT_EQ(undo.status, 0) << undo.err;
    EXPECT_EQ(drives.listTree("f:\\"), before);
}

TEST_P(CliStop, AnUndoStoppedBySignalKeepsWhatIsLeftForTheNextUndo) {
    const StopCase& c = GetParam();
    TempDrives drives;
    WriteNames(drives, kUndoNames);
    const CliResult run = RunCli(
        drives, {"strings", "--dest", "f:\\D", "--names", "names.txt", "--journal", "j.json"});
    ASSERT_EQ(run.status, 0) << run.err;

    // Deepest first and the last scheduled first: the last name goes first.
    CliChild undo = StartCli(drives, {"undo", "--journal", "j.json", "--json"});
    ASSERT_TRUE(SignalWhen(undo, c.signal,
                           [&] { return !drives.exists("f:\\D\\" + NameOf(kUndoNames - 100)); }));
    const CliResult stopped = WaitCli(undo);
    ASSERT_EQ(stopped.status, c.status) << stopped.err;

    const Strings left = JournalIn(drives).results.FoldersFailedUndo;
    ASSERT_GT(left.size(), 0u);
    // What is left is exactly what is still there: the folders not reached, and D above them.
    EXPECT_EQ(EntriesBelow(drives, "f:\\D") + 1, left.size());
    for (const std::string& folder : left)
        EXPECT_TRUE(drives.isFolder(folder)) << folder;
    EXPECT_EQ(stopped.json().at("lists").at("foldersFailedUndo").get<Strings>(), left);

    const CliResult rest = RunCli(drives, {"undo", "--journal", "j.json"});
    ASSERT_EQ(rest.status, 0) << rest.err;
    EXPECT_EQ(drives.listTree("f:\\"), Strings{});
}

INSTANTIATE_TEST_SUITE_P(Signals, CliStop,
                         ::testing::Values(StopCase{"Interrupt", SIGINT, 130, "SIGINT"},
                                           StopCase{"Terminate", SIGTERM, 143, "SIGTERM"}),
                         [](const ::testing::TestParamInfo<StopCase>& tested) {
                             return std::string(tested.param.name);
                         });

TEST(CliProgress, NoProgressLineWhenStandardErrorIsNotATerminal) {
    TempDrives drives;
    const CliResult run =
        RunCli(drives, {"strings", "--dest", "f:\\D", "--name", "A", "--name", "B"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const CliResult quiet =
        RunCli(drives, {"strings", "--dest", "f:\\E", "--name", "A", "--quiet", "--json"});
    ASSERT_EQ(quiet.status, 0) << quiet.err;
    EXPECT_EQ(quiet.err, "");
    EXPECT_EQ(quiet.json().at("counters").at("folders").at("created"), 1);
}

} // namespace
} // namespace dirforge::testing
