// The smart import window: loading, the reading settings and their enabling rules, the preview
// build with its messages and refusals, Clear All, zoom and the preview editor's limit.

#include "helpers/ScriptedModalRunner.h"
#include "helpers/ScriptedSeams.h"
#include "helpers/WidgetLookup.h"
#include "support/ScriptedPrompt.h"
#include "support/TempDrives.h"
#include "ui/lists/TfrmEditSmartImport.h"
#include "ui/lists/TfrmFileImport.h"
#include "ui/lists/TfrmZoomIncludeWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace dirforge;
using platform::MessageKind;
using platform::PromptButton;

namespace {

const std::string T0311 = "Import File content.            Warnings no: 0311.";
const std::string T0312 = "Import File content.            Warnings no: 0312.";
const std::string T0313 = "Import File content.            Warnings no: 0313.";
const std::string T0314 = "Import File content.            Warnings no: 0314.";
const std::string T0316 = "Import File content.            Warnings no: 0316.";
const std::string T0450 = "Import File content.            Information no: 0450.";
const std::string T0451 = "Import File content.            Information no: 0451.";
const std::string T0297 = "Edit Import Folders/Subfolders.            Warning no: 0297.";

/// One import window over temporary drives with scripted seams.
struct ImportRig {
    testing::TempDrives drives;
    testing::ScriptedPrompt prompt;
    testing::ScriptedFileDialogs dialogs;
    testing::ScriptedModalRunner runner;
    ui::TfrmZoomIncludeWindow zoom{runner};
    std::unique_ptr<ui::TfrmFileImport> window;

    explicit ImportRig(const std::vector<std::string>& sharedDelimiters = {}) {
        window = std::make_unique<ui::TfrmFileImport>(
            ui::FileImportServices{drives.fs(), prompt, dialogs, zoom, runner, {}},
            sharedDelimiters, std::vector<std::string>{});
    }
    template <class T> T* child(const char* name) const { return window->findChild<T*>(name); }
    QString text(const char* label) const { return child<QLabel>(label)->text(); }
    void click(const char* button) const { child<QAbstractButton>(button)->click(); }

    /// Loads a file through Browse, expecting the end-of-load message.
    void load(const std::string& path, const std::string& content) {
        drives.makeFile(path, content);
        dialogs.answerOpen(path);
        prompt.expect(T0450, MessageKind::Information);
        click("btnFileImportBrowse");
    }
    std::vector<std::string> preview() const { return window->preview().entries(); }
};

} // namespace

class TestFileImport : public QObject {
    Q_OBJECT
private slots:
    void initialStateOfTheWindow();
    void delimiterBoxFromSharedListOrDefaults();
    void loadingShowsNonBlankLinesAndEnablesTheBuild();
    void loadingRefusals_data();
    void loadingRefusals();
    void readingChoicesFollowTheEnablingRules();
    void previewDropsCaseDuplicatesAndBlanks();
    void oneColumnAndTheColumnField_data();
    void oneColumnAndTheColumnField();
    void previewOfAVanishedFileIsEmpty();
    void clearAllResetsTheWindow();
    void zoomShowsTheSourceLines();
    void previewEditorStopsAtItsLimit();
};

void TestFileImport::initialStateOfTheWindow() {
    ImportRig rig;
    QCOMPARE(rig.window->windowTitle(),
             QString("Import Folders/Subfolders/Strings  from a Text File."));
    QCOMPARE(rig.text("lblFileImportSourceLines"), QString("0"));
    QCOMPARE(rig.text("lblFileImportPreviewLines"), QString("0"));
    QVERIFY(rig.child<QRadioButton>("rdoFileImportPlainText")->isChecked());
    QVERIFY(rig.child<QCheckBox>("chkFileImportAbandonQMarks")->isChecked());
    QCOMPARE(rig.child<QLineEdit>("edtFileImportColumnNumber")->text(), QString("1"));
    QCOMPARE(rig.child<QPushButton>("btnFileImportOk")->text(), QString("IMPORT"));
    QVERIFY(rig.child<QPushButton>("btnFileImportOk")->isDefault());
    for (const char* disabled :
         {"btnFileImportOk", "btnFileImportFrom", "rdoFileImportSeparatedFile",
          "cboFileImportDelimiter", "btnSmartImportPreviewEdit", "lstFileImportResults"})
        QVERIFY2(!rig.child<QWidget>(disabled)->isEnabled(), disabled);
    for (const char* hidden : {"rdoFileImportColumnSeparatedFile", "cboFileImportQuotationMark",
                               "chkFileImportDeleteContent", "btnFileImportVideo"})
        QVERIFY2(rig.child<QWidget>(hidden)->isHidden(), hidden);
    QCOMPARE(rig.child<QLineEdit>("edtFileImportFileName")->toolTip(),
             QString("A source file name."));
}

