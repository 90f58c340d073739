// A run that works on several targets at once records exactly what the same run one target
// after another records: the same lists, counters, visual log and journal; a Stop during it
// leaves a journal that undoes back to the tree before. The reader takes each target's lane at
// the mark the run writes when it records that target, and a lane without its mark at the end.

#include "RunFixture.h"

#include "engine/FolderFileUndo.h"
#include "engine/JournalWriter.h"
#include "engine/RunJournal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace dirforge::testing {
namespace {

/// DIRFORGE_OVERLAP while it lives.
class OverlapWorkers {
public:
    explicit OverlapWorkers(const char* workers) { ::setenv("DIRFORGE_OVERLAP", workers, 1); }
    ~OverlapWorkers() { ::unsetenv("DIRFORGE_OVERLAP"); }
};

/// A log that presses Stop once a number of names are done.
class StopAfterNames : public RecordingLog {
public:
    void progressed(std::uint64_t done, std::uint64_t /*total*/) override { done_ = done; }
    bool stopRequested() override {
        ++asked_;
        return (stopAfter > 0 && done_ >= stopAfter) ||
               (stopAfterAsks > 0 && asked_ > stopAfterAsks);
    }
    /// Stop once so many names are done, or once the run asked so many times (within a copy).
    std::uint64_t stopAfter = 0;
    std::uint64_t stopAfterAsks = 0;

private:
    std::uint64_t done_ = 0;
    std::uint64_t asked_ = 0;
};

/// Everything a run leaves that the user or the undo reads, in a form two runs compare by.
struct OverlapPicture {
    std::array<std::vector<std::string>, engine::ResultListCount> lists, logLists;
    engine::RunCounters counters;
    std::vector<std::string> made, anchors, journalMade, journalLists[3];
    std::map<std::string, std::string> reasons;
    bool operator==(const OverlapPicture&) const = default;
};

std::vector<std::string> UnpackedPaths(const core::PackedStrings& packed) {
    return {packed.begin(), packed.end()};
}

class OverlappedRun : public RunFixture {
protected:
    void SetUp() override {
        drives.makeFile("g:\\Src\\Docs\\a.txt", "alpha");
        drives.makeFile("g:\\Src\\Docs\\Old\\b.txt", "beta");
        drives.makeFile("g:\\Src\\c.txt", "gamma");
        drives.makeFolder("g:\\Src\\Empty");
        drives.makeFolder("f:\\D\\There");
        drives.makeFolder("f:\\P1");
        drives.makeFolder("f:\\P2");
    }

    engine::RunRequest copyRequest(PageKind page, std::vector<std::string> names) {
        engine::RunRequest r = request(page, std::move(names), "f:\\D");
        r.attachMode = AttachMode::Existing;
        r.copyVariant = CopyVariant::MainFolderWithFiles;
        r.structureLines = {"g:\\Src"};
        return r;
    }

    /// One real run with its journal in journalPath; what it left, read back from the journal.
    OverlapPicture run(const engine::RunRequest& r, const std::string& journalPath,
                       engine::RunJournal& journal, engine::RunOutcome* outcome = nullptr) {
        state = engine::PageRunState{};
        int error = 0;
        engine::JournalWriter writer(
            faulty.openAppendFile(journalPath, platform::AppendOpen::CreateNew, &error),
            drives.drives());
        engine::RunServices with = services();
        with.journal = &writer;
        const engine::RunOutcome ended = engine::CreationRun(r, state, with);
        if (outcome != nullptr)
            *outcome = ended;
        std::string why;
        const std::optional<engine::RunJournal> read =
            engine::ReadJournalFile(drives.fs(), journalPath, why);
        if (!read) {
            ADD_FAILURE() << "the journal does not read back: " << why;
            return {};
        }
        journal = *read;
        OverlapPicture picture;
        for (int i = 0; i < engine::ResultListCount; ++i) {
            picture.lists[i] = state.results.list(static_cast<engine::ResultList>(i));
            picture.logLists[i] = log.lists[i];
        }
        picture.counters = state.results.counters;
        picture.made = UnpackedPaths(state.results.FoldersMadeByRun);
        for (const engine::RunAnchor& anchor : state.results.Anchors)
            picture.anchors.push_back(anchor.path);
        picture.journalMade = UnpackedPaths(journal.results.FoldersMadeByRun);
        picture.journalLists[0] = journal.results.FoldersCreated;
        picture.journalLists[1] = journal.results.SubFoldersCreated;
        picture.journalLists[2] = journal.results.FilesCreated;
        picture.reasons = log.reasons;
        // What the journal read back is what the run kept, identities included.
        EXPECT_EQ(picture.journalMade, picture.made);
        EXPECT_EQ(journal.results.FolderIdentities, state.results.FolderIdentities);
        EXPECT_EQ(journal.results.FileIdentities, state.results.FileIdentities);
        EXPECT_EQ(journal.results.FilesCreated, state.results.FilesCreated);
        return picture;
    }

