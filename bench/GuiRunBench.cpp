// A real run of 100 000 names driven through the strings page (Attach Nothing, "Show Visual Log"
// checked, the log shown offscreen) against the engine's CreationRun with a null observer on the
// same names, both writing their journals ahead. Each run writes into a fresh destination on the
// benchmark drive (BenchDrive.h).

#include "BenchApplication.h"
#include "BenchDrive.h"
#include "BenchRegistry.h"
#include "BenchSeams.h"

#include "engine/CreationRun.h"
#include "engine/JournalWriter.h"
#include "platform/DriveMap.h"
#include "platform/FolderPicker.h"
#include "platform/HostFileSystem.h"
#include "platform/Prompt.h"
#include "platform/Shell.h"
#include "ui/app/AppContext.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/strings/StringsPage.h"
#include "ui/seams/ModalRunner.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace dirforge;
namespace fs = std::filesystem;

constexpr int kNames = 100000;

using dirforge::bench::EnsureApplication;

double EngineRun(platform::HostFileSystem& files, const std::vector<std::string>& names,
                 const std::string& destination) {
    bench::YesPrompt prompt;
    bench::QuietShell shell;
    engine::RunObserver none;
    engine::RunRequest request;
    request.names = names;
    request.destination = destination;
    request.attachMode = engine::AttachMode::Nothing;
    request.showExplorer = false;
    engine::PageRunState state;
    // Both runs write their journals ahead: the page its own in the working folder, this one
    // beside its destination, as dirforge-cli --journal does.
    engine::JournalWriter journal(
        files.openAppendFile(destination + ".jsonl", platform::AppendOpen::CreateNew),
        files.drives());
    const engine::RunServices services{files, prompt, shell, none, &journal};
    return bench::secondsOf([&] { engine::CreationRun(request, state, services); });
}

double PageRun(ui::AppContext& context, const std::vector<std::string>& names,
               const std::string& destination) {
    auto& page =
        static_cast<ui::StringsPage&>(*context.mainWindow().page(engine::PageKind::Strings));
    page.SetDestination(destination);
    page.includeList().clear();
    page.includeList().addMany(names);
    page.RefreshPageState();
    ui::TfrmMain& window = context.mainWindow();
    window.findChild<QAbstractButton*>("rdoVol02AttachNothing")->click();
    window.findChild<QCheckBox*>("chkVol02ViewDetailedResults")->setChecked(true);
    window.findChild<QCheckBox*>("chkVol02ViewDestFolder")->setChecked(false);
    auto* create = window.findChild<QAbstractButton*>("btnVol02CreateFolders");
    return bench::secondsOf([&] { create->click(); });
}

} // namespace

DIRFORGE_BENCH(gui_run_100k) {
    EnsureApplication();
    bench::BenchDrive drive("guirun");
    if (!drive.ready())
        return;
    const fs::path root = drive.root();
    fs::create_directories(root / "start");
    const fs::path previous = fs::current_path();
    fs::current_path(root / "start"); // the program writes its settings and working folders here
    {
        platform::HostFileSystem& files = drive.fs();
        std::vector<std::string> names;
        names.reserve(kNames);
        for (int i = 0; i < kNames; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "N%06d", i);
            names.emplace_back(name);
        }
        bench::YesPrompt prompt;
        bench::QuietShell shell;
        bench::NoPicker picker;
        bench::AcceptingRunner runner;
        ui::SeamOverrides overrides;
        overrides.prompt = &prompt;
        overrides.shell = &shell;
        overrides.folderPicker = &picker;
        overrides.modalRunner = &runner;
        ui::AppContext context(drive.drives(), overrides);
        context.mainWindow().show();

        // Alternate the two so both see the same state of the file system; keep each one's best.
        double engineBest = 1e9, pageBest = 1e9;
        for (int round = 0; round < 2; ++round) {
            engineBest =
                std::min(engineBest, EngineRun(files, names, "f:\\Engine" + std::to_string(round)));
            pageBest =
                std::min(pageBest, PageRun(context, names, "f:\\Page" + std::to_string(round)));
        }
        report.value("gui_run_100k_engine_seconds", engineBest);
        report.value("gui_run_100k_page_seconds", pageBest);
        report.value("gui_run_100k_ratio", pageBest / engineBest);
        std::printf("gui_run_100k_folder: %s\n", root.parent_path().string().c_str());
    }
    fs::current_path(previous);
}