void TestFileImport::delimiterBoxFromSharedListOrDefaults() {
    ImportRig defaults;
    auto* box = defaults.child<QComboBox>("cboFileImportDelimiter");
    QCOMPARE(box->count(), 17);
    QCOMPARE(box->currentText(), QString(","));
    QCOMPARE(box->itemText(16), QString("space"));
    QCOMPARE(defaults.child<QComboBox>("cboFileImportQuotationMark")->count(), 17);

    ImportRig shared({";", "Space", "space", ";", "|"});
    box = shared.child<QComboBox>("cboFileImportDelimiter");
    QCOMPARE(box->count(), 3);
    QCOMPARE(box->itemText(1), QString("Space"));
    QCOMPARE(box->currentText(), QString(";"));
}

void TestFileImport::loadingShowsNonBlankLinesAndEnablesTheBuild() {
    ImportRig rig;
    rig.load("f:\\names.txt", "\xEF\xBB\xBF"
                              "Alpha\r\n\r\n  \t\r\nalpha\r\n\"Beta\"");
    QVERIFY2(rig.prompt.satisfied(), rig.prompt.describe().c_str());
    QCOMPARE(rig.child<QLineEdit>("edtFileImportFileName")->text(), QString("f:\\names.txt"));
    QCOMPARE(rig.window->source().entries(),
             (std::vector<std::string>{"Alpha", "alpha", "\"Beta\""}));
    QCOMPARE(rig.text("lblFileImportSourceLines"), QString("3"));
    QVERIFY(rig.child<QPushButton>("btnFileImportFrom")->isEnabled());
    QVERIFY(rig.child<QRadioButton>("rdoFileImportSeparatedFile")->isEnabled());
    QVERIFY2(!rig.child<QPushButton>("btnFileImportOk")->isEnabled(), "no preview yet");
    QCOMPARE(rig.dialogs.titles(),
             (std::vector<std::string>{"open: Import Folder Names (strings) from Files."}));
}

void TestFileImport::loadingRefusals_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("create");
    QTest::addColumn<QString>("title");
    QTest::newRow("missing file") << "f:\\gone.txt" << QByteArray() << false
                                  << QString::fromStdString(T0312);
    QTest::newRow("binary file") << "f:\\bin.txt" << QByteArray("ab\0cd\n", 6) << true
                                 << QString::fromStdString(T0314);
}

void TestFileImport::loadingRefusals() {
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(bool, create);
    QFETCH(QString, title);
    ImportRig rig;
    rig.load("f:\\first.txt", "kept\n");
    if (create)
        rig.drives.makeFile(file.toStdString(), content.toStdString());
    rig.dialogs.answerOpen(file.toStdString());
    rig.prompt.expect(title.toStdString(), MessageKind::Warning);
    rig.click("btnFileImportBrowse");
    QVERIFY2(rig.prompt.satisfied(), rig.prompt.describe().c_str());
    QCOMPARE(rig.window->source().entries(), std::vector<std::string>{"kept"});
    QCOMPARE(rig.text("lblFileImportSourceLines"), QString("1"));
}

