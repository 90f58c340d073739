// The level summary of a destination: its rows per level and its counts for a known tree.

#include "support/TempDrives.h"
#include "ui/ModalRunner.h"
#include "ui/TfrmLevelSummFolder.h"

#include <QLabel>
#include <QTableWidget>
#include <QTest>

using namespace dirforge;
using engine::CopyVariant;

Q_DECLARE_METATYPE(dirforge::engine::CopyVariant)

namespace {

/// What the window showed when it was run.
struct Shown {
    QString folder, folders, files, size;
    QStringList rows; // "level:count"
};

/// Reads the window instead of a user and closes it.
class ReadingRunner : public ui::ModalRunner {
public:
    std::vector<Shown> shown;
    int run(QDialog& dialog) override {
        Shown s;
        s.folder = dialog.findChild<QLabel*>("lblLevelSummFolderName")->text();
        s.folders = dialog.findChild<QLabel*>("lblLevelSummFolderSum")->text();
        s.files = dialog.findChild<QLabel*>("lblLevelSummFileSum")->text();
        s.size = dialog.findChild<QLabel*>("lblLevelSummFileSize")->text();
        auto* table = dialog.findChild<QTableWidget*>("lstViewLevelSummFolder");
        for (int r = 0; r < table->rowCount(); ++r)
            s.rows << table->item(r, 0)->text() + ":" + table->item(r, 1)->text();
        shown.push_back(s);
        dialog.accept();
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
        << "f:\\Clients" << "f:\\Clients" << CopyVariant::MainFolderWithoutFiles << "4" << QStringList{"1:2", "2:1"};
    QTest::newRow("subfolders-only variant does not")
        << "f:\\Clients" << "  f:\\Clients\t" << CopyVariant::SubFoldersOnlyWithFiles << "3"
        << QStringList{"1:2", "2:1"};
    QTest::newRow("rows are numbered by depth on the drive")
        << "f:\\Clients\\2024" << "f:\\Clients\\2024" << CopyVariant::MainFolderWithFiles << "4"
        << QStringList{"2:2", "3:1"};
    QTest::newRow("a trailing backslash starts one level higher")
        << "f:\\Clients" << "f:\\Clients\\" << CopyVariant::SubFoldersOnlyWithoutFiles << "3"
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
    QCOMPARE(runner.shown.size(), std::size_t{1});
    const Shown& shown = runner.shown.front();
    QCOMPARE(shown.folder, destination.trimmed());
    QTEST(shown.folders, "folders");
    QCOMPARE(shown.files, QString("3"));
    QCOMPARE(shown.size, QString("1.50 KB  (1536 bytes)."));
    QTEST(shown.rows, "rows");
}

void TestLevelSummary::blankDestinationShowsNothing() {
    testing::TempDrives drives;
    ReadingRunner runner;
    ui::TfrmLevelSummFolder window(drives.fs(), runner);
    window.ShowDestinationSummary(" \t ", CopyVariant::MainFolderWithoutFiles);
    QVERIFY(runner.shown.empty());
}

void TestLevelSummary::everyUseRefillsTheWindow() {
    testing::TempDrives drives;
    MakeClients(drives, "f:\\Clients");
    drives.makeFolder("g:\\Empty");
    ReadingRunner runner;
    ui::TfrmLevelSummFolder window(drives.fs(), runner);

    window.ShowDestinationSummary("f:\\Clients", CopyVariant::MainFolderWithoutFiles);
    window.ShowDestinationSummary("g:\\Empty", CopyVariant::MainFolderWithoutFiles);
    window.ShowDestinationSummary("g:\\Missing", CopyVariant::SubFoldersOnlyWithoutFiles);
    QCOMPARE(runner.shown.size(), std::size_t{3});
    QCOMPARE(runner.shown[1].rows, QStringList{});
    QCOMPARE(runner.shown[1].folders, QString("1"));
    QCOMPARE(runner.shown[1].size, QString("0.00 Bytes  (0 bytes)."));
    // A destination that is not there is a scan of the root alone, without a message.
    QCOMPARE(runner.shown[2].folder, QString("g:\\Missing"));
    QCOMPARE(runner.shown[2].rows, QStringList{});
    QCOMPARE(runner.shown[2].folders, QString("0"));
    QCOMPARE(runner.shown[2].files, QString("0"));
}

void TestLevelSummary::windowCarriesItsCaptionAndColumns() {
    testing::TempDrives drives;
    ReadingRunner runner;
    ui::TfrmLevelSummFolder window(drives.fs(), runner);
    QCOMPARE(window.objectName(), QString("TfrmLevelSummFolder"));
    QCOMPARE(window.windowTitle(), QString("Level Number - Number of Subfolders"));
    auto* table = window.findChild<QTableWidget*>("lstViewLevelSummFolder");
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QString("Level Number"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QString("Number of Subfolders"));
    QCOMPARE(table->columnWidth(0), 120);
    QCOMPARE(table->columnWidth(1), 120);
}

QTEST_MAIN(TestLevelSummary)
#include "TestLevelSummary.moc"
