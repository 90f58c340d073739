// A window killed with SIGKILL in the middle of a real run starts again with Undo for exactly
// what the run made, because the page's journal is written ahead. The run goes on in a forked
// child of this test; the test has a file of its own so that the fork happens before any other
// window test has started threads (a child forked beside other threads may hang on their locks).
#include "engine/PageTexts.h"
#include "helpers/StartedProgram.h"
#include "ui/app/TfrmMain.h"
#include "ui/pages/run/PageJournal.h"

#include <QPushButton>
#include <QTest>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using dirforge::engine::PageKind;
using dirforge::platform::MessageKind;
using dirforge::platform::PromptButton;
using dirforge::testing::StartedProgram;
using Strings = std::vector<std::string>;

namespace {

// The messages' titles are not what this test looks at: it takes them from the page's table.
const dirforge::engine::PageTexts& kTexts = dirforge::engine::TextsFor(PageKind::Strings);
const Strings kBefore{"keep.txt"};

std::string PageJournal(StartedProgram& program) {
    return dirforge::ui::PageJournalPath(program.context->startupFolder(), PageKind::Strings);
}

} // namespace

class TestWindowKill : public QObject {
    Q_OBJECT
private slots:
    void aWindowKilledDuringARunRestartsWithUndoForWhatItMade() {
        // The run goes on in a child of this process, which is killed with SIGKILL in its
        // middle; this process then starts the program in the same folder on the same drives.
        StartedProgram program(StartedProgram::Start::Later);
        program.drives.makeFile("f:\\Out\\keep.txt", "mine");
        Strings names;
        for (int i = 0; i < 20000; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "N%05d", i);
            names.emplace_back(name);
        }
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            program.start();
            program.chooseDestination("f:\\Out");
            program.addNames(names);
            program.click("rdoVol02AttachNothing");
            program.prompt.expect(kTexts.run.real.question, MessageKind::Question,
                                  PromptButton::Yes);
            program.click("btnVol02CreateFolders");
            ::_exit(0); // the run was not killed: the parent fails the test
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (!program.drives.exists("f:\\Out\\N03000") &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        QVERIFY2(WIFSIGNALED(status), "the run ended before it was killed");

        program.start();
        QVERIFY(program.drives.listTree("f:\\Out").size() > 3000);
        QVERIFY(!program.window().runState(PageKind::Strings).results.FoldersCreated.empty());
        QVERIFY(program.find<QPushButton>("btnVol02Undo")->isEnabled());
        program.prompt.expect(kTexts.undo.question, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kTexts.undo.end, MessageKind::Information);
        program.click("btnVol02Undo");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QCOMPARE(program.drives.listTree("f:\\Out"), kBefore);
        // Nothing but the journal itself is left in its folder by the run.
        const std::string journal = PageJournal(program);
        for (const std::string& entry :
             program.drives.listTree(journal.substr(0, journal.rfind('\\'))))
            QVERIFY2(entry.find("undo-strings.json") != 0 || entry == "undo-strings.json",
                     entry.c_str());
    }
};

QTEST_MAIN(TestWindowKill)
#include "TestWindowKill.moc"
