// What the three creation pages share, driven through each page's own controls on temporary
// drives: the enabling rules once a page has something to create, and per attach mode a real run
// with its undo and a simulation that writes nothing and leaves the real run undoable.
#include "helpers/ListWindowSteps.h"
#include "helpers/StartedProgram.h"
#include "helpers/WidgetLookup.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/ComposedPage.h"
#include "ui/pages/ListPage.h"
#include "ui/results/TfrmStatistic.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <functional>

using dirforge::engine::PageKind;
using dirforge::engine::ResultList;
using dirforge::platform::MessageKind;
using dirforge::platform::PromptButton;
using dirforge::testing::StartedProgram;

namespace {

using Strings = std::vector<std::string>;

/// One creation page as the shared tests see it.
struct PageUnderTest {
    PageKind kind;
    const char* infix;    ///< in its control names: "Vol02" for btnVol02CreateFolders
    const char* logInfix; ///< in its visual log's control names
    /// Puts in what the page creates, framed by prefix P (and suffix S on the paths page) with
    /// hyphens; the targets' parents get a file of the user's.
    std::function<void(StartedProgram&)> fill;
    Strings targets;      ///< the folders a run creates
    std::string userFile; ///< a file of the user's beside the targets, never touched
    Strings shownFolders; ///< opened in the file manager after a real run
    std::string runQuestion, runEnd, simulationQuestion, simulationEnd;
    std::string undoQuestion, undoEnd, nothingToUndo;
};

QString Name(const char* prefix, const PageUnderTest& page, const char* role) {
    return QString::fromLatin1(prefix) + QString::fromLatin1(page.infix) +
           QString::fromLatin1(role);
}

void Click(StartedProgram& program, const PageUnderTest& page, const char* prefix,
           const char* role) {
    program.click(qPrintable(Name(prefix, page, role)));
}

dirforge::ui::ComposedPage& Composed(StartedProgram& program, const PageUnderTest& page) {
    return static_cast<dirforge::ui::ComposedPage&>(*program.window().page(page.kind));
}

void ChooseDestination(StartedProgram& program, const char* button, const std::string& path) {
    program.drives.makeFolder(path);
    program.picker.answer(path);
    program.runner.expect("TfrmLevelSummFolder");
    program.click(button);
}

void LeaveField(StartedProgram& program, const char* name, const QString& text) {
    auto* edit = program.find<QLineEdit>(name);
    edit->setText(text);
    QFocusEvent focusOut(QEvent::FocusOut);
    QApplication::sendEvent(edit, &focusOut);
}

void AddEntries(StartedProgram& program, PageKind kind, const Strings& entries) {
    auto& page = static_cast<dirforge::ui::ListPage&>(*program.window().page(kind));
    page.includeList().addMany(entries);
    page.RefreshPageState();
}

const std::string kStrings = "Creating Folder(s).-From a String List.            ";
const std::string kPaths = "Creating Folder(s).-From a Folder List.            ";
const std::string kPathsUndo = "Creating Folder(s).- From a Folder List.            ";
const std::string kNumbers = "Creating Folder(s).-Increased Numbers.            ";
const std::string kNumbersAsked = "Creating Folder(s).- Increased Numbers.            ";

const PageUnderTest kStringsPage{
    PageKind::Strings,
    "Vol02",
    "Stat02",
    [](StartedProgram& program) {
        ChooseDestination(program, "btnVol02AddDestFolder", "f:\\Out");
        AddEntries(program, PageKind::Strings, {"A", "B"});
        program.find<QLineEdit>("edtVol02Prefix")->setText("P");
        program.click("chkVol02Hyphen");
    },
    {"f:\\Out\\P-A", "f:\\Out\\P-B"},
    "f:\\Out\\keep.txt",
    {"f:\\Out"},
    "Creating Folder(s).-From  a String List.            Information no: 20048.",
    kStrings + "Information no: 20053.",
    "Simulate " + kStrings + "Information no: 20072.",
    "Simulate " + kStrings + "Information no: 20075.",
    kStrings + "Information no: 20056.",
    kStrings + "Information no: 20058.",
    kStrings + "Warning no: 20055."};

// f:\Clients exists, g:\Archive does not: the run makes it.
const PageUnderTest kPathsPage{
    PageKind::Paths,
    "Vol04",
    "Stat04",
    [](StartedProgram& program) {
        AddEntries(program, PageKind::Paths, {"f:\\Clients\\Company01", "g:\\Archive\\Company02"});
        program.find<QLineEdit>("edtVol04Prefix")->setText("P");
        program.find<QLineEdit>("edtVol04Suffix")->setText("S");
        program.click("chkVol04Hyphen");
    },
    {"f:\\Clients\\P-Company01-S", "g:\\Archive\\P-Company02-S"},
    "f:\\Clients\\keep.txt",
    {},
    kPaths + "Information no: 40043.",
    kPaths + "Information no: 40048.",
    "Simulate " + kPaths + "Information no: 40067.",
    "Simulate " + kPaths + "Information no: 40070.",
    kPathsUndo + "Information no: 40051.",
    kPathsUndo + "Information no: 40053.",
    kPathsUndo + "Warning no: 40050."};

const PageUnderTest kNumbersPage{PageKind::Numbers,
                                 "Vol03",
                                 "Stat03",
                                 [](StartedProgram& program) {
                                     ChooseDestination(program, "btnVol03AddDestFolder", "f:\\Out");
                                     LeaveField(program, "edtVol03StartNumber", "8");
                                     LeaveField(program, "edtVol03EndNumber", "10");
                                     program.click("chkVol03PaddedZeroes");
                                     program.find<QLineEdit>("edtVol03Prefix")->setText("P");
                                     program.click("chkVol03Hyphen");
                                 },
                                 {"f:\\Out\\P-08", "f:\\Out\\P-09", "f:\\Out\\P-10"},
                                 "f:\\Out\\keep.txt",
                                 {"f:\\Out"},
                                 kNumbersAsked + "Information no: 30030.",
                                 kNumbers + "Information no: 30034.",
                                 "Simulate " + kNumbersAsked + "Information no: 30051.",
                                 "Simulate " + kNumbers + "Information no: 30054.",
                                 kNumbers + "Information no: 30037.",
                                 kNumbers + "Information no: 30039.",
                                 kNumbers + "Warning no: 30036."};

const PageUnderTest* const kPages[] = {&kStringsPage, &kPathsPage, &kNumbersPage};

enum class Attach { Nothing, ExistingWithFiles, Templates, ExistingEmpty, TemplatesEmpty };

const char* Described(Attach attach) {
    switch (attach) {
    case Attach::Nothing:
        return "attach nothing";
    case Attach::ExistingWithFiles:
        return "existing structure with files";
    case Attach::Templates:
        return "text templates";
    case Attach::ExistingEmpty:
        return "existing, no structure";
    case Attach::TemplatesEmpty:
        return "text templates, no line";
    }
    return "";
}

/// Chooses the attach mode; the structure is g:\Tpl\Proj (Docs\readme.txt) or the line \Docs\In.
void ChooseAttach(StartedProgram& program, const PageUnderTest& page, Attach attach) {
    program.drives.makeFile("g:\\Tpl\\Proj\\Docs\\readme.txt", "hello");
    switch (attach) {
    case Attach::Nothing:
        Click(program, page, "rdo", "AttachNothing");
        break;
    case Attach::ExistingEmpty:
        break;
    case Attach::ExistingWithFiles:
        Click(program, page, "rdo", "AttachMainFolderWithFiles");
        program.picker.answer("g:\\Tpl\\Proj");
        Click(program, page, "btn", "AddFolderStructure");
        break;
    case Attach::TemplatesEmpty:
        Click(program, page, "rdo", "StructureImportRelativePaths");
        break;
    case Attach::Templates:
        Click(program, page, "rdo", "StructureImportRelativePaths");
        Composed(program, page).structureList().add("\\Docs\\In");
        Composed(program, page).RefreshPageState();
        break;
    }
}

/// What a real run leaves below each target.
Strings TreeBelowTarget(Attach attach) {
    switch (attach) {
    case Attach::ExistingWithFiles:
        return {"Proj\\", "Proj\\Docs\\", "Proj\\Docs\\readme.txt"};
    case Attach::Templates:
        return {"Docs\\", "Docs\\In\\"};
    default:
        return {};
    }
}

/// The structure's two folders, or one entry per template line.
int SubfoldersPerTarget(Attach attach) {
    switch (attach) {
    case Attach::ExistingWithFiles:
        return 2;
    case Attach::Templates:
        return 1;
    default:
        return 0;
    }
}

void AddRunRows() {
    QTest::addColumn<const PageUnderTest*>("page");
    QTest::addColumn<Attach>("attach");
    for (const PageUnderTest* page : kPages)
        for (Attach attach : {Attach::Nothing, Attach::ExistingWithFiles, Attach::Templates})
            QTest::addRow("%s, %s", page->infix, Described(attach)) << page << attach;
}

dirforge::ui::TfrmStatistic& Log(StartedProgram& program, const PageUnderTest& page) {
    return program.context->visualLog(page.kind);
}

} // namespace

