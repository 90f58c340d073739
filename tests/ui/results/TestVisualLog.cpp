// The visual logs of the three pages: their names and captions, how a run's observer calls
// fill counters and lists, the mode label, zoom and the export button's checks.

#include "helpers/WidgetLookup.h"
#include "support/ScriptedPrompt.h"
#include "ui/results/ResultListModel.h"
#include "ui/results/TfrmStatistic.h"
#include "ui/results/TfrmZoomStatistics.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace dirforge;
using engine::CounterColumn;
using engine::CounterRow;
using engine::PageKind;
using engine::ResultList;
using platform::MessageKind;

Q_DECLARE_METATYPE(dirforge::engine::PageKind)
Q_DECLARE_METATYPE(dirforge::engine::ResultList)

namespace {

/// The child, with a warning naming what is there instead when it is missing.
template <typename T> T* Find(QWidget& parent, const QString& name) {
    T* widget = testing::FindChild<T>(&parent, name);
    if (!widget)
        qWarning("%s", qPrintable(testing::MissingChildMessage<T>(&parent, name)));
    return widget;
}

QString LabelText(QWidget& parent, const QString& name) {
    auto* label = Find<QLabel>(parent, name);
    return label ? label->text() : QString("<missing>");
}

QStringList Rows(const QAbstractItemView& view) {
    QStringList rows;
    for (int r = 0; r < view.model()->rowCount(); ++r)
        rows << view.model()->index(r, 0).data().toString();
    return rows;
}

bool HasLabel(QWidget& parent, const QString& text) {
    for (QLabel* label : parent.findChildren<QLabel*>())
        if (label->text() == text)
            return true;
    return false;
}

bool HasGroup(QWidget& parent, const QString& title) {
    for (QGroupBox* group : parent.findChildren<QGroupBox*>())
        if (group->title() == title)
            return true;
    return false;
}

} // namespace

class TestVisualLog : public QObject {
    Q_OBJECT

private slots:
    void twinsCarryTheirPagesNames_data();
    void twinsCarryTheirPagesNames();
    void runFillsCountersAndLists();
    void entriesReachTheListsWhenTheEventLoopRuns();
    void modeFollowsRunKindAndActivation();
    void zoomShowsOnlyTheChosenList();
    void exportWarnsOnEmptyListsWithThePagesNumbers_data();
    void exportWarnsOnEmptyListsWithThePagesNumbers();
    void exportHandsOverOnlyEntriesWithADrive();
    void hundredThousandEntriesArriveInOrder();
    void packedRowsKeepTheirTextAcrossBlocks();
    void counterTextIsAWholeNumber();
};

void TestVisualLog::twinsCarryTheirPagesNames_data() {
    QTest::addColumn<PageKind>("page");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("infix");
    QTest::addColumn<QString>("vol");
    QTest::addColumn<QString>("modeBox");
    QTest::addColumn<QString>("modeInitial");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QString>("notCreatedGroup");
    QTest::addColumn<QString>("selectorGroup");
    QTest::addColumn<QString>("otherSelector");
    QTest::addColumn<QString>("failedUndoTitle");

    QTest::newRow("strings") << PageKind::Strings << "TfrmStatistic02"
                             << "Detailed results for creating folders from a list of strings."
                             << "Stat02"
                             << "Vol02"
                             << "Normal/Simulate"
                             << "Simulate the Folder/File Creation Process."
                             << QStringList{"Total Folders:",
                                            "Total Folders, Subfolders in structure:",
                                            "Files in structure",
                                            "To Create:",
                                            "NOT created (other reasons):",
                                            "Total File size (bytes)",
                                            "Successfully created:",
                                            "NOT created (already exists):"}
                             << "FOLDERS  NOT CREATED"
                             << "Window to Zoom"
                             << "Folders Not Created  Other Reasons"
                             << "Folders - Failed UNDO";
    QTest::newRow("paths") << PageKind::Paths << "TfrmStatistic04"
                           << "Detailed results for creating folders from a list of folders"
                           << "Stat04"
                           << "Vol04"
                           << "Normal/Simulation"
                           << "Simulate the Folder/File Simulation Process."
                           << QStringList{"Total Folders", "Total Folders, subfolders in structure",
                                          "Total Files in structure",
                                          "To create:", "NOT created (other reasons):"}
                           << "FOLDERS  NOT CREATED"
                           << "Window to Zoom"
                           << "Folders Not Created Other Reasons"
                           << "Folders - Failed Undo";
    QTest::newRow("numbers") << PageKind::Numbers << "TfrmStatistic03"
                             << "Detailed results for creating folders using increased numbers."
                             << "Stat03"
                             << "Vol03"
                             << "Normal/Simulate"
                             << "Simulate the Folder/File Creation Process."
                             << QStringList{"Total Folders",
                                            "Total Folders, subfolders in structure",
                                            "Total Files in structure",
                                            "To create:", "NOT created (other reasons)?"}
                             << "FOLDERS NOT CREATED "
                             << "Windows to Zoom"
                             << "Folders Not Created  Other Reaosns"
                             << "Folders - Failed Undo";
}

