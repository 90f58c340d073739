#pragma once
// The strings page set up for window benchmarks: the program started on the benchmark drive
// with quiet seams, and one run of a name list prepared (Attach Nothing, "Show Visual Log"
// checked, "Show Explorer" unchecked). Also the same run through the engine alone.

#include "BenchApplication.h"
#include "BenchSeams.h"

#include "engine/CreationRun.h"
#include "platform/FolderPicker.h"
#include "ui/app/AppContext.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/strings/StringsPage.h"
#include "ui/seams/ModalRunner.h"

#include <QAbstractButton>
#include <QCheckBox>

#include <cstdio>
#include <string>
#include <vector>

namespace dirforge::bench {

/// "N000000" ... as many names as asked for.
inline std::vector<std::string> NumberedNames(int count) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "N%06d", i);
        names.emplace_back(name);
    }
    return names;
}

/// The engine's run of names under destination with Attach Nothing and no observer.
inline void EngineCreate(platform::FileSystem& files, const std::vector<std::string>& names,
                         const std::string& destination, engine::PageRunState& state) {
    YesPrompt prompt;
    QuietShell shell;
    engine::RunObserver none;
    engine::RunRequest request;
    request.names = names;
    request.destination = destination;
    request.attachMode = engine::AttachMode::Nothing;
    request.showExplorer = false;
    state = engine::PageRunState{};
    const engine::RunServices services{files, prompt, shell, none};
    engine::CreationRun(request, state, services);
}

class StringsPageBench {
public:
    explicit StringsPageBench(const platform::DriveMap& drives) : context_(drives, Overrides()) {
        context_.mainWindow().show();
    }

    ui::TfrmMain& window() { return context_.mainWindow(); }
    engine::PageRunState& state() { return window().runState(engine::PageKind::Strings); }
    template <typename Button = QAbstractButton> Button* find(const char* name) {
        return window().findChild<Button*>(name);
    }

    /// Fills the page for a run of names under destination; the caller clicks CREATE.
    void prepare(const std::vector<std::string>& names, const std::string& destination) {
        auto& page = static_cast<ui::StringsPage&>(*window().page(engine::PageKind::Strings));
        page.SetDestination(destination);
        page.includeList().clear();
        page.includeList().addMany(names);
        page.RefreshPageState();
        find("rdoVol02AttachNothing")->click();
        find<QCheckBox>("chkVol02ViewDetailedResults")->setChecked(true);
        find<QCheckBox>("chkVol02ViewDestFolder")->setChecked(false);
    }

private:
    ui::SeamOverrides Overrides() {
        ui::SeamOverrides overrides;
        overrides.prompt = &prompt_;
        overrides.shell = &shell_;
        overrides.folderPicker = &picker_;
        overrides.modalRunner = &runner_;
        return overrides;
    }

    QApplication& application_ = EnsureApplication(); // before any window
    YesPrompt prompt_;
    QuietShell shell_;
    NoPicker picker_;
    AcceptingRunner runner_;
    ui::AppContext context_;
};

} // namespace dirforge::bench
