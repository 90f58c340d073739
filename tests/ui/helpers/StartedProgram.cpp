#include "helpers/StartedProgram.h"

#include "ui/app/TfrmMain.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/strings/StringsPage.h"

#include <QAbstractButton>

namespace dirforge::testing {

StartedProgram::StartedProgram(Start when) {
    if (when == Start::Now)
        start();
}

void StartedProgram::start() {
    end();
    ui::SeamOverrides overrides;
    overrides.fileSystem = fileSystem;
    overrides.prompt = &prompt;
    overrides.shell = &shell;
    overrides.folderPicker = &picker;
    overrides.fileDialogs = &dialogs;
    overrides.modalRunner = &runner;
    overrides.userGuide = userGuide;
    context = std::make_unique<ui::AppContext>(drives.drives(), overrides);
}

void StartedProgram::end() {
    context.reset();
}

StartedProgram::~StartedProgram() = default;

ui::TfrmMain& StartedProgram::window() {
    return context->mainWindow();
}

ui::StringsPage& StartedProgram::page() {
    return static_cast<ui::StringsPage&>(*window().page(engine::PageKind::Strings));
}

void StartedProgram::click(const char* name) {
    auto* button = find<QAbstractButton>(name);
    if (button == nullptr)
        qFatal("no button named %s", name);
    button->click();
}

void StartedProgram::chooseDestination(const std::string& path) {
    picker.answer(path);
    runner.expect("TfrmLevelSummFolder");
    click("btnVol02AddDestFolder");
}

void StartedProgram::addNames(const std::vector<std::string>& names) {
    page().includeList().addMany(names);
    page().RefreshPageState();
}

} // namespace dirforge::testing