void TestVisualLog::twinsCarryTheirPagesNames() {
    QFETCH(PageKind, page);
    QFETCH(QString, log);
    QFETCH(QString, infix);
    QFETCH(QString, vol);
    testing::ScriptedPrompt prompt;
    ui::TfrmStatistic window(page, prompt);

    QCOMPARE(window.objectName(), log);
    QTEST(window.windowTitle(), "caption");
    QTEST(Find<QCheckBox>(window, "chk" + infix + "NormalSimulate")->text(), "modeBox");
    QVERIFY(Find<QCheckBox>(window, "chk" + infix + "NormalSimulate")->isChecked());
    QVERIFY(Find<QCheckBox>(window, "chk" + infix + "NormalSimulate")->isHidden());
    QTEST(LabelText(window, "lbl" + vol + "NormalSimulate"), "modeInitial");
    QFETCH(QStringList, labels);
    for (const QString& text : labels)
        QVERIFY2(HasLabel(window, text), qPrintable(text));
    QFETCH(QString, notCreatedGroup);
    QVERIFY(HasGroup(window, notCreatedGroup));
    QVERIFY(HasGroup(window, "SUCCESSFULLY CREATED"));
    QVERIFY(HasGroup(window, "Folders - Failed UNDO"));
    QVERIFY(Find<QPushButton>(window, "btn" + infix + "Ok"));

    const QStringList rows{"Folders", "SubFolders", "Files", "FilesSize"};
    const QStringList columns{"ToCreate", "Created", "Exists", "Other"};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            auto* value = Find<QLabel>(window, "lbl" + infix + rows[r] + columns[c]);
            QVERIFY(value);
            QCOMPARE(value->isHidden(), r > 0 && c > 1);
        }
    for (const char* list : {"FoldersCreated", "SubFoldersCreated", "FilesCreated", "FoldersExists",
                             "FoldersOther", "FoldersFailedUndo"})
        QVERIFY(Find<QAbstractItemView>(window, "lst" + infix + list));
    QCOMPARE(Find<QPushButton>(window, "btn" + infix + "SmartExportFoldersExists")->toolTip(),
             QString("Export the List of Already Existed Foler Names to a Text File."));
    QCOMPARE(Find<QPushButton>(window, "btn" + infix + "ZoomOtherReasons")->toolTip(),
             QString("Zoom Windows from this page."));
    QCOMPARE(Find<QPushButton>(window, "btn" + infix + "ZoomFoldersFailedUndo")->toolTip(),
             QString("Zoom this Window."));

    ui::TfrmZoomStatistics& zoom = window.zoomWindow();
    QCOMPARE(zoom.objectName(), "Tfrm" + vol + "ZoomStatistics");
    QCOMPARE(zoom.windowTitle(), QString("Zoom Window."));
    const QString zoomPrefix = vol + "ZoomStatistics";
    QTEST(Find<QRadioButton>(zoom, "rdo" + zoomPrefix + "OtherReasons")->text(), "otherSelector");
    QTEST(Find<QLabel>(zoom, "lbl" + zoomPrefix + "FoldersFailedUndo")->text(), "failedUndoTitle");
    QFETCH(QString, selectorGroup);
    QVERIFY(HasGroup(zoom, selectorGroup));
    for (QGroupBox* group : zoom.findChildren<QGroupBox*>()) {
        QVERIFY(group->isHidden());
        QVERIFY(!group->isEnabled());
    }
    for (const char* list : {"FoldersCreated", "SubFoldersCreated", "FilesCreated", "FoldersExist",
                             "OtherReasons", "FoldersFailedUndo"})
        QVERIFY(Find<QAbstractItemView>(zoom, "lst" + zoomPrefix + list));
}