    void undo(PageKind page, engine::RunJournal& journal) {
        ScriptedPrompt undoPrompt;
        undoPrompt.expect(engine::TextsFor(page).undo.question, MessageKind::Question,
                          PromptButton::Yes);
        undoPrompt.expect(engine::TextsFor(page).undo.end, MessageKind::Information);
        RecordingLog undoLog;
        ASSERT_TRUE(engine::UndoLastRun(page, journal.results, journal.lastAttachMode,
                                        journal.lastDestination, drives.fs(), undoPrompt, undoLog));
    }

    /// The request run one target after another, undone, then with four workers: both the same.
    void expectSameAsOneAfterAnother(const engine::RunRequest& r) {
        const std::vector<std::string> before = drives.listTree("f:\\");
        engine::RunJournal journal;
        OverlapPicture sequential, overlapped;
        {
            const OverlapWorkers one("0");
            expectQuestion(r.page);
            expectEnd(r.page);
            sequential = run(r, "g:\\one" + std::to_string(++runs_) + ".json", journal);
        }
        undo(r.page, journal);
        ASSERT_EQ(drives.listTree("f:\\"), before);
        {
            const OverlapWorkers four("4");
            expectQuestion(r.page);
            expectEnd(r.page);
            overlapped = run(r, "g:\\four" + std::to_string(runs_) + ".json", journal);
        }
        EXPECT_EQ(overlapped.lists, sequential.lists);
        EXPECT_EQ(overlapped.logLists, sequential.logLists);
        EXPECT_EQ(overlapped.counters.cells, sequential.counters.cells);
        EXPECT_EQ(overlapped.made, sequential.made);
        EXPECT_EQ(overlapped.anchors, sequential.anchors);
        EXPECT_EQ(overlapped.reasons, sequential.reasons);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(overlapped.journalLists[i], sequential.journalLists[i]) << i;
        EXPECT_FALSE(sequential.lists[0].empty());
        {
            const OverlapWorkers four("4"); // the undo's files four runs at once
            undo(r.page, journal);
        }
        EXPECT_EQ(drives.listTree("f:\\"), before);
    }