void TestFileImport::readingChoicesFollowTheEnablingRules() {
    ImportRig rig;
    rig.load("f:\\a.txt", "a,b\n");
    rig.click("rdoFileImportSeparatedFile");
    QVERIFY(!rig.child<QRadioButton>("rdoFileImportPlainText")->isChecked());
    QVERIFY(rig.child<QRadioButton>("rdoFileImportAllColumns")->isChecked());
    QVERIFY(rig.child<QRadioButton>("rdoFileImportOneColumn")->isEnabled());
    QVERIFY(!rig.child<QRadioButton>("rdoFileImportOneColumn")->isChecked());
    QVERIFY(rig.child<QComboBox>("cboFileImportDelimiter")->isEnabled());
    QVERIFY(!rig.child<QLineEdit>("edtFileImportColumnNumber")->isEnabled());

    rig.click("rdoFileImportOneColumn");
    QVERIFY(!rig.child<QRadioButton>("rdoFileImportAllColumns")->isChecked());
    QVERIFY(rig.child<QLineEdit>("edtFileImportColumnNumber")->isEnabled());
    QVERIFY(rig.child<QWidget>("UDFileImportColumnNumber")->isEnabled());

    rig.click("rdoFileImportOneColumn"); // a second click keeps the choice
    QVERIFY(rig.child<QRadioButton>("rdoFileImportOneColumn")->isChecked());

    rig.click("rdoFileImportPlainText");
    QVERIFY(!rig.child<QRadioButton>("rdoFileImportSeparatedFile")->isChecked());
    QVERIFY(!rig.child<QRadioButton>("rdoFileImportOneColumn")->isChecked());
    QVERIFY(!rig.child<QRadioButton>("rdoFileImportOneColumn")->isEnabled());
    QVERIFY(!rig.child<QComboBox>("cboFileImportDelimiter")->isEnabled());
}

void TestFileImport::previewDropsCaseDuplicatesAndBlanks() {
    ImportRig rig;
    rig.load("f:\\n.txt", "\"New York\" Boston\nboston \"\"\n'Zed'\n");
    rig.click("rdoFileImportSeparatedFile");
    rig.child<QComboBox>("cboFileImportDelimiter")->setCurrentText("space");
    rig.prompt.expect(T0451, MessageKind::Information);
    rig.click("btnFileImportFrom");
    QVERIFY2(rig.prompt.satisfied(), rig.prompt.describe().c_str());
    QCOMPARE(rig.preview(), (std::vector<std::string>{"New York", "Boston", "\"\"", "Zed"}));
    QCOMPARE(rig.text("lblFileImportPreviewLines"), QString("4"));
    QVERIFY(rig.child<QPushButton>("btnFileImportOk")->isEnabled());
}

void TestFileImport::oneColumnAndTheColumnField_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QStringList>("preview");
    QTest::newRow("column 2") << "2" << false << QStringList{"c", "y"};
    QTest::newRow("decimal truncated") << "2.7" << false << QStringList{"c", "y"};
    QTest::newRow("beyond the up/down range") << "101" << false << QStringList{};
    QTest::newRow("not a number") << "two" << true << QStringList{"old"};
    QTest::newRow("below one") << "0" << true << QStringList{"old"};
    QTest::newRow("pattern, empty columns keep their places")
        << "{3}-{1}" << false << QStringList{"c-a", "z-x"};
    QTest::newRow("pattern naming column 0") << "{0} {1}" << true << QStringList{"old"};
    QTest::newRow("pattern with an unclosed brace") << "{x" << true << QStringList{"old"};
    QTest::newRow("pattern naming no column") << "Name {{1}}" << true << QStringList{"old"};
}

void TestFileImport::oneColumnAndTheColumnField() {
    QFETCH(QString, column);
    QFETCH(bool, refused);
    QFETCH(QStringList, preview);
    ImportRig rig;
    rig.load("f:\\c.txt", "a,,c\na\nx,y,z\n");
    rig.window->preview().add("old");
    rig.click("rdoFileImportSeparatedFile");
    rig.click("rdoFileImportOneColumn");
    rig.child<QLineEdit>("edtFileImportColumnNumber")->setText(column);
    rig.prompt.expect(refused ? T0316 : T0451,
                      refused ? MessageKind::Warning : MessageKind::Information);
    rig.click("btnFileImportFrom");
    QVERIFY2(rig.prompt.satisfied(), rig.prompt.describe().c_str());
    QStringList shown;
    for (const auto& entry : rig.preview())
        shown << QString::fromStdString(entry);
    QCOMPARE(shown, preview);
}