void TestVisualLog::runFillsCountersAndLists() {
    testing::ScriptedPrompt prompt;
    ui::TfrmStatistic window(PageKind::Strings, prompt);
    engine::RunCounters counters;
    counters.at(CounterRow::Folders, CounterColumn::ToCreate) = 3;
    counters.at(CounterRow::Bytes, CounterColumn::ToCreate) = 4500000000.0;

    // What a real run over A, B, C does when B exists and C's name is refused.
    window.resetLog(true);
    window.countersChanged(counters);
    window.recorded(ResultList::FoldersCreated, "f:\\Clients\\A");
    counters.at(CounterRow::Folders, CounterColumn::Created) = 1;
    window.countersChanged(counters);
    window.recorded(ResultList::SubFoldersCreated, "f:\\Clients\\A\\Docs");
    counters.at(CounterRow::Subfolders, CounterColumn::Created) = 1;
    window.countersChanged(counters);
    window.recorded(ResultList::FoldersExist, "f:\\Clients\\B");
    counters.at(CounterRow::Folders, CounterColumn::Exist) = 1;
    counters.at(CounterRow::Subfolders, CounterColumn::Exist) = 1;
    counters.at(CounterRow::Bytes, CounterColumn::Other) = 1536;
    window.countersChanged(counters);
    window.recorded(ResultList::FoldersOther, "f:\\Clients\\C*");
    counters.at(CounterRow::Folders, CounterColumn::Other) = 1;
    window.countersChanged(counters);
    window.flush();

    QCOMPARE(LabelText(window, "lblStat02FoldersToCreate"), QString("3"));
    QCOMPARE(LabelText(window, "lblStat02FilesSizeToCreate"), QString("4500000000"));
    QCOMPARE(LabelText(window, "lblStat02FoldersCreated"), QString("1"));
    QCOMPARE(LabelText(window, "lblStat02SubFoldersCreated"), QString("1"));
    QCOMPARE(LabelText(window, "lblStat02FoldersExists"), QString("1"));
    QCOMPARE(LabelText(window, "lblStat02FoldersOther"), QString("1"));
    QCOMPARE(LabelText(window, "lblStat02FilesCreated"), QString("0"));
    // The hidden cells follow the counters like the shown ones.
    QCOMPARE(LabelText(window, "lblStat02SubFoldersExists"), QString("1"));
    QCOMPARE(LabelText(window, "lblStat02FilesSizeOther"), QString("1536"));
    QVERIFY(Find<QLabel>(window, "lblStat02FilesSizeOther")->isHidden());

    QCOMPARE(Rows(*Find<QAbstractItemView>(window, "lstStat02FoldersCreated")),
             QStringList{"f:\\Clients\\A"});
    QCOMPARE(Rows(*Find<QAbstractItemView>(window, "lstStat02SubFoldersCreated")),
             QStringList{"f:\\Clients\\A\\Docs"});
    QCOMPARE(Rows(*Find<QAbstractItemView>(window, "lstStat02FoldersExists")),
             QStringList{"f:\\Clients\\B"});
    QCOMPARE(Rows(*Find<QAbstractItemView>(window, "lstStat02FoldersOther")),
             QStringList{"f:\\Clients\\C*"});
    QCOMPARE(Rows(*Find<QAbstractItemView>(window, "lstStat02FilesCreated")), QStringList{});
    // The zoom window shows the same lists, filled at the same moment.
    QCOMPARE(
        Rows(*Find<QAbstractItemView>(window.zoomWindow(), "lstVol02ZoomStatisticsFoldersExist")),
        QStringList{"f:\\Clients\\B"});

    // The next run starts with empty lists in the log and in the zoom window.
    window.resetLog(false);
    QCOMPARE(Find<QAbstractItemView>(window, "lstStat02FoldersCreated")->model()->rowCount(), 0);
    QCOMPARE(Find<QAbstractItemView>(window.zoomWindow(), "lstVol02ZoomStatisticsFoldersCreated")
                 ->model()
                 ->rowCount(),
             0);
}

