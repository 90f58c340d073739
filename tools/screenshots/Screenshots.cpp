// Takes the pictures in docs/images: the program on a small demo tree (drives f: and g: on a
// temporary folder), driven through its controls by objectName the way a user would, each
// window grabbed as it stands. Run it under Xvfb: `make screenshots`.
//
// The pictures follow the user guide's three tasks: one folder per client from a CSV file with
// a copied template tree; a year of numbered monthly folders with template subfolders; checking
// a run's result and undoing it. The paths page, an examples window and the CSV file imported
// under a pattern of columns come last.
#include "helpers/DarkScheme.h"
#include "helpers/StartedProgram.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/numbers/NumbersPage.h"
#include "ui/pages/strings/StringsPage.h"
#include "ui/results/TfrmStatistic.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <cstdio>
#include <string>
#include <vector>

using dirforge::engine::PageKind;
using dirforge::testing::StartedProgram;

namespace {

/// Saves pictures of widgets into one folder and remembers what it could not save.
class Camera {
public:
    /// The folder is taken from the current folder now, before the program moves it.
    explicit Camera(const QString& folder) : folder_(QDir(folder).absolutePath()) {
        QDir().mkpath(folder_);
    }

    void shoot(QWidget& widget, const char* name) {
        Settle();
        const QString file = QDir(folder_).filePath(QString::fromLatin1(name) + ".png");
        if (widget.grab().save(file)) {
            std::printf("saved %s\n", qPrintable(file));
        } else {
            std::fprintf(stderr, "could not save %s\n", qPrintable(file));
            ++failures_;
        }
    }
    int failures() const { return failures_; }

    /// Lets pending layout and paint events run before a picture is taken.
    static void Settle() {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
            QTest::qWait(40);
        }
    }

private:
    QString folder_;
    int failures_ = 0;
};

void Press(QWidget& window, const char* name) {
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    if (button == nullptr)
        qFatal("no button named %s in %s", name, qPrintable(window.objectName()));
    button->click();
}

/// A modal window shown the way the user sees it: put on screen, filled, pictured, closed.
int ShowAndShoot(QDialog& dialog, Camera& camera, const char* picture) {
    dialog.show();
    camera.shoot(dialog, picture);
    dialog.hide();
    return QDialog::Accepted;
}

/// Last year's client folders, a template tree for a client, the client list as a CSV file
/// and last year's monthly report folders.
void MakeDemoTree(dirforge::testing::TempDrives& drives) {
    for (const char* client : {"2024-Abbott Ltd", "2024-Baker and Sons", "2024-Carter Design"})
        for (const char* below : {"\\Contracts", "\\Correspondence", "\\Invoices"})
            drives.makeFolder(std::string("f:\\Clients\\") + client + below);
    drives.makeFile("g:\\Templates\\Client\\Contracts\\Contract template.txt",
                    "Contract between ...\n");
    drives.makeFile("g:\\Templates\\Client\\Correspondence\\Letterhead.txt", "Our address ...\n");
    drives.makeFolder("g:\\Templates\\Client\\Invoices");
    drives.makeFile("g:\\Templates\\Notes\\{name} notes.txt", "Client: {name}, {date}\n");
    drives.makeFile("f:\\Data\\clients.csv", "1001,Abbott Ltd,Leeds\n"
                                             "1002,Baker and Sons,York\n"
                                             "1003,Carter Design,Bath\n"
                                             "1004,Dalton Freight,Hull\n"
                                             "1005,Evans Bakery,Derby\n"
                                             "1006,Foster Legal,Ripon\n"
                                             "1007,Green Gardens,Truro\n"
                                             "1008,Harper Studio,Ely\n");
    drives.makeFolder("f:\\Reports\\2025");
}

/// The smart import of f:\\Data\\clients.csv as a separated file under column (a number or a
/// pattern of columns), grabbed as shot; with take, its IMPORT button is pressed too (the
/// window then closes as the page takes the list).
void ImportClients(StartedProgram& program, Camera& camera, const char* column, const char* shot,
                   bool take) {
    program.dialogs.answerOpen("f:\\Data\\clients.csv");
    program.runner.expect("TfrmFileImport", [&camera, column, shot, take](QDialog& dialog) {
        dialog.show();
        Press(dialog, "btnFileImportBrowse");
        Press(dialog, "rdoFileImportSeparatedFile");
        dialog.findChild<QComboBox*>("cboFileImportDelimiter")->setCurrentText(",");
        Press(dialog, "rdoFileImportOneColumn");
        dialog.findChild<QLineEdit*>("edtFileImportColumnNumber")->setText(column);
        Press(dialog, "btnFileImportFrom");
        camera.shoot(dialog, shot);
        dialog.setResult(QDialog::Rejected);
        if (take)
            Press(dialog, "btnFileImportOk");
        dialog.hide();
        return dialog.result();
    });
    program.click("btnVol02SmartImport");
}

/// One folder per client from the CSV file's second column, with the template tree copied
/// into each; "2025-Abbott Ltd" already exists, so the log has something to show there too.
void ClientFolders(StartedProgram& program, Camera& camera) {
    program.drives.makeFolder("f:\\Clients\\2025-Abbott Ltd");
    program.picker.answer("f:\\Clients");
    program.runner.expect("TfrmLevelSummFolder", [&camera](QDialog& dialog) {
        return ShowAndShoot(dialog, camera, "level-summary");
    });
    program.click("btnVol02AddDestFolder");

    ImportClients(program, camera, "2", "smart-import", true);

    program.find<QLineEdit>("edtVol02Prefix")->setText("2025");
    program.click("chkVol02Hyphen");
    program.click("rdoVol02AttachMainFolderWithFiles");
    program.picker.answer("g:\\Templates\\Client");
    program.click("btnVol02AddFolderStructure");
    camera.shoot(program.window(), "strings-page");

    program.click("btnVol02CreateFolders");
    camera.shoot(program.context->visualLog(PageKind::Strings), "visual-log");
}

