// The export window: what a caller hands over, how the entry choices rebuild the list, the
// file it writes in each layout, and the refusals before and after the save dialog.

#include "helpers/ListWindowSteps.h"
#include "helpers/ScriptedModalRunner.h"
#include "helpers/ScriptedSeams.h"
#include "helpers/StartedProgram.h"
#include "support/ScriptedPrompt.h"
#include "support/TempDrives.h"
#include "ui/app/AppInfo.h"
#include "ui/lists/TfrmFileExport.h"
#include "ui/pages/strings/StringsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <memory>

using namespace dirforge;
using platform::MessageKind;
using Entries = std::vector<std::string>;

namespace {

const std::string T0385 = "Export Content to a File.            Warning no: 0385bc.";
const std::string T0330 = "Export Conrent to File.            Warning no: 0330.";

struct ExportRig {
    testing::TempDrives drives;
    testing::ScriptedPrompt prompt;
    testing::ScriptedFileDialogs dialogs;
    testing::ScriptedModalRunner runner;
    std::unique_ptr<ui::TfrmFileExport> window;

    explicit ExportRig(const Entries& sharedDelimiters = {}) {
        window = std::make_unique<ui::TfrmFileExport>(
            ui::FileExportServices{drives.fs(), prompt, dialogs, runner}, sharedDelimiters);
    }
    template <class T> T* child(const char* name) const { return window->findChild<T*>(name); }
    QString text(const char* label) const { return child<QLabel>(label)->text(); }
    void click(const char* button) const { child<QAbstractButton>(button)->click(); }

    /// Hands entries over under kind and runs step while the window is shown.
    void exportList(const Entries& entries, const std::string& kind,
                    const std::function<void()>& step, engine::FailureReasons causes = {}) {
        runner.expect("TfrmFileExport", [&](QDialog& dialog) {
            step();
            return dialog.result();
        });
        window->exportList(entries, kind, std::move(causes));
    }
    /// Exports to f:\out.txt expecting the end notice, and returns the file's content.
    std::string exportToFile() {
        dialogs.answerSave("f:\\out.txt");
        prompt.expect(ui::kProductName, MessageKind::Information);
        click("btnFileExportTo");
        return drives.readText("f:\\out.txt");
    }
};

/// The windows that hand a list to the export window.
enum class ExportCaller { VisualLog, StructureWindow, IncludeList };

/// Brings the strings page to where the caller's export button hands over a list of several
/// entries; gives that button.
const char* PrepareCaller(testing::StartedProgram& program, ExportCaller caller) {
    program.chooseDestination("f:\\Out");
    program.addNames({"A", "B", "C"});
    switch (caller) {
    case ExportCaller::VisualLog:
        program.click("rdoVol02AttachNothing");
        program.prompt.expect(
            "Creating Folder(s).-From  a String List.            Information no: 20048.",
            MessageKind::Question, platform::PromptButton::Yes);
        program.prompt.expect(
            "Creating Folder(s).-From a String List.            Information no: 20053.",
            MessageKind::Information);
        program.click("btnVol02CreateFolders");
        return "btnStat02SmartExportFolders";
    case ExportCaller::StructureWindow:
        program.click("rdoVol02StructureImportRelativePaths");
        program.page().structureList().addMany({"\\b\\x", "\\a"});
        program.page().RefreshPageState();
        return "btnVol02ExportFolderStructuresTemplates";
    case ExportCaller::IncludeList:
        return "btnVol02SmartExport";
    }
    return "";
}

} // namespace

Q_DECLARE_METATYPE(ExportCaller)

class TestFileExport : public QObject {
    Q_OBJECT
private slots:
    void initialStateOfTheWindow();
    void handedOverEntriesAreKeptOnceIgnoringCase();
    void entryChoicesRebuildTheList_data();
    void entryChoicesRebuildTheList();
    void stringsKindWorksWithoutDriveLetters();
    void fileLayouts_data();
    void fileLayouts();
    void syntaxErrorsStopBeforeTheSaveDialog();
    void aFileThatCannotBeWrittenIsReported();
    void cancelledSaveWritesNothing();
    void causesAreWrittenOnlyWhenAskedFor();
    void firstEntryIsSelectedForEveryCaller_data();
    void firstEntryIsSelectedForEveryCaller();
};

