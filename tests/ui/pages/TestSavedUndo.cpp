// The strings page's Undo survives the program's end: every real run and every undo rewrite the
// page's journal in the working folder, a fresh start restores it, and File > "Undo a Saved
// Run..." undoes a journal of either program (the window's or dirforge-cli's) and keeps what is
// left in it. A damaged or foreign journal changes nothing.
#include "cli/CliRunner.h"
#include "engine/RunJournal.h"
#include "helpers/StartedProgram.h"
#include "ui/app/TfrmMain.h"
#include "ui/pages/run/PageJournal.h"
#include "ui/pages/strings/StringsPage.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

#include <fstream>

using dirforge::engine::PageKind;
using dirforge::platform::MessageKind;
using dirforge::platform::PromptButton;
using dirforge::testing::RunCli;
using dirforge::testing::StartedProgram;
using Strings = std::vector<std::string>;

namespace {

const std::string kArea = "Creating Folder(s).-From a String List.            ";
const std::string kCreateQuestion =
    "Creating Folder(s).-From  a String List.            Information no: 20048.";
const std::string kCreateEnd = kArea + "Information no: 20053.";
const std::string kUndoQuestion = kArea + "Information no: 20056.";
const std::string kUndoEnd = kArea + "Information no: 20058.";
const std::string kSavedTitle = "Undo a Saved Run.";

const Strings kBefore{"keep.txt"};

/// f:\Out holds a file of the user's; the page runs three names into it, Attach Nothing.
void RunThreeNames(StartedProgram& program) {
    program.drives.makeFile("f:\\Out\\keep.txt", "mine");
    program.chooseDestination("f:\\Out");
    program.addNames({"A", "B", "C"});
    program.click("rdoVol02AttachNothing");
    program.prompt.expect(kCreateQuestion, MessageKind::Question, PromptButton::Yes);
    program.prompt.expect(kCreateEnd, MessageKind::Information);
    program.click("btnVol02CreateFolders");
}

std::string PageJournal(StartedProgram& program) {
    return dirforge::ui::PageJournalPath(program.context->startupFolder(), PageKind::Strings);
}

/// The journal at path as the engine reads it; fails the test when it is not one.
std::optional<dirforge::engine::RunJournal> ReadJournal(StartedProgram& program,
                                                        const std::string& path) {
    std::string error;
    auto journal = dirforge::engine::ReadJournalFile(program.context->fileSystem(), path, error);
    if (!journal)
        qWarning("%s is %s", path.c_str(), error.c_str());
    return journal;
}

void UndoSavedRun(StartedProgram& program, const std::string& file) {
    program.dialogs.answerOpen(file);
    program.window().findChild<QAction*>("UndoSavedRun1")->trigger();
}

} // namespace

class TestSavedUndo : public QObject {
    Q_OBJECT
private slots:
    void aRunIsUndoneAfterARestart() {
        StartedProgram program;
        RunThreeNames(program);
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QCOMPARE(program.drives.listTree("f:\\Out"), (Strings{"A\\", "B\\", "C\\", "keep.txt"}));
        auto journal = ReadJournal(program, PageJournal(program));
        QVERIFY(journal.has_value());
        QCOMPARE(journal->results.FoldersCreated.size(), std::size_t(3));

        program.restart();
        // A fresh start has no destination chosen, yet the restored Undo is at hand.
        QVERIFY(program.find<QPushButton>("btnVol02Undo")->isEnabled());
        QCOMPARE(program.window().runState(PageKind::Strings).results.FoldersCreated.size(),
                 std::size_t(3));
        program.prompt.expect(kUndoQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kUndoEnd, MessageKind::Information);
        program.click("btnVol02Undo");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QCOMPARE(program.drives.listTree("f:\\Out"), kBefore);

        journal = ReadJournal(program, PageJournal(program));
        QVERIFY(journal.has_value());
        QVERIFY(dirforge::engine::NothingLeftToUndo(*journal));
        // Nothing pending: the next start has nothing to restore.
        program.restart();
        QVERIFY(program.window().runState(PageKind::Strings).results.FoldersCreated.empty());
        QVERIFY(!program.find<QPushButton>("btnVol02Undo")->isEnabled());
    }

