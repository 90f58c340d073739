// The application shell: main window frame, pages and menus, the message box kinds, the working
// folders made at start, the help windows, the catch-all for exceptions and the tooltip time.
#include "helpers/ModalWatcher.h"
#include "helpers/ScriptedModalRunner.h"
#include "helpers/ScriptedSeams.h"
#include "helpers/StartedProgram.h"
#include "helpers/WidgetLookup.h"
#include "support/FaultInjectingFileSystem.h"
#include "support/ScriptedPrompt.h"
#include "ui/app/AppContext.h"
#include "ui/app/AppInfo.h"
#include "ui/app/GuardedApplication.h"
#include "ui/app/TfrmMain.h"
#include "ui/app/WorkingFolders.h"
#include "ui/common/WindowStyle.h"
#include "ui/results/RunModeLabel.h"
#include "ui/seams/QtPrompt.h"
#include "ui/seams/QtShell.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

#include <memory>
#include <stdexcept>

using namespace dirforge;
using dirforge::testing::ModalWatcher;
using dirforge::testing::RecordingShell;
using dirforge::testing::ScriptedModalRunner;
using dirforge::testing::ScriptedPrompt;
using dirforge::testing::StartedProgram;
using platform::MessageKind;
using platform::PromptButton;

namespace {

/// Every entry below a host folder as sorted relative paths, so two states can be compared.
QStringList TreeOf(const QString& root) {
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << QDir(root).relativeFilePath(it.next());
    entries.sort();
    return entries;
}

const QStringList kWorkingFolders = {"WorkingDir",
                                     "WorkingDir/CONSISTENCYCHECK",
                                     "WorkingDir/COPYFILES",
                                     "WorkingDir/COPYFILESSIMUL",
                                     "WorkingDir/RENAMEFILES",
                                     "WorkingDir/RENAMEFILESSIMUL"};

class ThrowingObject : public QObject {
public:
    explicit ThrowingObject(bool standardException) : standard_(standardException) {}
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        if (standard_)
            throw std::runtime_error("The disk went away.");
        throw 42;
    }

private:
    bool standard_;
};

