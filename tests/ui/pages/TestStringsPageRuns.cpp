// Runs from the strings page on temporary drives beyond what every page shares: the refusals
// before a run, an existing folder recorded as existing, and the visual log's button.
#include "helpers/StartedProgram.h"
#include "helpers/WidgetLookup.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/strings/StringsPage.h"
#include "ui/results/TfrmStatistic.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using dirforge::engine::ResultList;
using dirforge::platform::MessageKind;
using dirforge::platform::PromptButton;
using dirforge::testing::StartedProgram;

namespace {

const std::string kArea = "Creating Folder(s).-From a String List.            ";
const std::string kCreateQuestion =
    "Creating Folder(s).-From  a String List.            Information no: 20048.";
const std::string kCreateEnd = kArea + "Information no: 20053.";

/// Destination f:\Out, INCLUDE A and B, prefix P with hyphen, Attach Nothing.
void Prepare(StartedProgram& program) {
    program.drives.makeFolder("f:\\Out");
    program.chooseDestination("f:\\Out");
    program.addNames({"A", "B"});
    program.find<QLineEdit>("edtVol02Prefix")->setText("P");
    program.click("chkVol02Hyphen");
    program.click("rdoVol02AttachNothing");
}

QString Counter(StartedProgram& program, const char* name) {
    return program.context->visualLog(dirforge::engine::PageKind::Strings)
        .findChild<QLabel*>(name)
        ->text();
}

} // namespace

class TestStringsPageRuns : public QObject {
    Q_OBJECT
private slots:
    void runIsRefusedWithoutAnswerOrStructure() {
        StartedProgram program;
        Prepare(program);
        program.prompt.expect(kCreateQuestion, MessageKind::Question, PromptButton::No);
        program.click("btnVol02CreateFolders");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QVERIFY(program.drives.listTree("f:\\Out").empty());
        QVERIFY(program.find<QWidget>("btnVol02CreateFolders")->isEnabled());
        // An existing folder is recorded as existing and the destination leads the history.
        program.drives.makeFolder("f:\\Out\\P-A");
        program.prompt.expect(kCreateQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kCreateEnd, MessageKind::Information);
        program.click("btnVol02CreateFolders");
        auto* log = &program.context->visualLog(dirforge::engine::PageKind::Strings);
        QCOMPARE(log->entries(ResultList::FoldersExist), std::vector<std::string>{"f:\\Out\\P-A"});
        QCOMPARE(Counter(program, "lblStat02FoldersExists"), QStringLiteral("1"));
    }

    void visualLogButtonShowsTheLog() {
        StartedProgram program;
        Prepare(program);
        auto* log = &program.context->visualLog(dirforge::engine::PageKind::Strings);
        QVERIFY(!log->isVisible());
        program.click("btnVol02Statistic");
        QVERIFY(log->isVisible());
        QCOMPARE(Counter(program, "lblStat02FoldersToCreate"), QStringLiteral("2"));
    }
};

QTEST_MAIN(TestStringsPageRuns)
#include "TestStringsPageRuns.moc"
