// The strings page and `dirforge-cli strings` given the same input, each on its own fresh drives
// f: and g: with identical content: the sixteen counters, the failed-undo count, the six result
// lists, the messages and the trees left on disk must agree, after the run and after its undo.
#include "cli/CliRunner.h"
#include "helpers/ListWindowSteps.h"
#include "helpers/StartedProgram.h"
#include "helpers/WidgetLookup.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/strings/StringsPage.h"
#include "ui/results/TfrmStatistic.h"
#include "ui/results/VisualLogTwins.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <fstream>

using dirforge::engine::CounterColumn;
using dirforge::engine::CounterRow;
using dirforge::engine::PageKind;
using dirforge::engine::ResultList;
using dirforge::platform::MessageKind;
using dirforge::platform::PromptButton;
using dirforge::testing::CliResult;
using dirforge::testing::RunCli;
using dirforge::testing::StartedProgram;
using dirforge::testing::TempDrives;
using Strings = std::vector<std::string>;

namespace {

const std::string kArea = "Creating Folder(s).-From a String List.            ";
const std::string kCreateQuestion =
    "Creating Folder(s).-From  a String List.            Information no: 20048.";
const std::string kSimulationQuestion = "Simulate " + kArea + "Information no: 20072.";
const std::string kUndoQuestion = kArea + "Information no: 20056.";

enum class Attach { Nothing, ExistingWithFiles, Templates };

struct Scenario {
    Strings names; // typed into the page's entry field one by one
    Attach attach = Attach::Nothing;
    Strings templates;
    bool simulate = false;
};

const std::string kPrefix = "P";
const std::string kSuffix = "S";
const std::string kStructure = "g:\\Tpl\\Proj";

/// The same content on both fixtures: a structure with files and an empty folder, a file of the
/// user's in the destination and a folder the name "Old" composes to.
void Seed(TempDrives& drives) {
    drives.makeFile("g:\\Tpl\\Proj\\top.txt", "abc");
    drives.makeFile("g:\\Tpl\\Proj\\Docs\\readme.txt", "hello");
    drives.makeFolder("g:\\Tpl\\Proj\\Mail");
    drives.makeFile("f:\\Out\\keep.txt", "mine");
    drives.makeFolder("f:\\Out\\P-Old-S");
}

/// Fills the page through its controls as a user would.
void PreparePage(StartedProgram& program, const Scenario& scenario) {
    program.chooseDestination("f:\\Out");
    auto* entry = program.find<QLineEdit>("edtVol02AddToList");
    for (const std::string& name : scenario.names) {
        entry->setText(QString::fromStdString(name));
        program.click("btnVol02AddToList");
    }
    program.find<QLineEdit>("edtVol02Prefix")->setText(QString::fromStdString(kPrefix));
    program.find<QLineEdit>("edtVol02Suffix")->setText(QString::fromStdString(kSuffix));
    program.click("chkVol02Hyphen");
    program.click("chkVol02ViewDestFolder"); // the batch front end opens no file manager
    switch (scenario.attach) {
    case Attach::Nothing:
        program.click("rdoVol02AttachNothing");
        break;
    case Attach::ExistingWithFiles:
        program.click("rdoVol02AttachMainFolderWithFiles");
        program.picker.answer(kStructure);
        program.click("btnVol02AddFolderStructure");
        break;
    case Attach::Templates:
        program.click("rdoVol02StructureImportRelativePaths");
        program.page().structureList().addMany(scenario.templates);
        program.page().RefreshPageState();
        break;
    }
}

/// The matching command line; the names in the order the page's INCLUDE list holds them.
Strings CliArguments(const Scenario& scenario, const Strings& includeOrder) {
    Strings args{"strings",  "--dest", "f:\\Out",  "--prefix", kPrefix,
                 "--suffix", kSuffix,  "--hyphen", "--json"};
    for (const std::string& name : includeOrder)
        args.insert(args.end(), {"--name", name});
    switch (scenario.attach) {
    case Attach::Nothing:
        break;
    case Attach::ExistingWithFiles:
        args.insert(args.end(),
                    {"--attach", "existing", "--structure", kStructure, "--copy", "main-files"});
        break;
    case Attach::Templates:
        args.insert(args.end(), {"--attach", "templates"});
        for (const std::string& line : scenario.templates)
            args.insert(args.end(), {"--template", line});
        break;
    }
    if (scenario.simulate)
        args.push_back("--simulate");
    else
        args.insert(args.end(), {"--journal", "j.json"});
    return args;
}

/// Runs the batch front end and gives its JSON report (null when it did not complete).
nlohmann::json RunBatch(const TempDrives& drives, const Strings& args) {
    const CliResult result = RunCli(drives, args);
    if (result.status != 0) {
        qWarning("dirforge-cli exited with %d: %s", result.status, result.err.c_str());
        return nullptr;
    }
    return result.json();
}

std::string Join(const Strings& entries) {
    std::string text;
    for (const std::string& entry : entries)
        text += (text.empty() ? "" : " | ") + entry;
    return text;
}

struct Row {
    CounterRow row;
    const char* key;
};
constexpr Row kRows[] = {{CounterRow::Folders, "folders"},
                         {CounterRow::Subfolders, "subfolders"},
                         {CounterRow::Files, "files"},
                         {CounterRow::Bytes, "bytes"}};
struct Column {
    CounterColumn column;
    const char* key;
};
constexpr Column kColumns[] = {{CounterColumn::ToCreate, "toCreate"},
                               {CounterColumn::Created, "created"},
                               {CounterColumn::Exist, "exist"},
                               {CounterColumn::Other, "other"}};
struct List {
    ResultList list;
    const char* key;
};
constexpr List kLists[] = {{ResultList::FoldersCreated, "foldersCreated"},
                           {ResultList::SubFoldersCreated, "subFoldersCreated"},
                           {ResultList::FilesCreated, "filesCreated"},
                           {ResultList::FoldersExist, "foldersExist"},
                           {ResultList::FoldersOther, "foldersOther"},
                           {ResultList::FoldersFailedUndo, "foldersFailedUndo"}};

/// Every difference between what the page's visual log shows and the batch report, one per line.
QStringList Differences(StartedProgram& program, const nlohmann::json& report) {
    QStringList differences;
    dirforge::ui::TfrmStatistic* log = &program.context->visualLog(PageKind::Strings);
    for (const Row& row : kRows) {
        for (const Column& column : kColumns) {
            const std::string name =
                dirforge::ui::CounterLabelName(log->twin(), row.row, column.column);
            auto* label = log->findChild<QLabel*>(QString::fromStdString(name));
            const QString batch = dirforge::ui::CounterText(
                report.at("counters").at(row.key).at(column.key).get<double>());
            if (label == nullptr || label->text() != batch)
                differences << QStringLiteral("%1.%2: page %3, batch %4")
                                   .arg(row.key, column.key,
                                        label ? label->text() : QStringLiteral("(no label)"),
                                        batch);
        }
    }
    const double failedUndo =
        program.window().runState(PageKind::Strings).results.counters.failedUndo;
    if (failedUndo != report.at("counters").at("failedUndo").get<double>())
        differences << QStringLiteral("failedUndo: page %1, batch %2")
                           .arg(failedUndo)
                           .arg(report.at("counters").at("failedUndo").get<double>());
    for (const List& list : kLists) {
        const Strings page = log->entries(list.list);
        const Strings batch = report.at("lists").at(list.key).get<Strings>();
        if (page != batch)
            differences << QStringLiteral("%1: page [%2], batch [%3]")
                               .arg(list.key, QString::fromStdString(Join(page)),
                                    QString::fromStdString(Join(batch)));
    }
    return differences;
}

/// The messages other than questions the page showed from index first on, against the report's.
QStringList MessageDifferences(const StartedProgram& program, std::size_t first,
                               const nlohmann::json& report) {
    Strings page;
    for (std::size_t i = first; i < program.prompt.shown().size(); ++i) {
        const auto& message = program.prompt.shown()[i];
        if (message.kind != MessageKind::Question)
            page.push_back(message.title + ": " + message.text);
    }
    Strings batch;
    for (const nlohmann::json& message : report.at("messages"))
        batch.push_back(message.at("title").get<std::string>() + ": " +
                        message.at("text").get<std::string>());
    if (page == batch)
        return {};
    return {QStringLiteral("messages: page [%1], batch [%2]")
                .arg(QString::fromStdString(Join(page)), QString::fromStdString(Join(batch)))};
}

/// Both fixtures hold the same trees on both drives.
QStringList TreeDifferences(const TempDrives& page, const TempDrives& batch) {
    QStringList differences;
    for (const char* drive : {"f:\\", "g:\\"})
        if (page.listTree(drive) != batch.listTree(drive))
            differences << QStringLiteral("%1 page [%2], batch [%3]")
                               .arg(QString::fromLatin1(drive),
                                    QString::fromStdString(Join(page.listTree(drive))),
                                    QString::fromStdString(Join(batch.listTree(drive))));
    return differences;
}

} // namespace