void TestFileExport::initialStateOfTheWindow() {
    ExportRig rig;
    QCOMPARE(rig.window->windowTitle(), QString("Export Datas to a File."));
    QCOMPARE(rig.text("lblSmartExportSource"), QString("0"));
    QCOMPARE(rig.text("lblSmartExportExported"), QString("0"));
    QVERIFY(rig.child<QRadioButton>("rdoFileExportPlainTextFile")->isChecked());
    QVERIFY(rig.child<QRadioButton>("rdoFileExportWithDriveLetters")->isChecked());
    QVERIFY(rig.child<QRadioButton>("rdoExportWithBackSlashes")->isChecked());
    QCOMPARE(rig.child<QRadioButton>("rdoFileExportWithDriveLetters")->toolTip(),
             QString("Export Folders with srive letters."));
    auto* box = rig.child<QComboBox>("cboFileExportDelimiter");
    QVERIFY(!box->isEnabled());
    QCOMPARE(box->count(), 17);
    QCOMPARE(box->itemText(1), QString("space"));
    rig.click("rdoFileExportCSVSeparatedFile");
    QVERIFY(box->isEnabled());
    rig.click("rdoFileExportPlainTextFile");
    QVERIFY(!box->isEnabled());
    QCOMPARE(rig.window->kind(), std::string("FOLDERS"));
}

void TestFileExport::handedOverEntriesAreKeptOnceIgnoringCase() {
    ExportRig rig;
    rig.window->prepare({"f:\\A", "F:\\a", "f:\\B"}, "FOLDERS");
    QCOMPARE(rig.window->handedOver(), (Entries{"f:\\A", "f:\\B"}));
    QCOMPARE(rig.text("lblSmartExportSource"), QString("2"));
    rig.exportList({"f:\\A", "F:\\a"}, "FOLDERS",
                   [&] { QCOMPARE(rig.exportToFile(), std::string("f:\\A\r\n")); });
    QVERIFY2(rig.prompt.satisfied(), rig.prompt.describe().c_str());
    QCOMPARE(rig.text("lblSmartExportExported"), QString("1"));
}

void TestFileExport::entryChoicesRebuildTheList_data() {
    QTest::addColumn<QString>("driveChoice");
    QTest::addColumn<QString>("slashChoice");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("with drives, backslashes")
        << "rdoFileExportWithDriveLetters"
        << "rdoExportWithBackSlashes" << QStringList{"f:\\Clients\\A", "g:\\Clients\\A"};
    QTest::newRow("without drives, forward")
        << "rdoFileExportWithoutDriveLetters"
        << "rdoExportWithForwardSlashes" << QStringList{"/Clients/A"};
    QTest::newRow("with drives, forward")
        << "rdoFileExportWithDriveLetters"
        << "rdoExportWithForwardSlashes" << QStringList{"f:/Clients/A", "g:/Clients/A"};
}

void TestFileExport::entryChoicesRebuildTheList() {
    QFETCH(QString, driveChoice);
    QFETCH(QString, slashChoice);
    QFETCH(QStringList, shown);
    ExportRig rig;
    rig.exportList({"f:\\Clients\\A", "g:/Clients//A"}, "FOLDERS", [&] {
        rig.click(qPrintable(driveChoice));
        rig.click(qPrintable(slashChoice));
        QStringList displayed;
        for (const auto& entry : rig.window->displayed().entries())
            displayed << QString::fromStdString(entry);
        QCOMPARE(displayed, shown);
        QCOMPARE(rig.text("lblSmartExportSource"), QString::number(shown.size()));
        // The handed-over list stays as it was, so every choice can be undone.
        QCOMPARE(rig.window->handedOver(), (Entries{"f:\\Clients\\A", "g:/Clients//A"}));
    });
}

void TestFileExport::stringsKindWorksWithoutDriveLetters() {
    ExportRig rig;
    rig.exportList({"\\a\\b"}, " strings ", [&] {
        QVERIFY(!rig.child<QRadioButton>("rdoFileExportWithDriveLetters")->isEnabled());
        QVERIFY(!rig.child<QRadioButton>("rdoFileExportWithoutDriveLetters")->isEnabled());
        QVERIFY(rig.child<QRadioButton>("rdoFileExportWithoutDriveLetters")->isChecked());
    });
    rig.exportList({"f:\\a"}, "FOLDERS", [&] {
        QVERIFY(rig.child<QRadioButton>("rdoFileExportWithDriveLetters")->isEnabled());
        QVERIFY(rig.child<QRadioButton>("rdoFileExportWithoutDriveLetters")->isChecked()); // kept
        QCOMPARE(rig.window->displayed().entries(), Entries{"\\a"});
    });
}

void TestFileExport::fileLayouts_data() {
    QTest::addColumn<bool>("separated");
    QTest::addColumn<QString>("delimiter");
    QTest::addColumn<bool>("quotes");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("plain lines") << false << "," << false << QStringList{"A", "B", "C"}
                                 << QByteArray("A\r\nB\r\nC\r\n");
    QTest::newRow("separated, quoted")
        << true << ";" << true << QStringList{"A", "B"} << QByteArray("\"A\";\"B\";");
    QTest::newRow("space delimiter")
        << true << "space" << false << QStringList{"A", "B"} << QByteArray("A B ");
    QTest::newRow("nothing handed over")
        << false << "," << false << QStringList{} << QByteArray("");
}

