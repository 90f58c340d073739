// The examples windows: what each shows when opened, how the attach options swap the sample
// inputs and result lines and switch the structure variants, and the strings page's button.
#include "helpers/ListWindowSteps.h"
#include "helpers/StartedProgram.h"
#include "helpers/WidgetLookup.h"
#include "ui/windows/ExamplesPages.h"
#include "ui/windows/TfrmExamples.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

using dirforge::engine::PageKind;
using dirforge::testing::StartedProgram;

Q_DECLARE_METATYPE(PageKind)

namespace {

QStringList Lines(const QListWidget& list) {
    QStringList lines;
    for (int row = 0; row < list.count(); ++row)
        lines << list.item(row)->text();
    return lines;
}

/// The four result lines of the template option below the two created folders.
QStringList TemplateLines(const QString& first, const QString& second) {
    return {first + "\\Seo\\Seo1", first + "\\Seo\\Seo2", second + "\\Seo\\Seo1",
            second + "\\Seo\\Seo2"};
}

/// The radio buttons of a window that are checked, by objectName.
QStringList CheckedRadios(const QWidget& window) {
    QStringList names;
    for (const QRadioButton* radio : window.findChildren<QRadioButton*>())
        if (radio->isChecked())
            names << radio->objectName();
    names.sort();
    return names;
}

const QString kStringsA = "f:\\Clients\\2015-Customer1-July";
const QString kStringsB = "f:\\Clients\\2015-Customer2-July";
const QString kPathsA = "f:\\Clients\\2015-Company01-July";
const QString kPathsB = "f:\\Clients\\2015-Company02-July";
const QString kNumbersA = "f:\\Clients\\Customer-1-2015";
const QString kNumbersB = "f:\\Clients\\Customer-2-2015";
const QString kAttachTemplates = "Attach Folder Templates to Each Created Folder";
const QString kAttachStructures = "Attach Existing Folder Structures to Each Created Folder";
const QStringList kTemplates = {"\\Seo\\Seo1", "\\Seo\\Seo2"};
const QStringList kStructures = {"e:\\Marketing", "f:\\Programs"};

} // namespace

class TestExamplesWindow : public QObject {
    Q_OBJECT
private slots:
    void openingShowsTheTemplateOption_data() {
        QTest::addColumn<PageKind>("page");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("infix");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("templateRadio");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QStringList>("radios"); // "objectName|caption", every radio button
        const QString note = "You can test different options by selecting different radio buttons";
        QTest::newRow("strings")
            << PageKind::Strings << "TfrmDriveSelect"
            << "Examples - Creating Multiple Folders from a List of Strings."
            << "ExCrStrings" << note << "rdoExCrStringsAttachFolderTemplates"
            << QStringList{"Customer1", "Customer2"} << TemplateLines(kStringsA, kStringsB)
            << QStringList{
                   "rdoExCrStringsAttachFolderTemplates|" + kAttachTemplates,
                   "rdoExCrStringsAttachFolderStructures|" + kAttachStructures,
                   "rdoExCrStringsAttachNothing|Attach Nothing",
                   "rdoExCrStringsAttachMainFolders|Main Folders and their Subfolders",
                   "rdoExCrStringsAttachSubFoldersOnly|Subfolders Only",
                   "rdoExCrStringsAttachMainFoldersWithFiles|Main Folders and their Subfolders - "
                   "with Files",
                   "rdoExCrStringsAttachSubFoldersOnlyWithFiles|Subfolders Only - With Files",
               };
        QTest::newRow("paths")
            << PageKind::Paths << "TfrmExamplesCreateFolders"
            << "Examples - Creating Multiple Folders using a List of Folders"
            << "ExCrFolders" << note + "."
            << "rdoExCrFoldersAttachFolderTemplates"
            << QStringList{"f:\\Clients\\Company01", "f:\\Clients\\Company02"}
            << TemplateLines(kPathsA, kPathsB)
            << QStringList{
                   "rdoExCrFoldersAttachFolderTemplates|" + kAttachTemplates,
                   "rdoExCrFoldersAttachFolderStructures|" + kAttachStructures + ".",
                   "rdoExCrFoldersAttachNothing|Attach Nothing",
                   "rdoExCrFoldersMainFolders|Main Folders and their Subfolders",
                   "rdoExCrFoldersSubFoldersOnly|Subfolders Only",
                   "rdoExCrFoldersMainFoldersWithFiles|Main Folders and their Subfolders - with "
                   "Files",
                   "rdoExCrFoldersSubFoldersOnlyWithFiles|Subfolders Only - with Files.",
               };
        QTest::newRow("numbers")
            << PageKind::Numbers << "TfrmExamplesIncreasedNumbers"
            << "Examples - Creating Multiple Folders using Increased  Numbers."
            << "ExCrInc" << note + "."
            << "rdoExCrIncAttachFolderTemplates" << QStringList{"1", "2"}
            << TemplateLines(kNumbersA, kNumbersB)
            << QStringList{
                   "rdoExCrIncAttachFolderTemplates|" + kAttachTemplates,
                   "rdoExCrIncAttachFolderStructures|" + kAttachStructures,
                   "rdoExCrIncAttachNothing|Attach Nothing",
                   "rdoExCrIncAttachMainFolders|Main Folders and their Subfolders. ",
                   "rdoExCrIncAttachSubFoldersOnly|Subfolders Only",
                   "rdoExCrIncAttachMainFoldersWithFiles|Main Folders with their Subfolders-with "
                   "Files.",
                   "rdoExCrIncAttachSubFoldersOnlyWithFiles|Subfolders Only - with Files.",
               };
    }