Q_DECLARE_METATYPE(const PageUnderTest*)
Q_DECLARE_METATYPE(Attach)

class TestCreationPages : public QObject {
    Q_OBJECT
private slots:
    void enablingRulesOnceThereIsSomethingToCreate_data() {
        QTest::addColumn<const PageUnderTest*>("page");
        QTest::addColumn<Attach>("attach");
        QTest::addColumn<QStringList>("enabled"); // "btn" + infix + "Undo" as "btn Undo"
        QTest::addColumn<QStringList>("disabled");
        const QStringList run = {"btn CreateFolders", "btn CreateFoldersSimulation"};
        for (const PageUnderTest* page : kPages) {
            const auto row = [page](Attach attach) -> QTestData& {
                return QTest::addRow("%s, %s", page->infix, Described(attach)) << page << attach;
            };
            row(Attach::ExistingEmpty) << QStringList{"edt Prefix",
                                                      "rdo AttachMainFolderWithFiles",
                                                      "rdo AttachSubFoldersOnlyWithFiles",
                                                      "btn AddFolderStructure",
                                                      "btn ViewFolderStructure",
                                                      "btn Undo"}
                                       << run + QStringList{"btn FolderTemplatesOptions",
                                                            "btn ImportFolderStructuresTemplates",
                                                            "btn EditFolderStructuresTemplates"};
            row(Attach::Nothing) << run + QStringList{"rdo AttachNothing"}
                                 << QStringList{"lst AddFolderStructure", "btn AddFolderStructure",
                                                "rdo AttachMainFolderWithoutFiles",
                                                "btn FolderTemplatesOptions",
                                                "btn DeleteAllFolderStructuresTemplates"};
            row(Attach::TemplatesEmpty)
                << QStringList{"btn FolderTemplatesOptions", "btn ImportFolderStructuresTemplates",
                               "btn ExportFolderStructuresTemplates",
                               "btn EditFolderStructuresTemplates", "lst AddFolderStructure"}
                << run + QStringList{"btn AddFolderStructure", "btn ViewFolderStructure",
                                     "rdo AttachMainFolderWithoutFiles",
                                     "rdo AttachSubFoldersOnlyWithFiles"};
            row(Attach::ExistingWithFiles)
                << run + QStringList{"btn AddFolderStructure",
                                     "btn DeleteSelFolderStructuresTemplates"}
                << QStringList{"btn FolderTemplatesOptions", "btn ImportFolderStructuresTemplates"};
        }
    }

