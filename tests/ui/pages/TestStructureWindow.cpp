// The strings page's structure window and its seven buttons: adding, viewing and deleting
// structures, and the import, export and edit windows it opens, with every message it shows.
#include "helpers/ListWindowSteps.h"
#include "helpers/StartedProgram.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/AttachGroup.h"
#include "ui/pages/strings/StringsPage.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QTest>

using dirforge::platform::MessageKind;
using dirforge::platform::PromptButton;
using dirforge::testing::ExportSeen;
using dirforge::testing::StartedProgram;
using Entries = std::vector<std::string>;

namespace {

const std::string kArea = "Creating Folder(s).-From a String List.            ";
std::string Title(const char* kindAndNumber) {
    return kArea + kindAndNumber;
}
const std::string kImportEnd =
    "Creating Folder(s).-From a String List.           Warning no: 20052.";
const std::string kImportNoLines =
    "Creating Folder(s).-From a String List.             Warning no: 20031.";
const std::string kImportEndText = "End of the Import Process !!!\n";

/// Destination f:\Out with names A and B; the attach mode stays Existing unless templates is set.
void Prepare(StartedProgram& program, bool templates = false) {
    program.drives.makeFolder("g:\\Tpl\\Proj\\Docs");
    program.chooseDestination("f:\\Out");
    program.addNames({"A", "B"});
    if (templates)
        program.click("rdoVol02StructureImportRelativePaths");
}

Entries Structures(StartedProgram& program) {
    return program.page().structureList().entries();
}
QString Counter(StartedProgram& program) {
    return program.find<QLabel>("lblVol02FolderStructuresTemplatesSum")->text();
}
bool CreateEnabled(StartedProgram& program) {
    return program.find<QWidget>("btnVol02CreateFolders")->isEnabled();
}
dirforge::ui::AttachGroup& Attach(StartedProgram& program) {
    return *program.page().findChild<dirforge::ui::AttachGroup*>();
}

void SelectRows(StartedProgram& program, const QList<int>& rows) {
    auto* view = program.find<QListView>("lstVol02AddFolderStructure");
    for (int row : rows)
        view->selectionModel()->select(view->model()->index(row, 0), QItemSelectionModel::Select);
}

/// The text of the message with this title (fails the comparison with "" when none came).
std::string TextOf(StartedProgram& program, const std::string& title) {
    for (const auto& message : program.prompt.shown())
        if (message.title == title)
            return message.text;
    return "";
}

} // namespace

class TestStructureWindow : public QObject {
    Q_OBJECT
private slots:
    void addStructure_data() {
        QTest::addColumn<QString>("picked");
        QTest::addColumn<int>("answer"); // -1: no question; else the PromptButton given to 20029
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("folder") << "g:\\Tpl\\Proj" << -1 << QStringList{"g:\\Tpl\\Proj"};
        QTest::newRow("padded pick is trimmed")
            << "  g:\\Tpl\\Proj \t" << -1 << QStringList{"g:\\Tpl\\Proj"};
        QTest::newRow("same folder in other case")
            << "G:\\TPL\\proj" << -1 << QStringList{"g:\\Tpl\\Proj"};
        QTest::newRow("drive root, No")
            << "g:\\" << int(PromptButton::No) << QStringList{"g:\\Tpl\\Proj"};
        QTest::newRow("drive root, Yes")
            << "g:\\" << int(PromptButton::Yes) << QStringList{"g:\\Tpl\\Proj", "g:\\"};
        QTest::newRow("cancelled") << "" << -1 << QStringList{"g:\\Tpl\\Proj"};
    }

    void addStructure() {
        QFETCH(QString, picked);
        QFETCH(int, answer);
        QFETCH(QStringList, expected);
        StartedProgram program;
        Prepare(program);
        program.picker.answer("g:\\Tpl\\Proj");
        program.click("btnVol02AddFolderStructure");
        QVERIFY(CreateEnabled(program));

        const std::string rootTitle = Title("Warning no: 20029.");
        if (answer >= 0)
            program.prompt.expect(rootTitle, MessageKind::Question, PromptButton(answer));
        program.picker.answer(picked.toStdString());
        program.click("btnVol02AddFolderStructure");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(program.picker.titles().back(), std::string("Select a Folder Structure."));
        if (answer >= 0)
            QCOMPARE(
                TextOf(program, rootTitle),
                std::string(
                    "Do you want to Attach the Entire Disk to the Folders specified in The Include "
                    "Window ?\nClick YES to Attach,\nClick NO to Cancel."));
        const Entries want = dirforge::testing::ToEntries(expected);
        QCOMPARE(Structures(program), want);
        QCOMPARE(Counter(program), QString::number(expected.size()));
    }

