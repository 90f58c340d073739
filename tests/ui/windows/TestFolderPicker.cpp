// The folder picker: the chosen folder comes back in drive form, a cancel as "", and the path
// field of our own follows the current folder and hides with its check box.

#include "helpers/ScriptedModalRunner.h"
#include "support/TempDrives.h"
#include "ui/windows/FolderBrowserDialog.h"

#include <QCheckBox>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include <functional>

using namespace dirforge;

namespace {

/// Expects the picker once and lets pick act on it instead of a user.
struct PickingRunner : testing::ScriptedModalRunner {
    QString title;
    QString startDirectory;
    explicit PickingRunner(std::function<int(ui::FolderBrowserDialog&)> pick) {
        expect("BrowseForFolder", [this, pick](QDialog& dialog) {
            auto& picker = dynamic_cast<ui::FolderBrowserDialog&>(dialog);
            title = picker.windowTitle();
            startDirectory = picker.directory().absolutePath();
            return pick(picker);
        });
    }
};

/// Selects a folder by its host path and confirms.
int Choose(ui::FolderBrowserDialog& picker, const std::string& hostPath) {
    picker.setDirectory(QString::fromStdString(hostPath));
    picker.selectFile(QString::fromStdString(hostPath));
    static_cast<QDialog&>(picker).accept(); // what the dialog's Choose button does
    return picker.result();
}

/// Makes a folder the current item of the picker's view, as a click on it does.
bool ClickFolder(ui::FolderBrowserDialog& picker, const std::string& hostPath) {
    auto* model = picker.findChild<QFileSystemModel*>();
    auto* view = picker.findChild<QListView*>("listView");
    const QModelIndex index = model->index(QString::fromStdString(hostPath));
    if (!index.isValid())
        return false;
    view->setCurrentIndex(index);
    return true;
}

} // namespace

class TestFolderPicker : public QObject {
    Q_OBJECT

private slots:
    void returnsTheChosenFolderInDriveForm_data();
    void returnsTheChosenFolderInDriveForm();
    void cancelReturnsNothing();
    void startsInTheGivenFolder();
    void pathFieldFollowsTheFolderAndHidesWithItsBox();
};

void TestFolderPicker::returnsTheChosenFolderInDriveForm_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder") << "f:\\Clients\\A"
                            << "f:\\Clients\\A";
    QTest::newRow("drive root keeps its backslash") << "g:\\"
                                                    << "g:\\";
}

void TestFolderPicker::returnsTheChosenFolderInDriveForm() {
    QFETCH(QString, folder);
    testing::TempDrives drives;
    drives.makeFolder("f:\\Clients\\A");
    PickingRunner runner([&](ui::FolderBrowserDialog& picker) {
        return Choose(picker, drives.hostPath(folder.toStdString()));
    });
    const std::string chosen =
        ui::BrowseForFolder(nullptr, "Select the Destination Directory.", drives.drives(), runner);
    QTEST(QString::fromStdString(chosen), "expected");
    QCOMPARE(runner.title, QString("Select the Destination Directory."));
}

void TestFolderPicker::cancelReturnsNothing() {
    testing::TempDrives drives;
    drives.makeFolder("f:\\Clients");
    PickingRunner runner([&](ui::FolderBrowserDialog& picker) {
        picker.selectFile(QString::fromStdString(drives.hostPath("f:\\Clients")));
        picker.reject();
        return picker.result();
    });
    QCOMPARE(ui::BrowseForFolder(nullptr, "Select a Folder Structure.", drives.drives(), runner),
             std::string());
}

void TestFolderPicker::startsInTheGivenFolder() {
    testing::TempDrives drives;
    drives.makeFolder("f:\\Start");
    PickingRunner runner([](ui::FolderBrowserDialog& picker) {
        picker.reject();
        return picker.result();
    });
    ui::BrowseForFolder(nullptr, "t", drives.drives(), runner, "f:\\Start");
    QCOMPARE(runner.startDirectory, QString::fromStdString(drives.hostPath("f:\\Start")));
}

void TestFolderPicker::pathFieldFollowsTheFolderAndHidesWithItsBox() {
    testing::TempDrives drives;
    drives.makeFolder("f:\\Clients\\A");
    ui::FolderBrowserDialog picker(drives.drives(), "Select a Folder Structure.");
    picker.setDirectory(QString::fromStdString(drives.hostPath("f:\\Clients")));
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));

    QLineEdit* field = picker.pathField();
    QCheckBox* box = picker.showPathField();
    QCOMPARE(box->text(), QString("Show the edit control."));
    QVERIFY(box->isChecked());
    QTRY_VERIFY(ClickFolder(picker, drives.hostPath("f:\\Clients\\A")));
    QCOMPARE(field->text(), QString("f:\\Clients\\A"));
    picker.setDirectory(QString::fromStdString(drives.hostPath("f:\\")));
    QTRY_VERIFY(ClickFolder(picker, drives.hostPath("f:\\Clients")));
    QCOMPARE(field->text(), QString("f:\\Clients"));

    // Only our field hides; the dialog's own editable name field stays.
    auto* ownField = picker.findChild<QLineEdit*>("fileNameEdit");
    QVERIFY(ownField);
    box->click();
    QVERIFY(!field->isVisible());
    QVERIFY(ownField->isVisible());
    box->click();
    QVERIFY(field->isVisible());
    picker.reject();
}

QTEST_MAIN(TestFolderPicker)
#include "TestFolderPicker.moc"
