#include "ui/app/AppContext.h"

#include "settings/AutomaticSettings.h"
#include "ui/app/AppInfo.h"
#include "ui/app/TfrmAbout.h"
#include "ui/app/TfrmHelp.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/KeyboardConventions.h"
#include "ui/common/QtText.h"
#include "ui/lists/TfrmEditSmartImport.h"
#include "ui/lists/TfrmFileExport.h"
#include "ui/lists/TfrmFileImport.h"
#include "ui/lists/TfrmFolderStructuresTemplates.h"
#include "ui/lists/TfrmVol02EditIncludeList.h"
#include "ui/lists/TfrmVol04EditIncludeList.h"
#include "ui/lists/TfrmZoomIncludeWindow.h"
#include "ui/pages/numbers/NumbersPage.h"
#include "ui/pages/paths/PathsPage.h"
#include "ui/pages/strings/StringsPage.h"
#include "ui/results/TfrmStatistic.h"
#include "ui/seams/QtFileDialogs.h"
#include "ui/seams/QtFolderPicker.h"
#include "ui/seams/QtPrompt.h"
#include "ui/seams/QtShell.h"
#include "ui/seams/ReportingShell.h"
#include "ui/windows/TfrmExamples.h"
#include "ui/windows/TfrmFolderTemplateOptions.h"
#include "ui/windows/TfrmLevelSummFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace dirforge::ui {

namespace {

template <class Seam> Seam* Choose(Seam* overridden, Seam* real) {
    return overridden != nullptr ? overridden : real;
}

} // namespace

AppContext::AppContext(platform::DriveMap drives, SeamOverrides overrides)
    : hostFiles_(std::move(drives)), qtPrompt_(std::make_unique<QtPrompt>()),
      qtShell_(std::make_unique<QtShell>(hostFiles_.drives())),
      qtFolderPicker_(std::make_unique<QtFolderPicker>(hostFiles_.drives())),
      qtFileDialogs_(std::make_unique<QtFileDialogs>(hostFiles_.drives())),
      fileSystem_(Choose<platform::FileSystem>(overrides.fileSystem, &hostFiles_)),
      prompt_(Choose<platform::Prompt>(overrides.prompt, qtPrompt_.get())),
      shell_(Choose<platform::Shell>(overrides.shell, qtShell_.get())),
      folderPicker_(Choose<platform::FolderPicker>(overrides.folderPicker, qtFolderPicker_.get())),
      fileDialogs_(Choose<platform::FileDialogs>(overrides.fileDialogs, qtFileDialogs_.get())),
      modalRunner_(Choose(overrides.modalRunner, &defaultModalRunner_)),
      userGuide_(
          overrides.userGuide.empty()
              ? FromQt(QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                           .filePath(QString::fromLatin1(kInstalledUserGuide))))
              : overrides.userGuide),
      applicationIdentifier_(kProductName) {
    // Whichever shell is in use, a folder no file manager opened is reported.
    reportingShell_ = std::make_unique<ReportingShell>(*shell_, *prompt_, hostFiles_.drives());
    shell_ = reportingShell_.get();
    // Every window shown from now on gets the desktop's keyboard conventions.
    keyboard_ = std::make_unique<KeyboardConventions>();
    QCoreApplication::instance()->installEventFilter(keyboard_.get());
    // The main window first, so that the seams' dialogs become modal to it and every other window
    // is its child; then every window a page refers to, so that each reference a page holds is
    // valid when it is built; then the start-up steps (which may already show messages).
    mainWindow_ = std::make_unique<TfrmMain>(*this);
    qtPrompt_->setOwner(mainWindow_.get());
    qtFolderPicker_->setOwner(mainWindow_.get());
    qtFolderPicker_->setRunner(modalRunner_);
    qtFileDialogs_->setOwner(mainWindow_.get());
    createWindows();
    createPages();
    mainWindow_->FormCreate();
    createListWindows();
}

AppContext::~AppContext() {
    try {
        mainWindow_->FormDestroy();
    } catch (...) {
        // The program is ending: nothing is left to report it to.
    }
    mainWindow_.reset();
}

void AppContext::createWindows() {
    // Every other window of the program is created here, once, as a child of the main window, and
    // lives until the program ends. Modal ones are shown through modalRunner(), the visual logs
    // non-modally.
    frmHelp_ = new TfrmHelp(mainWindow_.get());
    QObject::connect(frmHelp_, &TfrmHelp::moreHelpRequested, frmHelp_,
                     [this] { openWebPage(kOnlineHelpUrl); });
    frmAbout_ = new TfrmAbout(mainWindow_.get());
    for (engine::PageKind page :
         {engine::PageKind::Strings, engine::PageKind::Paths, engine::PageKind::Numbers}) {
        visualLogs_[static_cast<std::size_t>(page)] =
            new TfrmStatistic(page, *prompt_, mainWindow_.get());
        examplesWindows_[static_cast<std::size_t>(page)] =
            new TfrmExamples(ExamplesPageOf(page), mainWindow_.get());
    }
    QObject::connect(mainWindow_.get(), &TfrmMain::activated, mainWindow_.get(),
                     [this] { RefreshLogModeLabels(visualLogs_); });
    frmLevelSummFolder_ = new TfrmLevelSummFolder(*fileSystem_, *modalRunner_, mainWindow_.get());
    frmFolderTemplateOptions_ =
        new TfrmFolderTemplateOptions(settings_.templateOptions, mainWindow_.get());
    frmFolderTemplateOptions_->setHelpHandler(
        [this](engine::PageKind page) { showTemplateOptionsHelp(page); });
    frmZoomIncludeWindow_ = new TfrmZoomIncludeWindow(*modalRunner_, mainWindow_.get());
    frmFolderStructuresTemplates_ =
        new TfrmFolderStructuresTemplates(drives(), *prompt_, *modalRunner_, mainWindow_.get());
    frmFolderStructuresTemplates_->setHelpHandler([this] { showHelp(HelpTopic::ListEditors); });
}

