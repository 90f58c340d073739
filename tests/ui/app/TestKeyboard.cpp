// The keyboard as on every desktop: an Alt+letter for every caption with no two alike in what a
// window shows, the standard keys of the menus, F1 for the shown Help button, and Delete on an
// editable list doing what its "Delete Sel" does.
#include "helpers/ListWindowSteps.h"
#include "helpers/StartedProgram.h"
#include "ui/common/KeyboardConventions.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/AttachGroup.h"
#include "ui/pages/strings/StringsPage.h"
#include "ui/windows/FolderBrowserDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using dirforge::platform::MessageKind;
using dirforge::platform::PromptButton;
using dirforge::testing::StartedProgram;
using dirforge::ui::MnemonicLetter;
using Strings = std::vector<std::string>;

namespace {

/// Each caption the window shows now, with what it belongs to.
QList<QPair<QString, QString>> ShownCaptions(QWidget& window) {
    QList<QPair<QString, QString>> captions;
    auto add = [&](const QWidget& widget, const QString& text) {
        if (widget.isVisible() && widget.window() == &window)
            captions << qMakePair(widget.objectName(), text);
    };
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        add(*button, button->text());
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy() != nullptr)
            add(*label, label->text());
    for (QTabBar* tabs : window.findChildren<QTabBar*>())
        for (int i = 0; i < tabs->count(); ++i)
            add(*tabs, tabs->tabText(i));
    for (QMenuBar* bar : window.findChildren<QMenuBar*>())
        for (QAction* menu : bar->actions())
            add(*bar, menu->text());
    return captions;
}

/// Letters that two shown captions share, and captions left without a mnemonic although one of
/// their letters is free.
void CheckMnemonics(QWidget& window, QStringList& failures) {
    QHash<QChar, QString> owners;
    QStringList without;
    for (const auto& [owner, text] : ShownCaptions(window)) {
        const QString where = window.objectName() + "/" + owner + " \"" + text + "\"";
        const QChar letter = MnemonicLetter(text);
        if (letter.isNull()) {
            without << text;
            continue;
        }
        if (owners.contains(letter))
            failures << where + ": Alt+" + letter + " also " + owners[letter];
        owners.insert(letter, where);
    }
    for (const QString& text : without)
        for (QChar c : text)
            if (c.isLetterOrNumber() && c.unicode() < 128 && !owners.contains(c.toLower())) {
                failures << window.objectName() + " \"" + text + "\": no mnemonic, " + c +
                                " is free";
                break;
            }
}

void Show(QWidget& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void noMnemonicClashInAnyWindow() {
        StartedProgram program;
        QStringList failures;
        dirforge::ui::TfrmMain& main = program.window();
        Show(main);
        auto* tabs = program.find<QTabWidget>("pgeMain");
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            CheckMnemonics(main, failures);
        }
        QList<QWidget*> windows;
        for (QWidget* child : main.findChildren<QWidget*>())
            if (child->isWindow() && child->inherits("QDialog"))
                windows << child;
        dirforge::ui::FolderBrowserDialog picker(program.context->drives(),
                                                 "Select the Destination Directory.", &main);
        windows << &picker;
        QVERIFY(windows.size() > 10);
        for (QWidget* window : windows) {
            Show(*window);
            CheckMnemonics(*window, failures);
            window->hide();
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }

    void keysDoWhatTheirMenusAndButtonsDo() {
        StartedProgram program;
        dirforge::ui::TfrmMain& main = program.window();
        Show(main);
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));

        QTest::keySequence(&main, QKeySequence::Open); // cancelled: nothing changes
        QTest::keySequence(&main, QKeySequence::Save);
        QCOMPARE(program.dialogs.titles(), (Strings{"open: Open Profile", "save: Save Profile"}));

        program.runner.expect("frmHelp"); // the strings page's Help
        QTest::keyClick(&main, Qt::Key_F1);
        VERIFY_SCRIPTS_DONE(program);

        auto* browse = program.find<QAbstractButton>("btnVol02AddDestFolder");
        const QChar letter = MnemonicLetter(browse->text());
        QVERIFY2(!letter.isNull(), qPrintable(browse->text()));
        program.prompt.expect("Creating Folder(s).-From a String List.            Warning no: "
                              "20003.",
                              MessageKind::Warning); // the cancelled picker, as a click says
        QTest::keyClick(&main, letter.toLatin1(), Qt::AltModifier);
        // A mnemonic presses its button as a click does, a moment later.
        QTRY_COMPARE(program.picker.titles(), (Strings{"Select the Destination Directory."}));
        VERIFY_SCRIPTS_DONE(program);

        QTest::keyClick(&main, Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!main.isVisible());
    }

    void deleteOnTheStructureListIsDeleteSel() {
        StartedProgram program;
        Show(program.window());
        program.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.window()));
        program.drives.makeFolder("g:\\A");
        program.drives.makeFolder("g:\\B");
        program.chooseDestination("f:\\Out");
        program.addNames({"Acme"});
        auto& page = program.page();
        program.click("rdoVol02StructureImportFullPaths");
        auto* attach = page.findChild<dirforge::ui::AttachGroup*>();
        attach->AddStructure("g:\\A");
        attach->AddStructure("g:\\B");
        auto* list = program.find<QListView>("lstVol02AddFolderStructure");
        const std::string question =
            "Creating Folder(s).-From a String List.            Warning no: 20041.";

        // Answered No, then Yes: the same question as the button asks, and only Yes deletes.
        for (PromptButton answer : {PromptButton::No, PromptButton::Yes}) {
            list->setCurrentIndex(list->model()->index(0, 0));
            list->setFocus();
            program.prompt.expect(question, MessageKind::Question, answer);
            QTest::keyClick(list, Qt::Key_Delete);
            VERIFY_SCRIPTS_DONE(program);
        }
        QCOMPARE(page.structureList().entries(), (Strings{"g:\\B"}));
    }
};

QTEST_MAIN(TestKeyboard)
#include "TestKeyboard.moc"