void TestFileImport::previewOfAVanishedFileIsEmpty() {
    ImportRig rig;
    rig.load("f:\\v.txt", "a\n");
    rig.child<QLineEdit>("edtFileImportFileName")->setText("f:\\elsewhere.txt");
    rig.prompt.expect(T0313, MessageKind::Warning).expect(T0451, MessageKind::Information);
    rig.click("btnFileImportFrom");
    QVERIFY2(rig.prompt.satisfied(), rig.prompt.describe().c_str());
    QVERIFY(rig.preview().empty());
    QVERIFY(!rig.child<QPushButton>("btnFileImportOk")->isEnabled());
}

void TestFileImport::clearAllResetsTheWindow() {
    ImportRig rig;
    rig.load("f:\\x.txt", "a\n");
    rig.click("rdoFileImportSeparatedFile");
    rig.click("rdoFileImportOneColumn");
    rig.child<QLineEdit>("edtFileImportColumnNumber")->setText("7");
    rig.child<QCheckBox>("chkFileImportAbandonQMarks")->setChecked(false);
    rig.child<QComboBox>("cboFileImportDelimiter")->setCurrentIndex(4);
    rig.click("btnFileImportClear");
    QCOMPARE(rig.child<QLineEdit>("edtFileImportFileName")->text(), QString());
    QCOMPARE(rig.window->source().size(), 0);
    QCOMPARE(rig.text("lblFileImportSourceLines"), QString("0"));
    QCOMPARE(rig.child<QLineEdit>("edtFileImportColumnNumber")->text(), QString("1"));
    QVERIFY(rig.child<QCheckBox>("chkFileImportAbandonQMarks")->isChecked());
    QCOMPARE(rig.child<QComboBox>("cboFileImportDelimiter")->currentIndex(), 0);
    QVERIFY(rig.child<QRadioButton>("rdoFileImportPlainText")->isChecked());
    QVERIFY(!rig.child<QPushButton>("btnFileImportFrom")->isEnabled());
}

void TestFileImport::zoomShowsTheSourceLines() {
    ImportRig rig;
    rig.load("f:\\z.txt", "a\nA\nb\n");
    int rows = -1;
    rig.runner.expect("TfrmZoomIncludeWindow", [&](QDialog& dialog) {
        rows = dialog.findChild<QListView*>("lstZoomIncludeWindow")->model()->rowCount();
        return int(QDialog::Accepted);
    });
    rig.click("btnSmartImportZoomOriginalFile");
    QVERIFY2(rig.runner.satisfied(), qPrintable(rig.runner.describe()));
    QCOMPARE(rows, 2); // the zoom window shows each entry once, ignoring case
}

void TestFileImport::previewEditorStopsAtItsLimit() {
    ImportRig rig;
    rig.load("f:\\e.txt", "a\n");
    QString text;
    for (int i = 0; i <= 30000; ++i)
        text += QString("Name%1\n").arg(i);
    int result = -1;
    rig.prompt.expect(T0297, MessageKind::Warning);
    rig.runner.expect("TfrmEditSmartImport", [&](QDialog& dialog) {
        dialog.findChild<QPlainTextEdit*>("mmoEditSmartImportMemo")->setPlainText(text);
        dialog.findChild<QPushButton*>("btnOk")->click();
        result = dialog.result();
        return result;
    });
    rig.click("btnSmartImportPreviewEdit");
    QVERIFY2(rig.prompt.satisfied(), rig.prompt.describe().c_str());
    QVERIFY2(rig.runner.satisfied(), qPrintable(rig.runner.describe()));
    QCOMPARE(result, int(QDialog::Rejected)); // the editor stays open with its text
    QCOMPARE(rig.window->preview().size(), 30000);
    QCOMPARE(rig.text("lblFileImportPreviewLines"), QString("30000"));
    QVERIFY(!rig.window->previewEditor()
                 .findChild<QPlainTextEdit*>("mmoEditSmartImportMemo")
                 ->toPlainText()
                 .isEmpty());
}

QTEST_MAIN(TestFileImport)
#include "TestFileImport.moc"