/// Takes the URLs QDesktopServices would hand to the desktop.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void frameIsFixedWithCaptionAndColour() {
        StartedProgram program;
        QVERIFY(program.cwd.isValid());
        ui::TfrmMain& window = program.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        window.fitToScreen(QRect(0, 0, 1920, 1080)); // a screen that holds it
        QCOMPARE(window.windowTitle(), QStringLiteral("Dirforge"));
        QCOMPARE(window.findChild<QWidget*>("pnlClient")->size(), QSize(999, 642));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.size().width(), 999);
        QCOMPARE(window.palette().color(QPalette::Window), QColor(239, 247, 255));
        FIND_CHILD(scratch, QListWidget, &window, "lstHWNDSeged");
        QVERIFY(scratch->isHidden());
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
    }

    void pagesInOrderWithStringsPageShown() {
        StartedProgram program;
        FIND_CHILD(tabs, QTabWidget, &program.window(), "pgeMain");
        const QStringList names = {"tabCreateFolderStrings", "tabCreateFolderFolders",
                                   "tabCreateFolderIncreasedNumbers"};
        const QStringList captions = {"Create Multiple Folders Using Strings",
                                      "Create Multiple Folders Using Paths",
                                      "Create Multiple Folders Using Increased Numbers"};
        QCOMPARE(tabs->count(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(tabs->widget(i)->objectName(), names[i]);
            QCOMPARE(tabs->tabText(i), captions[i]);
        }
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(&program.window().tabSheet(engine::PageKind::Paths), tabs->widget(1));
    }

    void menuItems_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("menuCaption");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("File") << "File1"
                              << "&File"
                              << QStringList{"SaveProfile1", "OpenProfile1", "UndoSavedRun1", "",
                                             "Exit1"}
                              << QStringList{"Save Profile...", "Open Profile...",
                                             "Undo a Saved Run...", "", "E&xit"};
        QTest::newRow("Help") << "Help1"
                              << "&Help" << QStringList{"OverView", "Howtovideosonline1", "About1"}
                              << QStringList{"Overview", "How-to videos online.", "&About..."};
    }
    void menuItems() {
        QFETCH(QString, menu);
        QFETCH(QString, menuCaption);
        QFETCH(QStringList, items);
        QFETCH(QStringList, captions);
        StartedProgram program;
        QMenuBar* bar = program.window().menuBar();
        QCOMPARE(bar->objectName(), QStringLiteral("MainMenu1"));
        FIND_CHILD(found, QMenu, bar, menu);
        QCOMPARE(found->title(), menuCaption);
        const QList<QAction*> actions = found->actions();
        QCOMPARE(actions.size(), items.size());
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(actions[i]->objectName(), items[i]);
            QCOMPARE(actions[i]->text(), captions[i]);
        }
    }

    void exitHintAndExitClosesWindow() {
        StartedProgram program;
        program.window().show();
        auto* exit1 = program.window().findChild<QAction*>(QStringLiteral("Exit1"));
        QVERIFY(exit1);
        QCOMPARE(exit1->toolTip(), QStringLiteral("Exit"));
        QCOMPARE(exit1->statusTip(), QStringLiteral("Quits the application"));
        exit1->trigger();
        QVERIFY(!program.window().isVisible());
    }

    void messageBoxKinds_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("press"); // a button's name, or "Enter"/"Escape" for the keys
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("answer");
        const int ok = QMessageBox::Ok, yesNo = QMessageBox::Yes | QMessageBox::No;
        const int okAnswer = int(PromptButton::Ok), yes = int(PromptButton::Yes),
                  no = int(PromptButton::No);
        QTest::newRow("48 warning")
            << 48 << "Ok" << ok << ok << int(QMessageBox::Warning) << okAnswer;
        QTest::newRow("64 information")
            << 64 << "Enter" << ok << ok << int(QMessageBox::Information) << okAnswer;
        QTest::newRow("16 error") << 16 << "Escape" << ok << ok << int(QMessageBox::Critical)
                                  << okAnswer;
        QTest::newRow("292 Yes") << 292 << "Yes" << yesNo << int(QMessageBox::No)
                                 << int(QMessageBox::Question) << yes;
        QTest::newRow("292 No") << 292 << "No" << yesNo << int(QMessageBox::No)
                                << int(QMessageBox::Question) << no;
        // Regression: Enter must not confirm a question; No is the default.
        QTest::newRow("292 Enter")
            << 292 << "Enter" << yesNo << int(QMessageBox::No) << int(QMessageBox::Question) << no;
        QTest::newRow("292 Escape")
            << 292 << "Escape" << yesNo << int(QMessageBox::No) << int(QMessageBox::Question) << no;
    }
    void messageBoxKinds() {
        QFETCH(int, kind);
        QFETCH(QString, press);
        QFETCH(int, buttons);
        QFETCH(int, defaultButton);
        QFETCH(int, icon);
        QFETCH(int, answer);
        QWidget owner;
        ui::QtPrompt prompt(&owner);
        const QString title = QStringLiteral(
            "Creating Folder(s).-From a String List.            Warning no: 20055.\t");
        int seenButtons = 0, seenDefault = -1, seenIcon = -1;
        QString seenTitle, seenText;
        QWidget* seenParent = nullptr;
        ModalWatcher watcher([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box)
                return;
            seenButtons = int(box->standardButtons());
            seenDefault = box->defaultButton() ? int(box->standardButton(box->defaultButton())) : 0;
            seenIcon = int(box->icon());
            seenTitle = box->windowTitle();
            seenText = box->text();
            seenParent = box->parentWidget();
            if (press == QLatin1String("Enter"))
                QTest::keyClick(box, Qt::Key_Return);
            else if (press == QLatin1String("Escape"))
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(press == QLatin1String("Yes")  ? QMessageBox::Yes
                            : press == QLatin1String("No") ? QMessageBox::No
                                                           : QMessageBox::Ok)
                    ->click();
        });
        const PromptButton result = prompt.show("Folder <f:\\A&B> is a line\nand another.",
                                                title.toStdString(), MessageKind(kind));
        QVERIFY2(watcher.fired(), "no message box was shown");
        QCOMPARE(seenButtons, buttons);
        QCOMPARE(seenDefault, defaultButton);
        QCOMPARE(seenIcon, icon);
        QCOMPARE(seenTitle, title);
        QCOMPARE(seenText, QStringLiteral("Folder <f:\\A&B> is a line\nand another."));
        QCOMPARE(seenParent, &owner);
        QCOMPARE(int(result), answer);
    }

    void workingFoldersMadeOnceAndLeftAlone() {
        StartedProgram program;
        const auto& cwd = program.cwd;
        QVERIFY(cwd.isValid());
        QCOMPARE(program.context->startupFolder(), cwd.drivePath());
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        program.end();
        QCOMPARE(TreeOf(cwd.path()), kWorkingFolders + QStringList{"default.set"});

        QFile marker(cwd.path() + QStringLiteral("/WorkingDir/COPYFILES/keep.txt"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.write("kept");
        marker.close();
        const QStringList before = TreeOf(cwd.path());
        program.start();
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QCOMPARE(ui::CreateWorkingFolders(program.context->fileSystem(), cwd.drivePath()), 0);
        program.end();
        QCOMPARE(TreeOf(cwd.path()), before);
        QVERIFY(marker.open(QIODevice::ReadOnly));
        QCOMPARE(marker.readAll(), QByteArray("kept"));
    }

    void workingFolderThatCannotBeMadeIsSkippedSilently() {
        StartedProgram program(StartedProgram::Start::Later);
        platform::HostFileSystem host{program.drives.drives()};
        dirforge::testing::FaultInjectingFileSystem faulty(host);
        faulty.failAlways(dirforge::testing::FsOp::CreateFolder,
                          program.cwd.drivePath() + "\\WorkingDir\\RENAMEFILES");
        program.fileSystem = &faulty;
        program.start();
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QStringList expected = kWorkingFolders;
        expected.removeAll(QStringLiteral("WorkingDir/RENAMEFILES"));
        expected << QStringLiteral("default.set");
        QCOMPARE(TreeOf(program.cwd.path()), expected);
    }

    void workingFolderPaths_data() {
        QTest::addColumn<QString>("startup");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("drive root") << "c:\\"
                                    << "c:\\WorkingDir"
                                    << "c:\\WorkingDir\\CONSISTENCYCHECK";
        QTest::newRow("folder") << "f:\\Tools\\Dirforge"
                                << "f:\\Tools\\Dirforge\\WorkingDir"
                                << "f:\\Tools\\Dirforge\\WorkingDir\\CONSISTENCYCHECK";
    }
    void workingFolderPaths() {
        QFETCH(QString, startup);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const std::vector<std::string> paths = ui::WorkingFolderPaths(startup.toStdString());
        QCOMPARE(paths.size(), std::size_t(6));
        QCOMPARE(QString::fromStdString(paths.front()), first);
        QCOMPARE(QString::fromStdString(paths.back()), last);
    }

    void helpMenuShowsModalWindows() {
        StartedProgram program;
        QString topicShown, versionShown;
        bool textShown = false;
        program.runner
            .expect(
                "frmHelp",
                [&](QDialog& help) {
                    topicShown = help.findChild<QLabel*>("lblHelpTopic")->text();
                    textShown =
                        !help.findChild<QPlainTextEdit*>("memHelpText")->toPlainText().isEmpty();
                    return int(QDialog::Accepted);
                })
            .expect("frmAbout", [&](QDialog& about) {
                versionShown = about.findChild<QLabel*>("lblAboutVersion")->text();
                return int(QDialog::Accepted);
            });
        program.window().findChild<QAction*>("OverView")->trigger();
        program.window().findChild<QAction*>("About1")->trigger();
        QVERIFY2(program.runner.satisfied(), qPrintable(program.runner.describe()));
        QCOMPARE(topicShown, QStringLiteral("Overview"));
        QVERIFY(textShown);
        QVERIFY(versionShown.contains(QLatin1String(ui::kProductVersion)));
    }

    void webPagesOpenOrAreReported() {
        {
            // Where the guide is not installed, the how-to item says so.
            StartedProgram bare;
            bare.prompt.expect("User Guide.            Warning no: 0803.", MessageKind::Warning);
            bare.window().findChild<QAction*>("Howtovideosonline1")->trigger();
            QVERIFY2(bare.prompt.satisfied(), bare.prompt.describe().c_str());
            QVERIFY(bare.shell.webPages().empty());
        }
        StartedProgram program(StartedProgram::Start::Later);
        program.drives.makeFile("f:\\doc\\USER-GUIDE.md", "# Dirforge user guide\n");
        program.userGuide = program.drives.hostPath("f:\\doc\\USER-GUIDE.md");
        program.start();
        program.window().findChild<QAction*>("Howtovideosonline1")->trigger();
        QCOMPARE(
            program.shell.webPages(),
            std::vector<std::string>{QUrl::fromLocalFile(QString::fromStdString(program.userGuide))
                                         .toString()
                                         .toStdString()});

        // The help window's "More Help Online" button, with no browser taking the page.
        program.shell.setSucceeds(false);
        program.prompt.expect("Web Page.            Warning no: 0801.", MessageKind::Warning);
        program.runner.expect("frmHelp", [](QDialog& help) {
            auto* more = help.findChild<QPushButton*>("btnHelpMoreHelp");
            if (!more || more->isHidden())
                return int(QDialog::Rejected);
            more->click();
            return int(QDialog::Accepted);
        });
        program.context->showHelp(ui::HelpTopic::VisualLog, ui::MoreHelp::Shown);
        QVERIFY2(program.runner.satisfied(), qPrintable(program.runner.describe()));
        QCOMPARE(program.shell.webPages().size(), std::size_t(2));
        QCOMPARE(program.shell.webPages().back(), std::string(ui::kOnlineHelpUrl));
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
    }

    void shellHandsHostPathsToTheDesktop_data() {
        QTest::addColumn<bool>("folder"); // openFolder, else openWebPage
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("url");
        QTest::newRow("mapped drive")
            << true << "f:\\Clients\\A b" << true << "file:///srv/f/Clients/A b";
        QTest::newRow("drive letter case") << true << "F:\\" << true << "file:///srv/f";
        QTest::newRow("c: is the root") << true << "c:\\tmp" << true << "file:///tmp";
        QTest::newRow("unmapped drive") << true << "q:\\x" << false << "";
        QTest::newRow("no drive") << true << "Clients\\A" << false << "";
        QTest::newRow("web page") << false << "https://example.com/a?b=1" << true
                                  << "https://example.com/a?b=1";
        QTest::newRow("not an address") << false << "not an address" << false << "";
    }
    void shellHandsHostPathsToTheDesktop() {
        QFETCH(bool, folder);
        QFETCH(QString, target);
        QFETCH(bool, opened);
        QFETCH(QString, url);
        platform::DriveMap drives;
        drives.map('f', "/srv/f");
        ui::QtShell shell(drives);
        UrlRecorder recorder;
        for (const char* scheme : {"file", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "open");
        const bool result = folder ? shell.openFolder(target.toStdString())
                                   : shell.openWebPage(target.toStdString());
        for (const char* scheme : {"file", "https"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        QCOMPARE(result, opened);
        QCOMPARE(recorder.urls.size(), opened ? 1 : 0);
        if (opened)
            QCOMPARE(recorder.urls.front(), QUrl(url));
    }

    void helpTopicsHaveTheirOwnTexts() {
        QSet<QString> titles, texts;
        for (ui::HelpTopic topic : ui::kAllHelpTopics) {
            titles.insert(QString::fromUtf8(ui::HelpTopicTitle(topic)));
            texts.insert(QString::fromUtf8(ui::HelpTopicText(topic)));
        }
        QCOMPARE(titles.size(), int(ui::kAllHelpTopics.size()));
        QCOMPARE(texts.size(), int(ui::kAllHelpTopics.size()));
    }

    void exceptionInHandlerIsShownAndProgramGoesOn_data() {
        QTest::addColumn<bool>("standard");
        QTest::addColumn<QString>("text");
        QTest::newRow("std::exception") << true << "The disk went away.";
        QTest::newRow("anything else") << false << "An unknown error occurred.";
    }
    void exceptionInHandlerIsShownAndProgramGoesOn() {
        QFETCH(bool, standard);
        QFETCH(QString, text);
        auto* app = qobject_cast<ui::GuardedApplication*>(QCoreApplication::instance());
        QVERIFY(app);
        ScriptedPrompt prompt;
        prompt.expect(ui::kProductName, MessageKind::Error);
        app->setPrompt(&prompt);
        ThrowingObject thrower(standard);
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&thrower, &event);
        app->setPrompt(nullptr);
        QVERIFY2(prompt.satisfied(), prompt.describe().c_str());
        QCOMPARE(QString::fromStdString(prompt.shown().front().text), text);
    }

    void tooltipsStayUpTenMinutes() {
        StartedProgram program;
        QPushButton plain(QStringLiteral("plain"));
        plain.setToolTip(QStringLiteral("A hint."));
        QLabel ownTime(QStringLiteral("own"));
        ownTime.setToolTipDuration(5000);
        plain.show();
        ownTime.show();
        QCOMPARE(plain.toolTipDuration(), 600000); // ten minutes
        QCOMPARE(ownTime.toolTipDuration(), 5000);
    }

    void activationSignalsTheVisualLogs() {
        StartedProgram program;
        QSignalSpy activated(&program.window(), &ui::TfrmMain::activated);
        program.window().show();
        program.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.window()));
        QTRY_VERIFY(activated.count() >= 1);
    }

    void colourValues_data() {
        QTest::addColumn<uint>("value");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("window background") << uint(16775151) << QColor(239, 247, 255);
        QTest::newRow("dark red") << uint(128) << QColor(128, 0, 0);
        QTest::newRow("blue byte is the high one") << uint(0x00FF0000) << QColor(0, 0, 255);
        QTest::newRow("top byte ignored") << uint(0x0100FF00) << QColor(0, 255, 0);
    }
    void colourValues() {
        QFETCH(uint, value);
        QFETCH(QColor, colour);
        QCOMPARE(ui::ColorFromValue(value), colour);
    }

    void runModeLabel_data() {
        QTest::addColumn<bool>("realRun");
        QTest::addColumn<QString>("text");
        QTest::newRow("real") << true << "Folder/File Creation Process.";
        QTest::newRow("simulation") << false << "Simulate the Folder/File Creation Process.";
    }
    void runModeLabel() {
        QFETCH(bool, realRun);
        QFETCH(QString, text);
        QLabel label;
        ui::ShowRunModeLabel(label, realRun);
        QCOMPARE(label.text(), text);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QCOMPARE(label.alignment(), Qt::AlignCenter);
    }
};

int main(int argc, char** argv) {
    dirforge::ui::GuardedApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestMainWindow.moc"