    void openingShowsTheTemplateOption() {
        QFETCH(PageKind, page);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QString, infix);
        QFETCH(QString, note);
        QFETCH(QString, templateRadio);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, results);
        QFETCH(QStringList, radios);
        StartedProgram program;
        bool checked = false;
        program.runner.expect(window, [&](QDialog& dialog) {
            checked = true;
            [&] {
                QCOMPARE(dialog.windowTitle(), caption);
                QVERIFY(dialog.isModal());
                QCOMPARE(CheckedRadios(dialog), QStringList{templateRadio});
                QStringList shownRadios;
                for (const QRadioButton* radio : dialog.findChildren<QRadioButton*>())
                    shownRadios << radio->objectName() + "|" + radio->text();
                shownRadios.sort();
                radios.sort();
                QCOMPARE(shownRadios, radios);
                FIND_CHILD(important, QLabel, &dialog, "lbl" + infix + "Important");
                QCOMPARE(important->text(), QString("IMPORTANT !!!"));
                FIND_CHILD(noteLabel, QLabel, &dialog, "lbl" + infix + "Note");
                QCOMPARE(noteLabel->text(), note);
                FIND_CHILD(resultsLabel, QLabel, &dialog, "lbl" + infix + "Results");
                QCOMPARE(resultsLabel->text(), QString("Results"));
                FIND_CHILD(hyphen, QCheckBox, &dialog, "chk" + infix + "Hyphen");
                QVERIFY(hyphen->isChecked() && !hyphen->isEnabled());
                auto* padded = dialog.findChild<QCheckBox*>("chk" + infix + "PaddedZeroes");
                QCOMPARE(padded != nullptr, page == PageKind::Numbers);
                if (padded != nullptr) {
                    QCOMPARE(padded->text(), QString("Padded Zeroes in Increase Numbers"));
                    QVERIFY(padded->isChecked() && !padded->isEnabled());
                }
                auto* destination = dialog.findChild<QLineEdit*>("edt" + infix + "Destination");
                QCOMPARE(destination != nullptr, page != PageKind::Paths);
                if (destination != nullptr)
                    QCOMPARE(destination->text(), QString("f:\\Clients"));
                if (auto* list = dialog.findChild<QListWidget*>("lst" + infix + "Inputs"))
                    QCOMPARE(Lines(*list), inputs);
                else
                    QCOMPARE(
                        (QStringList{dialog.findChild<QLineEdit*>("edt" + infix + "Start")->text(),
                                     dialog.findChild<QLineEdit*>("edt" + infix + "Stop")->text()}),
                        inputs);
                FIND_CHILD(structures, QListWidget, &dialog, "lst" + infix + "Structures");
                QCOMPARE(Lines(*structures), kTemplates);
                FIND_CHILD(resultList, QListWidget, &dialog, "lst" + infix + "Results");
                QCOMPARE(Lines(*resultList), results);
            }();
            return QDialog::Accepted;
        });
        program.context->showExamples(page);
        QVERIFY(checked);
        QVERIFY2(program.runner.satisfied(), qPrintable(program.runner.describe()));
    }

    void optionsSwapTheTextsAndTheVariants_data() {
        QTest::addColumn<PageKind>("page");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<QStringList>("structures");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<bool>("variantsEnabled");
        const auto below = [](const QString& a, const QString& b, const QStringList& lines) {
            QStringList all;
            for (const QString& folder : {a, b})
                for (const QString& line : lines)
                    all << folder + line;
            return all;
        };
        QTest::newRow("strings: existing structures choose their main folders")
            << PageKind::Strings << QStringList{"rdoExCrStringsAttachFolderStructures"}
            << QStringList{"rdoExCrStringsAttachFolderStructures",
                           "rdoExCrStringsAttachMainFolders"}
            << kStructures
            << below(kStringsA, kStringsB, {"\\Marketing\\Emails", "\\Programs\\Beta"}) << true;
        QTest::newRow("strings: subfolders only")
            << PageKind::Strings
            << QStringList{"rdoExCrStringsAttachFolderStructures",
                           "rdoExCrStringsAttachSubFoldersOnly"}
            << QStringList{"rdoExCrStringsAttachFolderStructures",
                           "rdoExCrStringsAttachSubFoldersOnly"}
            << kStructures << below(kStringsA, kStringsB, {"\\Emails", "\\Beta"}) << true;
        QTest::newRow("strings: main folders with files")
            << PageKind::Strings
            << QStringList{"rdoExCrStringsAttachFolderStructures",
                           "rdoExCrStringsAttachMainFoldersWithFiles"}
            << QStringList{"rdoExCrStringsAttachFolderStructures",
                           "rdoExCrStringsAttachMainFoldersWithFiles"}
            << kStructures
            << below(kStringsA, kStringsB,
                     {"\\Marketing\\Emails\\Brochure.txt", "\\Programs\\Beta\\anchors.cpp"})
            << true;
        QTest::newRow("strings: nothing after a variant unchecks the variants")
            << PageKind::Strings
            << QStringList{"rdoExCrStringsAttachFolderStructures",
                           "rdoExCrStringsAttachSubFoldersOnly", "rdoExCrStringsAttachNothing"}
            << QStringList{"rdoExCrStringsAttachNothing"} << kStructures
            << QStringList{kStringsA, kStringsB} << false;
        QTest::newRow("strings: templates after a variant, chosen twice")
            << PageKind::Strings
            << QStringList{"rdoExCrStringsAttachFolderStructures",
                           "rdoExCrStringsAttachFolderTemplates",
                           "rdoExCrStringsAttachFolderTemplates"}
            << QStringList{"rdoExCrStringsAttachFolderTemplates"} << kTemplates
            << TemplateLines(kStringsA, kStringsB) << false;
        QTest::newRow("paths: subfolders only spell E-mails")
            << PageKind::Paths
            << QStringList{"rdoExCrFoldersAttachFolderStructures", "rdoExCrFoldersSubFoldersOnly"}
            << QStringList{"rdoExCrFoldersAttachFolderStructures", "rdoExCrFoldersSubFoldersOnly"}
            << kStructures << below(kPathsA, kPathsB, {"\\E-mails", "\\Beta"}) << true;
        QTest::newRow("paths: subfolders only with files")
            << PageKind::Paths
            << QStringList{"rdoExCrFoldersAttachFolderStructures",
                           "rdoExCrFoldersSubFoldersOnlyWithFiles"}
            << QStringList{"rdoExCrFoldersAttachFolderStructures",
                           "rdoExCrFoldersSubFoldersOnlyWithFiles"}
            << kStructures
            << below(kPathsA, kPathsB, {"\\E-mails\\Brochure.txt", "\\Beta\\anchors.cpp"}) << true;
        QTest::newRow("numbers: main folders with files")
            << PageKind::Numbers
            << QStringList{"rdoExCrIncAttachFolderStructures",
                           "rdoExCrIncAttachMainFoldersWithFiles"}
            << QStringList{"rdoExCrIncAttachFolderStructures",
                           "rdoExCrIncAttachMainFoldersWithFiles"}
            << kStructures
            << below(kNumbersA, kNumbersB,
                     {"\\Marketing\\Emails\\Brochure.txt", "\\Programs\\Beta\\anchors.cpp"})
            << true;
        QTest::newRow("numbers: structures again after a variant pick their main folders")
            << PageKind::Numbers
            << QStringList{"rdoExCrIncAttachFolderStructures", "rdoExCrIncAttachSubFoldersOnly",
                           "rdoExCrIncAttachNothing", "rdoExCrIncAttachFolderStructures"}
            << QStringList{"rdoExCrIncAttachFolderStructures", "rdoExCrIncAttachMainFolders"}
            << kStructures
            << below(kNumbersA, kNumbersB, {"\\Marketing\\Emails", "\\Programs\\Beta"}) << true;
    }

    void optionsSwapTheTextsAndTheVariants() {
        QFETCH(PageKind, page);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, checked);
        QFETCH(QStringList, structures);
        QFETCH(QStringList, results);
        QFETCH(bool, variantsEnabled);
        dirforge::ui::TfrmExamples window(dirforge::ui::ExamplesPageOf(page));
        const QString infix = QString::fromLatin1(window.page().infix);
        for (const QString& name : clicks) {
            FIND_CHILD(radio, QRadioButton, &window, name);
            QVERIFY2(radio->isEnabled(), qPrintable(name + " is disabled"));
            radio->click();
        }
        checked.sort();
        QCOMPARE(CheckedRadios(window), checked);
        FIND_CHILD(structureList, QListWidget, &window, "lst" + infix + "Structures");
        QCOMPARE(Lines(*structureList), structures);
        FIND_CHILD(resultList, QListWidget, &window, "lst" + infix + "Results");
        QCOMPARE(Lines(*resultList), results);
        const auto& radios = window.page().radios;
        for (auto option : dirforge::ui::kAllExampleOptions) {
            if (!dirforge::ui::IsStructureVariant(option))
                continue;
            const char* name = radios[static_cast<std::size_t>(option)].name;
            FIND_CHILD(variant, QRadioButton, &window, name);
            QVERIFY2(variant->isEnabled() == variantsEnabled, name);
        }
    }

    void stringsPageButtonOpensTheStringsWindowModally() {
        StartedProgram program;
        QDialog* first = nullptr;
        program.runner.expect("TfrmDriveSelect", [&](QDialog& dialog) {
            first = &dialog;
            dialog.findChild<QRadioButton*>("rdoExCrStringsAttachNothing")->click();
            return QDialog::Accepted;
        });
        // The same window again, still showing the choice of the first opening.
        QStringList shownAgain;
        program.runner.expect("TfrmDriveSelect", [&](QDialog& dialog) {
            if (&dialog == first)
                shownAgain = Lines(*dialog.findChild<QListWidget*>("lstExCrStringsResults"));
            return QDialog::Accepted;
        });
        program.click("btnVol02Examples");
        program.click("btnVol02Examples");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(program.runner.shown(), (QStringList{"TfrmDriveSelect", "TfrmDriveSelect"}));
        QCOMPARE(shownAgain, (QStringList{kStringsA, kStringsB}));
    }
};

QTEST_MAIN(TestExamplesWindow)
#include "TestExamplesWindow.moc"
