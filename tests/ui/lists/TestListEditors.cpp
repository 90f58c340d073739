// The list editors and the zoom window: how each editor rebuilds its list from the edited
// lines, what it refuses, and that the zoom window follows the list it is given.

#include "helpers/ScriptedModalRunner.h"
#include "platform/DriveMap.h"
#include "support/ScriptedPrompt.h"
#include "ui/common/NameListModel.h"
#include "ui/lists/TfrmFolderStructuresTemplates.h"
#include "ui/lists/TfrmVol02EditIncludeList.h"
#include "ui/lists/TfrmVol04EditIncludeList.h"
#include "ui/lists/TfrmZoomIncludeWindow.h"

#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace dirforge;
using platform::MessageKind;
using Entries = std::vector<std::string>;
using Order = core::NameList::Order;

namespace {

/// A runner step that types text into the editor's memo and presses OK (or Cancel).
testing::ScriptedModalRunner::Step typeAndPress(const char* memo, QString text,
                                                const char* button = "btnOk") {
    return [memo, text, button](QDialog& dialog) {
        dialog.findChild<QPlainTextEdit*>(memo)->setPlainText(text);
        dialog.findChild<QPushButton*>(button)->click();
        return dialog.result();
    };
}

const std::string T40057 = "Creating Folder(s).-From a Folder List.            Warning no: 40057.";
/// The drives the editors map host paths through (c: is "/"); they keep a reference to it.
const platform::DriveMap kDrives;
const std::string T20037 = "Creating Folder(s).-From a String List.            Warning no: 20037.";

} // namespace

class TestListEditors : public QObject {
    Q_OBJECT
private slots:
    void stringsEditorKeepsOnlyNewRelativeNames();
    void stringsEditorCancelLeavesTheList();
    void pathsEditorRefusesTheWholeTextOnAnInvalidLine();
    void pathsEditorReplacesTheList();
    void structureEditorChecksByTheAttachMode();
    void lineCounterCountsMemoLines_data();
    void lineCounterCountsMemoLines();
    void zoomFollowsTheList();
};

void TestListEditors::stringsEditorKeepsOnlyNewRelativeNames() {
    testing::ScriptedModalRunner runner;
    ui::NameListModel include(Order::Alphabetical);
    ui::NameListModel exclude(Order::Alphabetical);
    include.add("old");
    exclude.add("Gamma");
    ui::TfrmVol02EditIncludeList editor(include, exclude, runner);
    QCOMPARE(editor.windowTitle(), QString("Edit the include List of strings"));
    runner.expect("TfrmVol02EditIncludeList",
                  typeAndPress("mmoVol02EditIncludeList",
                               "b\nf:\\Clients\n  a!b\nA\na\n\n gamma \na//b\\\\c\n"));
    QVERIFY(editor.edit(include.entries()));
    QCOMPARE(include.entries(), (Entries{"A", "a\\b\\c", "b"}));
    QVERIFY(editor.findChild<QPlainTextEdit*>("mmoVol02EditIncludeList")->toPlainText().isEmpty());
}

void TestListEditors::stringsEditorCancelLeavesTheList() {
    testing::ScriptedModalRunner runner;
    ui::NameListModel include(Order::Alphabetical);
    ui::NameListModel exclude(Order::Alphabetical);
    include.add("keep");
    ui::TfrmVol02EditIncludeList editor(include, exclude, runner);
    runner.expect("TfrmVol02EditIncludeList",
                  typeAndPress("mmoVol02EditIncludeList", "other\n", "btnCancel"));
    QVERIFY(!editor.edit(include.entries()));
    QCOMPARE(include.entries(), Entries{"keep"});
}

void TestListEditors::pathsEditorRefusesTheWholeTextOnAnInvalidLine() {
    testing::ScriptedPrompt prompt;
    testing::ScriptedModalRunner runner;
    ui::NameListModel include(Order::Insertion);
    ui::NameListModel exclude(Order::Insertion);
    include.add("f:\\old");
    ui::TfrmVol04EditIncludeList editor(include, exclude, kDrives, prompt, runner);
    prompt.expect(T40057, MessageKind::Warning);
    runner.expect("TfrmVol04EditIncludeList",
                  typeAndPress("mmoVol04EditIncludeList", "f:\\a\n\ng:\\b\n"));
    QVERIFY(!editor.edit(include.entries()));
    QVERIFY2(prompt.satisfied(), prompt.describe().c_str());
    QVERIFY(prompt.shown().front().text.find("There are no drive letters in paths (1 )") !=
            std::string::npos);
    QCOMPARE(include.entries(), Entries{"f:\\old"});
    QVERIFY(!editor.findChild<QPlainTextEdit*>("mmoVol04EditIncludeList")->toPlainText().isEmpty());
}

