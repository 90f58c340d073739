// The strings page's controls: the enabling rules until there are names to create, adding items,
// the prefix and suffix checks, the destination with its level summary, and Clear All.
#include "helpers/StartedProgram.h"
#include "helpers/WidgetLookup.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/strings/StringsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <map>

using dirforge::platform::MessageKind;
using dirforge::platform::PromptButton;
using dirforge::testing::StartedProgram;

namespace {

const std::string kArea = "Creating Folder(s).-From a String List.            ";

std::string Title(const char* kindAndNumber) {
    return kArea + kindAndNumber;
}

std::vector<std::string> IncludeOf(StartedProgram& program) {
    return program.page().includeList().entries();
}

} // namespace

class TestStringsPageControls : public QObject {
    Q_OBJECT
private slots:
    void enablingRulesByPageState_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<QStringList>("disabled");
        const QStringList destination = {"cboVol02DestFolders", "btnVol02AddDestFolder",
                                         "btnVol02ClearAll"};
        QTest::newRow("start: only the destination")
            << 0 << destination
            << QStringList{"edtVol02AddToList",
                           "lstVol02IncludeStrings",
                           "btnVol02SmartImport",
                           "btnVol02IncToExc",
                           "edtVol02Prefix",
                           "rdoVol02AttachNothing",
                           "btnVol02Undo",
                           "btnVol02Statistic",
                           "lstVol02AddFolderStructure",
                           "btnVol02CreateFolders",
                           "btnVol02CreateFoldersSimulation"};
        QTest::newRow("destination, empty INCLUDE: lists only")
            << 1
            << (destination + QStringList{"edtVol02AddToList", "btnVol02AddToList",
                                          "lstVol02ExcludeStrings", "btnVol02DeleteExcludeAll",
                                          "btnVol02ZoomIncludeWindow"})
            << QStringList{"edtVol02Suffix", "chkVol02Hyphen", "rdoVol02StructureImportFullPaths",
                           "btnVol02Undo", "btnVol02CreateFolders"};
    }

    void enablingRulesByPageState() {
        QFETCH(int, state);
        QFETCH(QStringList, enabled);
        QFETCH(QStringList, disabled);
        StartedProgram program;
        if (state >= 1)
            program.chooseDestination("f:\\Out");
        for (const QString& name : enabled) {
            FIND_CHILD(widget, QWidget, &program.window(), name);
            QVERIFY2(widget->isEnabled(), qPrintable(name + " should be enabled"));
        }
        for (const QString& name : disabled) {
            FIND_CHILD(widget, QWidget, &program.window(), name);
            QVERIFY2(!widget->isEnabled(), qPrintable(name + " should be disabled"));
        }
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QVERIFY2(program.runner.satisfied(), qPrintable(program.runner.describe()));
    }

    void startStateShowsZeroCountersAndInitialChoices() {
        StartedProgram program;
        for (const char* counter :
             {"lblVol02IncludeSum", "lblVol02ExcludeSum", "lblVol02FolderStructuresTemplatesSum"})
            QCOMPARE(program.find<QLabel>(counter)->text(), QStringLiteral("0"));
        QVERIFY(program.find<QRadioButton>("rdoVol02StructureImportFullPaths")->isChecked());
        QVERIFY(program.find<QRadioButton>("rdoVol02AttachMainFolderWithoutFiles")->isChecked());
        QVERIFY(!program.find<QCheckBox>("chkVol02Hyphen")->isChecked());
        QVERIFY(program.find<QCheckBox>("chkVol02ViewDetailedResults")->isChecked());
        QVERIFY(program.find<QCheckBox>("chkVol02ViewDestFolder")->isChecked());
        QCOMPARE(program.find<QComboBox>("cboVol02DestFolders")->currentIndex(), -1);
        QCOMPARE(program.find<QPushButton>("btnVol02CreateFolders")->text(),
                 QStringLiteral("CREATE Folders / F. Structures"));
    }

    void addItem_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("title"); // empty: accepted
        QTest::addColumn<QString>("text");  // expected message text
        QTest::addColumn<QStringList>("include");
        QTest::addColumn<QString>("entry"); // the entry field afterwards
        const QStringList start = {"ALPHA"};
        QTest::newRow("blank") << "   "
                               << "Warning no: 20006."
                               << "The text field is empty !\nAction : You must enter a different "
                                  "name to add to the Include List."
                               << start << "   ";
        QTest::newRow("in INCLUDE ignoring case")
            << "Alpha"
            << "Warning no: 20007."
            << "This item already exists in the Include list !" << start << "Alpha";
        QTest::newRow("in EXCLUDE ignoring case")
            << "Beta"
            << "Warning no: 20008."
            << "This item already exists in the Exclude list !" << start << "Beta";
        QTest::newRow("drive part") << "x:y"
                                    << "DRIVE"
                                    << "This item is a Folder Name (with drive letter) !\nAction : "
                                       "You must enter a string without a drive letter !!!"
                                    << start << "x:y";
        QTest::newRow("illegal character") << " x*y "
                                           << "Warning no: 20010."
                                           << "Illegal character in the Text :  *" << start << "x*";
        QTest::newRow("slashes become backslashes") << "a/b"
                                                    << ""
                                                    << "" << QStringList{"a\\b", "ALPHA"} << "a\\b";
    }

    void addItem() {
        QFETCH(QString, typed);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QStringList, include);
        QFETCH(QString, entry);
        StartedProgram program;
        program.chooseDestination("f:\\Out");
        program.addNames({"ALPHA"});
        program.page().excludeList().add("BETA");
        if (title == "DRIVE")
            program.prompt.expect(
                "Creating Folder(s).-From a String List.          Warning no: 20009.",
                MessageKind::Warning);
        else if (!title.isEmpty())
            program.prompt.expect(Title(qPrintable(title)), MessageKind::Warning);
        auto* field = program.find<QLineEdit>("edtVol02AddToList");
        field->setText(typed);
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        if (!title.isEmpty())
            QCOMPARE(QString::fromStdString(program.prompt.shown().back().text), text);
        QStringList shown;
        for (const auto& name : IncludeOf(program))
            shown << QString::fromStdString(name);
        QCOMPARE(shown, include);
        QCOMPARE(field->text(), entry);
        QCOMPARE(program.find<QLabel>("lblVol02IncludeSum")->text(),
                 QString::number(include.size()));
    }

    // The INCLUDE list sorts in the user's language, as a list box does: "Évian" stands with the
    // E's, not after "Frank"; whether a name is there still ignores letter case alone.
    void includeListSortsInTheUsersLanguage() {
        struct LocaleGuard {
            LocaleGuard() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
            ~LocaleGuard() { QLocale::setDefault(QLocale::c()); }
        } french;
        StartedProgram program;
        program.chooseDestination("f:\\Out");
        auto* field = program.find<QLineEdit>("edtVol02AddToList");
        for (const char* typed : {"Frank", "\xC3\x89vian", "eve", "zoe"}) {
            field->setText(QString::fromUtf8(typed));
            program.click("btnVol02AddToList");
        }
        program.addNames({"Anna", "ebre", "Zo\xC3\xA9", "ANNA"}); // in one batch, as imported
        QCOMPARE(IncludeOf(program),
                 (std::vector<std::string>{"Anna", "ebre", "eve", "\xC3\x89vian", "Frank", "zoe",
                                           "Zo\xC3\xA9"}));
        program.prompt.expect(Title("Warning no: 20007."), MessageKind::Warning);
        field->setText(QStringLiteral("\u00C9VIAN"));
        program.click("btnVol02AddToList");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QCOMPARE(IncludeOf(program).size(), std::size_t{7});
    }

    void sameTextTypedTwiceIsAddedTwice() {
        // The duplicate test compares the text as typed (a/b) with the list's a\b.
        StartedProgram program;
        program.chooseDestination("f:\\Out");
        auto* field = program.find<QLineEdit>("edtVol02AddToList");
        for (int i = 0; i < 2; ++i) {
            field->setText("a/b");
            program.click("btnVol02AddToList");
        }
        QCOMPARE(IncludeOf(program), (std::vector<std::string>{"a\\b", "a\\b"}));
        QVERIFY(program.find<QLineEdit>("edtVol02Prefix")->isEnabled());
    }

    void prefixAndSuffixDropIllegalCharacters() {
        StartedProgram program;
        program.chooseDestination("f:\\Out");
        program.addNames({"A"});
        // Each message is followed by the removal of the last character, until the * is gone.
        for (int i = 0; i < 3; ++i)
            program.prompt.expect(Title("Warning no: 20026."), MessageKind::Warning);
        program.prompt.expect(Title("Warning no: 20027."), MessageKind::Warning);
        program.find<QLineEdit>("edtVol02Prefix")->setText("a*bc");
        program.find<QLineEdit>("edtVol02Suffix")->setText("x?");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QCOMPARE(program.prompt.shown().front().text,
                 std::string("Illegal character in the Prefix :  *"));
        QCOMPARE(program.prompt.shown().back().text,
                 std::string("Illegal character in the Suffix :  ?"));
        QCOMPARE(program.find<QLineEdit>("edtVol02Prefix")->text(), QStringLiteral("a"));
        QCOMPARE(program.find<QLineEdit>("edtVol02Suffix")->text(), QStringLiteral("x"));
        // A path separator is a folder-name character too; a blank is not.
        program.prompt.expect(Title("Warning no: 20026."), MessageKind::Warning);
        program.find<QLineEdit>("edtVol02Prefix")->setText("a b\\");
        QCOMPARE(program.find<QLineEdit>("edtVol02Prefix")->text(), QStringLiteral("a b"));
    }

    void destinationShowsLevelSummaryAndLeadsTheHistory() {
        StartedProgram program;
        program.chooseDestination("f:\\One");
        program.chooseDestination("f:\\Two");
        program.chooseDestination("F:\\ONE"); // present ignoring case: only selected
        auto* box = program.find<QComboBox>("cboVol02DestFolders");
        QCOMPARE(box->count(), 2);
        QCOMPARE(box->itemText(0), QStringLiteral("f:\\Two"));
        QCOMPARE(box->currentText(), QStringLiteral("f:\\One"));
        QCOMPARE(program.runner.shown(), (QStringList{"TfrmLevelSummFolder", "TfrmLevelSummFolder",
                                                      "TfrmLevelSummFolder"}));
        QCOMPARE(program.picker.titles().front(), std::string("Select the Destination Directory."));
        // A cancelled browse keeps the page and its destination as they are, without a message.
        program.picker.answer("");
        program.click("btnVol02AddDestFolder");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QVERIFY(program.find<QLineEdit>("edtVol02AddToList")->isEnabled());
        program.click("btnVol02ViewDestFolder");
        QCOMPARE(program.shell.folders(), std::vector<std::string>{"f:\\One"});
    }

    void clearAllAsksThenResetsEverything() {
        StartedProgram program;
        program.chooseDestination("f:\\Out");
        program.addNames({"A", "B"});
        program.page().excludeList().add("C");
        program.find<QLineEdit>("edtVol02Prefix")->setText("P");
        program.click("rdoVol02AttachNothing");

        program.prompt.expect(Title("Information no: 20044."), MessageKind::Question,
                              PromptButton::No);
        program.click("btnVol02ClearAll");
        QCOMPARE(IncludeOf(program).size(), std::size_t(2));

        program.prompt.expect(Title("Information no: 20044."), MessageKind::Question,
                              PromptButton::Yes);
        program.prompt.expect(Title("Information no: 20045."), MessageKind::Information);
        program.click("btnVol02ClearAll");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QVERIFY(IncludeOf(program).empty());
        QCOMPARE(program.page().excludeList().size(), 0);
        QCOMPARE(program.find<QComboBox>("cboVol02DestFolders")->count(), 0);
        QVERIFY(program.find<QLineEdit>("edtVol02Prefix")->text().isEmpty());
        QVERIFY(program.find<QCheckBox>("chkVol02Hyphen")->isChecked());
        QVERIFY(program.find<QRadioButton>("rdoVol02StructureImportFullPaths")->isChecked());
        QVERIFY(!program.find<QLineEdit>("edtVol02AddToList")->isEnabled());
        QCOMPARE(program.find<QLabel>("lblVol02IncludeSum")->text(), QStringLiteral("0"));
        QVERIFY(program.find<QLabel>("lblVol02FolderStructuresTemplatesSum")->text().isEmpty());
    }
};

QTEST_MAIN(TestStringsPageControls)
#include "TestStringsPageControls.moc"
