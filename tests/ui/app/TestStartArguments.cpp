// The program's command line: a folder named on it becomes the strings page's destination as
// if browsed, a profile is opened; an unknown option or a path that is not there ends the program
// with status 2 and a message, before any window or file of its own.
#include "helpers/ListWindowSteps.h"
#include "helpers/StartedProgram.h"
#include "settings/Profile.h"
#include "ui/app/StartArguments.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using dirforge::testing::StartedProgram;
using dirforge::ui::StartArguments;

class TestStartArguments : public QObject {
    Q_OBJECT
private slots:
    void folderBecomesTheStringsDestination_data() {
        QTest::addColumn<QString>("argument"); // "{f}" stands for f:'s host folder
        QTest::newRow("host path") << "{f}/Out";
        QTest::newRow("host path with a trailing slash") << "{f}/Out/";
        QTest::newRow("drive path") << "f:\\Out";
    }

    void folderBecomesTheStringsDestination() {
        QFETCH(QString, argument);
        StartedProgram program;
        program.drives.makeFolder("f:\\Out");
        argument.replace(QStringLiteral("{f}"),
                         QString::fromStdString(program.drives.hostPath("f:\\")));
        const StartArguments start = dirforge::ui::ReadStartArguments(
            {QStringLiteral("dirforge"), argument}, program.context->drives());
        QCOMPARE(int(start.outcome), int(StartArguments::Outcome::Start));
        program.runner.expect("TfrmLevelSummFolder"); // as "Browse" shows it
        dirforge::ui::ApplyStartArguments(*program.context, start.paths);
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(program.find<QComboBox>("cboVol02DestFolders")->currentText(),
                 QStringLiteral("f:\\Out"));
    }

    void profileOpensAsFileOpenProfileDoes() {
        StartedProgram program;
        auto* prefix = program.find<QLineEdit>("edtVol04Prefix");
        prefix->setText(QStringLiteral("Saved"));
        QVERIFY(dirforge::settings::SaveProfile(program.window().collectSetup(), "f:\\p.set",
                                                program.context->fileSystem()));
        prefix->setText(QStringLiteral("Changed"));
        const StartArguments start = dirforge::ui::ReadStartArguments(
            {QStringLiteral("dirforge"),
             QString::fromStdString(program.drives.hostPath("f:\\p.set"))},
            program.context->drives());
        QCOMPARE(int(start.outcome), int(StartArguments::Outcome::Start));
        dirforge::ui::ApplyStartArguments(*program.context, start.paths);
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(prefix->text(), QStringLiteral("Saved"));
    }

    void refusedBeforeAnyWindow_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named"); // what the message names
        QTest::newRow("unknown option") << QStringList{"--bogus"} << "bogus";
        QTest::newRow("missing folder") << QStringList{"/no/such/folder"} << "/no/such/folder";
        QTest::newRow("missing folder after a good one")
            << QStringList{"/", "/no/such/folder"} << "/no/such/folder";
    }

    void refusedBeforeAnyWindow() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DIRFORGE_HOME"), home.path() + "/own");
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(DIRFORGE_GUI_PATH),
                      QStringList{"-platform", "offscreen"} + arguments);
        QVERIFY(program.waitForFinished(60000));
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        // Qt may say something of its own first; the program's message is a line of its own.
        const QStringList said =
            err.split(QLatin1Char('\n')).filter(QRegularExpression("^dirforge: "));
        QVERIFY2(said.size() == 1 && said.front().contains(named), qPrintable(err));
        QVERIFY(err.contains(QStringLiteral("--help")));
        // Nothing started: the program's own folder was not even made.
        QVERIFY(!QDir(home.path() + "/own").exists());
    }
};

QTEST_MAIN(TestStartArguments)
#include "TestStartArguments.moc"
