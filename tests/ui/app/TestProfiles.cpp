// Profiles through the File menu: a set-up saved from all three pages comes back control for
// control in a fresh start; a damaged or foreign file changes nothing; the automatic settings
// file is never written by a profile.
#include "helpers/ListWindowSteps.h"
#include "helpers/StartedProgram.h"
#include "settings/SettingsFile.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/numbers/NumberRangeGroup.h"
#include "ui/pages/paths/PathsPage.h"
#include "ui/pages/strings/StringsPage.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include <memory>

using dirforge::engine::PageKind;
using dirforge::platform::MessageKind;
using dirforge::testing::StartedProgram;
using Strings = std::vector<std::string>;

namespace {

const std::string kOpenRefusedTitle = "Open Profile.            Warning no: 0142.";

dirforge::ui::PathsPage& PathsPage(StartedProgram& program) {
    return static_cast<dirforge::ui::PathsPage&>(*program.window().page(PageKind::Paths));
}

void Trigger(StartedProgram& program, const char* action) {
    program.window().findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

void Type(StartedProgram& program, const char* field, const QString& text) {
    program.find<QLineEdit>(field)->setText(text);
}

/// Every page control's state (text, check, items, list lines, counter) and whether it is
/// enabled, one line per control, in objectName order.
QStringList Controls(StartedProgram& program) {
    QStringList lines;
    const auto pageControl = [](const QObject* o) {
        const QString name = o->objectName();
        return name.contains(QLatin1String("Vol0")) && !name.startsWith(QLatin1String("grp"));
    };
    for (const QWidget* w : program.window().findChildren<QWidget*>()) {
        if (!pageControl(w))
            continue;
        QString value;
        if (const auto* edit = qobject_cast<const QLineEdit*>(w))
            value = edit->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w);
                 button && button->isCheckable())
            value = button->isChecked() ? "checked" : "unchecked";
        else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                value += combo->itemText(i) + ";";
            value += " current " + combo->currentText();
        } else if (const auto* view = qobject_cast<const QListView*>(w)) {
            for (int row = 0; row < view->model()->rowCount(); ++row)
                value += view->model()->index(row, 0).data().toString() + ";";
        } else if (const auto* label = qobject_cast<const QLabel*>(w);
                   label && w->objectName().endsWith("Sum"))
            value = label->text();
        lines << QStringLiteral("%1=%2 %3")
                     .arg(w->objectName(), value, w->isEnabled() ? "on" : "off");
    }
    lines.sort();
    return lines;
}

/// All three pages away from their start: destinations, lists, framing, attach modes, options.
void FillEveryPage(StartedProgram& program) {
    program.drives.makeFolder("g:\\Tpl\\Proj");
    // Strings page: two destinations in the history, the second chosen; text templates.
    program.chooseDestination("f:\\Out");
    program.chooseDestination("g:\\Other");
    for (const char* name : {"Acme", "Beta", "Gamma"}) {
        Type(program, "edtVol02AddToList", name);
        program.click("btnVol02AddToList");
    }
    program.page().excludeList().add("Zeta");
    Type(program, "edtVol02AddToList", "half typed");
    Type(program, "edtVol02Prefix", "P");
    Type(program, "edtVol02Suffix", "S");
    program.click("chkVol02Hyphen");
    program.click("rdoVol02StructureImportRelativePaths");
    program.page().structureList().addMany({"\\Docs\\In", "\\Mail"});
    program.page().RefreshPageState();
    program.click("chkVol02ViewDestFolder");
    dirforge::engine::_tagFoldersTemplateOptions dropFirst{0, 0, "", 1, 0};
    program.context->templateOptionMap()[2] = dropFirst;

    // Paths page: two paths, one excluded, Attach Nothing, no visual log.
    Type(program, "edtVol04AddToList", "f:\\A\\B g:\\C");
    program.click("btnVol04AddToList");
    PathsPage(program).excludeList().add("f:\\X");
    PathsPage(program).RefreshPageState();
    Type(program, "edtVol04Prefix", "Q");
    program.click("rdoVol04AttachNothing");
    program.click("chkVol04ViewDetailedResults");

    // Numbers page: a destination, 8 to 12 padded, an existing structure copied with files.
    program.picker.answer("g:\\N");
    program.runner.expect("TfrmLevelSummFolder");
    program.click("btnVol03AddDestFolder");
    auto* numbers = program.window().findChild<dirforge::ui::NumberRangeGroup*>();
    Type(program, "edtVol03StartNumber", "8");
    Type(program, "edtVol03EndNumber", "12");
    numbers->edtVol03EndNumberExit();
    program.click("chkVol03PaddedZeroes");
    Type(program, "edtVol03Suffix", "x");
    program.click("rdoVol03AttachMainFolderWithFiles");
    program.picker.answer("g:\\Tpl\\Proj");
    program.click("btnVol03AddFolderStructure");
}

} // namespace

