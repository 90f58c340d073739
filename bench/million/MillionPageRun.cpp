// A real run of 1 000 000 names through the strings page, "Show Visual Log" checked and the log
// shown offscreen, in a process of its own so that its peak resident memory is its alone.
// Prints `million_page_seconds: S`, `million_page_created: N` and `million_page_peak_rss_mb: M`.
// The arguments: the host folder to work in (mapped as f:), and optionally another number of names.

#include "BenchApplication.h"
#include "BenchSeams.h"

#include "platform/DriveMap.h"
#include "platform/FolderPicker.h"
#include "ui/app/AppContext.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/strings/StringsPage.h"
#include "ui/seams/ModalRunner.h"

#include <QAbstractButton>
#include <QCheckBox>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace dirforge;
using bench::AcceptingRunner;
using bench::NoPicker;

constexpr int kNames = 1000000;

/// A memory figure of /proc/self/status in MB ("VmHWM:" the peak, "VmRSS:" the current).
double MemoryMb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s HOST-FOLDER [NAMES]\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    const int count = argc == 3 ? std::atoi(argv[2]) : kNames;
    const fs::path root = argv[1];
    fs::create_directories(root / "start");
    fs::current_path(root / "start"); // the program's settings and working folders
    bench::EnsureApplication();
    platform::DriveMap drives;
    drives.map('f', root.string());

    bench::YesPrompt prompt;
    bench::QuietShell shell;
    NoPicker picker;
    AcceptingRunner runner;
    ui::SeamOverrides overrides;
    overrides.prompt = &prompt;
    overrides.shell = &shell;
    overrides.folderPicker = &picker;
    overrides.modalRunner = &runner;
    ui::AppContext context(drives, overrides);
    ui::TfrmMain& window = context.mainWindow();
    window.show();

    auto& page = static_cast<ui::StringsPage&>(*window.page(engine::PageKind::Strings));
    page.SetDestination("f:\\Million");
    {
        std::vector<std::string> names;
        names.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "N%07d", i);
            names.emplace_back(name);
        }
        page.includeList().addMany(names);
    }
    page.RefreshPageState();
    window.findChild<QAbstractButton*>("rdoVol02AttachNothing")->click();
    window.findChild<QCheckBox*>("chkVol02ViewDetailedResults")->setChecked(true);
    window.findChild<QCheckBox*>("chkVol02ViewDestFolder")->setChecked(false);
    auto* create = window.findChild<QAbstractButton*>("btnVol02CreateFolders");
    std::printf("million_page_rss_before_run_mb: %.3f\n", MemoryMb("VmRSS:"));
    const auto start = std::chrono::steady_clock::now();
    create->click();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("million_page_seconds: %.3f\n", seconds);
    std::printf("million_page_created: %zu\n",
                window.runState(engine::PageKind::Strings).results.FoldersCreated.size());
    std::printf("million_page_peak_rss_mb: %.3f\n", MemoryMb("VmHWM:"));
    std::fflush(stdout);
    std::_Exit(0); // the bench drive's million folders are removed by the caller
}