void TestVisualLog::entriesReachTheListsWhenTheEventLoopRuns() {
    // A run that ends without flushing still leaves nothing buffered once the loop runs again.
    testing::ScriptedPrompt prompt;
    ui::TfrmStatistic window(PageKind::Paths, prompt);
    engine::RunCounters counters;
    counters.at(CounterRow::Folders, CounterColumn::Created) = 2;
    window.recorded(ResultList::FoldersCreated, "g:\\X");
    window.recorded(ResultList::FoldersCreated, "g:\\Y");
    window.countersChanged(counters);
    QTRY_COMPARE(Find<QAbstractItemView>(window, "lstStat04FoldersCreated")->model()->rowCount(),
                 2);
    QTRY_COMPARE(LabelText(window, "lblStat04FoldersCreated"), QString("2"));
}

void TestVisualLog::modeFollowsRunKindAndActivation() {
    testing::ScriptedPrompt prompt;
    ui::TfrmStatistic strings(PageKind::Strings, prompt);
    ui::TfrmStatistic paths(PageKind::Paths, prompt);
    ui::TfrmStatistic numbers(PageKind::Numbers, prompt);
    auto* label = Find<QLabel>(paths, "lblVol04NormalSimulate");
    auto* box = Find<QCheckBox>(paths, "chkStat04NormalSimulate");

    paths.resetLog(true);
    QVERIFY(box->isChecked());
    QCOMPARE(label->text(), QString("Folder/File Creation Process."));
    paths.resetLog(false);
    QVERIFY(!box->isChecked());
    QCOMPARE(label->text(), QString("Simulate the Folder/File Creation Process."));
    QCOMPARE(label->alignment(), Qt::AlignCenter);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(128, 0, 0));

    // Activation re-derives every label from its box; the initial texts are replaced.
    box->setChecked(true);
    std::array<ui::TfrmStatistic*, 3> logs{&strings, &paths, &numbers};
    ui::RefreshLogModeLabels(logs);
    QCOMPARE(label->text(), QString("Folder/File Creation Process."));
    QCOMPARE(LabelText(strings, "lblVol02NormalSimulate"),
             QString("Folder/File Creation Process."));
    Find<QCheckBox>(numbers, "chkStat03NormalSimulate")->setChecked(false);
    ui::RefreshLogModeLabels(logs);
    QCOMPARE(LabelText(numbers, "lblVol03NormalSimulate"),
             QString("Simulate the Folder/File Creation Process."));
}