    void blankStructureIsRefused() {
        // The picker never hands over a blank folder; the page's AddStructure still refuses one.
        StartedProgram program;
        Prepare(program);
        const std::string title = Title("Warning no: 20030.");
        program.prompt.expect(title, MessageKind::Warning);
        Attach(program).AddStructure(" \t ");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(TextOf(program, title),
                 std::string("The selection field is empty !\nAction : You must select a folder "
                             "with subfolders structure."));
        QVERIFY(Structures(program).empty());
        QCOMPARE(Counter(program), QStringLiteral("0"));
        QVERIFY(!CreateEnabled(program));
    }

    void viewSelectedOpensTheTrimmedEntry() {
        StartedProgram program;
        Prepare(program);
        program.page().structureList().addMany({"g:\\A", "  g:\\Tpl\\Proj  "});
        const std::string title = Title("Warning no: 20040.");
        program.prompt.expect(title, MessageKind::Warning);
        program.click("btnVol02ViewFolderStructure");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(TextOf(program, title),
                 std::string("There is no selected Folder Structure !\nAction : You must "
                             "select a folder with subfolders structure."));
        QVERIFY(program.shell.folders().empty());

        SelectRows(program, {1});
        program.click("btnVol02ViewFolderStructure");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(program.shell.folders(), Entries{"g:\\Tpl\\Proj"});
    }

