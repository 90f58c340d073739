// The program at home on a Linux desktop: host paths and forward slashes in every path field,
// the mapped drives in the folder picker, "Add item" ready for the next name, a cancelled
// "Browse" that keeps the destination, and the small traps a new user fell into.
#include "helpers/ListWindowSteps.h"
#include "helpers/StartedProgram.h"
#include "platform/HostFileSystem.h"
#include "platform/TypedPaths.h"
#include "ui/app/HelpTopics.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/AttachGroup.h"
#include "ui/pages/paths/PathsPage.h"
#include "ui/pages/strings/StringsPage.h"
#include "ui/results/TfrmStatistic.h"
#include "ui/windows/FolderBrowserDialog.h"
#include "ui/windows/TfrmFolderTemplateOptions.h"
#include "ui/windows/TfrmLevelSummFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <QUrl>

using dirforge::engine::PageKind;
Q_DECLARE_METATYPE(PageKind)
using dirforge::platform::MessageKind;
using dirforge::testing::StartedProgram;
using Strings = std::vector<std::string>;

namespace {

const std::string kPathsArea = "Creating Folder(s).-From a Folder List.            ";
const std::string kUnmappedTitle = dirforge::platform::kUnmappedPathTitle;

dirforge::ui::PathsPage& PathsPage(StartedProgram& program) {
    return static_cast<dirforge::ui::PathsPage&>(*program.window().page(PageKind::Paths));
}

/// Maps c: away from "/" in the running program, so host paths outside f: and g: lie on no drive.
void UnmapHostRoot(StartedProgram& program) {
    auto& files = dynamic_cast<dirforge::platform::HostFileSystem&>(program.context->fileSystem());
    files.drives().map('c', program.drives.hostRoot() + "/c");
}

/// The host path of a drive path, with forward slashes as a terminal gives it.
QString Host(StartedProgram& program, const std::string& drivePath) {
    return QString::fromStdString(program.drives.hostPath(drivePath));
}

} // namespace

class TestLinuxDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { home_ = qgetenv("HOME"); }
    void cleanup() { qputenv("HOME", home_); }

    void pathsEntryTakesHostAndForwardSlashPaths_data() {
        QTest::addColumn<QString>(
            "typed"); // "{f}" stands for f:'s host folder, "~" for HOME = f:\Home
        QTest::addColumn<QStringList>("include");
        QTest::addColumn<QString>("message"); // title of the one message expected, "" for none
        QTest::newRow("host path on f:") << "{f}/Clients/A" << QStringList{"f:\\Clients\\A"} << "";
        QTest::newRow("host path with a trailing slash")
            << "{f}/Clients/" << QStringList{"f:\\Clients"} << "";
        QTest::newRow("home folder") << "~/Clients" << QStringList{"f:\\Home\\Clients"} << "";
        QTest::newRow("drive path with forward slashes")
            << "f:/Clients/A" << QStringList{"f:\\Clients\\A"} << "";
        QTest::newRow("two drive paths with forward slashes")
            << "f:/A g:/B/C" << QStringList{"f:\\A", "g:\\B\\C"} << "";
        QTest::newRow("drive path with backslashes")
            << "f:\\Clients" << QStringList{"f:\\Clients"} << "";
        QTest::newRow("host path on no drive")
            << "/nowhere/Clients" << QStringList{} << QString::fromStdString(kUnmappedTitle);
        QTest::newRow("a name without drive keeps the page's message")
            << "Clients" << QStringList{}
            << QString::fromStdString(kPathsArea + "Warning no: 40003.");
    }

    void pathsEntryTakesHostAndForwardSlashPaths() {
        QFETCH(QString, typed);
        QFETCH(QStringList, include);
        QFETCH(QString, message);
        StartedProgram program;
        UnmapHostRoot(program);
        qputenv("HOME", Host(program, "f:\\Home").toUtf8());
        typed.replace(QStringLiteral("{f}"), Host(program, "f:\\"));
        if (!message.isEmpty())
            program.prompt.expect(message.toStdString(), MessageKind::Warning);
        auto* entry = program.find<QLineEdit>("edtVol04AddToList");
        entry->setText(typed);
        program.click("btnVol04AddToList");
        QCOMPARE(PathsPage(program).includeList().entries(), dirforge::testing::ToEntries(include));
        if (!include.isEmpty()) // the field shows the drive form, ready to be typed over
            QCOMPARE(entry->selectedText(), entry->text());
        else
            QCOMPARE(entry->text(), typed);
        if (message == QString::fromStdString(kUnmappedTitle)) {
            const std::string& text = program.prompt.shown().back().text;
            QVERIFY2(text.find("f:  " + program.drives.hostPath("f:\\")) != std::string::npos,
                     text.c_str());
        }
        VERIFY_SCRIPTS_DONE(program);
    }

    void pathsImportConvertsHostLinesAndCountsWhatItTook() {
        StartedProgram program;
        UnmapHostRoot(program);
        const std::string fRoot = program.drives.hostPath("f:\\");
        dirforge::testing::ScriptImport(program, "g:\\paths.txt",
                                        fRoot + "/Clients/A\n" + "g:/Archive/B\n" + "Clients\n" +
                                            "/nowhere/C\n" + "f:\\Clients\\A\n");
        program.prompt.expect(
            "Creating Folder(s).-From a Folder List.           Warning no: 40051.",
            MessageKind::Warning);
        program.click("btnVol04SmartImport");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(PathsPage(program).includeList().entries(),
                 (Strings{"f:\\Clients\\A", "g:\\Archive\\B"}));
        const std::string& end = program.prompt.shown().back().text;
        QVERIFY2(end.rfind("End of the Import Process !!!\n", 0) == 0, end.c_str());
        QVERIFY2(end.find("2 line(s) added to the Include list, 3 skipped") != std::string::npos,
                 end.c_str());
    }

    void pathsEditorTakesHostPaths() {
        StartedProgram program;
        UnmapHostRoot(program);
        QString shown;
        const QString text = Host(program, "f:\\A") + "\ng:/B\n";
        dirforge::testing::ScriptEditor(program, "TfrmVol04EditIncludeList",
                                        "mmoVol04EditIncludeList", text, shown);
        program.click("btnVol04EditIncludeList");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(PathsPage(program).includeList().entries(), (Strings{"f:\\A", "g:\\B"}));

        // A host path on no drive: the editor says which drives there are and changes nothing.
        program.prompt.expect(kUnmappedTitle, MessageKind::Warning);
        dirforge::testing::ScriptEditor(program, "TfrmVol04EditIncludeList",
                                        "mmoVol04EditIncludeList", "f:\\Other\n/nowhere/X\n",
                                        shown);
        program.click("btnVol04EditIncludeList");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(PathsPage(program).includeList().entries(), (Strings{"f:\\A", "g:\\B"}));
    }

    void structureFoldersTakeHostPathsTemplateLinesStayRelative() {
        StartedProgram program;
        program.drives.makeFolder("g:\\Tpl\\Proj");
        program.chooseDestination("f:\\Out");
        program.addNames({"Acme"});
        auto& page = program.page();
        // Existing structures: a host folder is taken in drive form.
        auto* attach = page.findChild<dirforge::ui::AttachGroup*>();
        QVERIFY(attach);
        attach->AddStructure(Host(program, "g:\\Tpl\\Proj").toStdString());
        QCOMPARE(page.structureList().entries(), (Strings{"g:\\Tpl\\Proj"}));
        attach->AddStructure("g:/Tpl/Proj");
        QCOMPARE(page.structureList().entries(),
                 (Strings{"g:\\Tpl\\Proj"})); // the same folder, not added twice

        // Text templates: "/Docs/In" is a template line, not a host folder.
        program.click("rdoVol02StructureImportRelativePaths");
        dirforge::testing::ScriptImport(program, "g:\\t.txt", "/Docs/In\n\\Mail\n");
        program.prompt.expect(
            "Creating Folder(s).-From a String List.           Warning no: 20052.",
            MessageKind::Warning);
        program.click("btnVol02ImportFolderStructuresTemplates");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(page.structureList().entries(), (Strings{"\\Docs\\In", "\\Mail"}));
    }

    void destinationsTakePastedHostPaths_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("tab");
        QTest::newRow("strings page") << "cboVol02DestFolders"
                                      << "tabCreateFolderStrings";
        QTest::newRow("numbers page") << "cboVol03DestFolders"
                                      << "tabCreateFolderIncreasedNumbers";
    }

    void destinationsTakePastedHostPaths() {
        QFETCH(QString, box);
        QFETCH(QString, tab);
        StartedProgram program;
        UnmapHostRoot(program);
        program.drives.makeFolder("f:\\Out");
        program.window().findChild<QTabWidget*>("pgeMain")->setCurrentWidget(
            program.find<QWidget>(qPrintable(tab)));
        auto* combo = program.find<QComboBox>(qPrintable(box));
        QApplication::clipboard()->setText(Host(program, "f:\\Out") + "/");
        program.runner.expect("TfrmLevelSummFolder");
        QTest::keySequence(combo, QKeySequence::Paste);
        QCOMPARE(combo->currentText(), QStringLiteral("f:\\Out"));

        // A host path on no drive: the mapped drives are named, the destination stays.
        program.prompt.expect(kUnmappedTitle, MessageKind::Warning);
        QApplication::clipboard()->setText(QStringLiteral("/nowhere/Out"));
        QTest::keySequence(combo, QKeySequence::Paste);
        QCOMPARE(combo->currentText(), QStringLiteral("f:\\Out"));
        QCOMPARE(combo->count(), 1);
        VERIFY_SCRIPTS_DONE(program);
    }

    void destinationTakesADroppedFolder_data() {
        QTest::addColumn<QString>("dropped"); // "{f}" stands for f:'s host folder
        QTest::addColumn<bool>("accepted");   // whether the box takes the drag
        QTest::addColumn<QString>("message"); // title of the one message expected, "" for none
        QTest::addColumn<QString>("destination");
        QTest::newRow("folder on f:") << "{f}/Out" << true << ""
                                      << "f:\\Out";
        QTest::newRow("a file is refused") << "{f}/Out/a.txt" << false << ""
                                           << "";
        QTest::newRow("folder on no drive")
            << "{g}" << true << QString::fromStdString(kUnmappedTitle) << "";
    }

    void destinationTakesADroppedFolder() {
        QFETCH(QString, dropped);
        QFETCH(bool, accepted);
        QFETCH(QString, message);
        QFETCH(QString, destination);
        StartedProgram program;
        program.drives.makeFile("f:\\Out\\a.txt", "x");
        const QString gRoot = Host(program, "g:\\");
        UnmapHostRoot(program);
        // g: unmapped as well, so its folder lies on no drive.
        dynamic_cast<dirforge::platform::HostFileSystem&>(program.context->fileSystem())
            .drives()
            .map('g', program.drives.hostRoot() + "/none");
        dropped.replace(QStringLiteral("{f}"), Host(program, "f:\\"));
        dropped.replace(QStringLiteral("{g}"), gRoot);
        auto* combo = program.find<QComboBox>("cboVol02DestFolders");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(dropped)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(combo, &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        if (!destination.isEmpty())
            program.runner.expect("TfrmLevelSummFolder");
        if (!message.isEmpty())
            program.prompt.expect(message.toStdString(), MessageKind::Warning);
        if (accepted) {
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(combo, &drop);
        }
        QCOMPARE(combo->currentText(), destination);
        VERIFY_SCRIPTS_DONE(program);
    }

    void cancelledBrowseKeepsTheDestination_data() {
        QTest::addColumn<QString>("infix");
        QTest::addColumn<QString>("emptyTitle");
        QTest::addColumn<QString>("optionControl"); // on while the page has its destination
        QTest::newRow("strings page")
            << "Vol02"
            << "Creating Folder(s).-From a String List.            Warning no: 20003."
            << "edtVol02AddToList";
        QTest::newRow("numbers page")
            << "Vol03"
            << "Creating Folder(s).-Increased Numbers.\t\t\tWarning no: 30002."
            << "edtVol03Prefix";
    }

    void cancelledBrowseKeepsTheDestination() {
        QFETCH(QString, infix);
        QFETCH(QString, emptyTitle);
        QFETCH(QString, optionControl);
        StartedProgram program;
        const QString browse = "btn" + infix + "AddDestFolder";
        auto* combo = program.find<QComboBox>(qPrintable("cbo" + infix + "DestFolders"));
        // With no destination yet, a cancel still counts as choosing an empty destination.
        program.prompt.expect(emptyTitle.toStdString(), MessageKind::Warning);
        program.click(qPrintable(browse));
        VERIFY_SCRIPTS_DONE(program);

        program.picker.answer("f:\\Out");
        program.runner.expect("TfrmLevelSummFolder");
        program.click(qPrintable(browse));
        program.click(qPrintable(browse)); // cancelled: no message, nothing changes
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(combo->currentText(), QStringLiteral("f:\\Out"));
        QVERIFY(program.find<QWidget>(qPrintable(optionControl))->isEnabled());
    }

    void addItemLeavesTheNameSelectedForTheNext() {
        StartedProgram program;
        program.chooseDestination("f:\\Out");
        auto* entry = program.find<QLineEdit>("edtVol02AddToList");
        entry->setFocus();
        for (const char* name : {"Acme", "Beta", "Gamma/Docs"}) {
            QTest::keyClicks(entry, QString::fromLatin1(name));
            QTest::keyClick(entry, Qt::Key_Return);
        }
        QCOMPARE(program.page().includeList().entries(), (Strings{"Acme", "Beta", "Gamma\\Docs"}));
        QCOMPARE(entry->text(),
                 QStringLiteral("Gamma\\Docs")); // the entry shows the name as stored
        QCOMPARE(entry->selectedText(), entry->text());
        VERIFY_SCRIPTS_DONE(program);
    }

    void pickerListsEveryMappedDriveAsAPlace() {
        dirforge::testing::TempDrives drives;
        dirforge::ui::FolderBrowserDialog picker(drives.drives(),
                                                 "Select the Destination Directory.");
        const QStringList places = picker.placeLabels();
        const QStringList expected = {QStringLiteral("c:  /"),
                                      "f:  " + QString::fromStdString(drives.hostPath("f:\\")),
                                      "g:  " + QString::fromStdString(drives.hostPath("g:\\"))};
        QCOMPARE(places, expected);
        // Labels survive the dialog's own refresh of its places as folders load.
        QTest::qWait(50);
        QCoreApplication::processEvents();
        QCOMPARE(picker.placeLabels(), expected);
    }

    void folderNoFileManagerOpensIsReported() {
        StartedProgram program;
        program.shell.setSucceeds(false);
        program.chooseDestination("f:\\Out");
        program.prompt.expect("Show Folder.            Warning no: 0803.", MessageKind::Warning);
        program.click("btnVol02ViewDestFolder");
        VERIFY_SCRIPTS_DONE(program);
        const std::string& text = program.prompt.shown().back().text;
        QVERIFY2(text.find(program.drives.hostPath("f:\\Out")) != std::string::npos, text.c_str());
    }

    void templateOptionsHelpNamesThePage_data() {
        QTest::addColumn<PageKind>("page");
        QTest::addColumn<QString>("pageName");
        QTest::newRow("paths") << PageKind::Paths << "Create Multiple Folders Using Paths";
        QTest::newRow("strings") << PageKind::Strings << "Create Multiple Folders Using Strings";
        QTest::newRow("numbers") << PageKind::Numbers << "Add Increased Numbers as Suffixes";
    }

    void templateOptionsHelpNamesThePage() {
        QFETCH(PageKind, page);
        QFETCH(QString, pageName);
        StartedProgram program;
        QString text;
        program.runner.expect("TfrmFolderTemplateOptions", [](QDialog& dialog) {
            dialog.findChild<QAbstractButton*>("btnFolderTemplateOptionsHelp")->click();
            return int(QDialog::Rejected);
        });
        program.runner.expect("frmHelp", [&text](QDialog& help) {
            text = help.findChild<QPlainTextEdit*>("memHelpText")->toPlainText();
            return int(QDialog::Accepted);
        });
        program.context->templateOptions().showForPage(program.runner, page);
        VERIFY_SCRIPTS_DONE(program);
        QVERIFY2(text.contains(pageName), qPrintable(text));
        QVERIFY(text.startsWith(QString::fromUtf8(
            dirforge::ui::HelpTopicText(dirforge::ui::HelpTopic::TemplateOptions))));
    }

    void windowsKeepTheirDesignedSizes() {
        StartedProgram program;
        for (PageKind page : {PageKind::Strings, PageKind::Paths, PageKind::Numbers}) {
            dirforge::ui::TfrmStatistic* log = &program.context->visualLog(page);
            log->show();
            QCoreApplication::processEvents();
            QCOMPARE(log->size(), QSize(729, 636));
            log->hide();
        }
        auto& summary = program.context->levelSummary();
        QCOMPARE(summary.minimumSize(), QSize(412, 497));
        QCOMPARE(summary.maximumSize(), QSize(412, 497));
    }

    void exitsLongHintIsShownWithoutAStatusBar() {
        StartedProgram program;
        program.window().show();
        QStatusTipEvent tip(QStringLiteral("Quits the application"));
        QCoreApplication::sendEvent(&program.window(), &tip);
        QCOMPARE(QToolTip::text(), QStringLiteral("Quits the application"));
    }

private:
    QByteArray home_;
};

QTEST_MAIN(TestLinuxDesktop)
#include "TestLinuxDesktop.moc"