void TestFileExport::fileLayouts() {
    QFETCH(bool, separated);
    QFETCH(QString, delimiter);
    QFETCH(bool, quotes);
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, content);
    Entries handed;
    for (const auto& entry : entries)
        handed.push_back(entry.toStdString());
    ExportRig rig;
    rig.exportList(handed, "STRINGS", [&] {
        rig.click(separated ? "rdoFileExportCSVSeparatedFile" : "rdoFileExportPlainTextFile");
        rig.child<QComboBox>("cboFileExportDelimiter")->setCurrentText(delimiter);
        rig.child<QCheckBox>("chkFileExportQuotationMarks")->setChecked(quotes);
        QCOMPARE(QByteArray::fromStdString(rig.exportToFile()), content);
    });
    QVERIFY2(rig.prompt.satisfied(), rig.prompt.describe().c_str());
    QCOMPARE(rig.text("lblSmartExportExported"), QString::number(entries.size()));
}

void TestFileExport::syntaxErrorsStopBeforeTheSaveDialog() {
    ExportRig rig;
    rig.exportList({"f:\\a?b", "f:\\ok"}, "FOLDERS", [&] {
        rig.prompt.expect(T0385, MessageKind::Warning);
        rig.click("btnFileExportTo");
    });
    QVERIFY2(rig.prompt.satisfied(), rig.prompt.describe().c_str());
    QVERIFY(rig.dialogs.titles().empty());
    QVERIFY(rig.prompt.shown().front().text.find("Syntax Error:  ?    f:\\a?b") !=
            std::string::npos);
}

void TestFileExport::aFileThatCannotBeWrittenIsReported() {
    ExportRig rig;
    rig.exportList({"f:\\a"}, "FOLDERS", [&] {
        rig.dialogs.answerSave("q:\\nowhere\\out.txt"); // q: is no drive
        rig.prompt.expect(T0330, MessageKind::Warning);
        rig.click("btnFileExportTo");
    });
    QVERIFY2(rig.prompt.satisfied(), rig.prompt.describe().c_str());
    QCOMPARE(rig.text("lblSmartExportExported"), QString("0"));
    QCOMPARE(rig.dialogs.titles(), (Entries{"save: Export Folder Names (strings) to a file."}));
}

void TestFileExport::cancelledSaveWritesNothing() {
    ExportRig rig;
    rig.drives.makeFile("f:\\out.txt", "old");
    rig.exportList({"f:\\a"}, "FOLDERS", [&] {
        rig.dialogs.answerSave(std::nullopt);
        rig.click("btnFileExportTo");
    });
    QVERIFY2(rig.prompt.satisfied(), rig.prompt.describe().c_str());
    QCOMPARE(rig.drives.readText("f:\\out.txt"), std::string("old"));
}

void TestFileExport::causesAreWrittenOnlyWhenAskedFor() {
    ExportRig rig;
    auto* box = rig.child<QCheckBox>("chkFileExportCauses");
    rig.exportList({"f:\\a"}, "FOLDERS", [&] { QVERIFY(!box->isEnabled()); });
    const engine::FailureReasons causes{{"f:\\D\\a", "a link stands here"}};
    rig.exportList(
        {"f:\\D\\a", "f:\\D\\b"}, "FOLDERS",
        [&] {
            QVERIFY(box->isEnabled());
            QVERIFY(!box->isChecked());
            QCOMPARE(rig.exportToFile(), std::string("f:\\D\\a\r\nf:\\D\\b\r\n"));
            box->setChecked(true);
            rig.click("rdoExportWithForwardSlashes"); // the causes follow the entries' new form
            QCOMPARE(rig.exportToFile(), std::string("f:/D/a  (a link stands here)\r\nf:/D/b\r\n"));
        },
        causes);
    QVERIFY2(rig.prompt.satisfied(), rig.prompt.describe().c_str());
}

void TestFileExport::firstEntryIsSelectedForEveryCaller_data() {
    QTest::addColumn<ExportCaller>("caller");
    QTest::newRow("visual log, folders created") << ExportCaller::VisualLog;
    QTest::newRow("structure window") << ExportCaller::StructureWindow;
    QTest::newRow("INCLUDE list") << ExportCaller::IncludeList;
}

void TestFileExport::firstEntryIsSelectedForEveryCaller() {
    QFETCH(ExportCaller, caller);
    testing::StartedProgram program;
    const char* button = PrepareCaller(program, caller);
    const testing::ExportSeen seen = testing::ExportThrough(program, button);
    VERIFY_SCRIPTS_DONE(program);
    QVERIFY(seen.shown);
    QVERIFY(seen.displayed.size() > 1);
    QCOMPARE(seen.currentRow, 0);
    QCOMPARE(seen.selectedRows, std::vector<int>{0});
}

QTEST_MAIN(TestFileExport)
#include "TestFileExport.moc"
