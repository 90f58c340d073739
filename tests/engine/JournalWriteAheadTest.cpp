// The undo journal written ahead (version 3): the reader takes every complete record and leaves
// out a torn last one; numbers out of range, wrong types and repeated records are refused with
// their line; versions 1 and 2 still read; a journal that cannot be written stops the run as Stop
// does, and what was made is undone from the journal alone.

#include "RunFixture.h"

#include "engine/FolderFileUndo.h"
#include "engine/JournalWriter.h"
#include "engine/RunJournal.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

namespace dirforge::testing {
namespace {

const std::string kHeader = "{\"version\":3,\"page\":\"strings\",\"lastAttachMode\":\"N\","
                            "\"lastDestination\":\"f:\\\\D\\\\\",\"ToCreate\":[2,0,0,0]}\n";

std::optional<engine::RunJournal> Read(const std::string& text, std::string& error,
                                       engine::JournalRead* read = nullptr) {
    return engine::JournalFromJson(text, error, read);
}

TEST(JournalLines, ATornLastRecordIsLeftOutAndEverythingBeforeItIsRead) {
    const std::string complete =
        kHeader + "{\"made\":\"f:\\\\D\\\\A\",\"id\":[1,2]}\n" + "{\"created\":\"f:\\\\D\\\\A\"}\n";
    engine::JournalRead read;
    std::string error;
    const auto journal = Read(complete + "{\"made\":\"f:\\\\D\\\\B\",\"i", error, &read);
    ASSERT_TRUE(journal) << error;
    EXPECT_TRUE(read.tornTail);
    EXPECT_EQ(read.completeBytes, complete.size());
    EXPECT_EQ(journal->results.FoldersCreated, std::vector<std::string>{"f:\\D\\A"});
    ASSERT_EQ(journal->results.FoldersMadeByRun.size(), 1u);
    EXPECT_EQ(journal->results.FolderIdentities[0], (platform::FolderIdentity{1, 2}));

    engine::JournalRead whole;
    ASSERT_TRUE(Read(complete, error, &whole));
    EXPECT_FALSE(whole.tornTail);
}

struct RefusedCase {
    const char* name;
    std::string text;
    const char* line;
};

class JournalRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(JournalRefused, IsRefusedWithTheLineItStandsOn) {
    std::string error;
    EXPECT_FALSE(Read(GetParam().text, error));
    EXPECT_NE(error.find(GetParam().line), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JournalRefused,
    ::testing::Values(
        // An out-of-range float was once converted to int (undefined behaviour).
        RefusedCase{"HugeVersionOfAnObjectJournal", "{\"version\": 3e109, \"page\": \"strings\"}",
                    "unknown version"},
        RefusedCase{"HugeVersionOfALinesJournal",
                    "{\"version\":3e109,\"page\":\"strings\",\"lastAttachMode\":\"N\","
                    "\"lastDestination\":\"\",\"ToCreate\":[0,0,0,0]}\n",
                    "unknown version"},
        RefusedCase{"NegativeVersion",
                    "{\"version\":-3,\"page\":\"strings\",\"lastAttachMode\":\"N\","
                    "\"lastDestination\":\"\",\"ToCreate\":[0,0,0,0]}\n",
                    "unknown version"},
        RefusedCase{"InfiniteVersion", "{\"version\": 1e400, \"page\": \"strings\"}",
                    "number overflow"},
        RefusedCase{"HugeCounter",
                    "{\"version\":3,\"page\":\"strings\",\"lastAttachMode\":\"N\","
                    "\"lastDestination\":\"\",\"ToCreate\":[1e300,0,0,0]}\n",
                    "line 1"},
        RefusedCase{"NegativeInode", kHeader + "{\"made\":\"f:\\\\A\",\"id\":[1,-2]}\n", "line 2"},
        RefusedCase{"FloatInode", kHeader + "{\"made\":\"f:\\\\A\",\"id\":[1,1e30]}\n", "line 2"},
        RefusedCase{"PathOfWrongType", kHeader + "\n{\"created\":7}\n", "line 2"},
        RefusedCase{
            "RepeatedRecord",
            kHeader + "{\"made\":\"f:\\\\A\",\"id\":[1,2]}\n{\"made\":\"f:\\\\A\",\"id\":[1,2]}\n",
            "line 3: a repeated record"},
        RefusedCase{"RepeatedKey", kHeader + "{\"created\":\"a\",\"created\":\"b\"}\n", "line 2"},
        RefusedCase{"SecondHeader", kHeader + kHeader, "line 2: a second header"},
        RefusedCase{"IdentityOfNoFolder", kHeader + "{\"madeId\":0,\"id\":[1,2]}\n", "line 2"},
        RefusedCase{"MadeWithoutIntent", kHeader + "{\"made\":true,\"id\":[1,2]}\n",
                    "line 2: a record of an item no intent names"},
        RefusedCase{"FileAfterAFolderIntent",
                    kHeader +
                        "{\"making\":\"f:\\\\A\",\"t\":5}\n{\"file\":true,\"id\":[1,2,3,4]}\n",
                    "line 3: a record of an item no intent names"},
        RefusedCase{"BrokenLineInTheMiddle", kHeader + "{\"created\"\n{\"created\":\"a\"}\n",
                    "line 2: invalid JSON"}),
    [](const ::testing::TestParamInfo<RefusedCase>& tested) {
        return std::string(tested.param.name);
    });

TEST(JournalLines, VersionsOneAndTwoStillRead) {
    engine::RunJournal old;
    old.page = engine::PageKind::Numbers;
    old.lastAttachMode = "N";
    old.results.FoldersCreated = {"f:\\1"};
    old.results.FoldersMadeByRun.push_back("f:\\1");
    old.results.FolderIdentities = {{5, 6}};
    old.drives['f'] = "/tmp/x";
    std::string v2;
    engine::WriteJournalJson(old, [&v2](std::string_view piece) {
        v2.append(piece);
        return true;
    });
    std::string error;
    engine::JournalRead read;
    const auto two = Read(v2, error, &read);
    ASSERT_TRUE(two) << error;
    EXPECT_EQ(read.version, 2);
    EXPECT_EQ(two->results.FolderIdentities, old.results.FolderIdentities);
    const auto one =
        Read("{\"version\":1,\"page\":\"paths\",\"lastAttachMode\":\"N\",\"lastDestination\":\"\","
             "\"drives\":{\"f\":\"/x\"},\"FoldersCreated\":[\"f:\\\\A\"],\"SubFoldersCreated\":[],"
             "\"FilesCreated\":[],\"FoldersFailedUndo\":[],\"UndoRetry\":[],"
             "\"FoldersMadeByRun\":[\"f:\\\\A\"]}",
             error);
    ASSERT_TRUE(one) << error;
    EXPECT_EQ(one->results.FoldersCreated, std::vector<std::string>{"f:\\A"});
}

class JournalFullDisk : public RunFixture {};

TEST_F(JournalFullDisk, AJournalThatCannotBeWrittenStopsTheRunAndWhatWasMadeIsUndoneFromIt) {
    const std::string path = "f:\\j.json";
    // The 21st append fails as on a full disk; the run's last try writes it again.
    faulty.add({FsOp::AppendFile, "", false, 20, 1});
    int error = 0;
    engine::JournalWriter writer(
        faulty.openAppendFile(path, platform::AppendOpen::CreateNew, &error), drives.drives());
    std::vector<std::string> names;
    for (int i = 0; i < 50; ++i)
        names.push_back("N" + std::to_string(100 + i));
    const engine::RunRequest r = request(PageKind::Strings, names, "f:\\D");
    expectQuestion(PageKind::Strings);
    expectEnd(PageKind::Strings);
    engine::RunServices with = services();
    with.journal = &writer;
    const engine::RunOutcome outcome = engine::CreationRun(r, state, with);

    EXPECT_EQ(outcome.end, engine::RunEnd::Stopped);
    const std::size_t made = state.results.FoldersCreated.size();
    ASSERT_GT(made, 0u);
    ASSERT_LT(made, names.size());
    // The name in hand when the write failed is done too: it counts under other reasons.
    const double done = cell(CounterRow::Folders, CounterColumn::Created) +
                        cell(CounterRow::Folders, CounterColumn::Other);
    EXPECT_EQ(done, static_cast<double>(made + 1));
    EXPECT_EQ(outcome.journalError, "The undo journal could not be written (No space left on "
                                    "device); the run was stopped after " +
                                        std::to_string(made + 1) +
                                        " of 50 items. Everything made so far can be undone.");

    // The journal alone (as after the process ended) undoes exactly what was made.
    std::string why;
    engine::RunJournal journal = *engine::ReadJournalFile(drives.fs(), path, why);
    EXPECT_EQ(journal.results.FoldersCreated, state.results.FoldersCreated);
    ScriptedPrompt undoPrompt;
    undoPrompt.expect(engine::TextsFor(PageKind::Strings).undo.question, MessageKind::Question,
                      PromptButton::Yes);
    undoPrompt.expect(engine::TextsFor(PageKind::Strings).undo.end, MessageKind::Information);
    RecordingLog undoLog;
    ASSERT_TRUE(engine::UndoLastRun(PageKind::Strings, journal.results, journal.lastAttachMode,
                                    journal.lastDestination, drives.fs(), undoPrompt, undoLog));
    EXPECT_EQ(drives.listTree("f:\\"), std::vector<std::string>{"j.json"});
}

class UndoAlreadyGone : public RunFixture {};

// A file the user (or a killed undo) removed was reported as kept and failed, and came back as
// a retry of something that is not there.
TEST_F(UndoAlreadyGone, AnItemAlreadyGoneIsCountedAsGoneNotKeptOrRetried) {
    drives.makeFile("g:\\Src\\S\\a.txt", "a");
    drives.makeFile("g:\\Src\\S\\b.txt", "b");
    engine::RunRequest r = request(PageKind::Strings, {"A"}, "f:\\D");
    r.attachMode = AttachMode::Existing;
    r.copyVariant = CopyVariant::MainFolderWithFiles;
    r.structureLines = {"g:\\Src"};
    create(r);
    ASSERT_TRUE(drives.isFile("f:\\D\\A\\Src\\S\\a.txt"));
    ASSERT_EQ(::unlink(drives.hostPath("f:\\D\\A\\Src\\S\\a.txt").c_str()), 0);

    prompt.expect(engine::TextsFor(PageKind::Strings).undo.question, MessageKind::Question,
                  PromptButton::Yes);
    prompt.expect(engine::TextsFor(PageKind::Strings).undo.end, MessageKind::Information);
    ASSERT_TRUE(engine::UndoLastRun(PageKind::Strings, state.results, state.lastAttachMode,
                                    state.lastDestination, fs(), prompt, log));
    EXPECT_EQ(state.results.AlreadyGone, std::vector<std::string>{"f:\\D\\A\\Src\\S\\a.txt"});
    EXPECT_EQ(state.results.counters.alreadyGone, 1);
    EXPECT_TRUE(state.results.UndoRetry.empty());
    EXPECT_TRUE(state.results.FoldersFailedUndo.empty());
    EXPECT_EQ(drives.listTree("f:\\"), std::vector<std::string>{});
}

} // namespace
} // namespace dirforge::testing
