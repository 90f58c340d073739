// The increased-numbers page driven through its controls on temporary drives: the enabling rules
// of its own controls, the number fields' checks, numbered template subfolders, undo after a
// changed range, and the page's own messages with their exact titles.
#include "helpers/StartedProgram.h"
#include "helpers/WidgetLookup.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/numbers/NumbersPage.h"
#include "ui/results/TfrmStatistic.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using dirforge::engine::PageKind;
using dirforge::engine::ResultList;
using dirforge::platform::MessageKind;
using dirforge::platform::PromptButton;

namespace {

const std::string kArea = "Creating Folder(s).-Increased Numbers.";
const std::string kBlanks = "            ";
const std::string kTabs = "\t\t\t";
const std::string kCreateQuestion =
    "Creating Folder(s).- Increased Numbers." + kBlanks + "Information no: 30030.";
const std::string kCreateEnd = kArea + kBlanks + "Information no: 30034.";
const std::string kSimulationQuestion =
    "Simulate Creating Folder(s).- Increased Numbers." + kBlanks + "Information no: 30051.";
const std::string kSimulationEnd = "Simulate " + kArea + kBlanks + "Information no: 30054.";
const std::string kUndoQuestion = kArea + kBlanks + "Information no: 30037.";
const std::string kUndoEnd = kArea + kBlanks + "Information no: 30039.";
const std::string kNothingToUndo = kArea + kBlanks + "Warning no: 30036.";

/// The program started on temporary drives, driven through the numbers page's controls.
struct NumbersProgram {
    dirforge::testing::StartedProgram program;