void TestListEditors::pathsEditorReplacesTheList() {
    testing::ScriptedPrompt prompt;
    testing::ScriptedModalRunner runner;
    ui::NameListModel include(Order::Insertion);
    ui::NameListModel exclude(Order::Insertion);
    include.add("f:\\old");
    exclude.add("G:\\X");
    ui::TfrmVol04EditIncludeList editor(include, exclude, kDrives, prompt, runner);
    runner.expect("TfrmVol04EditIncludeList",
                  typeAndPress("mmoVol04EditIncludeList", "f:/z//y\ng:\\x\n F:\\Z\\Y \nf:\\a\n"));
    QVERIFY(editor.edit(include.entries()));
    QVERIFY2(prompt.satisfied(), prompt.describe().c_str());
    QCOMPARE(include.entries(), (Entries{"f:\\z\\y", "f:\\a"}));
}

void TestListEditors::structureEditorChecksByTheAttachMode() {
    testing::ScriptedPrompt prompt;
    testing::ScriptedModalRunner runner;
    ui::NameListModel structures(Order::Insertion);
    structures.add("\\old");
    ui::TfrmFolderStructuresTemplates editor(kDrives, prompt, runner);
    QCOMPARE(editor.windowTitle(), QString("Edit "));
    ui::StructureEditTarget target{&structures, engine::AttachMode::TextTemplates, T20037,
                                   "full title"};

    prompt.expect(T20037, MessageKind::Warning);
    runner.expect("TfrmFolderStructuresTemplates",
                  typeAndPress("mmoEditFolderStructuresTemplates", "\\a\nf:\\b\n"));
    QVERIFY(!editor.editStructures(target));
    QCOMPARE(structures.entries(), Entries{"\\old"});

    runner.expect("TfrmFolderStructuresTemplates",
                  typeAndPress("mmoEditFolderStructuresTemplates", "\\a//b\n\n\\A\\B\n\\c\n"));
    QVERIFY(editor.editStructures(target));
    QCOMPARE(structures.entries(), (Entries{"\\a\\b", "\\c"}));

    target.mode = engine::AttachMode::Nothing;
    runner.expect("TfrmFolderStructuresTemplates",
                  typeAndPress("mmoEditFolderStructuresTemplates", "\\a\n"));
    QVERIFY(editor.editStructures(target));
    QCOMPARE(structures.size(), 0);
    QVERIFY2(prompt.satisfied(), prompt.describe().c_str());
    QVERIFY2(runner.satisfied(), qPrintable(runner.describe()));
}

void TestListEditors::lineCounterCountsMemoLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("afterReturn");
    QTest::newRow("empty") << ""
                           << "0"
                           << "1";
    QTest::newRow("one line") << "a"
                              << "1"
                              << "1";
    QTest::newRow("final line end") << "a\nb\n"
                                    << "2"
                                    << "3";
    QTest::newRow("blank lines count") << "a\n\nb"
                                       << "3"
                                       << "3";
}

void TestListEditors::lineCounterCountsMemoLines() {
    QFETCH(QString, text);
    QFETCH(QString, count);
    QFETCH(QString, afterReturn);
    testing::ScriptedModalRunner runner;
    ui::NameListModel include(Order::Alphabetical);
    ui::NameListModel exclude(Order::Alphabetical);
    ui::TfrmVol02EditIncludeList editor(include, exclude, runner);
    auto* memo = editor.findChild<QPlainTextEdit*>("mmoVol02EditIncludeList");
    memo->setPlainText(text);
    QCOMPARE(editor.findChild<QLabel*>("lblVol02EditLinesSum")->text(), count);
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return); // typing moves the counter as well
    QCOMPARE(editor.findChild<QLabel*>("lblVol02EditLinesSum")->text(), afterReturn);
}

void TestListEditors::zoomFollowsTheList() {
    testing::ScriptedModalRunner runner;
    ui::TfrmZoomIncludeWindow zoom(runner);
    QCOMPARE(zoom.windowTitle(), QString("Zoom the Include Window."));
    ui::NameListModel include(Order::Alphabetical);
    include.addMany({"b", "a", "c"});
    int rows = -1;
    const auto countRows = [&](QDialog& dialog) {
        rows = dialog.findChild<QListView*>("lstZoomIncludeWindow")->model()->rowCount();
        return int(QDialog::Accepted);
    };
    runner.expect("TfrmZoomIncludeWindow", countRows).expect("TfrmZoomIncludeWindow", countRows);
    zoom.showEntries(include.entries());
    QCOMPARE(rows, 3);
    include.removeRows({1});
    zoom.showEntries(include.entries());
    QCOMPARE(rows, 2);
    QCOMPARE(zoom.list().entries(), (Entries{"a", "c"}));
    zoom.addEntries({"A", "d"});
    QCOMPARE(zoom.list().entries(), (Entries{"a", "c", "d"}));
}

QTEST_MAIN(TestListEditors)
#include "TestListEditors.moc"