void TestVisualLog::zoomShowsOnlyTheChosenList() {
    testing::ScriptedPrompt prompt;
    ui::TfrmStatistic window(PageKind::Numbers, prompt);
    window.recorded(ResultList::FoldersCreated, "f:\\N\\Customer-1-2015");
    ui::TfrmZoomStatistics& zoom = window.zoomWindow();

    Find<QPushButton>(window, "btnStat03ZoomFoldersExist")->click();
    Find<QPushButton>(window, "btnStat03ZoomFoldersCreated")->click();
    QVERIFY(zoom.isVisible());
    QCOMPARE(zoom.shownList(), ResultList::FoldersCreated);
    const QString prefix = "Vol03ZoomStatistics";
    for (const char* list : {"FoldersCreated", "SubFoldersCreated", "FilesCreated", "FoldersExist",
                             "OtherReasons", "FoldersFailedUndo"}) {
        const bool shown = QString(list) == "FoldersCreated";
        QCOMPARE(Find<QAbstractItemView>(zoom, "lst" + prefix + list)->isVisibleTo(&zoom), shown);
        QCOMPARE(Find<QLabel>(zoom, "lbl" + prefix + list)->isVisibleTo(&zoom), shown);
        QCOMPARE(Find<QRadioButton>(zoom, "rdo" + prefix + list)->isChecked(), shown);
    }
    QCOMPARE(Rows(*Find<QAbstractItemView>(zoom, "lst" + prefix + "FoldersCreated")),
             QStringList{"f:\\N\\Customer-1-2015"});
    QCOMPARE(Find<QLabel>(zoom, "lbl" + prefix + "FoldersCreated")->text(),
             QString("Successfully Created FOLDERS."));
    zoom.close();
}

void TestVisualLog::exportWarnsOnEmptyListsWithThePagesNumbers_data() {
    QTest::addColumn<PageKind>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("strings, created folders")
        << PageKind::Strings << "btnStat02SmartExportFolders"
        << "The List of Successfully Created  Folder Names is empty !\nAction : You must create at "
           "least one Folder "
           "to use the Smart Export Feature."
        << "Creating Folder(s).-From a String List.            Warning no: 20065.";
    QTest::newRow("strings, failed undo")
        << PageKind::Strings << "btnStat02SmartExportFoldersFailedUndo"
        << "The List of Failed UNDO Folder Names is empty !\n"
        << "Creating Folder(s).-From a String List.            Warning no: 20070.";
    QTest::newRow("paths, created files")
        << PageKind::Paths << "btnStat04SmartExportFiles"
        << "The List of Successfully Created  File Names is empty !\nAction : You must create at "
           "least one File to "
           "use the Smart Export Feature."
        << "Creating Folder(s).-From a Folder List.            Warning no: 40062.";
    QTest::newRow("numbers, already exist")
        << PageKind::Numbers << "btnStat03SmartExportFoldersExists"
        << "The List of Already Created Folder Names is empty !\n"
        << "Creating Folder(s).-Increased Numbers.            Warning no: 30046.";
    QTest::newRow("numbers, other reasons")
        << PageKind::Numbers << "btnStat03SmartExportFoldersOther"
        << "The List of Uncreated Folder Names (Not Created - Other reasons) is empty !\n"
        << "Creating Folder(s).-Increased Numbers.            Warning no: 30047.";
}

void TestVisualLog::exportWarnsOnEmptyListsWithThePagesNumbers() {
    QFETCH(PageKind, page);
    QFETCH(QString, button);
    QFETCH(QString, text);
    QFETCH(QString, title);
    testing::ScriptedPrompt prompt;
    prompt.expect(title.toStdString(), MessageKind::Warning);
    ui::TfrmStatistic window(page, prompt);
    bool exported = false;
    window.setExporter([&](const std::vector<std::string>&, const std::string&,
                           engine::FailureReasons) { exported = true; });

    Find<QPushButton>(window, button)->click();
    QVERIFY2(prompt.satisfied(), prompt.describe().c_str());
    QCOMPARE(QString::fromStdString(prompt.shown().at(0).text), text);
    QVERIFY(!exported);
}

