// The paths page through its controls: the enabling rules with no path to create, adding full
// paths, the list windows, and the page's own messages.
#include "helpers/ListWindowSteps.h"
#include "helpers/StartedProgram.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/paths/PathsPage.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using dirforge::engine::PageKind;
using dirforge::platform::MessageKind;
using dirforge::platform::PromptButton;
using dirforge::testing::StartedProgram;

namespace {

const std::string kArea = "Creating Folder(s).-From a Folder List.            ";

std::string Title(const char* kindAndNumber) {
    return kArea + kindAndNumber;
}

dirforge::ui::PathsPage& Page(StartedProgram& program) {
    return static_cast<dirforge::ui::PathsPage&>(*program.window().page(PageKind::Paths));
}

std::vector<std::string> IncludeOf(StartedProgram& program) {
    return Page(program).includeList().entries();
}

void AddPaths(StartedProgram& program, const std::vector<std::string>& paths) {
    Page(program).includeList().addMany(paths);
    Page(program).RefreshPageState();
}

/// Types text into the entry field and presses "Add Folder".
void TypeAndAdd(StartedProgram& program, const QString& text) {
    program.find<QLineEdit>("edtVol04AddToList")->setText(text);
    program.click("btnVol04AddToList");
}

/// INCLUDE f:\Clients\Company01 and g:\Archive\Company02, prefix P, suffix S, hyphen on, and
/// the text templates with the line \Docs\In.
void PrepareWithTemplates(StartedProgram& program) {
    AddPaths(program, {"f:\\Clients\\Company01", "g:\\Archive\\Company02"});
    program.find<QLineEdit>("edtVol04Prefix")->setText("P");
    program.find<QLineEdit>("edtVol04Suffix")->setText("S");
    program.click("chkVol04Hyphen");
    program.click("rdoVol04StructureImportRelativePaths");
    Page(program).structureList().add("\\Docs\\In");
    Page(program).RefreshPageState();
}

} // namespace

class TestPathsPage : public QObject {
    Q_OBJECT
private slots:
    void enablingRulesByPageState_data() {
        QTest::addColumn<bool>("allMovedToExclude");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<QStringList>("disabled");
        // The list controls never depend on the page state: there is no destination to wait for.
        const QStringList lists = {"edtVol04AddToList",
                                   "btnVol04AddToList",
                                   "lstVol04IncludeFolderList",
                                   "lstVol04ExcludeFolderList",
                                   "btnVol04IncToExc",
                                   "btnVol04AllfromExc",
                                   "btnVol04SmartImport",
                                   "btnVol04SmartExport",
                                   "btnVol04EditIncludeList",
                                   "btnVol04ZoomIncludeWindow",
                                   "btnVol04DeleteExcludeAll",
                                   "btnVol04ClearAll",
                                   "btnVol04Help",
                                   "btnVol04Examples"};
        QTest::newRow("start: lists only") << false << lists
                                           << QStringList{"edtVol04Prefix",
                                                          "edtVol04Suffix",
                                                          "chkVol04Hyphen",
                                                          "rdoVol04AttachNothing",
                                                          "rdoVol04StructureImportFullPaths",
                                                          "btnVol04Undo",
                                                          "btnVol04Statistics",
                                                          "chkVol04ViewDetailedResults",
                                                          "lstVol04AddFolderStructure",
                                                          "btnVol04CreateFolders",
                                                          "btnVol04CreateFoldersSimulation"};
        QTest::newRow("every path moved to EXCLUDE: options off again")
            << true << lists
            << QStringList{"edtVol04Prefix", "rdoVol04AttachNothing", "btnVol04CreateFolders",
                           "btnVol04Undo"};
    }