    void enablingRulesOnceThereIsSomethingToCreate() {
        QFETCH(const PageUnderTest*, page);
        QFETCH(Attach, attach);
        QFETCH(QStringList, enabled);
        QFETCH(QStringList, disabled);
        StartedProgram program;
        page->fill(program);
        ChooseAttach(program, *page, attach);
        VERIFY_SCRIPTS_DONE(program);
        const auto widget = [&](const QString& role) {
            const QString name = QString(role).replace(' ', page->infix);
            auto* found = program.find<QWidget>(qPrintable(name));
            if (found == nullptr)
                qFatal("no control named %s", qPrintable(name));
            return found;
        };
        for (const QString& role : enabled)
            QVERIFY2(widget(role)->isEnabled(), qPrintable(role + " should be enabled"));
        for (const QString& role : disabled)
            QVERIFY2(!widget(role)->isEnabled(), qPrintable(role + " should be disabled"));
    }

    void realRunThenUndo_data() { AddRunRows(); }

    void realRunThenUndo() {
        QFETCH(const PageUnderTest*, page);
        QFETCH(Attach, attach);
        StartedProgram program;
        page->fill(program);
        ChooseAttach(program, *page, attach);
        program.drives.makeFile(page->userFile, "mine");
        program.prompt.expect(page->runQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(page->runEnd, MessageKind::Information);
        Click(program, *page, "btn", "CreateFolders");
        VERIFY_SCRIPTS_DONE(program);

        for (const std::string& target : page->targets)
            QCOMPARE(program.drives.listTree(target), TreeBelowTarget(attach));
        QCOMPARE(program.shell.folders(), page->shownFolders);
        QVERIFY(Log(program, *page).isVisible());
        QCOMPARE(Log(program, *page).entries(ResultList::FoldersCreated), page->targets);
        const int targets = int(page->targets.size());
        QCOMPARE(int(Log(program, *page).entries(ResultList::SubFoldersCreated).size()),
                 targets * SubfoldersPerTarget(attach));
        QCOMPARE(int(Log(program, *page).entries(ResultList::FilesCreated).size()),
                 attach == Attach::ExistingWithFiles ? targets : 0);
        const QString created = QStringLiteral("lbl%1FoldersCreated").arg(page->logInfix);
        QCOMPARE(Log(program, *page).findChild<QLabel*>(created)->text(), QString::number(targets));
        QVERIFY(
            program.find<QWidget>(qPrintable(Name("btn", *page, "CreateFolders")))->isEnabled());
        auto* tabs = program.find<QTabWidget>("pgeMain");
        for (int tab = 0; tab < tabs->count(); ++tab)
            QVERIFY2(tabs->isTabEnabled(tab), "every tab is enabled again after the run");

        program.prompt.expect(page->undoQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(page->undoEnd, MessageKind::Information);
        Click(program, *page, "btn", "Undo");
        VERIFY_SCRIPTS_DONE(program);
        for (const std::string& target : page->targets)
            QVERIFY2(!program.drives.exists(target), target.c_str());
        QVERIFY(program.drives.exists(page->userFile));
        QVERIFY(program.drives.exists("g:\\Tpl\\Proj\\Docs\\readme.txt"));
        QVERIFY(Log(program, *page).entries(ResultList::FoldersCreated).empty());

        program.prompt.expect(page->nothingToUndo, MessageKind::Warning);
        Click(program, *page, "btn", "Undo");
        VERIFY_SCRIPTS_DONE(program);
    }

    void simulationWritesNothingAndKeepsTheRealRunUndoable_data() { AddRunRows(); }

    void simulationWritesNothingAndKeepsTheRealRunUndoable() {
        QFETCH(const PageUnderTest*, page);
        QFETCH(Attach, attach);
        StartedProgram program;
        page->fill(program);
        ChooseAttach(program, *page, attach);
        if (program.find<QAbstractButton>(qPrintable(Name("chk", *page, "ViewDestFolder"))))
            Click(program, *page, "chk", "ViewDestFolder"); // no file manager afterwards
        const auto simulate = [&] {
            program.prompt.expect(page->simulationQuestion, MessageKind::Question,
                                  PromptButton::Yes);
            program.prompt.expect(page->simulationEnd, MessageKind::Information);
            Click(program, *page, "btn", "CreateFoldersSimulation");
        };
        simulate();
        VERIFY_SCRIPTS_DONE(program);
        for (const std::string& target : page->targets)
            QVERIFY2(!program.drives.exists(target), target.c_str());
        QVERIFY(program.shell.folders().empty());
        QCOMPARE(Log(program, *page).entries(ResultList::FoldersCreated), page->targets);
        QCOMPARE(int(Log(program, *page).entries(ResultList::SubFoldersCreated).size()),
                 int(page->targets.size()) * SubfoldersPerTarget(attach));
        QVERIFY(program.find<QWidget>(qPrintable(Name("btn", *page, "CreateFoldersSimulation")))
                    ->isEnabled());
        // Nothing real was created, so there is nothing to undo.
        program.prompt.expect(page->nothingToUndo, MessageKind::Warning);
        Click(program, *page, "btn", "Undo");
        VERIFY_SCRIPTS_DONE(program);

        program.prompt.expect(page->runQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(page->runEnd, MessageKind::Information);
        Click(program, *page, "btn", "CreateFolders");
        simulate(); // after the real run: every target exists now
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(Log(program, *page).entries(ResultList::FoldersExist), page->targets);
        QVERIFY(Log(program, *page).entries(ResultList::FoldersCreated).empty());

        // The simulation left the real run's lists alone: Undo still removes what the run made.
        program.prompt.expect(page->undoQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(page->undoEnd, MessageKind::Information);
        Click(program, *page, "btn", "Undo");
        VERIFY_SCRIPTS_DONE(program);
        for (const std::string& target : page->targets)
            QVERIFY2(!program.drives.exists(target), target.c_str());
    }
};

QTEST_MAIN(TestCreationPages)
#include "TestCreationPages.moc"