void TestVisualLog::exportHandsOverOnlyEntriesWithADrive() {
    testing::ScriptedPrompt prompt;
    ui::TfrmStatistic window(PageKind::Strings, prompt);
    std::vector<std::string> handed;
    std::string kind;
    engine::FailureReasons causes;
    window.setExporter([&](const std::vector<std::string>& entries, const std::string& k,
                           engine::FailureReasons given) {
        handed = entries;
        kind = k;
        causes = std::move(given);
    });
    // Template lines recorded under other reasons have no drive; they are not exported.
    window.recorded(ResultList::FoldersOther, "\\Single");
    window.failed("\\Single", "the template line gives no folder");
    window.recorded(ResultList::FoldersOther, "  f:\\Clients\\x*y");
    window.failed("  f:\\Clients\\x*y", "refused character *");
    window.recorded(ResultList::FoldersOther, "\\\\server\\share\\A");

    Find<QPushButton>(window, "btnStat02SmartExportFoldersOther")->click();
    QVERIFY2(prompt.satisfied(), prompt.describe().c_str());
    QCOMPARE(handed, (std::vector<std::string>{"  f:\\Clients\\x*y", "\\\\server\\share\\A"}));
    QCOMPARE(kind, std::string("FOLDERS"));
    QCOMPARE(causes, (engine::FailureReasons{{"  f:\\Clients\\x*y", "refused character *"}}));
    // Each failed row shows its cause as its tooltip.
    const QAbstractItemModel& rows =
        *Find<QAbstractItemView>(window, "lstStat02FoldersOther")->model();
    QCOMPARE(rows.index(1, 0).data(Qt::ToolTipRole).toString(),
             QString("  f:\\Clients\\x*y  (refused character *)"));
    QCOMPARE(rows.index(2, 0).data(Qt::ToolTipRole).toString(), QString("\\\\server\\share\\A"));
}

void TestVisualLog::hundredThousandEntriesArriveInOrder() {
    testing::ScriptedPrompt prompt;
    ui::TfrmStatistic window(PageKind::Strings, prompt);
    window.show();
    for (int i = 0; i < 100000; ++i)
        window.recorded(ResultList::SubFoldersCreated, "f:\\D\\" + std::to_string(i));
    window.flush();
    const auto& entries = window.entries(ResultList::SubFoldersCreated);
    QCOMPARE(entries.size(), std::size_t{100000});
    QCOMPARE(entries.front(), std::string("f:\\D\\0"));
    QCOMPARE(entries[54321], std::string("f:\\D\\54321"));
    QCOMPARE(Find<QAbstractItemView>(window, "lstStat02SubFoldersCreated")->model()->rowCount(),
             100000);
}

void TestVisualLog::packedRowsKeepTheirTextAcrossBlocks() {
    // Rows below the first row's folder, rows elsewhere, empty rows, rows that end where a block
    // ends, rows longer than a block, and rows flushed in several batches all read back as
    // appended; after a clear the next first row sets the shared folder again.
    std::vector<std::string> mixed = {"f:\\Out\\", "f:\\Other\\C",    "",
                                      "x",         "f:\\Out\\sub\\D", std::string(3 << 20, 'L')};
    for (int i = 0; i < 5000; ++i)
        mixed.push_back((i % 3 == 0 ? "f:\\Out\\" : "g:\\") +
                        std::string(static_cast<std::size_t>(i % 1024), char('a' + i % 26)) +
                        std::to_string(i));
    mixed.push_back("f:\\Out\\" + std::string(1 << 20, 'X'));
    ui::ResultListModel model;
    for (const char* first : {"f:\\Out\\A", "", "no folder", "f:\\Other\\"}) {
        std::vector<std::string> appended = {first};
        appended.insert(appended.end(), mixed.begin(), mixed.end());
        for (std::size_t i = 0; i < appended.size(); ++i) {
            model.append(appended[i]);
            if (i % 777 == 0)
                model.flush();
        }
        QVERIFY(model.hasPending());
        model.flush();
        QVERIFY(!model.hasPending());
        QCOMPARE(model.entries(), appended);
        QCOMPARE(model.index(4000, 0).data().toString(), QString::fromStdString(appended[4000]));
        QVERIFY(!model.index(static_cast<int>(appended.size()), 0).data().isValid());
        model.clear();
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!model.hasPending());
    }
}

void TestVisualLog::counterTextIsAWholeNumber() {
    QCOMPARE(ui::CounterText(0), QString("0"));
    QCOMPARE(ui::CounterText(100000), QString("100000"));
    QCOMPARE(ui::CounterText(1e12), QString("1000000000000"));
    QCOMPARE(ui::CounterText(1.5), QString("1.5"));
}

QTEST_MAIN(TestVisualLog)
#include "TestVisualLog.moc"
