// Runs and undos on a disk that changes under them: folders swapped for links between the run and
// the undo and in the middle of a copy, files edited after the run, journals naming what no run
// made. Nothing outside the chosen folders may be written, nothing a run did not make removed.

#include "RunFixture.h"

#include "engine/FolderFileUndo.h"
#include "engine/PageTexts.h"

#include <algorithm>
#include <filesystem>

namespace dirforge::testing {
namespace {

using engine::ResultList;
using Strings = std::vector<std::string>;

class SafeRunAndUndo : public RunFixture {
protected:
    /// Undoes the last run of the page, every question answered Yes.
    void undo(PageKind page, engine::RunResults& results, const std::string& mode = "F",
              const std::string& destination = "f:\\Clients\\") {
        prompt.answerEverything();
        ASSERT_TRUE(engine::UndoLastRun(page, results, mode, destination, fs(), prompt, log));
    }
    /// Moves a folder aside and puts a link to target in its place.
    void swapForLink(const std::string& folder, const std::string& aside,
                     const std::string& target) {
        std::filesystem::rename(drives.hostPath(folder), drives.hostPath(aside));
        drives.makeLink(folder, target);
    }
    engine::RunRequest copyRequest(Strings names) {
        engine::RunRequest r = request(PageKind::Strings, std::move(names));
        r.attachMode = AttachMode::Existing;
        r.copyVariant = CopyVariant::MainFolderWithFiles;
        r.structureLines = {"g:\\Src\\T"};
        return r;
    }
    void makeStructure() {
        drives.makeFile("g:\\Src\\T\\top.txt", "top");
        drives.makeFile("g:\\Src\\T\\Sub\\a.txt", "a");
        drives.makeFile("g:\\Src\\T\\Sub\\b.txt", "b");
    }
};

TEST_F(SafeRunAndUndo, ADestinationSwappedForALinkIsRefusedByTheUndo) {
    drives.makeFolder("f:\\Clients");
    create(request(PageKind::Strings, {"A", "B"}));
    ASSERT_EQ(state.results.FoldersCreated, (Strings{"f:\\Clients\\A", "f:\\Clients\\B"}));
    // The user's own folder holds the same names; the destination now leads there.
    drives.makeFolder("g:\\Mine\\A");
    drives.makeFolder("g:\\Mine\\B");
    swapForLink("f:\\Clients", "f:\\Before", "g:\\Mine");

    undo(PageKind::Strings, state.results, "N");
    EXPECT_EQ(drives.listTree("g:\\Mine"), (Strings{"A\\", "B\\"}));
    EXPECT_EQ(drives.listTree("f:\\Before"), (Strings{"A\\", "B\\"}));
    EXPECT_EQ(state.results.FoldersFailedUndo, (Strings{"f:\\Clients\\B", "f:\\Clients\\A"}));
    ASSERT_GE(prompt.shown().size(), 2u);
    EXPECT_EQ(prompt.shown()[prompt.shown().size() - 2].title,
              engine::TextsFor(PageKind::Strings).undo.report);

    // Put back, the retry removes exactly what the run made.
    std::filesystem::remove(drives.hostPath("f:\\Clients"));
    std::filesystem::rename(drives.hostPath("f:\\Before"), drives.hostPath("f:\\Clients"));
    undo(PageKind::Strings, state.results, "N");
    EXPECT_EQ(drives.listTree("f:\\Clients"), Strings{});
    EXPECT_TRUE(state.results.FoldersFailedUndo.empty());
}

TEST_F(SafeRunAndUndo, WhatChangedSinceTheRunIsKeptAndReported) {
    makeStructure();
    drives.makeFolder("f:\\Clients");
    create(copyRequest({"A"}));
    ASSERT_EQ(state.results.FilesCreated.size(), 3u);
    ASSERT_EQ(state.results.FileIdentities.size(), 3u);
    // Edited, and replaced by another file with the same content: neither is the run's any more.
    drives.makeFile("f:\\Clients\\A\\T\\top.txt", "edited by the user");
    std::filesystem::remove(drives.hostPath("f:\\Clients\\A\\T\\Sub\\a.txt"));
    drives.makeFile("f:\\Clients\\A\\T\\Sub\\a.txt", "a");

    undo(PageKind::Strings, state.results);
    EXPECT_EQ(drives.readText("f:\\Clients\\A\\T\\top.txt"), "edited by the user");
    EXPECT_EQ(drives.readText("f:\\Clients\\A\\T\\Sub\\a.txt"), "a");
    EXPECT_FALSE(drives.exists("f:\\Clients\\A\\T\\Sub\\b.txt")); // unchanged: the run's to remove
    Strings kept = state.results.UndoRetry; // in the order the structure was listed
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, (Strings{"f:\\Clients\\A\\T\\Sub\\a.txt", "f:\\Clients\\A\\T\\top.txt"}));
    EXPECT_EQ(state.results.FoldersFailedUndo,
              (Strings{"f:\\Clients\\A\\T\\Sub", "f:\\Clients\\A\\T", "f:\\Clients\\A"}));
    EXPECT_EQ(state.results.FailedUndoIdentities.size(), 3u);
    EXPECT_EQ(state.results.UndoRetryIdentities.size(), 2u);
}

// The copy holds the handle of each folder it made while it makes that folder's files: a folder
// moved aside for a link receives them where it now is; nothing goes through the link.
TEST_F(SafeRunAndUndo, AFolderSwappedForALinkDuringACopyGetsNothingWrittenThroughTheLink) {
    makeStructure();
    drives.makeFolder("g:\\Outside");
    drives.makeFolder("f:\\Clients");
    bool swapped = false;
    faulty.beforeCall([&](FsOp op, const std::string& path) {
        if (swapped || op != FsOp::CopyFile || path.find("\\Sub\\") == std::string::npos)
            return;
        swapped = true; // the subfolder was just made, its files are next
        swapForLink("f:\\Clients\\A\\T\\Sub", "f:\\Aside", "g:\\Outside");
    });
    create(copyRequest({"A"}));
    faulty.beforeCall({});
    ASSERT_TRUE(swapped);
    EXPECT_EQ(drives.listTree("g:\\Outside"), Strings{});
    EXPECT_EQ(drives.listTree("f:\\Aside"), (Strings{"a.txt", "b.txt"}));
    EXPECT_EQ(state.results.FileIdentities.size(), state.results.FilesCreated.size());
}

TEST_F(SafeRunAndUndo, ALinkWhereAFileIsToBeCopiedIsOtherReasonsNotExisting) {
    makeStructure();
    drives.makeFile("g:\\Outside\\mine.txt", "mine");
    drives.makeFolder("f:\\Clients");
    bool placed = false;
    faulty.beforeCall([&](FsOp op, const std::string& path) {
        if (placed || op != FsOp::CopyFile || path.find("top.txt") == std::string::npos)
            return;
        placed = true; // a link to a file of the user's appears where the copy is about to write
        drives.makeLink("f:\\Clients\\A\\T\\top.txt", "g:\\Outside\\mine.txt");
    });
    create(copyRequest({"A"}));
    faulty.beforeCall({});
    ASSERT_TRUE(placed);
    EXPECT_EQ(drives.listTree("g:\\Outside"), Strings{"mine.txt"});
    EXPECT_EQ(drives.readText("g:\\Outside\\mine.txt"), "mine");
    EXPECT_EQ(row(CounterRow::Files), (std::array<double, 3>{2, 0, 1}));
    EXPECT_EQ(state.results.FileIdentities.size(), state.results.FilesCreated.size());
}

TEST_F(SafeRunAndUndo, ALinkWhereAFolderIsToBeMadeIsOtherReasons) {
    drives.makeFolder("g:\\Outside");
    drives.makeFolder("f:\\Clients");
    drives.makeLink("f:\\Clients\\L", "g:\\Outside");
    drives.makeLink("f:\\Clients\\Direct", "g:\\Outside");
    create(request(PageKind::Strings, {"L\\X", "Direct", "Fine"}));
    EXPECT_EQ(drives.listTree("g:\\Outside"), Strings{});
    EXPECT_EQ(state.results.FoldersOther, (Strings{"f:\\Clients\\L\\X", "f:\\Clients\\Direct"}));
    EXPECT_EQ(state.results.FoldersCreated, Strings{"f:\\Clients\\Fine"});
}

TEST_F(SafeRunAndUndo, NamesTheDesktopWouldNotKeepAsTypedAreOtherReasons) {
    drives.makeFolder("f:\\Clients");
    create(request(PageKind::Strings, {"trail.", "x ", "CONIN$", "conout$", "Kept"}));
    EXPECT_EQ(state.results.FoldersCreated, Strings{"f:\\Clients\\Kept"});
    EXPECT_EQ(state.results.FoldersOther.size(), 4u);
    EXPECT_EQ(drives.listTree("f:\\Clients"), Strings{"Kept\\"});
}

TEST_F(SafeRunAndUndo, AJournalThatNamesWhatNoRunMadeRemovesNothing) {
    // Folders and a file that were there before any run, named by a hand-made journal: with no
    // identities, or with identities and anchors of other objects.
    drives.makeFolder("f:\\Old\\Empty");
    drives.makeFile("f:\\Old\\notes.txt", "mine");
    struct Case {
        const char* name;
        bool withIdentities;
    } cases[] = {{"without identities", false}, {"with foreign identities", true}};
    for (const Case& c : cases) {
        engine::RunResults results;
        results.FoldersCreated = {"f:\\Old"};
        results.SubFoldersCreated = {"f:\\Old\\Empty"};
        results.FoldersMadeByRun = {"f:\\Old", "f:\\Old\\Empty"};
        results.FilesCreated = {"f:\\Old\\notes.txt"};
        if (c.withIdentities) {
            const platform::FileIdentity other = drives.identityOf("f:\\");
            results.FolderIdentities = {platform::FolderIdentity::of(other),
                                        platform::FolderIdentity::of(other)};
            results.FileIdentities = {other};
            results.Anchors = {{"f:", drives.identityOf("f:\\")}};
        }
        undo(PageKind::Strings, results);
        EXPECT_TRUE(drives.isFolder("f:\\Old\\Empty")) << c.name;
        EXPECT_EQ(drives.readText("f:\\Old\\notes.txt"), "mine") << c.name;
        EXPECT_EQ(results.UndoRetry, Strings{"f:\\Old\\notes.txt"}) << c.name;
        EXPECT_EQ(results.FoldersFailedUndo, (Strings{"f:\\Old\\Empty", "f:\\Old"})) << c.name;
    }
}

TEST_F(SafeRunAndUndo, PathsEntriesAreUndoneThroughTheirOwnDeepestFolders) {
    drives.makeFolder("f:\\Existing");
    drives.makeFolder("g:\\Other");
    create(request(PageKind::Paths, {"f:\\Existing\\A", "f:\\New\\Deep\\B", "g:\\Other\\C"}, ""));
    ASSERT_EQ(state.results.FoldersCreated.size(), 3u);
    EXPECT_GE(state.results.Anchors.size(), 3u);
    // g:\Other swapped for a link to a folder holding a C of the user's.
    drives.makeFolder("g:\\Mine\\C");
    swapForLink("g:\\Other", "g:\\Aside", "g:\\Mine");
    undo(PageKind::Paths, state.results, "N", "");
    EXPECT_EQ(drives.listTree("f:\\"), Strings{"Existing\\"});
    EXPECT_TRUE(drives.isFolder("g:\\Mine\\C"));
    EXPECT_EQ(state.results.FoldersFailedUndo, Strings{"g:\\Other\\C"});
}

TEST_F(SafeRunAndUndo, PathsEntriesBesideOneAnotherAreMadeAndUndoneWhereTheirPathsLead) {
    drives.makeFolder("f:\\Dept\\A");
    drives.makeFolder("f:\\Dept\\B");
    drives.makeFolder("g:\\Target");
    drives.makeLink("f:\\Dept\\Link", "g:\\Target"); // a link the user named: followed
    create(request(PageKind::Paths,
                   {"f:\\Dept\\A\\x", "f:\\Dept\\B\\y", "f:\\Dept\\Link\\z", "f:\\New\\C\\u",
                    "f:\\New\\D\\v", "f:\\Dept\\A\\w", "f:\\Dept\\Missing\\..\\t"},
                   ""));
    EXPECT_EQ(
        state.results.FoldersMadeByRun,
        (Strings{"f:\\Dept\\A\\x", "f:\\Dept\\B\\y", "f:\\Dept\\Link\\z", "f:\\New", "f:\\New\\C",
                 "f:\\New\\C\\u", "f:\\New\\D", "f:\\New\\D\\v", "f:\\Dept\\A\\w"}));
    EXPECT_EQ(state.results.FoldersOther, Strings{"f:\\Dept\\Missing\\..\\t"});
    EXPECT_EQ(drives.listTree("g:\\Target"), Strings{"z\\"});
    for (std::size_t i = 0; i < state.results.FoldersMadeByRun.size(); ++i) {
        const std::string made(state.results.FoldersMadeByRun[i]);
        EXPECT_TRUE(state.results.FolderIdentities.at(i).sameObject(drives.identityOf(made)))
            << made;
    }

    undo(PageKind::Paths, state.results, "N", "");
    EXPECT_EQ(drives.listTree("f:\\"),
              (Strings{"Dept\\", "Dept\\A\\", "Dept\\B\\", "Dept\\Link@"}));
    EXPECT_EQ(drives.listTree("g:\\Target"), Strings{});
    EXPECT_TRUE(state.results.FoldersFailedUndo.empty());
}

} // namespace
} // namespace dirforge::testing