/// The same CSV file imported under a pattern of columns: one name per row from three columns.
void ColumnPatternImport(StartedProgram& program, Camera& camera) {
    ImportClients(program, camera, "{1} {2} ({3})", "column-pattern", false);
}

/// The run of ClientFolders undone: the log shows what came back out.
void UndoClientFolders(StartedProgram& program, Camera& camera) {
    program.click("btnVol02Undo");
    camera.shoot(program.context->visualLog(PageKind::Strings), "visual-log-undo");
}

/// Last year's client folders completed: the template's files go into the folders that lack
/// them, the other clients' folders are made whole.
void FillInClientFolders(StartedProgram& program, Camera& camera) {
    program.find<QLineEdit>("edtVol02Prefix")->setText("2024");
    program.click("rdoVol02AttachSubFoldersOnlyWithFiles");
    program.click("chkVol02FillExisting");
    program.click("btnVol02CreateFolders");
    camera.shoot(program.context->visualLog(PageKind::Strings), "visual-log-fill-existing");
    program.click("chkVol02FillExisting");
}

/// A structure whose file names the client: simulated, the log lists the names replaced.
void TokensInNames(StartedProgram& program, Camera& camera) {
    program.find<QLineEdit>("edtVol02Prefix")->setText("2026");
    program.click("chkVol02Tokens");
    program.picker.answer("g:\\Templates\\Notes");
    program.click("btnVol02AddFolderStructure");
    program.click("btnVol02CreateFoldersSimulation");
    camera.shoot(program.context->visualLog(PageKind::Strings), "visual-log-tokens");
}

/// Month-01 to Month-12 below f:\Reports\2025, each with three template subfolders.
void MonthlyFolders(StartedProgram& program, Camera& camera) {
    program.find<QTabWidget>("pgeMain")->setCurrentIndex(2);
    program.picker.answer("f:\\Reports\\2025");
    program.runner.expect("TfrmLevelSummFolder");
    program.click("btnVol03AddDestFolder");
    for (const auto& [field, text] :
         {std::pair{"edtVol03StartNumber", "1"}, std::pair{"edtVol03EndNumber", "12"}}) {
        auto* edit = program.find<QLineEdit>(field);
        edit->setText(QString::fromLatin1(text));
        QFocusEvent leave(QEvent::FocusOut);
        QApplication::sendEvent(edit, &leave);
    }
    program.click("chkVol03PaddedZeroes");
    program.find<QLineEdit>("edtVol03Prefix")->setText("Month");
    program.click("chkVol03Hyphen");
    program.click("rdoVol03StructureImportRelativePaths");
    auto& page = static_cast<dirforge::ui::NumbersPage&>(*program.window().page(PageKind::Numbers));
    for (const char* line : {"\\Invoices", "\\Receipts", "\\Bank Statements"})
        page.structureList().add(line);
    page.RefreshPageState();
    camera.shoot(program.window(), "numbers-page");

    program.click("btnVol03CreateFolders");
    camera.shoot(program.context->visualLog(PageKind::Numbers), "visual-log-numbers");
}

/// Full paths on two drives, framed by a suffix.
void PathsPage(StartedProgram& program, Camera& camera) {
    program.find<QTabWidget>("pgeMain")->setCurrentIndex(1);
    for (const char* path :
         {"f:\\Projects\\Alpha\\Design", "f:\\Projects\\Alpha\\Build", "f:\\Projects\\Beta\\Design",
          "g:\\Archive\\2025\\Alpha", "g:\\Archive\\2025\\Beta"}) {
        program.find<QLineEdit>("edtVol04AddToList")->setText(QString::fromLatin1(path));
        program.click("btnVol04AddToList");
    }
    program.find<QLineEdit>("edtVol04Suffix")->setText("2025");
    program.click("chkVol04Hyphen");
    program.click("rdoVol04AttachNothing");
    camera.shoot(program.window(), "paths-page");
}

void ExamplesWindow(StartedProgram& program, Camera& camera) {
    program.find<QTabWidget>("pgeMain")->setCurrentIndex(0);
    program.runner.expect("TfrmDriveSelect", [&camera](QDialog& dialog) {
        return ShowAndShoot(dialog, camera, "examples");
    });
    program.click("btnVol02Examples");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    // DIRFORGE_SCREENSHOT_SCHEME=dark pictures the windows on a dark desktop.
    if (qgetenv("DIRFORGE_SCREENSHOT_SCHEME") == "dark")
        dirforge::testing::UseDarkScheme();
    Camera camera(QString::fromLocal8Bit(argv[1]));
    StartedProgram program;
    program.prompt.answerEverything(true);
    MakeDemoTree(program.drives);
    program.window().show();
    program.window().activateWindow();

    ClientFolders(program, camera);
    UndoClientFolders(program, camera);
    FillInClientFolders(program, camera);
    TokensInNames(program, camera);
    MonthlyFolders(program, camera);
    PathsPage(program, camera);
    ExamplesWindow(program, camera);
    ColumnPatternImport(program, camera);

    for (const auto& message : program.prompt.shown())
        std::printf("message: %s\n  %s\n", message.title.c_str(), message.text.c_str());
    if (!program.runner.satisfied()) {
        std::fprintf(stderr, "windows: %s\n", qPrintable(program.runner.describe()));
        return 1;
    }
    return camera.failures() == 0 ? 0 : 1;
}