void AppContext::createPages() {
    stringsPage_ = new StringsPage(*this, mainWindow_->runState(engine::PageKind::Strings));
    pathsPage_ = new PathsPage(*this, mainWindow_->runState(engine::PageKind::Paths));
    numbersPage_ = new NumbersPage(*this, mainWindow_->runState(engine::PageKind::Numbers));
    mainWindow_->installPage(engine::PageKind::Strings, stringsPage_);
    mainWindow_->installPage(engine::PageKind::Paths, pathsPage_);
    mainWindow_->installPage(engine::PageKind::Numbers, numbersPage_);
    frmVol02EditIncludeList_ = new TfrmVol02EditIncludeList(
        stringsPage_->includeList(), stringsPage_->excludeList(), *modalRunner_, mainWindow_.get());
    frmVol02EditIncludeList_->setHelpHandler([this] { showHelp(HelpTopic::ListEditors); });
    frmVol04EditIncludeList_ =
        new TfrmVol04EditIncludeList(pathsPage_->includeList(), pathsPage_->excludeList(), drives(),
                                     *prompt_, *modalRunner_, mainWindow_.get());
    frmVol04EditIncludeList_->setHelpHandler([this] { showHelp(HelpTopic::ListEditors); });
}

void AppContext::createListWindows() {
    // The import and export windows fill their delimiter boxes from the store's shared lists,
    // which loadSettingsStore has read or seeded by now.
    frmFileImport_ = new TfrmFileImport(
        {*fileSystem_, *prompt_, *fileDialogs_, *frmZoomIncludeWindow_, *modalRunner_,
         [this](const std::string& text) { return takeTypedPath(text); }},
        settings_.delimiterList, settings_.quotationMarkList, mainWindow_.get());
    frmFileImport_->setHelpHandler([this] { showHelp(HelpTopic::Import); });
    frmFileImport_->previewEditor().setHelpHandler([this] { showHelp(HelpTopic::ListEditors); });
    frmFileExport_ = new TfrmFileExport({*fileSystem_, *prompt_, *fileDialogs_, *modalRunner_},
                                        settings_.delimiterList, mainWindow_.get());
    // Each visual log's Export hands the chosen result list to the one export window.
    for (TfrmStatistic* log : visualLogs_)
        log->setExporter([this](const std::vector<std::string>& entries, const std::string& kind,
                                engine::FailureReasons causes) {
            frmFileExport_->exportList(entries, kind, std::move(causes));
        });
}

void AppContext::rememberStartupFolder() {
    startupFolder_ = fileSystem_->currentFolder();
}

void AppContext::loadSettingsStore() {
    settings::LoadOrCreateAutomaticSettings(*fileSystem_, startupFolder_, settings_, *prompt_);
    if (!settings_.applicationIdentifier.empty())
        applicationIdentifier_ = settings_.applicationIdentifier;
    // The stored startup folder is where the working folders belong. A settings file copied from
    // another machine, or one whose folder has since been removed, names a folder that is not
    // there; making it (with all its parents) would scatter folders where the program never
    // started, so only an existing folder is taken and otherwise the current one stays.
    if (fileSystem_->folderExists(settings_.startupFolder))
        startupFolder_ = settings_.startupFolder;
    else
        settings_.startupFolder = startupFolder_;
}

platform::TypedPath AppContext::typedPath(const std::string& text) const {
    return platform::TypedPathToDrive(drives(), text, platform::HostHomeFolder());
}

void AppContext::warnUnmappedPath(const std::string& path) {
    prompt_->warn(platform::UnmappedPathMessage(drives(), path), platform::kUnmappedPathTitle);
}

std::optional<std::string> AppContext::takeTypedPath(const std::string& text) {
    platform::TypedPath typed = typedPath(text);
    if (typed.kind == platform::TypedPath::Kind::Unmapped) {
        warnUnmappedPath(text);
        return std::nullopt;
    }
    return std::move(typed.path);
}

void AppContext::showHelp(HelpTopic topic, MoreHelp moreHelp) {
    frmHelp_->prepareTopic(topic, moreHelp);
    modalRunner_->run(*frmHelp_);
}

void AppContext::showTemplateOptionsHelp(engine::PageKind page) {
    frmHelp_->prepareTopic(HelpTopic::TemplateOptions, MoreHelp::Hidden);
    frmHelp_->appendText(TemplateOptionsPageNote(page));
    modalRunner_->run(*frmHelp_);
}

void AppContext::showAbout() {
    modalRunner_->run(*frmAbout_);
}

void AppContext::showExamples(engine::PageKind page) {
    modalRunner_->run(examples(page));
}

void AppContext::openWebPage(const std::string& url) {
    if (shell_->openWebPage(url))
        return;
    prompt_->warn(
        "Unable to open the web page\n" + url +
            "\n\nNo web browser accepted it. Please open the address in your web browser.",
        "Web Page.            Warning no: 0801.");
}

void AppContext::openUserGuide() {
    if (!QFileInfo(ToQt(userGuide_)).isFile()) {
        prompt_->warn("The user guide is not installed:\n" + userGuide_ +
                          "\n\nAction : Install the dirforge package again.",
                      "User Guide.            Warning no: 0803.");
        return;
    }
    openWebPage(FromQt(QUrl::fromLocalFile(ToQt(userGuide_)).toString()));
}

} // namespace dirforge::ui