Q_DECLARE_METATYPE(Scenario)

class TestStringsPageVersusCli : public QObject {
    Q_OBJECT
private slots:
    void sameInputSameResults_data() {
        QTest::addColumn<Scenario>("scenario");
        // "Old" composes to a folder that is already there; NUL is a name the file system refuses.
        QTest::newRow("attach nothing")
            << Scenario{{"A", "b/c", "Old", "x\\NUL\\y"}, Attach::Nothing, {}, false};
        QTest::newRow("existing structure, main folder with files")
            << Scenario{{"A", "B", "Old"}, Attach::ExistingWithFiles, {}, false};
        QTest::newRow("text templates")
            << Scenario{{"A", "Old"}, Attach::Templates, {"\\Docs\\In", "\\Mail"}, false};
        QTest::newRow("simulation, existing structure with files")
            << Scenario{{"A", "Old", "x\\NUL\\y"}, Attach::ExistingWithFiles, {}, true};
        QTest::newRow("simulation, text templates")
            << Scenario{{"A", "Old"}, Attach::Templates, {"\\Docs\\In"}, true};
    }

    void sameInputSameResults() {
        QFETCH(Scenario, scenario);
        StartedProgram program;
        Seed(program.drives);
        PreparePage(program, scenario);
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());
        QVERIFY2(program.runner.satisfied(), qPrintable(program.runner.describe()));
        QCOMPARE(program.page().includeList().size(), int(scenario.names.size()));

