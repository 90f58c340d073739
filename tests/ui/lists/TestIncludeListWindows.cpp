// The list windows the strings page opens for its INCLUDE list (import, export, editor) and the
// export window the visual log opens for a result list after a real run.
#include "helpers/ListWindowSteps.h"
#include "helpers/StartedProgram.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/strings/StringsPage.h"
#include "ui/results/TfrmStatistic.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using dirforge::engine::PageKind;
using dirforge::platform::MessageKind;
using dirforge::platform::PromptButton;
using dirforge::testing::ExportSeen;
using dirforge::testing::StartedProgram;
using Entries = std::vector<std::string>;

namespace {

const std::string kArea = "Creating Folder(s).-From a String List.            ";
const std::string kImportEnd =
    "Creating Folder(s).-From a String List.           Warning no: 20051.";

QString IncludeCounter(StartedProgram& program) {
    return program.find<QLabel>("lblVol02IncludeSum")->text();
}

} // namespace

class TestIncludeListWindows : public QObject {
    Q_OBJECT
private slots:
    void importTakesOnlyNewPlainNames_data() {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("IMPORT") << true << QStringList{"Alpha", "Beta", "d\\e"};
        QTest::newRow("Cancel") << false << QStringList{"Alpha"};
    }

    void importTakesOnlyNewPlainNames() {
        QFETCH(bool, accept);
        QFETCH(QStringList, expected);
        StartedProgram program;
        program.chooseDestination("f:\\Out");
        program.addNames({"Alpha"});
        program.page().excludeList().add("gamma");
        // Refused without a message: in INCLUDE or EXCLUDE ignoring case, a drive, an illegal
        // character.
        dirforge::testing::ScriptImport(program, "f:\\in\\names.txt",
                                        "Beta\nALPHA\nf:\\x\na*b\n  \nGAMMA\nd//e\n", accept);
        program.prompt.expect(kImportEnd, MessageKind::Warning);
        program.click("btnVol02SmartImport");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(program.prompt.shown().back().text,
                 std::string("End of the Import Process !!!\n"));
        const Entries want = dirforge::testing::ToEntries(expected);
        QCOMPARE(program.page().includeList().entries(), want);
        QCOMPARE(IncludeCounter(program), QString::number(expected.size()));
        QVERIFY(program.find<QLineEdit>("edtVol02Prefix")->isEnabled());
    }

    void exportHandsPlainNamesOnceAsStrings() {
        StartedProgram program;
        program.chooseDestination("f:\\Out");
        program.prompt.expect(kArea + "Warning no: 20021.", MessageKind::Warning);
        program.click("btnVol02SmartExport");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(program.prompt.shown().back().text, std::string("The Include List is empty !\n"));

        // a/b typed twice is in the list twice; an entry with a drive never belongs to this page.
        auto* field = program.find<QLineEdit>("edtVol02AddToList");
        for (int i = 0; i < 2; ++i) {
            field->setText("a/b");
            program.click("btnVol02AddToList");
        }
        program.addNames({"Zed", "f:\\x"});
        const ExportSeen seen = dirforge::testing::ExportThrough(program, "btnVol02SmartExport");
        VERIFY_SCRIPTS_DONE(program);
        const std::string mismatch =
            dirforge::testing::ExportMismatch(seen, {"a\\b", "Zed"}, "STRINGS");
        QVERIFY2(mismatch.empty(), mismatch.c_str());
    }

    void editorReplacesTheList_data() {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("OK") << true << QStringList{"a\\b", "x"};
        QTest::newRow("Cancel") << false << QStringList{"Keep"};
    }

    void editorReplacesTheList() {
        QFETCH(bool, accept);
        QFETCH(QStringList, expected);
        StartedProgram program;
        program.chooseDestination("f:\\Out");
        program.addNames({"Keep"});
        program.page().excludeList().add("old");
        QString shownText;
        dirforge::testing::ScriptEditor(program, "TfrmVol02EditIncludeList",
                                        "mmoVol02EditIncludeList", "Old\nx\na//b\nf:\\c\nX\n",
                                        shownText, accept);
        program.click("btnVol02EditIncludeList");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(shownText, QStringLiteral("Keep\n"));
        const Entries want = dirforge::testing::ToEntries(expected);
        QCOMPARE(program.page().includeList().entries(), want);
        QCOMPARE(IncludeCounter(program), QString::number(expected.size()));
    }

    void visualLogExportsAResultListOfARealRun() {
        StartedProgram program;
        program.drives.makeFolder("f:\\Out\\B");
        program.chooseDestination("f:\\Out");
        program.addNames({"A", "B", "C"});
        program.click("rdoVol02AttachNothing");
        program.prompt.expect(
            "Creating Folder(s).-From  a String List.            Information no: 20048.",
            MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kArea + "Information no: 20053.", MessageKind::Information);
        program.click("btnVol02CreateFolders");
        VERIFY_SCRIPTS_DONE(program);
        auto* log = &program.context->visualLog(PageKind::Strings);
        QVERIFY(log->isVisible());

        // The logs belong to the main window, so its lookup finds their buttons.
        const ExportSeen created =
            dirforge::testing::ExportThrough(program, "btnStat02SmartExportFolders");
        std::string mismatch =
            dirforge::testing::ExportMismatch(created, {"f:\\Out\\A", "f:\\Out\\C"}, "FOLDERS");
        QVERIFY2(mismatch.empty(), mismatch.c_str());
        const ExportSeen existing =
            dirforge::testing::ExportThrough(program, "btnStat02SmartExportFoldersExists");
        mismatch = dirforge::testing::ExportMismatch(existing, {"f:\\Out\\B"}, "FOLDERS");
        QVERIFY2(mismatch.empty(), mismatch.c_str());
        VERIFY_SCRIPTS_DONE(program);

        // An empty list warns and opens no export window.
        program.prompt.expect(kArea + "Warning no: 20069.", MessageKind::Warning);
        program.click("btnStat02SmartExportFoldersOther");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(
            program.prompt.shown().back().text,
            std::string(
                "The List of Uncreated Folder Names (Not Created - Other reasons) is empty !\n"));
        QCOMPARE(program.runner.shown().count(QStringLiteral("TfrmFileExport")), 2);
    }
};

QTEST_MAIN(TestIncludeListWindows)
#include "TestIncludeListWindows.moc"