    void theWindowsJournalIsUndoneByTheBatchFrontEnd() {
        StartedProgram program;
        RunThreeNames(program);
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        const auto undo = RunCli(program.drives, {"undo", "--journal", PageJournal(program)});
        QVERIFY2(undo.status == 0, undo.err.c_str());
        QCOMPARE(program.drives.listTree("f:\\Out"), kBefore);
        const auto journal = ReadJournal(program, PageJournal(program));
        QVERIFY(journal.has_value() && dirforge::engine::NothingLeftToUndo(*journal));
    }

    void theBatchFrontEndsJournalIsUndoneByTheWindow() {
        StartedProgram program;
        program.drives.makeFile("f:\\Out\\keep.txt", "mine");
        const auto run = RunCli(program.drives, {"strings", "--dest", "f:\\Out", "--name", "A",
                                                 "--name", "B", "--journal", "j.json"});
        QVERIFY2(run.status == 0, run.err.c_str());
        QCOMPARE(program.drives.listTree("f:\\Out"), (Strings{"A\\", "B\\", "keep.txt"}));

        const std::string file = "c:" + program.drives.hostRoot() + "/j.json";
        program.prompt.expect(kUndoQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kUndoEnd, MessageKind::Information);
        UndoSavedRun(program, file);
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QCOMPARE(program.drives.listTree("f:\\Out"), kBefore);
        const auto journal = ReadJournal(program, file);
        QVERIFY(journal.has_value() && dirforge::engine::NothingLeftToUndo(*journal));
        // The page's own store was not touched: its Undo still has nothing to do.
        QVERIFY(program.window().runState(PageKind::Strings).results.FoldersCreated.empty());
    }

    void aDamagedOrForeignJournalChangesNothing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("not JSON") << "{\"version\": 2, \"page\": "
                                  << "invalid JSON on line 1";
        QTest::newRow("other JSON") << "{\"name\": \"a profile\"}"
                                    << "not a dirforge undo journal";
        QTest::newRow("future version") << "{\"version\": 9}"
                                        << "undo journal of an unknown version";
        QTest::newRow("NUL byte") << QString::fromLatin1("{\"version\"\0: 2}", 15) << "NUL byte";
        QTest::newRow("drive mapped elsewhere") << "drive"
                                                << "Drive f: stood for \"/nowhere\"";
    }

    void aDamagedOrForeignJournalChangesNothing() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        StartedProgram program;
        RunThreeNames(program);
        const std::string own = program.drives.readText(PageJournal(program));
        std::string content = text.toStdString();
        if (content == "drive") {
            auto journal = ReadJournal(program, PageJournal(program));
            QVERIFY(journal.has_value());
            journal->drives['f'] = "/nowhere";
            content = dirforge::engine::JournalToJson(*journal);
        }
        const std::string file = "c:" + program.drives.hostRoot() + "/bad.json";
        std::ofstream(program.drives.hostRoot() + "/bad.json", std::ios::binary) << content;

        program.prompt.expect(kSavedTitle, MessageKind::Warning);
        UndoSavedRun(program, file);
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        const std::string shown = program.prompt.shown().back().text;
        QVERIFY2(shown.find(message.toStdString()) != std::string::npos, shown.c_str());
        QVERIFY(shown.find("Nothing was undone.") != std::string::npos);
        QCOMPARE(program.drives.listTree("f:\\Out"), (Strings{"A\\", "B\\", "C\\", "keep.txt"}));
        QCOMPARE(program.drives.readText(file), content);
        QCOMPARE(program.drives.readText(PageJournal(program)), own);
    }
};

QTEST_MAIN(TestSavedUndo)
#include "TestSavedUndo.moc"
