// Long work on the strings page: the progress row moves, Stop (its button or Escape) ends a
// run, a simulation or an undo after the item in hand, and every other click meanwhile is
// dropped. What a stopped run made is listed, counted and undoable; what a stopped undo did
// not reach stays for the next Undo.
#include "engine/FolderFileUndo.h"
#include "engine/ProgressText.h"
#include "engine/RunJournal.h"
#include "helpers/StartedProgram.h"
#include "platform/HostFileSystem.h"
#include "support/FaultInjectingFileSystem.h"
#include "ui/app/TfrmMain.h"
#include "ui/pages/run/PageJournal.h"
#include "ui/pages/strings/StringsPage.h"
#include "ui/results/TfrmStatistic.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <thread>

using dirforge::engine::ResultList;
using dirforge::engine::StoppedText;
using dirforge::engine::StoppedWork;
using dirforge::platform::MessageKind;
using dirforge::platform::PromptButton;
using dirforge::testing::FsOp;
using dirforge::testing::StartedProgram;

namespace {

const std::string kArea = "Creating Folder(s).-From a String List.            ";
const std::string kCreateQuestion =
    "Creating Folder(s).-From  a String List.            Information no: 20048.";
const std::string kCreateEnd = kArea + "Information no: 20053.";
const std::string kSimulationQuestion = "Simulate " + kArea + "Information no: 20072.";
const std::string kSimulationEnd = "Simulate " + kArea + "Information no: 20075.";
const std::string kUndoQuestion = kArea + "Information no: 20056.";
const std::string kUndoEnd = kArea + "Information no: 20058.";

constexpr int kNames = 1000;
/// How long each folder made or removed takes at least: a run of kNames lasts many frames on
/// any disk (a fast one included), so a stop lands well before its last name.
constexpr std::chrono::microseconds kFolderCallTime(200);

/// The program on drives whose folder calls are paced by kFolderCallTime.
class PacedProgram {
public:
    PacedProgram() : paced_(host_) {
        paced_.beforeCall([](FsOp op, const std::string&) {
            if (op == FsOp::CreateFolder || op == FsOp::RemoveEmptyFolder)
                std::this_thread::sleep_for(kFolderCallTime);
        });
        program_.fileSystem = &paced_;
        program_.start();
    }
    ~PacedProgram() { program_.end(); } // before the file system it uses goes

    StartedProgram& operator*() { return program_; }

private:
    StartedProgram program_{StartedProgram::Start::Later};
    dirforge::platform::HostFileSystem host_{program_.drives.drives()};
    dirforge::testing::FaultInjectingFileSystem paced_;
};

enum class StopBy { Button, Escape };

/// Destination f:\Out, kNames names, Attach Nothing.
void Prepare(StartedProgram& program) {
    program.drives.makeFolder("f:\\Out");
    program.chooseDestination("f:\\Out");
    std::vector<std::string> names;
    for (int i = 0; i < kNames; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "N%05d", i);
        names.emplace_back(name);
    }
    program.addNames(names);
    program.click("rdoVol02AttachNothing");
}

/// While the work goes on: once the bar has moved, clicks Undo (which must be dropped), then
/// stops the work the given way. Fires from the work's own event processing.
void StopOnceMoving(StartedProgram& program, StopBy by, bool& clickedOther) {
    auto* timer = new QTimer(&program.window());
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, timer, [&program, by, &clickedOther, timer] {
        auto* stop = program.find<QPushButton>("btnVol02Stop");
        if (!stop->isEnabled() || program.find<QProgressBar>("prgVol02RunProgress")->value() < 1)
            return;
        timer->stop();
        timer->deleteLater();
        QTest::mouseClick(program.find<QPushButton>("btnVol02Undo"), Qt::LeftButton);
        clickedOther = true;
        if (by == StopBy::Button)
            QTest::mouseClick(stop, Qt::LeftButton);
        else
            QTest::keyClick(&program.window(), Qt::Key_Escape);
    });
    timer->start();
}

/// The strings page's journal in the working folder, as the engine reads it.
dirforge::engine::RunJournal SavedJournal(StartedProgram& program) {
    const std::string path = dirforge::ui::PageJournalPath(program.context->startupFolder(),
                                                           dirforge::engine::PageKind::Strings);
    std::string error;
    auto journal = dirforge::engine::ReadJournalFile(program.context->fileSystem(), path, error);
    if (!journal)
        qFatal("%s is %s", path.c_str(), error.c_str());
    return std::move(*journal);
}

dirforge::ui::TfrmStatistic& Log(StartedProgram& program) {
    return program.context->visualLog(dirforge::engine::PageKind::Strings);
}

QString Counter(StartedProgram& program, const char* name) {
    return Log(program).findChild<QLabel*>(name)->text();
}

} // namespace

Q_DECLARE_METATYPE(StopBy)

class TestRunStop : public QObject {
    Q_OBJECT
private slots:
    void stopIsEnabledOnlyWhileWorking() {
        PacedProgram paced;
        StartedProgram& program = *paced;
        auto* stop = program.find<QPushButton>("btnVol02Stop");
        QVERIFY(stop != nullptr);
        QVERIFY(!stop->isEnabled());
        Prepare(program);
        bool enabledDuringRun = false;
        QTimer::singleShot(0, stop, [&] { enabledDuringRun = stop->isEnabled(); });
        program.prompt.expect(kCreateQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kCreateEnd, MessageKind::Information);
        program.click("btnVol02CreateFolders");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QVERIFY(enabledDuringRun);
        QVERIFY(!stop->isEnabled());
        QCOMPARE(program.find<QProgressBar>("prgVol02RunProgress")->value(), 1000);
        QVERIFY(program.find<QLabel>("lblVol02RunProgress")
                    ->text()
                    .startsWith(QString("%1 of %1 done").arg(kNames)));
    }

