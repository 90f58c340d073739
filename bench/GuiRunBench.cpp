// A real run of 100 000 names driven through the strings page (Attach Nothing, "Show Visual Log"
// checked, the log shown offscreen) against the engine's CreationRun with a null observer on the
// same names. Each run writes into a fresh destination on a drive mapped to /dev/shm when there
// is one (the main disk makes mkdir timings noisy), else to the system's temporary folder.

#include "BenchApplication.h"
#include "BenchRegistry.h"

#include "engine/CreationRun.h"
#include "platform/DriveMap.h"
#include "platform/FolderPicker.h"
#include "platform/HostFileSystem.h"
#include "platform/Prompt.h"
#include "platform/Shell.h"
#include "ui/AppContext.h"
#include "ui/ModalRunner.h"
#include "ui/NameListModel.h"
#include "ui/StringsPage.h"
#include "ui/TfrmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace dirforge;
namespace fs = std::filesystem;

constexpr int kNames = 100000;

class YesPrompt : public platform::Prompt {
public:
    platform::PromptButton show(const std::string&, const std::string&, platform::MessageKind kind) override {
        return kind == platform::MessageKind::Question ? platform::PromptButton::Yes : platform::PromptButton::Ok;
    }
};

class QuietShell : public platform::Shell {
public:
    bool openFolder(const std::string&) override { return true; }
    bool openWebPage(const std::string&) override { return true; }
};

class FixedPicker : public platform::FolderPicker {
public:
    std::string browseForFolder(const std::string&, const std::string&) override { return {}; }
};

/// Accepts every modal window (the level summary) without showing it.
class AcceptingRunner : public ui::ModalRunner {
public:
    int run(QDialog&) override { return 1; }
};

using dirforge::bench::EnsureApplication;

fs::path BenchRoot() {
    const fs::path shm = "/dev/shm";
    const fs::path base = fs::is_directory(shm) ? shm : fs::temp_directory_path();
    return base / ("dirforge-guirun-" + std::to_string(::getpid()));
}

double EngineRun(platform::HostFileSystem& files, const std::vector<std::string>& names, const std::string& destination) {
    YesPrompt prompt;
    QuietShell shell;
    engine::RunObserver none;
    engine::RunRequest request;
    request.names = names;
    request.destination = destination;
    request.attachMode = engine::AttachMode::Nothing;
    request.showExplorer = false;
    engine::PageRunState state;
    const engine::RunServices services{files, prompt, shell, none};
    return bench::secondsOf([&] { engine::CreationRun(request, state, services); });
}

double PageRun(ui::AppContext& context, const std::vector<std::string>& names, const std::string& destination) {
    auto& page = static_cast<ui::StringsPage&>(*context.mainWindow().page(engine::PageKind::Strings));
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
    const fs::path root = BenchRoot();
    fs::create_directories(root / "start");
    const fs::path previous = fs::current_path();
    fs::current_path(root / "start"); // the program writes its settings and working folders here
    {
        platform::DriveMap drives;
        drives.map('f', root.string());
        platform::HostFileSystem files(drives);
        std::vector<std::string> names;
        names.reserve(kNames);
        for (int i = 0; i < kNames; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "N%06d", i);
            names.emplace_back(name);
        }
        YesPrompt prompt;
        QuietShell shell;
        FixedPicker picker;
        AcceptingRunner runner;
        ui::SeamOverrides overrides;
        overrides.prompt = &prompt;
        overrides.shell = &shell;
        overrides.folderPicker = &picker;
        overrides.modalRunner = &runner;
        ui::AppContext context(drives, overrides);
        context.mainWindow().show();

        // Alternate the two so both see the same state of the file system; keep each one's best.
        double engineBest = 1e9, pageBest = 1e9;
        for (int round = 0; round < 2; ++round) {
            engineBest = std::min(engineBest, EngineRun(files, names, "f:\\Engine" + std::to_string(round)));
            pageBest = std::min(pageBest, PageRun(context, names, "f:\\Page" + std::to_string(round)));
        }
        report.value("gui_run_100k_engine_seconds", engineBest);
        report.value("gui_run_100k_page_seconds", pageBest);
        report.value("gui_run_100k_ratio", pageBest / engineBest);
        std::printf("gui_run_100k_folder: %s\n", root.parent_path().string().c_str());
    }
    fs::current_path(previous);
    std::error_code ignored;
    fs::remove_all(root, ignored);
}
