// Runs from the strings page on temporary drives: a real run and a simulation with each attach
// mode, the visual log's counters and lists afterwards, undo, and the refusals before a run.
#include "helpers/StartedProgram.h"
#include "helpers/WidgetLookup.h"
#include "ui/NameListModel.h"
#include "ui/StringsPage.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmStatistic.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

using dirforge::engine::ResultList;
using dirforge::platform::MessageKind;
using dirforge::platform::PromptButton;
using dirforge::testing::StartedProgram;

namespace {

const std::string kArea = "Creating Folder(s).-From a String List.            ";
const std::string kCreateQuestion = "Creating Folder(s).-From  a String List.            Information no: 20048.";
const std::string kCreateEnd = kArea + "Information no: 20053.";
const std::string kSimulationQuestion = "Simulate " + kArea + "Information no: 20072.";
const std::string kSimulationEnd = "Simulate " + kArea + "Information no: 20075.";

enum class Attach { Nothing, ExistingWithFiles, Templates };

/// Destination f:\Out, INCLUDE A and B, prefix P with hyphen, and the attach mode with its structure.
void Prepare(StartedProgram& program, Attach attach) {
    program.drives.makeFile("g:\\Tpl\\Proj\\Docs\\readme.txt", "hello");
    program.drives.makeFolder("f:\\Out");
    program.chooseDestination("f:\\Out");
    program.addNames({"A", "B"});
    program.find<QLineEdit>("edtVol02Prefix")->setText("P");
    program.click("chkVol02Hyphen");
    switch (attach) {
    case Attach::Nothing:
        program.click("rdoVol02AttachNothing");
        break;
    case Attach::ExistingWithFiles:
        program.click("rdoVol02AttachMainFolderWithFiles");
        program.picker.answer("g:\\Tpl\\Proj");
        program.click("btnVol02AddFolderStructure");
        break;
    case Attach::Templates:
        program.click("rdoVol02StructureImportRelativePaths");
        program.page().structureList().add("\\Docs\\In");
        program.page().RefreshPageState();
        break;
    }
}

std::vector<std::string> TreeAfter(Attach attach) {
    switch (attach) {
    case Attach::Nothing: return {"P-A\\", "P-B\\"};
    case Attach::ExistingWithFiles:
        return {"P-A\\", "P-A\\Proj\\", "P-A\\Proj\\Docs\\", "P-A\\Proj\\Docs\\readme.txt",
                "P-B\\", "P-B\\Proj\\", "P-B\\Proj\\Docs\\", "P-B\\Proj\\Docs\\readme.txt"};
    case Attach::Templates: return {"P-A\\", "P-A\\Docs\\", "P-A\\Docs\\In\\", "P-B\\", "P-B\\Docs\\", "P-B\\Docs\\In\\"};
    }
    return {};
}

QString Counter(StartedProgram& program, const char* name) {
    return program.context->findVisualLog(dirforge::engine::PageKind::Strings)->findChild<QLabel*>(name)->text();
}

} // namespace

Q_DECLARE_METATYPE(Attach)

class TestStringsPageRuns : public QObject {
    Q_OBJECT
private slots:
    void realRunThenUndo_data() {
        QTest::addColumn<Attach>("attach");
        QTest::addColumn<int>("subfolders");
        QTest::addColumn<int>("files");
        QTest::newRow("attach nothing") << Attach::Nothing << 0 << 0;
        QTest::newRow("existing structure with files") << Attach::ExistingWithFiles << 4 << 2;
        QTest::newRow("text templates") << Attach::Templates << 2 << 0;
    }

    void realRunThenUndo() {
        QFETCH(Attach, attach);
        QFETCH(int, subfolders);
        QFETCH(int, files);
        StartedProgram program;
        Prepare(program, attach);
        program.drives.makeFile("f:\\Out\\keep.txt", "mine");
        program.prompt.expect(kCreateQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kCreateEnd, MessageKind::Information);
        program.click("btnVol02CreateFolders");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());