    dirforge::ui::NumbersPage& page() {
        return static_cast<dirforge::ui::NumbersPage&>(*program.window().page(PageKind::Numbers));
    }
    template <class T> T* find(const char* name) { return program.find<T>(name); }
    void click(const char* name) { program.click(name); }
    void chooseDestination(const std::string& path) {
        program.picker.answer(path);
        program.runner.expect("TfrmLevelSummFolder");
        click("btnVol03AddDestFolder");
    }
    /// Types text into a number field and leaves it.
    void leave(const char* field, const QString& text) {
        auto* edit = find<QLineEdit>(field);
        edit->setText(text);
        QFocusEvent focusOut(QEvent::FocusOut);
        QApplication::sendEvent(edit, &focusOut);
    }
    void range(const QString& start, const QString& end) {
        leave("edtVol03StartNumber", start);
        leave("edtVol03EndNumber", end);
    }
    dirforge::ui::TfrmStatistic& log() { return program.context->visualLog(PageKind::Numbers); }
    QString counter(const char* name) { return log().findChild<QLabel*>(name)->text(); }
    bool satisfied() { return program.prompt.satisfied(); }
    std::string describe() { return program.prompt.describe(); }
    std::vector<std::string> tree(const std::string& folder) {
        return program.drives.listTree(folder);
    }
};

enum class Attach { Nothing, Templates };

/// Destination f:\Out, numbers 8 to 10 padded, prefix P with hyphen, and the attach mode.
void Prepare(NumbersProgram& numbers, Attach attach) {
    numbers.program.drives.makeFolder("f:\\Out");
    numbers.chooseDestination("f:\\Out");
    numbers.range("8", "10");
    numbers.click("chkVol03PaddedZeroes");
    numbers.find<QLineEdit>("edtVol03Prefix")->setText("P");
    numbers.click("chkVol03Hyphen");
    switch (attach) {
    case Attach::Nothing:
        numbers.click("rdoVol03AttachNothing");
        break;
    case Attach::Templates:
        numbers.click("rdoVol03StructureImportRelativePaths");
        numbers.click("chkVol03AddIncNumbersAsSuffix");
        numbers.page().structureList().add("\\Docs\\Img");
        numbers.page().RefreshPageState();
        break;
    }
}

/// f:\Out after a run with the template line \Docs\Img and the numbers added to subfolders.
std::vector<std::string> NumberedTemplateTree() {
    std::vector<std::string> tree;
    for (const std::string n : {"08", "09", "10"}) {
        const std::string folder = "P-" + n + "\\";
        for (const std::string& below :
             {std::string(), "Docs" + n + "\\", "Docs" + n + "\\Img" + n + "\\"})
            tree.push_back(folder + below);
    }
    tree.push_back("keep.txt");
    std::sort(tree.begin(), tree.end());
    return tree;
}

enum class State { NoDestination, TemplatesEmpty, BrowseCancelled };

void Enter(NumbersProgram& numbers, State state) {
    numbers.program.drives.makeFolder("g:\\Tpl");
    if (state == State::NoDestination)
        return;
    numbers.chooseDestination("f:\\");
    switch (state) {
    case State::TemplatesEmpty:
        numbers.click("rdoVol03StructureImportRelativePaths");
        break;
    case State::BrowseCancelled:
        numbers.program.picker.answer(""); // no message: the destination stays
        numbers.click("btnVol03AddDestFolder");
        break;
    default:
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(State)

class TestNumbersPage : public QObject {
    Q_OBJECT
private slots:
    void enablingRulesFollowThePageState_data() {
        QTest::addColumn<State>("state");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<QStringList>("disabled");
        const QStringList always = {"cboVol03DestFolders", "btnVol03AddDestFolder",
                                    "btnVol03ClearAll", "btnVol03Help", "btnVol03Examples"};
        const QStringList options = {
            "edtVol03StartNumber",  "edtVol03EndNumber",      "edtVol03Prefix",
            "chkVol03PaddedZeroes", "btnVol03ViewDestFolder", "btnVol03Undo",
            "btnVol03Statistics",   "chkVol03ViewDestFolder", "rdoVol03AttachNothing"};
        const QStringList run = {"btnVol03CreateFolders", "btnVol03CreateFoldersSimulation"};
        const QStringList existing = {"btnVol03AddFolderStructure",
                                      "rdoVol03AttachMainFolderWithFiles",
                                      "btnVol03ViewFolderStructure"};
        const QStringList templates = {
            "btnVol03FolderTemplatesOptions", "chkVol03AddIncNumbersAsSuffix",
            "btnVol03ImportFolderStructuresTemplates", "btnVol03EditFolderStructuresTemplates"};
        QTest::newRow("no destination")
            << State::NoDestination << always << options + run + existing + templates;
        QTest::newRow("text templates, no line")
            << State::TemplatesEmpty << always + options + templates << run + existing;
        // A cancelled browse keeps the chosen destination, and the page stays as it was.
        QTest::newRow("browse cancelled")
            << State::BrowseCancelled << always + options + existing << run + templates;
    }

    void enablingRulesFollowThePageState() {
        QFETCH(State, state);
        QFETCH(QStringList, enabled);
        QFETCH(QStringList, disabled);
        NumbersProgram numbers;
        Enter(numbers, state);
        QVERIFY2(numbers.satisfied(), numbers.describe().c_str());
        for (const QString& name : enabled) {
            FIND_CHILD(widget, QWidget, &numbers.program.window(), name);
            QVERIFY2(widget->isEnabled(), qPrintable(name + " should be enabled"));
        }
        for (const QString& name : disabled) {
            FIND_CHILD(widget, QWidget, &numbers.program.window(), name);
            QVERIFY2(!widget->isEnabled(), qPrintable(name + " should be disabled"));
        }
        QVERIFY(!numbers.find<QCheckBox>("chkVol03AddIncNumbersAsSuffix")->isChecked());
    }

    void numberFieldsAreCheckedWhenLeft_data() {
        QTest::addColumn<QString>("startText");
        QTest::addColumn<QString>("endText");
        QTest::addColumn<bool>("leaveStart");
        QTest::addColumn<QString>("startShown");
        QTest::addColumn<QString>("endShown");
        QTest::addColumn<int>("startStored");
        QTest::addColumn<int>("endStored");
        QTest::newRow("start no number") << "abc"
                                         << "5" << true << "1"
                                         << "5" << 1 << 5;
        QTest::newRow("end no number takes the start") << "4"
                                                       << "x1" << false << "4"
                                                       << "4" << 4 << 4;
        QTest::newRow("start below 1 is lifted, text stays") << "-3"
                                                             << "2" << true << "-3"
                                                             << "2" << 1 << 2;
        // Only the field left is lifted: the start keeps its value when the end field is left.
        QTest::newRow("end below 1 is lifted") << "-3"
                                               << "0" << false << "-3"
                                               << "0" << -3 << 1;
        QTest::newRow("beyond 32 bits is no number") << "99999999999"
                                                     << "7" << true << "1"
                                                     << "7" << 1 << 7;
    }

    void numberFieldsAreCheckedWhenLeft() {
        QFETCH(QString, startText);
        QFETCH(QString, endText);
        QFETCH(bool, leaveStart);
        NumbersProgram numbers;
        numbers.chooseDestination("f:\\");
        numbers.click("rdoVol03AttachNothing");
        auto* start = numbers.find<QLineEdit>("edtVol03StartNumber");
        auto* end = numbers.find<QLineEdit>("edtVol03EndNumber");
        start->setText(startText);
        end->setText(endText);
        numbers.leave(leaveStart ? "edtVol03StartNumber" : "edtVol03EndNumber",
                      leaveStart ? startText : endText);
        QTEST(start->text(), "startShown");
        QTEST(end->text(), "endShown");
        const auto range = numbers.page().buildRunRequest().numbers;
        QTEST(int(range.startNumber), "startStored");
        QTEST(int(range.endNumber), "endStored");
        const qint64 count = std::max<qint64>(0, qint64(range.endNumber) - range.startNumber + 1);
        QCOMPARE(numbers.counter("lblStat03FoldersToCreate"), QString::number(count));
    }

    void upDownStepsTheFieldAndTheCount() {
        NumbersProgram numbers;
        numbers.chooseDestination("f:\\");
        numbers.click("rdoVol03AttachNothing");
        FIND_CHILD(ud, QWidget, &numbers.program.window(), "UDVol03EndNumber");
        FIND_CHILD(up, QToolButton, ud, "btnUp");
        up->click();
        up->click();
        QCOMPARE(numbers.find<QLineEdit>("edtVol03EndNumber")->text(), QStringLiteral("3"));
        QCOMPARE(numbers.counter("lblStat03FoldersToCreate"), QStringLiteral("3"));
    }

    void templateSubfoldersCarryTheNumberAndAreUndone() {
        NumbersProgram numbers;
        Prepare(numbers, Attach::Templates);
        numbers.program.drives.makeFile("f:\\Out\\keep.txt", "mine");
        numbers.program.prompt.expect(kCreateQuestion, MessageKind::Question, PromptButton::Yes);
        numbers.program.prompt.expect(kCreateEnd, MessageKind::Information);
        numbers.click("btnVol03CreateFolders");
        QVERIFY2(numbers.satisfied(), numbers.describe().c_str());
        QCOMPARE(numbers.tree("f:\\Out"), NumberedTemplateTree());
        QCOMPARE(numbers.log().entries(ResultList::FoldersCreated),
                 (std::vector<std::string>{"f:\\Out\\P-08", "f:\\Out\\P-09", "f:\\Out\\P-10"}));
        QCOMPARE(numbers.counter("lblStat03FoldersCreated"), QStringLiteral("3"));
        QCOMPARE(numbers.program.shell.folders(), std::vector<std::string>{"f:\\Out"});
        QVERIFY(numbers.find<QWidget>("btnVol03CreateFolders")->isEnabled());
        auto* tabs = numbers.find<QTabWidget>("pgeMain");
        QVERIFY(tabs->isTabEnabled(0) && tabs->isTabEnabled(1));

        numbers.program.prompt.expect(kUndoQuestion, MessageKind::Question, PromptButton::Yes);
        numbers.program.prompt.expect(kUndoEnd, MessageKind::Information);
        numbers.click("btnVol03Undo");
        QVERIFY2(numbers.satisfied(), numbers.describe().c_str());
        QCOMPARE(numbers.tree("f:\\Out"), std::vector<std::string>{"keep.txt"});
        numbers.program.prompt.expect(kNothingToUndo, MessageKind::Warning);
        numbers.click("btnVol03Undo");
        QVERIFY2(numbers.satisfied(), numbers.describe().c_str());
    }

    void undoAfterASimulationUndoesTheRealRun() {
        NumbersProgram numbers;
        Prepare(numbers, Attach::Nothing);
        numbers.program.prompt.answerEverything();
        numbers.click("btnVol03CreateFolders");
        numbers.leave("edtVol03EndNumber", "12");
        numbers.click("btnVol03CreateFoldersSimulation");
        QCOMPARE(numbers.tree("f:\\Out").size(), std::size_t{3});
        numbers.click("btnVol03Undo");
        QVERIFY(numbers.tree("f:\\Out").empty());
    }

    void runRefusalsCreateNothing() {
        NumbersProgram numbers;
        numbers.program.drives.makeFolder("f:\\Out");
        numbers.chooseDestination("f:\\Out");
        numbers.click("rdoVol03AttachNothing");
        auto& prompt = numbers.program.prompt;
        // Stored start above stored end, for the run and for the simulation.
        numbers.range("6", "5");
        prompt.expect(kArea + "    Warning no: 30027.", MessageKind::Warning);
        numbers.click("btnVol03CreateFolders");
        prompt.expect("Simulate " + kArea + "    Warning no: 30049.", MessageKind::Warning);
        numbers.click("btnVol03CreateFoldersSimulation");
        // The question answered No.
        numbers.range("1", "2");
        prompt.expect(kCreateQuestion, MessageKind::Question, PromptButton::No);
        numbers.click("btnVol03CreateFolders");
        // The fields changed without being left: the run reads them again and refuses.
        numbers.find<QLineEdit>("edtVol03EndNumber")->setText("0");
        prompt.expect(kCreateQuestion, MessageKind::Question, PromptButton::Yes);
        prompt.expect(kArea + "    Warning no: 30035.", MessageKind::Warning);
        numbers.click("btnVol03CreateFolders");
        QVERIFY2(numbers.satisfied(), numbers.describe().c_str());
        QVERIFY(numbers.tree("f:\\Out").empty());
        QVERIFY(numbers.find<QWidget>("btnVol03CreateFolders")->isEnabled());
        prompt.expect(kNothingToUndo, MessageKind::Warning);
        numbers.click("btnVol03Undo");
        QVERIFY2(numbers.satisfied(), numbers.describe().c_str());
    }

    void hyphenSkipsAnEmptyPrefixAndTheHistoryFollowsASimulation() {
        NumbersProgram numbers;
        numbers.program.drives.makeFolder("f:\\A");
        numbers.program.drives.makeFolder("f:\\B");
        numbers.chooseDestination("f:\\A");
        numbers.chooseDestination("f:\\B");
        numbers.click("rdoVol03AttachNothing");
        numbers.range("1", "2");
        numbers.find<QLineEdit>("edtVol03Prefix")->setText("  ");
        numbers.find<QLineEdit>("edtVol03Suffix")->setText("x");
        numbers.click("chkVol03Hyphen");
        auto* box = numbers.find<QComboBox>("cboVol03DestFolders");
        box->setCurrentIndex(1); // f:\A, without taking it through the page
        numbers.program.prompt.answerEverything();
        numbers.click("btnVol03CreateFoldersSimulation");
        QCOMPARE(numbers.log().entries(ResultList::FoldersCreated),
                 (std::vector<std::string>{"f:\\A\\  1-x", "f:\\A\\  2-x"}));
        QCOMPARE(box->itemText(0), QStringLiteral("f:\\A"));
        QCOMPARE(box->currentIndex(), 0);
    }

    void pageMessagesCarryTheirTitles() {
        NumbersProgram numbers;
        numbers.program.drives.makeFolder("g:\\Tpl");
        auto& prompt = numbers.program.prompt;
        prompt.expect(kArea + kTabs + "Warning no: 30002.", MessageKind::Warning);
        numbers.program.picker.answer("");
        numbers.click("btnVol03AddDestFolder");
        numbers.chooseDestination("f:\\");
        prompt.expect(kArea + kBlanks + "Warning no: 30004.", MessageKind::Warning);
        numbers.find<QLineEdit>("edtVol03Prefix")->setText("a?");
        prompt.expect("Creating Folder(s).-Increased numbers." + kBlanks + "Warning no: 30005.",
                      MessageKind::Warning);
        numbers.find<QLineEdit>("edtVol03Suffix")->setText("b|");
        prompt.expect(kArea + kTabs + "Warning no: 30013.", MessageKind::Warning);
        numbers.click("btnVol03ViewFolderStructure");
        prompt.expect(kArea + kBlanks + "Warning no: 30021.", MessageKind::Warning);
        numbers.click("btnVol03DeleteAllFolderStructuresTemplates");
        prompt.expect(kArea + kBlanks + "Warning no: 30011.", MessageKind::Question,
                      PromptButton::No);
        numbers.program.picker.answer("g:\\");
        numbers.click("btnVol03AddFolderStructure");
        QCOMPARE(numbers.page().structureList().size(), 0);
        numbers.program.picker.answer("g:\\Tpl");
        numbers.click("btnVol03AddFolderStructure");
        prompt.expect(kArea + kTabs + "Warning no: 30020.", MessageKind::Question,
                      PromptButton::No);
        numbers.click("btnVol03DeleteSelFolderStructuresTemplates");
        prompt.expect(kArea + kBlanks + "Warning no: 30022.", MessageKind::Question,
                      PromptButton::Yes);
        numbers.click("btnVol03DeleteAllFolderStructuresTemplates");
        QCOMPARE(numbers.page().structureList().size(), 0);
        QVERIFY2(numbers.satisfied(), numbers.describe().c_str());
        QCOMPARE(numbers.find<QLineEdit>("edtVol03Prefix")->text(), QStringLiteral("a"));
        // This page's texts differ from the strings page's in letter case and number.
        QCOMPARE(
            prompt.shown().at(0).text,
            std::string(
                "The selection field is empty !\nAction : You must select a destination folder."));
        QCOMPARE(
            prompt.shown().at(3).text,
            std::string(
                "There is no selected Folder Structure !\nAction : You must select a folder with "
                "subfolder structure."));
    }

    void clearAllAsksThenResetsThePage() {
        NumbersProgram numbers;
        Prepare(numbers, Attach::Templates);
        auto& prompt = numbers.program.prompt;
        prompt.expect(kArea + kBlanks + "Information no: 30008.", MessageKind::Question,
                      PromptButton::No);
        numbers.click("btnVol03ClearAll");
        QCOMPARE(numbers.find<QLineEdit>("edtVol03EndNumber")->text(), QStringLiteral("10"));
        prompt.expect(kArea + kBlanks + "Information no: 30008.", MessageKind::Question,
                      PromptButton::Yes);
        prompt.expect(kArea + kBlanks + "Information no: 30009.", MessageKind::Information);
        numbers.click("btnVol03ClearAll");
        QVERIFY2(numbers.satisfied(), numbers.describe().c_str());
        QCOMPARE(prompt.shown().back().text, std::string("End of the CLEAR FIELDS process !!!"));
        QCOMPARE(numbers.find<QComboBox>("cboVol03DestFolders")->count(), 0);
        QCOMPARE(numbers.find<QLineEdit>("edtVol03StartNumber")->text(), QStringLiteral("1"));
        QCOMPARE(numbers.find<QLineEdit>("edtVol03EndNumber")->text(), QStringLiteral("1"));
        QCOMPARE(numbers.find<QLineEdit>("edtVol03Prefix")->text(), QString());
        for (const char* box :
             {"chkVol03Hyphen", "chkVol03PaddedZeroes", "chkVol03AddIncNumbersAsSuffix"})
            QVERIFY2(!numbers.find<QCheckBox>(box)->isChecked(), box);
        QVERIFY(numbers.find<QAbstractButton>("rdoVol03StructureImportFullPaths")->isChecked());
        QVERIFY(numbers.find<QAbstractButton>("rdoVol03AttachMainFolderWithoutFiles")->isChecked());
        QCOMPARE(numbers.page().structureList().size(), 0);
        QVERIFY(!numbers.find<QWidget>("edtVol03StartNumber")->isEnabled());
        QVERIFY(numbers.page().buildRunRequest().numbers.endNumber == 1);
    }
};

QTEST_MAIN(TestNumbersPage)
#include "TestNumbersPage.moc"