        const std::size_t runMessages = program.prompt.shown().size();
        if (scenario.simulate) {
            program.prompt.expect(kSimulationQuestion, MessageKind::Question, PromptButton::Yes);
            program.prompt.expect("Simulate " + kArea + "Information no: 20075.",
                                  MessageKind::Information);
            program.click("btnVol02CreateFoldersSimulation");
        } else {
            program.prompt.expect(kCreateQuestion, MessageKind::Question, PromptButton::Yes);
            program.prompt.expect(kArea + "Information no: 20053.", MessageKind::Information);
            program.click("btnVol02CreateFolders");
        }
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());

        TempDrives batchDrives;
        Seed(batchDrives);
        const nlohmann::json report =
            RunBatch(batchDrives, CliArguments(scenario, program.page().includeList().entries()));
        QVERIFY(report.is_object());
        QVERIFY(!report.at("lists").at("foldersCreated").empty());
        QStringList differences = Differences(program, report);
        differences << MessageDifferences(program, runMessages, report)
                    << TreeDifferences(program.drives, batchDrives);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
        if (scenario.simulate)
            return;

        // Someone puts a file into a new folder; both undos keep it, with every folder above it.
        for (TempDrives* drives : {&program.drives, &batchDrives})
            drives->makeFile("f:\\Out\\P-A-S\\foreign.txt", "not ours");
        const std::size_t undoMessages = program.prompt.shown().size();
        program.prompt.expect(kUndoQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kArea + "Information no: 20057.", MessageKind::Warning);
        program.prompt.expect(kArea + "Information no: 20058.", MessageKind::Information);
        program.click("btnVol02Undo");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());

        const nlohmann::json undo =
            RunBatch(batchDrives, {"undo", "--journal", "j.json", "--json"});
        QVERIFY(undo.is_object());
        differences = Differences(program, undo);
        differences << MessageDifferences(program, undoMessages, undo)
                    << TreeDifferences(program.drives, batchDrives);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
        QVERIFY(!undo.at("lists").at("foldersFailedUndo").empty());
    }

    void sameNamesFileSameList_data() {
        QTest::addColumn<std::string>("file");
        QTest::addColumn<Strings>("names");
        QTest::addColumn<std::string>("saying"); // in an import message and on the CLI's stderr
        QTest::newRow("refused lines")
            << std::string("Acme\nf:\\X\nbad|pipe\n\nBeta\n") << Strings{"Acme", "Beta"}
            << std::string("2 lines left out");
        QTest::newRow("Windows-1252, lone CRs, letter case")
            << std::string("M\xFCller\rCaf\xE9\rclient\r\nClient\rCLIENT")
            << Strings{"Caf\xC3\xA9", "M\xC3\xBCller", "client"}
            << std::string("read as Windows-1252");
        QTest::newRow("UTF-16, marks, both Unicode forms")
            << std::string("\xFF\xFE\xFF\xFE"
                           "C\0a\0f\0\xE9\0\n\0\xFF\xFE"
                           "C\0a\0f\0"
                           "e\0\x01\x03\n\0\x0B\x20Z\0",
                           32)
            << Strings{"Caf\xC3\xA9", "Z"} << std::string();
    }

    // One reader and one rule for a list file in both front ends: the window's import and
    // --names decode it alike, leave out the same lines and keep each name once ignoring case.
    void sameNamesFileSameList() {
        QFETCH(std::string, file);
        QFETCH(Strings, names);
        QFETCH(std::string, saying);
        StartedProgram program;
        program.chooseDestination("f:\\Out");
        dirforge::testing::ScriptImport(program, "g:\\names.txt", file);
        program.prompt.expect(
            "Creating Folder(s).-From a String List.           Warning no: 20051.",
            MessageKind::Warning);
        program.click("btnVol02SmartImport");
        VERIFY_SCRIPTS_DONE(program);
        Strings window = program.page().includeList().entries();
        std::sort(window.begin(), window.end());

        TempDrives batchDrives;
        batchDrives.makeFile("g:\\names.txt", file);
        batchDrives.makeFolder("f:\\Out");
        const CliResult batch = RunCli(batchDrives, {"strings", "--dest", "f:\\Out", "--names",
                                                     "g:\\names.txt", "--simulate", "--json"});
        QCOMPARE(batch.status, 0);
        Strings cli;
        const nlohmann::json report = batch.json();
        for (const char* list : {"foldersCreated", "foldersOther"}) // every target it was given
            for (const nlohmann::json& target : report.at("lists").at(list))
                cli.push_back(target.get<std::string>().substr(std::string("f:\\Out\\").size()));
        std::sort(cli.begin(), cli.end());
        QCOMPARE(window, names);
        QCOMPARE(cli, window);
        QVERIFY2(batch.err.find(saying) != std::string::npos, batch.err.c_str());
        if (saying.find("Windows") != std::string::npos) {
            const auto& shown = program.prompt.shown();
            QVERIFY(std::any_of(shown.begin(), shown.end(), [&](const auto& message) {
                return message.title.find("0450") != std::string::npos &&
                       message.text.find(saying) != std::string::npos;
            }));
        }
    }

    // A spreadsheet's rows, some columns quoted around the delimiter: the window's import under a
    // pattern of columns and --columns give the same names and leave out the same rows.
    void sameColumnsFileSameList() {
        const char* const companies[] = {"Abbott Ltd", "\"Baker, Sons and Co\"", "Carter Group",
                                         " \"Dale Foods\" "};
        const char* const shownCompanies[] = {"Abbott Ltd", "Baker, Sons and Co", "Carter Group",
                                              "Dale Foods"};
        const char* const towns[] = {"Leeds", "\"York, North\"", " Hull "};
        const char* const shownTowns[] = {"Leeds", "York, North", "Hull"};
        std::string file = "\xEF\xBB\xBF";
        Strings names;
        for (int row = 0; row < 1000; ++row) {
            const std::string number = std::to_string(1001 + row);
            file += number + "," + companies[row % 4] + "," + towns[row % 3] + "\r\n";
            names.push_back(number + " " + shownCompanies[row % 4] + " (" + shownTowns[row % 3] +
                            ")");
        }
        file += "2001,Nobody\r\n2002,,Leeds\r\n2003,\"\",Hull\r\n";
        std::sort(names.begin(), names.end());
        QCOMPARE(names.front(), std::string("1001 Abbott Ltd (Leeds)"));
        const std::string leftOut = "3 rows lacking a column of the pattern were left out.";

        StartedProgram program;
        program.chooseDestination("f:\\Out");
        dirforge::testing::ScriptColumnsImport(program, "g:\\clients.csv", file,
                                               QStringLiteral("{1} {2} ({3})"));
        program.prompt.expect(
            "Creating Folder(s).-From a String List.           Warning no: 20051.",
            MessageKind::Warning);
        program.click("btnVol02SmartImport");
        VERIFY_SCRIPTS_DONE(program);
        Strings window = program.page().includeList().entries();
        std::sort(window.begin(), window.end());
        const auto& shown = program.prompt.shown();
        QVERIFY(std::any_of(shown.begin(), shown.end(), [&](const auto& message) {
            return message.title.find("0451") != std::string::npos &&
                   message.text.find("\n" + leftOut) != std::string::npos;
        }));

        TempDrives batchDrives;
        batchDrives.makeFile("g:\\clients.csv", file);
        batchDrives.makeFolder("f:\\Out");
        const CliResult batch =
            RunCli(batchDrives, {"strings", "--dest", "f:\\Out", "--names", "g:\\clients.csv",
                                 "--columns", "{1} {2} ({3})", "--simulate", "--json"});
        QCOMPARE(batch.status, 0);
        Strings cli;
        const nlohmann::json report = batch.json();
        for (const nlohmann::json& target : report.at("lists").at("foldersCreated"))
            cli.push_back(target.get<std::string>().substr(std::string("f:\\Out\\").size()));
        std::sort(cli.begin(), cli.end());
        QCOMPARE(window.size(), std::size_t(1000));
        QCOMPARE(window, names);
        QCOMPARE(cli, window);
        QVERIFY2(batch.err.find(leftOut) != std::string::npos, batch.err.c_str());
    }

    void savedProfileRunByTheCliMatchesThePage_data() {
        QTest::addColumn<Scenario>("scenario");
        QTest::newRow("attach nothing")
            << Scenario{{"A", "b/c", "Old"}, Attach::Nothing, {}, false};
        QTest::newRow("existing structure, main folder with files")
            << Scenario{{"A", "B", "Old"}, Attach::ExistingWithFiles, {}, false};
        QTest::newRow("text templates")
            << Scenario{{"A", "Old"}, Attach::Templates, {"\\Docs\\In", "\\Mail"}, false};
    }

    // The page's set-up saved by File > Save Profile and run by `dirforge-cli strings --profile`.
    void savedProfileRunByTheCliMatchesThePage() {
        QFETCH(Scenario, scenario);
        StartedProgram program;
        Seed(program.drives);
        PreparePage(program, scenario);
        const std::string profile =
            "c:" + program.drives.hostRoot() + "/work.set"; // on no drive the trees compare
        program.dialogs.answerSave(profile);
        program.window().findChild<QAction*>("SaveProfile1")->trigger();

        const std::size_t runMessages = program.prompt.shown().size();
        program.prompt.expect(kCreateQuestion, MessageKind::Question, PromptButton::Yes);
        program.prompt.expect(kArea + "Information no: 20053.", MessageKind::Information);
        program.click("btnVol02CreateFolders");
        QVERIFY2(program.prompt.satisfied(), program.prompt.describe().c_str());

        TempDrives batchDrives;
        Seed(batchDrives);
        std::ofstream(batchDrives.hostRoot() + "/work.set", std::ios::binary)
            << program.drives.readText(profile);
        const nlohmann::json report =
            RunBatch(batchDrives, {"strings", "--profile", "work.set", "--json"});
        QVERIFY(report.is_object());
        QStringList differences = Differences(program, report);
        differences << MessageDifferences(program, runMessages, report)
                    << TreeDifferences(program.drives, batchDrives);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestStringsPageVersusCli)
#include "TestStringsPageVersusCli.moc"