    void enablingRulesByPageState() {
        QFETCH(bool, allMovedToExclude);
        QFETCH(QStringList, enabled);
        QFETCH(QStringList, disabled);
        StartedProgram program;
        if (allMovedToExclude) {
            AddPaths(program, {"f:\\A"});
            program.click("btnVol04AllfromInc");
        }
        for (const QString& name : enabled) {
            auto* widget = program.find<QWidget>(qPrintable(name));
            QVERIFY2(widget != nullptr, qPrintable(name));
            QVERIFY2(widget->isEnabled(), qPrintable(name + " should be enabled"));
        }
        for (const QString& name : disabled) {
            auto* widget = program.find<QWidget>(qPrintable(name));
            QVERIFY2(widget != nullptr, qPrintable(name));
            QVERIFY2(!widget->isEnabled(), qPrintable(name + " should be disabled"));
        }
        // No destination, so nothing to show in the file manager afterwards.
        QVERIFY(program.find<QCheckBox>("chkVol04ViewDestFolder") == nullptr);
        VERIFY_SCRIPTS_DONE(program);
    }

    void addingFullPaths_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("include");
        QTest::addColumn<QString>("title");   // "" for no message
        QTest::addColumn<QString>("message"); // checked when not empty
        QTest::addColumn<QString>("fieldAfter");
        QTest::newRow("blank") << "   " << QStringList{} << "Warning no: 40002."
                               << "The text field is empty !!!"
                               << "   ";
        QTest::newRow("no colon") << "Clients" << QStringList{} << "Warning no: 40003."
                                  << ""
                                  << "Clients";
        QTest::newRow("two paths on two drives")
            << "f:\\A g:\\B" << QStringList{"f:\\A", "g:\\B"} << ""
            << ""
            << "f:\\A g:\\B";
        QTest::newRow("doubled separators collapsed")
            << "f:\\X\\\\Y" << QStringList{"f:\\X\\Y"} << ""
            << ""
            << "f:\\X\\Y";
        QTest::newRow("forward slashes taken as backslashes")
            << "f:/X" << QStringList{"f:\\X"} << ""
            << ""
            << "f:\\X";
        QTest::newRow("already excluded, case ignored")
            << "F:\\Ex" << QStringList{} << "Warning no: 40004."
            << "This item already exists in the Exclude list !"
            << "F:\\Ex";
        QTest::newRow("one piece a bare root: the other still added, the field kept")
            << "f:\\Good g:\\" << QStringList{"f:\\Good"} << "Warning no: 40004."
            << ""
            << "f:\\Good g:\\";
    }

    void addingFullPaths() {
        QFETCH(QString, typed);
        QFETCH(QStringList, include);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(QString, fieldAfter);
        StartedProgram program;
        Page(program).excludeList().add("f:\\ex");
        if (!title.isEmpty())
            program.prompt.expect(Title(qPrintable(title)), MessageKind::Warning);
        TypeAndAdd(program, typed);
        VERIFY_SCRIPTS_DONE(program);
        if (!message.isEmpty())
            QCOMPARE(QString::fromStdString(program.prompt.shown().back().text), message);
        QCOMPARE(IncludeOf(program), dirforge::testing::ToEntries(include));
        QCOMPARE(program.find<QLineEdit>("edtVol04AddToList")->text(), fieldAfter);
        QCOMPARE(program.find<QLabel>("lblVol04IncludeSum")->text(),
                 QString::number(include.size()));
    }

    void includeListWindows() {
        StartedProgram program;
        const std::string importEnd = kArea.substr(0, kArea.size() - 1) + "Warning no: 40051.";
        program.prompt.expect(Title("Warning no: 40016."), MessageKind::Warning);
        program.click("btnVol04SmartExport");

        // Lines without a drive letter are dropped silently; the rest is normalised, each once.
        dirforge::testing::ScriptImport(program, "f:\\in\\paths.txt",
                                        "f:\\A\nNoDrive\ng:/B//C\nF:\\a\n  \n");
        program.prompt.expect(importEnd, MessageKind::Warning);
        program.click("btnVol04SmartImport");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(IncludeOf(program), (std::vector<std::string>{"f:\\A", "g:\\B\\C"}));
        QVERIFY(program.find<QWidget>("edtVol04Prefix")->isEnabled());

        // The import window's preview was taken: opening it again and closing it says so.
        program.runner.expect("TfrmFileImport", [](QDialog&) { return int(QDialog::Rejected); });
        program.prompt.expect(kArea + " Warning no: 40012.", MessageKind::Warning);
        program.prompt.expect(importEnd, MessageKind::Warning);
        program.click("btnVol04SmartImport");
        VERIFY_SCRIPTS_DONE(program);

        QString shownText;
        dirforge::testing::ScriptEditor(program, "TfrmVol04EditIncludeList",
                                        "mmoVol04EditIncludeList", "g:\\B\\C\n f:\\New \nF:\\new\n",
                                        shownText);
        program.click("btnVol04EditIncludeList");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(shownText, QStringLiteral("f:\\A\ng:\\B\\C\n"));
        QCOMPARE(IncludeOf(program), (std::vector<std::string>{"g:\\B\\C", "f:\\New"}));
        QCOMPARE(program.find<QLabel>("lblVol04IncludeSum")->text(), QStringLiteral("2"));

        const auto seen = dirforge::testing::ExportThrough(program, "btnVol04SmartExport");
        VERIFY_SCRIPTS_DONE(program);
        const std::string mismatch =
            dirforge::testing::ExportMismatch(seen, {"g:\\B\\C", "f:\\New"}, "FOLDERS");
        QVERIFY2(mismatch.empty(), mismatch.c_str());
    }

    void structureWindowMessages() {
        StartedProgram program;
        AddPaths(program, {"f:\\A"});
        program.prompt.expect(Title("Warning no: 40035."), MessageKind::Warning);
        program.click("btnVol04ViewFolderStructure");
        program.prompt.expect(
            "Creating Folder(s).-From a Folder List..            Warning no: 40038.",
            MessageKind::Warning);
        program.click("btnVol04DeleteAllFolderStructuresTemplates");
        program.picker.answer("f:\\");
        program.prompt.expect(Title("Warning no: 50024."), MessageKind::Question, PromptButton::No);
        program.click("btnVol04AddFolderStructure");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(
            program.prompt.shown().front().text,
            std::string(
                "There is no selected Folder Structure !\nAction : You must select a Folder with "
                "subfolders structure."));
        QCOMPARE(Page(program).structureList().size(), 0);
        QVERIFY(!program.find<QWidget>("btnVol04CreateFolders")->isEnabled());

        // An illegal character typed into the prefix is refused and dropped.
        program.prompt.expect(Title("Warning no: 40021."), MessageKind::Warning);
        program.find<QLineEdit>("edtVol04Prefix")->setText("a*");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(program.find<QLineEdit>("edtVol04Prefix")->text(), QStringLiteral("a"));
    }

    void clearAllResetsThePage() {
        StartedProgram program;
        PrepareWithTemplates(program);
        program.find<QCheckBox>("chkVol04ViewDetailedResults")->setChecked(false);
        program.prompt.expect(Title("Information no: 40040"), MessageKind::Question,
                              PromptButton::No);
        program.click("btnVol04ClearAll");
        QCOMPARE(int(IncludeOf(program).size()), 2);

        program.prompt.expect(Title("Information no: 40040"), MessageKind::Question,
                              PromptButton::Yes);
        program.prompt.expect(kArea.substr(0, kArea.size() - 1) + "Warning no: 40041.",
                              MessageKind::Warning);
        program.click("btnVol04ClearAll");
        VERIFY_SCRIPTS_DONE(program);
        QVERIFY(IncludeOf(program).empty());
        QCOMPARE(Page(program).structureList().size(), 0);
        QVERIFY(program.find<QLineEdit>("edtVol04Prefix")->text().isEmpty());
        QVERIFY(program.find<QCheckBox>("chkVol04Hyphen")->isChecked()); // unlike at start
        QVERIFY(program.find<QCheckBox>("chkVol04ViewDetailedResults")->isChecked());
        QVERIFY(program.find<QAbstractButton>("rdoVol04StructureImportFullPaths")->isChecked());
        QVERIFY(!program.find<QWidget>("edtVol04Prefix")->isEnabled());
        QVERIFY(program.find<QWidget>("edtVol04AddToList")->isEnabled());
        QVERIFY(!program.find<QWidget>("btnVol04CreateFolders")->isEnabled());
    }
};

QTEST_MAIN(TestPathsPage)
#include "TestPathsPage.moc"
