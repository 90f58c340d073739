// The settings store at start: a first start writes default.set in the startup folder, a later
// start reads it back unchanged, and the pages see the stored destination history.
#include "helpers/StartedProgram.h"
#include "settings/SettingsFile.h"

#include <QComboBox>
#include <QFile>
#include <QTest>

using dirforge::testing::StartedProgram;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSettingsStartup : public QObject {
    Q_OBJECT
private slots:
    void firstStartWritesSecondStartReadsAndChangesNothing() {
        StartedProgram program;
        const QString path = program.cwd.path() + "/default.set";
        const QByteArray written = ReadAll(path);
        QVERIFY(!written.isEmpty());
        QCOMPARE(program.context->settings().delimiterList.size(), std::size_t(17));
        QCOMPARE(program.context->startupFolder(), program.cwd.drivePath());
        QCOMPARE(program.context->templateOptionMap().size(), std::size_t(4));
        const dirforge::settings::SettingsStore firstStore = program.context->settings();

        program.context.reset();
        program.restart();
        QCOMPARE(ReadAll(path), written);
        const dirforge::settings::SettingsStore& read = program.context->settings();
        QVERIFY(read.delimiterList == firstStore.delimiterList);
        QVERIFY(read.quotationMarkList == firstStore.quotationMarkList);
        QVERIFY(read.templateOptions == firstStore.templateOptions);
        // What the store's consumers read (blank texts come back as the file's " ", by its format).
        QCOMPARE(read.strings.cboVol02DestFoldersHistory,
                 firstStore.strings.cboVol02DestFoldersHistory);
        QCOMPARE(read.numbers.cboVol03DestFoldersHistory,
                 firstStore.numbers.cboVol03DestFoldersHistory);
        QVERIFY(read.fileTools.includedFileTypes == firstStore.fileTools.includedFileTypes);
        QCOMPARE(read.startupFolder, firstStore.startupFolder);
        QCOMPARE(read.applicationIdentifier, firstStore.applicationIdentifier);
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
    }

    void storedValuesReachTheirConsumers() {
        StartedProgram program;
        const std::string path = program.cwd.drivePath() + "\\default.set";
        // A stored history (with a blank and a repeat) and a stored startup folder that exists.
        dirforge::settings::SettingsStore store = program.context->settings();
        store.strings.cboVol02DestFoldersHistory = {"f:\\A", "", "F:\\a", "g:\\B"};
        program.drives.makeFolder("g:\\Home");
        store.startupFolder = "g:\\Home";
        QVERIFY(dirforge::settings::SaveClass(store, path, program.context->fileSystem(),
                                              program.prompt));
        const QByteArray before = ReadAll(program.cwd.path() + "/default.set");
        program.context.reset();

        program.restart();
        auto* box = program.find<QComboBox>("cboVol02DestFolders");
        QCOMPARE(box->count(), 2);
        QCOMPARE(box->itemText(0), QStringLiteral("f:\\A"));
        QCOMPARE(box->itemText(1), QStringLiteral("g:\\B"));
        QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(program.context->startupFolder(), std::string("g:\\Home"));
        QVERIFY(program.drives.isFolder("g:\\Home\\WorkingDir\\COPYFILES"));
        QCOMPARE(ReadAll(program.cwd.path() + "/default.set"), before);
        QVERIFY(!program.drives.exists("g:\\Home\\default.set"));
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
    }

    void storedStartupFolderThatIsGoneIsNotMade() {
        StartedProgram program;
        const std::string path = program.cwd.drivePath() + "\\default.set";
        dirforge::settings::SettingsStore store = program.context->settings();
        store.startupFolder = "g:\\Gone\\Away";
        QVERIFY(dirforge::settings::SaveClass(store, path, program.context->fileSystem(),
                                              program.prompt));
        program.context.reset();
        program.restart();
        QCOMPARE(program.context->startupFolder(), program.cwd.drivePath());
        QVERIFY(!program.drives.exists("g:\\Gone"));
    }
};

QTEST_MAIN(TestSettingsStartup)
#include "TestSettingsStartup.moc"