    void stoppedRunKeepsWhatItMadeUndoable_data() {
        QTest::addColumn<StopBy>("by");
        QTest::newRow("Stop button") << StopBy::Button;
        QTest::newRow("Escape") << StopBy::Escape;
    }
    void stoppedRunKeepsWhatItMadeUndoable() {
        QFETCH(StopBy, by);
        PacedProgram paced;
        StartedProgram& program = *paced;
        Prepare(program);
        bool clickedOther = false;
        StopOnceMoving(program, by, clickedOther);
        program.prompt.expect(kCreateQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kCreateEnd, MessageKind::Information);
        program.click("btnVol02CreateFolders");
        // The Undo click during the run was dropped: it would have asked its question.
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QVERIFY(clickedOther);

        const auto& created = program.context->mainWindow()
                                  .runState(dirforge::engine::PageKind::Strings)
                                  .results.FoldersCreated;
        const std::size_t made = created.size();
        QVERIFY(made > 0 && made < std::size_t(kNames));
        QCOMPARE(program.prompt.shown().back().text, StoppedText(StoppedWork::Run, made, kNames));
        QCOMPARE(program.drives.listTree("f:\\Out").size(), made);
        QCOMPARE(Log(program).entries(ResultList::FoldersCreated).size(), made);
        QCOMPARE(Counter(program, "lblStat02FoldersCreated"), QString::number(made));
        QCOMPARE(SavedJournal(program).results.FoldersCreated, created);
        QVERIFY(program.shell.folders().empty());
        QVERIFY(!program.find<QPushButton>("btnVol02Stop")->isEnabled());
        QVERIFY(program.find<QWidget>("btnVol02CreateFolders")->isEnabled());

        program.prompt.expect(kUndoQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kUndoEnd, MessageKind::Information);
        program.click("btnVol02Undo");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QCOMPARE(program.drives.listTree("f:\\Out"), std::vector<std::string>{});
    }

    void stoppedSimulationSaysHowFarItCame() {
        PacedProgram paced;
        StartedProgram& program = *paced;
        Prepare(program);
        // A dry run creates nothing and is quick: a structure of a hundred folders to count for
        // every name makes it last many frames, so the stop lands well before the last name.
        for (int i = 0; i < 10; ++i)
            for (int j = 0; j < 10; ++j)
                program.drives.makeFolder("g:\\Tpl\\A" + std::to_string(i) + "\\B" +
                                          std::to_string(j));
        program.click("rdoVol02StructureImportFullPaths");
        program.picker.answer("g:\\Tpl");
        program.click("btnVol02AddFolderStructure");
        bool clickedOther = false;
        StopOnceMoving(program, StopBy::Button, clickedOther);
        program.prompt.expect(kSimulationQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kSimulationEnd, MessageKind::Information);
        program.click("btnVol02CreateFoldersSimulation");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        const std::size_t counted = Log(program).entries(ResultList::FoldersCreated).size();
        QVERIFY(counted > 0 && counted < std::size_t(kNames));
        QCOMPARE(program.prompt.shown().back().text,
                 StoppedText(StoppedWork::Simulation, counted, kNames));
        QCOMPARE(program.drives.listTree("f:\\Out"), std::vector<std::string>{});
    }

    void stoppedUndoKeepsTheRestForTheNextUndo() {
        PacedProgram paced;
        StartedProgram& program = *paced;
        Prepare(program);
        program.prompt.expect(kCreateQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kCreateEnd, MessageKind::Information);
        program.click("btnVol02CreateFolders");
        QCOMPARE(program.drives.listTree("f:\\Out").size(), std::size_t(kNames));

        bool clickedOther = false;
        StopOnceMoving(program, StopBy::Button, clickedOther);
        program.prompt.expect(kUndoQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kUndoEnd, MessageKind::Information);
        program.click("btnVol02Undo");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());

        const auto& results =
            program.context->mainWindow().runState(dirforge::engine::PageKind::Strings).results;
        const std::size_t left = results.FoldersFailedUndo.size();
        QVERIFY(left > 0 && left < std::size_t(kNames));
        QCOMPARE(program.prompt.shown().back().text,
                 StoppedText(StoppedWork::Undo, kNames - left, kNames));
        QCOMPARE(program.drives.listTree("f:\\Out").size(), left);
        QCOMPARE(Log(program).entries(ResultList::FoldersFailedUndo), results.FoldersFailedUndo);
        QCOMPARE(Counter(program, "lblStat02FoldersCreated"), QStringLiteral("0"));
        // The saved journal keeps what is left, so the rest can be undone after a restart too.
        QCOMPARE(SavedJournal(program).results.FoldersFailedUndo, results.FoldersFailedUndo);
        QVERIFY(SavedJournal(program).results.FoldersCreated.empty());

        program.prompt.expect(kUndoQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kUndoEnd, MessageKind::Information);
        program.click("btnVol02Undo");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QCOMPARE(program.prompt.shown().back().text, std::string(dirforge::engine::kUndoEndText));
        QCOMPARE(program.drives.listTree("f:\\Out"), std::vector<std::string>{});
        QVERIFY(dirforge::engine::NothingLeftToUndo(SavedJournal(program)));
    }
};

QTEST_MAIN(TestRunStop)
#include "TestRunStop.moc"
