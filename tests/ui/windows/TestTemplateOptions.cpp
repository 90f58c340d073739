// The template options dialog: what it shows for a page's stored record, what OK stores and
// what Cancel leaves alone, including the hidden search-text option.

#include "engine/TemplateOptions.h"
#include "helpers/ScriptedModalRunner.h"
#include "ui/windows/TfrmFolderTemplateOptions.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <optional>

using namespace dirforge;
using Record = engine::_tagFoldersTemplateOptions;

Q_DECLARE_METATYPE(dirforge::engine::_tagFoldersTemplateOptions)

namespace {

/// A runner that lets fill act on the dialog instead of a user, once.
struct FillingRunner : testing::ScriptedModalRunner {
    explicit FillingRunner(std::function<void(QDialog&)> fill) {
        expect("TfrmFolderTemplateOptions", [fill](QDialog& dialog) {
            fill(dialog);
            return dialog.result();
        });
    }
};

Record Make(int no, int remainder, const std::string& text, int first, int all) {
    Record record;
    record.ReplaceNo = static_cast<std::uint8_t>(no);
    record.ReplaceRemainder = static_cast<std::uint8_t>(remainder);
    record.RemainderText = text;
    record.ReplaceFirst = static_cast<std::uint8_t>(first);
    record.ReplaceAll = static_cast<std::uint8_t>(all);
    return record;
}

QRadioButton* Radio(QWidget& dialog, const char* option) {
    return dialog.findChild<QRadioButton*>(QString("rdoFolderTemplateOptions") + option);
}

QString CheckedRadio(QWidget& dialog) {
    for (const char* option : {"ReplaceNo", "ReplaceFirst", "ReplaceAll", "ReplaceRemainder"})
        if (Radio(dialog, option)->isChecked())
            return option;
    return "none";
}

QLineEdit* SearchText(QWidget& dialog) {
    return dialog.findChild<QLineEdit*>("edtFolderTemplateOptionsReplaceRemainder");
}

/// The field's own state: its hidden group keeps it disabled on screen in any case.
bool SearchTextEnabled(QWidget& dialog) {
    QLineEdit* field = SearchText(dialog);
    return field->isEnabledTo(field->parentWidget());
}

void Click(QWidget& dialog, const char* button) {
    dialog.findChild<QPushButton*>(button)->click();
}

} // namespace

class TestTemplateOptions : public QObject {
    Q_OBJECT

private slots:
    void createdWithWholePathsChosen();
    void showsTheRecordInEffect_data();
    void showsTheRecordInEffect();
    void okStoresTheChoiceUnderItsPage_data();
    void okStoresTheChoiceUnderItsPage();
    void cancelStoresNothing();
    void searchTextFieldFollowsItsOption();
    void helpAsksForThePagesHelp();
};

void TestTemplateOptions::createdWithWholePathsChosen() {
    engine::MAP_FOLDER_TEMPLATE_OPTIONS options;
    ui::TfrmFolderTemplateOptions dialog(options);
    QCOMPARE(dialog.objectName(), QString("TfrmFolderTemplateOptions"));
    QCOMPARE(dialog.windowTitle(), QString("Options for Folder Structures in Plain Text Files."));
    QCOMPARE(dialog.findChild<QGroupBox*>("Options")->title(),
             QString("Copy/Attach from Text based Folder Templates (No Drive Letter)"));
    QCOMPARE(CheckedRadio(dialog), QString("ReplaceNo"));
    QVERIFY(!SearchTextEnabled(dialog));
    QVERIFY(SearchText(dialog)->text().isEmpty());
    // The search-text option sits in a group the user never sees.
    QVERIFY(Radio(dialog, "ReplaceRemainder")->parentWidget()->isHidden());
    QVERIFY(!Radio(dialog, "ReplaceRemainder")->parentWidget()->isEnabled());
}

void TestTemplateOptions::showsTheRecordInEffect_data() {
    QTest::addColumn<Record>("stored");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("searchText");
    QTest::newRow("missing page reads as default") << Record{} << "ReplaceNo"
                                                   << "";
    QTest::newRow("first") << Make(0, 0, "", 1, 0) << "ReplaceFirst"
                           << "";
    QTest::newRow("all") << Make(0, 0, "", 0, 1) << "ReplaceAll"
                         << "";
    QTest::newRow("remainder") << Make(0, 1, "Customer_Code", 0, 0) << "ReplaceRemainder"
                               << "Customer_Code";
    // Records no dialog writes, as a settings file may hold them: the radio shows what the runs
    // apply.
    QTest::newRow("no flag: runs keep whole paths") << Make(0, 0, "", 0, 0) << "ReplaceNo"
                                                    << "";
    QTest::newRow("first and remainder: runs drop the first folder")
        << Make(0, 1, "X", 1, 0) << "ReplaceFirst"
        << "";
}

