#include "helpers/StartedStringsPage.h"

#include "ui/NameListModel.h"
#include "ui/StringsPage.h"
#include "ui/TfrmMain.h"

#include <QAbstractButton>

namespace dirforge::testing {

StartedStringsPage::StartedStringsPage() {
    restart();
}

void StartedStringsPage::restart() {
    context.reset();
    ui::SeamOverrides overrides;
    overrides.prompt = &prompt;
    overrides.shell = &shell;
    overrides.folderPicker = &picker;
    overrides.fileDialogs = &dialogs;
    overrides.modalRunner = &runner;
    context = std::make_unique<ui::AppContext>(drives.drives(), overrides);
}

StartedStringsPage::~StartedStringsPage() = default;

ui::TfrmMain& StartedStringsPage::window() { return context->mainWindow(); }

ui::StringsPage& StartedStringsPage::page() {
    return static_cast<ui::StringsPage&>(*window().page(engine::PageKind::Strings));
}

void StartedStringsPage::click(const char* name) {
    auto* button = find<QAbstractButton>(name);
    if (button == nullptr)
        qFatal("no button named %s", name);
    button->click();
}

void StartedStringsPage::chooseDestination(const std::string& path) {
    picker.answer(path);
    runner.expect("TfrmLevelSummFolder");
    click("btnVol02AddDestFolder");
}

void StartedStringsPage::addNames(const std::vector<std::string>& names) {
    page().includeList().addMany(names);
    page().RefreshPageState();
}

} // namespace dirforge::testing