    void deleteSelected_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("expected");
        const QStringList all{"g:\\A", "g:\\B", "g:\\C", "g:\\D"};
        QTest::newRow("No keeps everything") << int(PromptButton::No) << QList<int>{0, 2} << all;
        QTest::newRow("Yes deletes rows apart")
            << int(PromptButton::Yes) << QList<int>{0, 2} << QStringList{"g:\\B", "g:\\D"};
        QTest::newRow("Yes with nothing selected") << int(PromptButton::Yes) << QList<int>{} << all;
        QTest::newRow("Yes deletes every row")
            << int(PromptButton::Yes) << QList<int>{3, 1, 2, 0} << QStringList{};
    }

    void deleteSelected() {
        QFETCH(int, answer);
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, expected);
        StartedProgram program;
        Prepare(program);
        program.page().structureList().addMany({"g:\\A", "g:\\B", "g:\\C", "g:\\D"});
        program.page().RefreshPageState();
        SelectRows(program, selected);
        program.prompt.expect(Title("Warning no: 20041."), MessageKind::Question,
                              PromptButton(answer));
        program.click("btnVol02DeleteSelFolderStructuresTemplates");
        VERIFY_SCRIPTS_DONE(program);
        const Entries want = dirforge::testing::ToEntries(expected);
        QCOMPARE(Structures(program), want);
        QCOMPARE(Counter(program), QString::number(expected.size()));
        QCOMPARE(CreateEnabled(program), !expected.isEmpty()); // Existing needs a structure
    }

    void deleteAll() {
        StartedProgram program;
        Prepare(program);
        const std::string empty = Title("Warning no: 20042.");
        program.prompt.expect(empty, MessageKind::Warning);
        program.click("btnVol02DeleteAllFolderStructuresTemplates");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(TextOf(program, empty),
                 std::string("Empty List in the Folder Structures/Templates Window!\n"));

        program.page().structureList().addMany({"g:\\A", "g:\\B"});
        const std::string question = Title("Warning no: 20043.");
        program.prompt.expect(question, MessageKind::Question, PromptButton::No);
        program.click("btnVol02DeleteAllFolderStructuresTemplates");
        QCOMPARE(Structures(program).size(), std::size_t(2));
        program.prompt.expect(question, MessageKind::Question, PromptButton::Yes);
        program.click("btnVol02DeleteAllFolderStructuresTemplates");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(
            TextOf(program, question),
            std::string(
                "Do you want to delete all item(s) from the Folder Structures/Templates list ?"));
        QVERIFY(Structures(program).empty());
        QCOMPARE(Counter(program), QStringLiteral("0"));
        QVERIFY(!CreateEnabled(program));
    }

    void import_data() {
        QTest::addColumn<bool>("templates");
        QTest::addColumn<QString>("file"); // empty: the window is closed without loading
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("refusal");    // title of the page's refusal, if any
        QTest::addColumn<QString>("reportPart"); // a piece of the refusal's report
        QTest::addColumn<QStringList>("expected");
        const QStringList kept{"\\Keep"};
        QTest::newRow("closed without lines")
            << true << "" << false << QString::fromStdString(kImportNoLines)
            << "Empty Result List in the File Import Window!\n"
            << kept;
        QTest::newRow("cancel after a preview") << true << "\\x\n"
                                                << false << ""
                                                << "" << kept;
        QTest::newRow("templates: a line with a drive")
            << true << "\\a\nf:\\b\n"
            << true << QString::fromStdString(Title("Warning no: 20033."))
            << "There are drive letters in paths (total: 1 )\nf:\\b\n"
            << kept;
        QTest::newRow("templates: added once after normalising")
            << true << "\\a//b\n\\A\\B\n\\keep\n\\c\\\\d\n"
            << true << ""
            << "" << QStringList{"\\Keep", "\\a\\b", "\\c\\d"};
        // Import is disabled while Existing is chosen; its handler still checks full paths.
        QTest::newRow("existing: a line without a drive")
            << false << "g:\\a\n\\b\n"
            << true << QString::fromStdString(Title("Warning no: 20032."))
            << "There are no drive letters in paths (total: 1 )\n\\b\n"
            << QStringList{"g:\\Keep"};
    }

    void import() {
        QFETCH(bool, templates);
        QFETCH(QString, file);
        QFETCH(bool, accept);
        QFETCH(QString, refusal);
        QFETCH(QString, reportPart);
        QFETCH(QStringList, expected);
        StartedProgram program;
        Prepare(program, templates);
        program.page().structureList().add(templates ? "\\Keep" : "g:\\Keep");
        if (file.isEmpty())
            program.runner.expect("TfrmFileImport",
                                  [](QDialog&) { return int(QDialog::Rejected); });
        else
            dirforge::testing::ScriptImport(program, "f:\\in\\structures.txt", file.toStdString(),
                                            accept);
        if (!refusal.isEmpty())
            program.prompt.expect(refusal.toStdString(), MessageKind::Warning);
        program.prompt.expect(kImportEnd, MessageKind::Warning);
        if (templates)
            program.click("btnVol02ImportFolderStructuresTemplates");
        else
            Attach(program).btnImportFolderStructuresTemplatesClick();
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(program.prompt.shown().back().text, kImportEndText);
        if (!refusal.isEmpty())
            QVERIFY2(TextOf(program, refusal.toStdString()).find(reportPart.toStdString()) !=
                         std::string::npos,
                     TextOf(program, refusal.toStdString()).c_str());
        const Entries want = dirforge::testing::ToEntries(expected);
        QCOMPARE(Structures(program), want);
        QCOMPARE(Counter(program), QString::number(expected.size()));
        QCOMPARE(CreateEnabled(program), true);
    }

    void exportHandsEveryLineAsStrings() {
        StartedProgram program;
        Prepare(program, true);
        program.prompt.expect(
            "Creating Folder(s).-From a String List.             Warning no: 20036.",
            MessageKind::Warning);
        program.click("btnVol02ExportFolderStructuresTemplates");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(program.prompt.shown().back().text,
                 std::string("The Folder Structure/Templates Window is empty !\n"));

        program.page().structureList().addMany({"\\b\\x", "\\a"});
        program.page().RefreshPageState();
        const ExportSeen seen =
            dirforge::testing::ExportThrough(program, "btnVol02ExportFolderStructuresTemplates");
        VERIFY_SCRIPTS_DONE(program);
        const std::string mismatch =
            dirforge::testing::ExportMismatch(seen, {"\\b\\x", "\\a"}, "STRINGS");
        QVERIFY2(mismatch.empty(), mismatch.c_str());
    }

    void edit_data() {
        QTest::addColumn<bool>("templates");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("templates: a drive refuses the text")
            << true << "\\a\nf:\\b\n"
            << QString::fromStdString(Title("Warning no: 20037.")) << QStringList{"\\Keep"};
        QTest::newRow("templates: replaced by the normalised lines")
            << true << "\\a//b\n\n  \\A\\B \n\\c\n"
            << "" << QStringList{"\\a\\b", "\\c"};
        // Edit is disabled while Existing is chosen; its handler still checks full paths.
        QTest::newRow("existing: a relative line refuses the text")
            << false << "g:\\a\n\\b\n"
            << QString::fromStdString(Title("Warning no: 20038.")) << QStringList{"g:\\Keep"};
        QTest::newRow("existing: replaced by the normalised lines")
            << false << "g:/a//b\n G:\\A\\B\n"
            << "" << QStringList{"g:\\a\\b"};
    }

    void edit() {
        QFETCH(bool, templates);
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        QFETCH(QStringList, expected);
        StartedProgram program;
        Prepare(program, templates);
        program.page().structureList().add(templates ? "\\Keep" : "g:\\Keep");
        QString shownText;
        dirforge::testing::ScriptEditor(program, "TfrmFolderStructuresTemplates",
                                        "mmoEditFolderStructuresTemplates", typed, shownText);
        if (!refusal.isEmpty())
            program.prompt.expect(refusal.toStdString(), MessageKind::Warning);
        if (templates)
            program.click("btnVol02EditFolderStructuresTemplates");
        else
            Attach(program).btnEditFolderStructuresTemplatesClick();
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(shownText, QString::fromLatin1(templates ? "\\Keep\n" : "g:\\Keep\n"));
        const Entries want = dirforge::testing::ToEntries(expected);
        QCOMPARE(Structures(program), want);
        QCOMPARE(Counter(program), QString::number(expected.size()));
    }
};

QTEST_MAIN(TestStructureWindow)
#include "TestStructureWindow.moc"
