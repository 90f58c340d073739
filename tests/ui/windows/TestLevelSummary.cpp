// The level summary of a destination: its rows per level and its counts for a known tree.

#include "helpers/ScriptedModalRunner.h"
#include "support/TempDrives.h"
#include "ui/windows/TfrmLevelSummFolder.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

using namespace dirforge;
using engine::CopyVariant;

Q_DECLARE_METATYPE(dirforge::engine::CopyVariant)

namespace {

/// What the window showed when it was run.
struct Shown {
    QString folder, folders, files, size;
    QStringList rows; // "level:count"
};

/// Expects the summary window `times` times and reads it each time instead of a user.
struct ReadingRunner : testing::ScriptedModalRunner {
    std::vector<Shown> seen;
    explicit ReadingRunner(int times = 1) {
        for (int i = 0; i < times; ++i)
            expect("TfrmLevelSummFolder", [this](QDialog& dialog) { return read(dialog); });
    }
    int read(QDialog& dialog) {
        Shown s;
        s.folder = dialog.findChild<QLabel*>("lblLevelSummFolderName")->text();
        s.folders = dialog.findChild<QLabel*>("lblLevelSummFolderSum")->text();
        s.files = dialog.findChild<QLabel*>("lblLevelSummFileSum")->text();
        s.size = dialog.findChild<QLabel*>("lblLevelSummFileSize")->text();
        auto* table = dialog.findChild<QTableWidget*>("lstViewLevelSummFolder");
        for (int r = 0; r < table->rowCount(); ++r)
            s.rows << table->item(r, 0)->text() + ":" + table->item(r, 1)->text();
        seen.push_back(s);
        return QDialog::Accepted;
    }
};

/// Subfolders A and B, X inside A, three files of 512 bytes.
void MakeClients(testing::TempDrives& drives, const std::string& root) {
    drives.makeFolder(root + "\\B");
    drives.makeFile(root + "\\top.bin", std::string(512, 'a'));
    drives.makeFile(root + "\\A\\a.bin", std::string(512, 'b'));
    drives.makeFile(root + "\\A\\X\\x.bin", std::string(512, 'c'));
}

} // namespace

class TestLevelSummary : public QObject {
    Q_OBJECT

private slots:
    void summarisesTheTree_data();
    void summarisesTheTree();
    void blankDestinationShowsNothing();
    void everyUseRefillsTheWindow();
    void windowCarriesItsCaptionAndColumns();
};

void TestLevelSummary::summarisesTheTree_data() {
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<CopyVariant>("variant");
    QTest::addColumn<QString>("folders");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("main folder variant counts the destination")
        << "f:\\Clients"
        << "f:\\Clients" << CopyVariant::MainFolderWithoutFiles << "4" << QStringList{"1:2", "2:1"};
    QTest::newRow("subfolders-only variant does not")
        << "f:\\Clients"
        << "  f:\\Clients\t" << CopyVariant::SubFoldersOnlyWithFiles << "3"
        << QStringList{"1:2", "2:1"};
    QTest::newRow("rows are numbered by depth on the drive")
        << "f:\\Clients\\2024"
        << "f:\\Clients\\2024" << CopyVariant::MainFolderWithFiles << "4"
        << QStringList{"2:2", "3:1"};
    QTest::newRow("a trailing backslash starts one level higher")
        << "f:\\Clients"
        << "f:\\Clients\\" << CopyVariant::SubFoldersOnlyWithoutFiles << "3"
        << QStringList{"2:2", "3:1"};
}

void TestLevelSummary::summarisesTheTree() {
    QFETCH(QString, root);
    QFETCH(QString, destination);
    QFETCH(CopyVariant, variant);
    testing::TempDrives drives;
    MakeClients(drives, root.toStdString());
    ReadingRunner runner;
    ui::TfrmLevelSummFolder window(drives.fs(), runner);

    window.ShowDestinationSummary(destination.toStdString(), variant);
    QVERIFY2(runner.satisfied(), qPrintable(runner.describe()));
    const Shown& shown = runner.seen.front();
    QCOMPARE(shown.folder, destination.trimmed());
    QTEST(shown.folders, "folders");
    QCOMPARE(shown.files, QString("3"));
    QCOMPARE(shown.size, QString("1.50 KB  (1536 bytes)."));
    QTEST(shown.rows, "rows");
}

void TestLevelSummary::blankDestinationShowsNothing() {
    testing::TempDrives drives;
    testing::ScriptedModalRunner runner;
    ui::TfrmLevelSummFolder window(drives.fs(), runner);
    window.ShowDestinationSummary(" \t ", CopyVariant::MainFolderWithoutFiles);
    QVERIFY(runner.shown().isEmpty());
}

void TestLevelSummary::everyUseRefillsTheWindow() {
    testing::TempDrives drives;
    MakeClients(drives, "f:\\Clients");
    drives.makeFolder("g:\\Empty");
    ReadingRunner runner(3);
    ui::TfrmLevelSummFolder window(drives.fs(), runner);

    window.ShowDestinationSummary("f:\\Clients", CopyVariant::MainFolderWithoutFiles);
    window.ShowDestinationSummary("g:\\Empty", CopyVariant::MainFolderWithoutFiles);
    window.ShowDestinationSummary("g:\\Missing", CopyVariant::SubFoldersOnlyWithoutFiles);
    QVERIFY2(runner.satisfied(), qPrintable(runner.describe()));
    QCOMPARE(runner.seen[1].rows, QStringList{});
    QCOMPARE(runner.seen[1].folders, QString("1"));
    QCOMPARE(runner.seen[1].size, QString("0.00 Bytes  (0 bytes)."));
    // A destination that is not there is a scan of the root alone, without a message.
    QCOMPARE(runner.seen[2].folder, QString("g:\\Missing"));
    QCOMPARE(runner.seen[2].rows, QStringList{});
    QCOMPARE(runner.seen[2].folders, QString("0"));
    QCOMPARE(runner.seen[2].files, QString("0"));
}

void TestLevelSummary::windowCarriesItsCaptionAndColumns() {
    testing::TempDrives drives;
    testing::ScriptedModalRunner runner;
    ui::TfrmLevelSummFolder window(drives.fs(), runner);
    QCOMPARE(window.objectName(), QString("TfrmLevelSummFolder"));
    QCOMPARE(window.windowTitle(), QString("Level Number - Number of Subfolders"));
    auto* table = window.findChild<QTableWidget*>("lstViewLevelSummFolder");
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QString("Level Number"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QString("Number of Subfolders"));
    // 120 pixels each, wider only where the installed font would cut a column's title off.
    for (int column : {0, 1}) {
        const int titleWidth = table->horizontalHeader()->sectionSizeHint(column);
        QCOMPARE(table->columnWidth(column), std::max(120, titleWidth));
    }
}

QTEST_MAIN(TestLevelSummary)
#include "TestLevelSummary.moc"