class TestProfiles : public QObject {
    Q_OBJECT
private slots:
    void savedProfileRestoresEveryControlInAFreshStart() {
        auto first = std::make_unique<StartedProgram>();
        FillEveryPage(*first);
        VERIFY_SCRIPTS_DONE(*first);
        const QStringList saved = Controls(*first);
        const auto savedOptions = first->context->templateOptionMap();
        const std::string automatic = first->drives.readText(
            dirforge::settings::ResolveSettingsPath("", first->context->startupFolder()));
        first->dialogs.answerSave("g:\\work.set");
        Trigger(*first, "SaveProfile1");
        VERIFY_SCRIPTS_DONE(*first);
        const std::string bytes = first->drives.readText("g:\\work.set");
        // The profile is a file of its own: "default.set" is as the start wrote it.
        QCOMPARE(first->drives.readText(
                     dirforge::settings::ResolveSettingsPath("", first->context->startupFolder())),
                 automatic);
        first.reset();

        StartedProgram second;
        second.drives.makeFile("f:\\work.set", bytes);
        // The same folders as on the machine the profile was saved on.
        for (const char* folder : {"g:\\Tpl\\Proj", "g:\\N", "g:\\Other", "f:\\Out"})
            second.drives.makeFolder(folder);
        QVERIFY(Controls(second) != saved);
        second.dialogs.answerOpen("f:\\work.set");
        Trigger(second, "OpenProfile1");
        VERIFY_SCRIPTS_DONE(second);
        const QStringList restored = Controls(second);
        for (int i = 0; i < std::min(saved.size(), restored.size()); ++i)
            QCOMPARE(restored[i], saved[i]);
        QCOMPARE(restored.size(), saved.size());
        QCOMPARE(second.context->templateOptionMap(), savedOptions);
        // The restored pages run: CREATE is usable where the saved one was.
        QVERIFY(second.find<QWidget>("btnVol02CreateFolders")->isEnabled());
    }

    void damagedOrForeignProfilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("a text file") << QByteArray("f:\\Clients\\A\nf:\\Clients\\B\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("a record cut short") << QByteArray(5320 + 17, '\0');
        QByteArray unknown(2 * 5320, '\0');
        unknown[0] = 31;      // a page record...
        unknown[5320] = 0x1e; // ...and 30, a number the format does not have
        QTest::newRow("unknown record number") << unknown;
        QByteArray noEnd(5320, '\0');
        noEnd[0] = 38; // a prefix record, and no end marker after it
        QTest::newRow("no end marker") << noEnd;
    }

    void damagedOrForeignProfilesChangeNothing() {
        QFETCH(QByteArray, content);
        StartedProgram program;
        program.chooseDestination("f:\\Out");
        Type(program, "edtVol02Prefix", "Mine");
        program.addNames({"Kept"});
        const QStringList before = Controls(program);
        const auto options = program.context->templateOptionMap();
        program.drives.makeFile("f:\\bad.set", content.toStdString());
        program.dialogs.answerOpen("f:\\bad.set");
        program.prompt.expect(kOpenRefusedTitle, MessageKind::Warning);
        Trigger(program, "OpenProfile1");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(Controls(program), before);
        QCOMPARE(program.context->templateOptionMap(), options);
        QVERIFY(program.prompt.shown().back().text.find("Nothing was changed") !=
                std::string::npos);

        // A file that is not there is refused the same way.
        program.dialogs.answerOpen("f:\\absent.set");
        program.prompt.expect(kOpenRefusedTitle, MessageKind::Warning);
        Trigger(program, "OpenProfile1");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(Controls(program), before);
    }

    void profilesNeverReplaceTheAutomaticSettingsFile() {
        StartedProgram program;
        const std::string automatic =
            dirforge::settings::ResolveSettingsPath("", program.context->startupFolder());
        const std::string before = program.drives.readText(automatic);
        Type(program, "edtVol04Prefix", "Changed");
        program.dialogs.answerSave(automatic);
        program.prompt.expect("Save Profile.            Warning no: 0141.", MessageKind::Warning);
        Trigger(program, "SaveProfile1");
        VERIFY_SCRIPTS_DONE(program);
        QCOMPARE(program.drives.readText(automatic), before);
        // Cancelled dialogs do nothing at all.
        Trigger(program, "SaveProfile1");
        Trigger(program, "OpenProfile1");
        VERIFY_SCRIPTS_DONE(program);
    }
};

QTEST_MAIN(TestProfiles)
#include "TestProfiles.moc"
