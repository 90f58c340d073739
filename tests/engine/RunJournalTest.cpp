// The undo journal written as a stream: whatever its size, the file read back is the journal
// written, the text is handed on in bounded pieces, and a refused piece fails the write.

#include "engine/RunJournal.h"
#include "support/FaultInjectingFileSystem.h"
#include "support/TempDrives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace dirforge;
using dirforge::testing::TempDrives;

/// A strings page journal of `folders` created folders below f:\Out, each made by the run with
/// an identity of its own; one path is not valid UTF-8.
engine::RunJournal JournalOf(std::size_t folders) {
    engine::RunJournal journal;
    journal.page = engine::PageKind::Paths;
    journal.lastAttachMode = "N";
    journal.lastDestination = "f:\\Out\\";
    engine::RunResults& results = journal.results;
    for (std::size_t i = 0; i < folders; ++i) {
        std::string path = "f:\\Out\\Client" + std::to_string(i);
        if (i == 1)
            path += "\xff\xfe";
        results.FoldersCreated.push_back(path);
        results.FoldersMadeByRun.push_back(path);
        results.FolderIdentities.push_back({7, 1000 + i});
    }
    results.UndoRetry = {"f:\\Out\\kept.txt"};
    results.UndoRetryIdentities = {{7, 99, 12, 34}};
    results.Anchors = {{"f:\\Out", {7, 2, 0, 0}}};
    results.counters.at(engine::CounterRow::Folders, engine::CounterColumn::ToCreate) =
        static_cast<double>(folders);
    return journal;
}

void ExpectSameJournal(const engine::RunJournal& read, const engine::RunJournal& written,
                       const std::string& label) {
    EXPECT_EQ(read.page, written.page) << label;
    EXPECT_EQ(read.lastDestination, written.lastDestination) << label;
    EXPECT_EQ(read.drives, written.drives) << label;
    const engine::RunResults& a = read.results;
    const engine::RunResults& b = written.results;
    EXPECT_EQ(a.FoldersCreated, b.FoldersCreated) << label;
    EXPECT_EQ(a.FoldersMadeByRun, b.FoldersMadeByRun) << label;
    EXPECT_EQ(a.UndoRetry, b.UndoRetry) << label;
    ASSERT_EQ(a.FolderIdentities.size(), b.FolderIdentities.size()) << label;
    for (std::size_t i = 0; i < a.FolderIdentities.size(); ++i)
        EXPECT_EQ(a.FolderIdentities[i], b.FolderIdentities[i]) << label << " " << i;
    ASSERT_EQ(a.Anchors.size(), 1u) << label;
    EXPECT_EQ(a.Anchors[0].path, "f:\\Out") << label;
    EXPECT_EQ(a.counters.cells, b.counters.cells) << label;
}

TEST(RunJournal, WrittenAsAStreamReadsBackWhole) {
    for (const std::size_t folders : {std::size_t{0}, std::size_t{3}, std::size_t{20000}}) {
        const std::string label = std::to_string(folders) + " folders";
        TempDrives drives;
        engine::RunJournal journal = JournalOf(folders);
        ASSERT_TRUE(
            engine::WriteJournalFile(drives.fs(), drives.drives(), "f:\\undo.json", journal))
            << label;
        EXPECT_EQ(journal.drives.count('f'), 1u) << label << ": the drive is recorded";
        std::string error;
        const auto read = engine::ReadJournalFile(drives.fs(), "f:\\undo.json", error);
        ASSERT_TRUE(read.has_value()) << label << ": " << error;
        ExpectSameJournal(*read, journal, label);
        EXPECT_EQ(drives.fs().readFile("f:\\undo.json"), engine::JournalToJson(journal)) << label;
    }
}

TEST(RunJournal, ReadsAndWritesTheFileAsItStandsOnDisk) {
    // A folder's identity has no size and no time: it is stored as a file's with -1 and 0.
    const std::string text = R"({
 "version": 2,
 "page": "strings",
 "lastAttachMode": "N",
 "lastDestination": "f:\\Out",
 "drives": {"f":"/srv/data"},
 "FoldersCreated": [
  "f:\\Out\\A"
 ],
 "SubFoldersCreated": [],
 "FilesCreated": [],
 "FoldersFailedUndo": [],
 "UndoRetry": [],
 "FoldersMadeByRun": [
  "f:\\Out",
  "f:\\Out\\A"
 ],
 "FolderIdentities": [
  [7,11,-1,0],
  [7,12,-1,0]
 ],
 "FileIdentities": [],
 "FailedUndoIdentities": [],
 "UndoRetryIdentities": [],
 "Anchors": [
  {"identity":[7,2,-1,0],"path":"f:"}
 ],
 "ToCreate": [1.0,0.0,0.0,0.0]
}
)";
    std::string error;
    const auto journal = engine::JournalFromJson(text, error);
    ASSERT_TRUE(journal.has_value()) << error;
    const engine::RunResults& results = journal->results;
    EXPECT_EQ(results.FoldersMadeByRun, (std::vector<std::string>{"f:\\Out", "f:\\Out\\A"}));
    EXPECT_EQ(results.FolderIdentities, (std::vector<platform::FolderIdentity>{{7, 11}, {7, 12}}));
    // Version 2 as it stands on disk is still what the old writer writes.
    std::string again;
    engine::WriteJournalJson(*journal, [&again](std::string_view piece) {
        again.append(piece);
        return true;
    });
    EXPECT_EQ(again, text);
}

TEST(RunJournal, TextIsHandedOnInBoundedPieces) {
    const engine::RunJournal journal = JournalOf(20000);
    std::vector<std::size_t> sizes;
    std::string text;
    ASSERT_TRUE(engine::WriteJournalJson(journal, [&](std::string_view piece) {
        sizes.push_back(piece.size());
        text.append(piece);
        return true;
    }));
    EXPECT_GT(text.size(), 1000000u);
    EXPECT_GT(sizes.size(), 10u) << "a large journal comes in many pieces";
    EXPECT_LE(*std::max_element(sizes.begin(), sizes.end()), 128u * 1024u);

    int handed = 0;
    EXPECT_FALSE(engine::WriteJournalJson(journal, [&](std::string_view) { return ++handed < 2; }))
        << "a refused piece fails the write";
    EXPECT_EQ(handed, 2) << "nothing more is handed on after a refusal";
}

TEST(RunJournal, FailedWriteKeepsTheJournalThatWasThere) {
    TempDrives drives;
    engine::RunJournal first = JournalOf(3);
    ASSERT_TRUE(engine::WriteJournalFile(drives.fs(), drives.drives(), "f:\\undo.json", first));
    const auto before = drives.fs().readFile("f:\\undo.json");

    dirforge::testing::FaultInjectingFileSystem faulty(drives.fs());
    faulty.failAlways(dirforge::testing::FsOp::WriteFile, "f:\\undo.json");
    engine::RunJournal second = JournalOf(5000);
    EXPECT_FALSE(engine::WriteJournalFile(faulty, drives.drives(), "f:\\undo.json", second));
    EXPECT_EQ(drives.fs().readFile("f:\\undo.json"), before);
    EXPECT_EQ(drives.listTree("f:\\"), std::vector<std::string>{"undo.json"});
}

} // namespace