        std::vector<std::string> expected = TreeAfter(attach);
        expected.push_back("keep.txt");
        std::sort(expected.begin(), expected.end());
        QCOMPARE(program.drives.listTree("f:\\Out"), expected);
        QCOMPARE(program.shell.folders(), std::vector<std::string>{"f:\\Out"});
        auto* log = program.context->findVisualLog(dirforge::engine::PageKind::Strings);
        QVERIFY(log->isVisible());
        QCOMPARE(log->entries(ResultList::FoldersCreated), (std::vector<std::string>{"f:\\Out\\P-A", "f:\\Out\\P-B"}));
        QCOMPARE(int(log->entries(ResultList::SubFoldersCreated).size()), subfolders);
        QCOMPARE(int(log->entries(ResultList::FilesCreated).size()), files);
        QCOMPARE(Counter(program, "lblStat02FoldersCreated"), QStringLiteral("2"));
        QVERIFY(program.find<QWidget>("btnVol02CreateFolders")->isEnabled());
        auto* tabs = program.find<QTabWidget>("pgeMain");
        QVERIFY(tabs->isTabEnabled(1) && tabs->isTabEnabled(2));

        program.prompt.expect(kArea + "Information no: 20056.", MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kArea + "Information no: 20058.", MessageKind::Information);
        program.click("btnVol02Undo");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QCOMPARE(program.drives.listTree("f:\\Out"), std::vector<std::string>{"keep.txt"});
        QVERIFY(log->entries(ResultList::FoldersCreated).empty());

        program.prompt.expect(kArea + "Warning no: 20055.", MessageKind::Warning);
        program.click("btnVol02Undo");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
    }

    void simulationWritesNothingAndKeepsTheRunUndoable_data() { realRunThenUndo_data(); }

    void simulationWritesNothingAndKeepsTheRunUndoable() {
        QFETCH(Attach, attach);
        QFETCH(int, subfolders);
        StartedProgram program;
        Prepare(program, attach);
        program.click("chkVol02ViewDestFolder"); // no explorer afterwards
        program.prompt.expect(kSimulationQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kSimulationEnd, MessageKind::Information);
        program.click("btnVol02CreateFoldersSimulation");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QVERIFY(program.drives.listTree("f:\\Out").empty());
        QVERIFY(program.shell.folders().empty());
        auto* log = program.context->findVisualLog(dirforge::engine::PageKind::Strings);
        QCOMPARE(int(log->entries(ResultList::FoldersCreated).size()), 2);
        QCOMPARE(int(log->entries(ResultList::SubFoldersCreated).size()), subfolders);
        QVERIFY(program.find<QWidget>("btnVol02CreateFoldersSimulation")->isEnabled());
        // Nothing real was created, so there is nothing to undo.
        program.prompt.expect(kArea + "Warning no: 20055.", MessageKind::Warning);
        program.click("btnVol02Undo");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
    }

    void runIsRefusedWithoutAnswerOrStructure() {
        StartedProgram program;
        Prepare(program, Attach::Nothing);
        program.prompt.expect(kCreateQuestion, MessageKind::Question, PromptButton::No);
        program.click("btnVol02CreateFolders");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QVERIFY(program.drives.listTree("f:\\Out").empty());
        QVERIFY(program.find<QWidget>("btnVol02CreateFolders")->isEnabled());
        // An existing folder is recorded as existing and the destination leads the history.
        program.drives.makeFolder("f:\\Out\\P-A");
        program.prompt.expect(kCreateQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kCreateEnd, MessageKind::Information);
        program.click("btnVol02CreateFolders");
        auto* log = program.context->findVisualLog(dirforge::engine::PageKind::Strings);
        QCOMPARE(log->entries(ResultList::FoldersExist), std::vector<std::string>{"f:\\Out\\P-A"});
        QCOMPARE(Counter(program, "lblStat02FoldersExists"), QStringLiteral("1"));
    }

    void visualLogButtonShowsTheLog() {
        StartedProgram program;
        Prepare(program, Attach::Nothing);
        auto* log = program.context->findVisualLog(dirforge::engine::PageKind::Strings);
        QVERIFY(!log->isVisible());
        program.click("btnVol02Statistic");
        QVERIFY(log->isVisible());
        QCOMPARE(Counter(program, "lblStat02FoldersToCreate"), QStringLiteral("2"));
    }
};

QTEST_MAIN(TestStringsPageRuns)
#include "TestStringsPageRuns.moc"