void TestTemplateOptions::showsTheRecordInEffect() {
    QFETCH(Record, stored);
    engine::MAP_FOLDER_TEMPLATE_OPTIONS options;
    if (!(stored == Record{}))
        options[engine::TemplateOptionsKey(engine::PageKind::Numbers)] = stored;
    ui::TfrmFolderTemplateOptions dialog(options);
    // A previous showing left another choice behind; showing again starts from the record.
    Radio(dialog, "ReplaceAll")->click();

    QString checked;
    QString text;
    bool textEnabled = false;
    FillingRunner runner([&](QDialog& shown) {
        checked = CheckedRadio(shown);
        text = SearchText(shown)->text();
        textEnabled = SearchTextEnabled(shown);
        shown.reject();
    });
    dialog.showForPage(runner, engine::PageKind::Numbers);
    QVERIFY2(runner.satisfied(), qPrintable(runner.describe()));
    QTEST(checked, "checked");
    QTEST(text, "searchText");
    QCOMPARE(textEnabled, checked == "ReplaceRemainder");
}

void TestTemplateOptions::okStoresTheChoiceUnderItsPage_data() {
    QTest::addColumn<Record>("stored");
    QTest::addColumn<QString>("click");
    QTest::addColumn<Record>("expected");
    QTest::newRow("first") << Record{} << "ReplaceFirst" << Make(0, 0, "", 1, 0);
    QTest::newRow("all") << Make(0, 0, "", 1, 0) << "ReplaceAll" << Make(0, 0, "", 0, 1);
    QTest::newRow("back to whole paths")
        << Make(0, 0, "", 0, 1) << "ReplaceNo" << Make(1, 0, "", 0, 0);
    // The hidden option survives an OK that changes nothing, search text included.
    QTest::newRow("hidden remainder kept")
        << Make(0, 1, "Cust", 0, 0) << "" << Make(0, 1, "Cust", 0, 0);
    QTest::newRow("hidden remainder left")
        << Make(0, 1, "Cust", 0, 0) << "ReplaceFirst" << Make(0, 0, "", 1, 0);
}

void TestTemplateOptions::okStoresTheChoiceUnderItsPage() {
    QFETCH(Record, stored);
    QFETCH(QString, click);
    engine::MAP_FOLDER_TEMPLATE_OPTIONS options{
        {engine::TemplateOptionsKey(engine::PageKind::Paths), stored},
        {engine::TemplateOptionsKey(engine::PageKind::Strings), Make(0, 0, "", 0, 1)}};
    ui::TfrmFolderTemplateOptions dialog(options);
    FillingRunner runner([&](QDialog& shown) {
        if (!click.isEmpty())
            Radio(shown, click.toLatin1().constData())->click();
        Click(shown, "btnFolderTemplateOptionsOk");
    });
    QCOMPARE(dialog.showForPage(runner, engine::PageKind::Paths), int(QDialog::Accepted));
    QTEST(options.at(engine::TemplateOptionsKey(engine::PageKind::Paths)), "expected");
    QCOMPARE(options.at(engine::TemplateOptionsKey(engine::PageKind::Strings)),
             Make(0, 0, "", 0, 1));
    QCOMPARE(options.size(), std::size_t{2});
}

void TestTemplateOptions::cancelStoresNothing() {
    engine::MAP_FOLDER_TEMPLATE_OPTIONS options;
    ui::TfrmFolderTemplateOptions dialog(options);
    FillingRunner runner([&](QDialog& shown) {
        Radio(shown, "ReplaceAll")->click();
        Click(shown, "btnFolderTemplateOptionsCancel");
    });
    QCOMPARE(dialog.showForPage(runner, engine::PageKind::Strings), int(QDialog::Rejected));
    QVERIFY(options.empty());
}

void TestTemplateOptions::searchTextFieldFollowsItsOption() {
    engine::MAP_FOLDER_TEMPLATE_OPTIONS options{
        {engine::TemplateOptionsKey(engine::PageKind::Strings), Make(0, 1, "Cust", 0, 0)}};
    ui::TfrmFolderTemplateOptions dialog(options);
    FillingRunner runner([&](QDialog& shown) {
        QVERIFY(SearchTextEnabled(shown));
        Radio(shown, "ReplaceFirst")->click();
        QVERIFY(!SearchTextEnabled(shown));
        Radio(shown, "ReplaceRemainder")->setChecked(true);
        QVERIFY(SearchTextEnabled(shown));
        SearchText(shown)->setText("Code");
        Click(shown, "btnFolderTemplateOptionsOk");
    });
    dialog.showForPage(runner, engine::PageKind::Strings);
    QCOMPARE(options.at(engine::TemplateOptionsKey(engine::PageKind::Strings)),
             Make(0, 1, "Code", 0, 0));
}

void TestTemplateOptions::helpAsksForThePagesHelp() {
    engine::MAP_FOLDER_TEMPLATE_OPTIONS options;
    ui::TfrmFolderTemplateOptions dialog(options);
    std::optional<engine::PageKind> asked;
    dialog.setHelpHandler([&](engine::PageKind page) { asked = page; });
    FillingRunner runner([&](QDialog& shown) {
        Click(shown, "btnFolderTemplateOptionsHelp");
        shown.reject();
    });
    dialog.showForPage(runner, engine::PageKind::Numbers);
    QVERIFY(asked == engine::PageKind::Numbers);
    QVERIFY(options.empty());
}

QTEST_MAIN(TestTemplateOptions)
#include "TestTemplateOptions.moc"