    int runs_ = 0;
};

TEST_F(OverlappedRun, RecordsTheSameAsOneTargetAfterAnother) {
    std::vector<std::string> names;
    for (int i = 0; i < 24; ++i)
        names.push_back("N" + std::to_string(10 + i));
    // A repeat, a name inside an earlier target's copy, a folder already there, a refused name.
    names.insert(names.begin() + 3, "N10");
    names.insert(names.begin() + 5, "N11\\Src\\Docs");
    names.insert(names.begin() + 7, "There");
    names.insert(names.begin() + 9, "a*b");
    expectSameAsOneAfterAnother(copyRequest(PageKind::Strings, names));

    engine::RunRequest templates = request(PageKind::Numbers, {}, "f:\\D");
    templates.numbers = {1, 20, "1", "20", true, false};
    templates.attachMode = AttachMode::TextTemplates;
    templates.structureLines = {"\\X\\Y", "\\Z"};
    expectSameAsOneAfterAnother(templates);

    std::vector<std::string> entries;
    for (int i = 0; i < 12; ++i)
        entries.push_back(std::string(i % 2 == 0 ? "f:\\P1\\E" : "f:\\P2\\E") +
                          std::to_string(i / 2));
    entries.insert(entries.begin() + 4, "f:\\P1\\E0"); // a repeat, while E0 may be in flight
    entries.push_back("f:\\P3\\New\\E");               // below a folder the run makes itself
    expectSameAsOneAfterAnother(copyRequest(PageKind::Paths, entries));
}

TEST_F(OverlappedRun, AStopLeavesAJournalThatUndoesBackToTheTreeBefore) {
    const std::vector<std::string> before = drives.listTree("f:\\");
    std::vector<std::string> names;
    for (int i = 0; i < 40; ++i)
        names.push_back("N" + std::to_string(10 + i));
    const engine::RunRequest r = copyRequest(PageKind::Strings, names);
    // With workers the stop comes after nine names; one target after another, within a copy.
    for (const char* workers : {"4", "0"}) {
        SCOPED_TRACE(workers);
        const bool overlapped = std::string(workers) != "0";
        StopAfterNames stopping;
        (overlapped ? stopping.stopAfter : stopping.stopAfterAsks) = overlapped ? 9 : 30;
        const OverlapWorkers count(workers);
        expectQuestion(r.page);
        prompt.expect(titles(r.page, false).end, MessageKind::Information);
        state = engine::PageRunState{};
        const std::string journalPath = std::string("g:\\stop") + workers + ".json";
        int error = 0;
        engine::JournalWriter writer(
            faulty.openAppendFile(journalPath, platform::AppendOpen::CreateNew, &error),
            drives.drives());
        engine::RunServices with{fs(), prompt, shell, stopping, &writer};
        const engine::RunOutcome outcome = engine::CreationRun(r, state, with);
        EXPECT_EQ(outcome.end, engine::RunEnd::Stopped);
        // The copies in hand are left at Stop: what stands is exactly what the run recorded.
        const std::size_t made = state.results.FoldersCreated.size();
        EXPECT_GE(made, overlapped ? 9u : 1u);
        EXPECT_LT(made, names.size());
        std::size_t recorded = state.results.FilesCreated.size();
        for (const std::string_view folder : state.results.FoldersMadeByRun)
            recorded += folder.starts_with("f:\\D\\") ? 1 : 0;
        EXPECT_EQ(drives.listTree("f:\\D").size(), 1 + recorded);
        if (!overlapped) { // the last target's copy was cut short
            EXPECT_LT(recorded, made * 8);
        }

        std::string why;
        const std::optional<engine::RunJournal> read =
            engine::ReadJournalFile(drives.fs(), journalPath, why);
        ASSERT_TRUE(read) << why;
        engine::RunJournal journal = *read;
        EXPECT_EQ(journal.results.FoldersCreated, state.results.FoldersCreated);
        EXPECT_EQ(journal.results.FilesCreated, state.results.FilesCreated);
        undo(r.page, journal);
        EXPECT_EQ(drives.listTree("f:\\"), before);
    }
}

TEST(JournalLanes, ALaneIsTakenAtItsMarkAndAnUnfinishedOneAtTheEndWithItsItemInFlight) {
    const std::string header = "{\"version\":3,\"page\":\"strings\",\"lastAttachMode\":\"F\","
                               "\"lastDestination\":\"f:\\\\D\\\\\",\"ToCreate\":[2,0,0,0]}\n";
    const std::string text =
        header + "{\"lane\":1,\"r\":{\"making\":\"f:\\\\D\\\\A\",\"t\":5}}\n" +
        "{\"lane\":2,\"r\":{\"making\":\"f:\\\\D\\\\B\",\"t\":6}}\n" +
        "{\"lane\":2,\"r\":{\"made\":\"f:\\\\D\\\\B\",\"id\":[1,20]}}\n" +
        "{\"lane\":1,\"r\":{\"made\":\"f:\\\\D\\\\A\",\"id\":[1,10]}}\n" +
        "{\"lane\":1,\"r\":{\"created\":\"f:\\\\D\\\\A\"}}\n" +
        "{\"lane\":2,\"r\":{\"created\":\"f:\\\\D\\\\B\"}}\n" +
        "{\"lane\":2,\"r\":{\"copying\":\"f:\\\\D\\\\B\\\\x.txt\",\"t\":7}}\n" +
        "{\"lane\":1,\"r\":{\"making\":\"f:\\\\D\\\\A\\\\S\",\"t\":8}}\n" + "{\"laneDone\":1}\n";
    std::string error;
    const auto journal = engine::JournalFromJson(text, error);
    ASSERT_TRUE(journal) << error;
    // Lane 1 at its mark (its refused last folder forgotten), then lane 2 with its file in flight.
    EXPECT_EQ(journal->results.FoldersCreated, (std::vector<std::string>{"f:\\D\\A", "f:\\D\\B"}));
    EXPECT_EQ(UnpackedPaths(journal->results.FoldersMadeByRun),
              (std::vector<std::string>{"f:\\D\\A", "f:\\D\\B"}));
    EXPECT_EQ(journal->results.FilesCreated, std::vector<std::string>{"f:\\D\\B\\x.txt"});
    EXPECT_EQ(journal->results.FileIdentities[0].inode, platform::FileIdentity::kUnverifiedInode);

    // An undo after a killed run removes what its lanes made too: nothing of them comes back.
    const auto undone = engine::JournalFromJson(
        text + "{\"undo\":1}\n{\"undone\":[0,0]}\n{\"finished\":1}\n", error);
    ASSERT_TRUE(undone) << error;
    EXPECT_TRUE(undone->results.FilesCreated.empty());
    EXPECT_EQ(undone->results.FoldersMadeByRun.size(), 0u);

    EXPECT_FALSE(engine::JournalFromJson(
        header + "{\"lane\":1,\"r\":{\"madeId\":0,\"id\":[1,2]}}\n{\"laneDone\":1}\n", error));
    EXPECT_NE(error.find("no place in a lane"), std::string::npos) << error;
}

} // namespace
} // namespace dirforge::testing
