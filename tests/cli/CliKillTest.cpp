// dirforge-cli killed with SIGKILL in the middle of a run or an undo: the journal written ahead
// holds everything made (at most the item in flight is missing), so the next undo restores
// exactly the tree that was there before the run, and nothing stray is left beside the journal.

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

namespace dirforge::testing {
namespace {

using Strings = std::vector<std::string>;

constexpr int kKillNames = 3000;

std::string KillNameOf(int i) {
    char name[16];
    std::snprintf(name, sizeof name, "N%05d", i);
    return name;
}

std::set<std::string> HostRootEntries(const TempDrives& drives) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(drives.hostRoot()))
        names.insert(entry.path().filename().string());
    return names;
}

/// Kills the child with SIGKILL once ready() holds (or after a minute), then reaps it.
template <typename Ready> void KillWhen(CliChild& child, Ready ready) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!ready() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    ::kill(child.pid, SIGKILL);
    WaitCli(child);
}

/// A fixture with a structure of two folders and three files, and kKillNames names.
struct KillFixture {
    TempDrives drives;
    Strings before;
    std::set<std::string> rootBefore;

    KillFixture() {
        drives.makeFile("g:\\Src\\T\\a.txt", "a");
        drives.makeFile("g:\\Src\\T\\S\\b.txt", "bb");
        drives.makeFile("g:\\Src\\T\\S\\c.txt", "ccc");
        drives.makeFolder("f:\\D\\Mine");
        std::ofstream names(drives.hostRoot() + "/names.txt");
        for (int i = 0; i < kKillNames; ++i)
            names << KillNameOf(i) << '\n';
        names.close();
        before = drives.listTree("f:\\");
        rootBefore = HostRootEntries(drives);
        rootBefore.insert("j.json");
    }
    CliChild startRun() {
        return StartCli(drives, {"strings", "--dest", "f:\\D", "--names", "names.txt", "--attach",
                                 "existing", "--structure", "g:\\Src\\T", "--copy", "main-files",
                                 "--journal", "j.json", "--quiet"});
    }
    /// The next undo (or two, when the first one keeps anything) restores the tree exactly.
    void expectUndoRestores() {
        const CliResult undo = RunCli(drives, {"undo", "--journal", "j.json", "--json"});
        ASSERT_EQ(undo.status, 0) << undo.err;
        EXPECT_EQ(undo.json().at("lists").at("foldersFailedUndo"), nlohmann::json::array())
            << undo.out;
        EXPECT_EQ(undo.json().at("lists").at("filesFailedUndo"), nlohmann::json::array())
            << undo.out;
        EXPECT_EQ(drives.listTree("f:\\"), before);
        EXPECT_EQ(HostRootEntries(drives), rootBefore);
    }
};

class CliKill : public ::testing::TestWithParam<int> {};

TEST_P(CliKill, ARunKilledAtAnyMomentIsUndoneToTheTreeBeforeIt) {
    KillFixture f;
    const int after = GetParam();
    CliChild run = f.startRun();
    KillWhen(run, [&] { return f.drives.exists("f:\\D\\" + KillNameOf(after) + "\\T\\S\\c.txt"); });
    f.expectUndoRestores();
}

TEST_P(CliKill, AnUndoKilledAtAnyMomentIsFinishedByTheNextOne) {
    KillFixture f;
    CliChild run = f.startRun();
    ASSERT_EQ(WaitCli(run).status, 0);
    // The last name is removed first: wait until the undo has come down to the parameter's.
    const int reached = kKillNames - 1 - GetParam();
    CliChild undo = StartCli(f.drives, {"undo", "--journal", "j.json", "--quiet"});
    KillWhen(undo,
             [&] { return !f.drives.exists("f:\\D\\" + KillNameOf(reached) + "\\T\\a.txt"); });
    f.expectUndoRestores();
}

INSTANTIATE_TEST_SUITE_P(Moments, CliKill, ::testing::Values(0, 40, 700, 2200));

TEST(CliKillEarly, ARunKilledBeforeItsFirstItemLeavesNothingToUndo) {
    KillFixture f;
    CliChild run = f.startRun();
    ::kill(run.pid, SIGKILL);
    WaitCli(run);
    if (!f.drives.exists("c:" + f.drives.hostRoot() + "/j.json")) {
        EXPECT_EQ(f.drives.listTree("f:\\"), f.before); // killed before the journal was claimed
        return;
    }
    const CliResult undo = RunCli(f.drives, {"undo", "--journal", "j.json"});
    EXPECT_TRUE(undo.status == 0 || undo.status == 1) << undo.err; // 1: nothing to undo
    EXPECT_EQ(f.drives.listTree("f:\\"), f.before);
}

} // namespace
} // namespace dirforge::testing
