#pragma once
// The composition root: owns the drive map and file system, the Qt seams, the application-wide
// values and every window of the program (each created once, the main window first).

#include "engine/PageKind.h"
#include "engine/TemplateOptions.h"
#include "platform/DriveMap.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/FolderPicker.h"
#include "platform/HostFileSystem.h"
#include "platform/Prompt.h"
#include "platform/Shell.h"
#include "platform/TypedPaths.h"
#include "settings/SettingsStore.h"
#include "ui/app/HelpTopics.h"
#include "ui/seams/ModalRunner.h"

#include <array>
#include <memory>
#include <string>

namespace dirforge::ui {

class KeyboardConventions;
class QtFileDialogs;
class QtFolderPicker;
class QtPrompt;
class QtShell;
class TfrmAbout;
class TfrmExamples;
class TfrmFileExport;
class TfrmFileImport;
class TfrmFolderStructuresTemplates;
class TfrmFolderTemplateOptions;
class TfrmHelp;
class TfrmLevelSummFolder;
class TfrmMain;
class NumbersPage;
class PathsPage;
class StringsPage;
class TfrmStatistic;
class TfrmVol02EditIncludeList;
class TfrmVol04EditIncludeList;
class TfrmZoomIncludeWindow;

/// Seams a test puts in place of the real ones; a null member keeps the real implementation.
/// Each must outlive the AppContext.
struct SeamOverrides {
    platform::FileSystem* fileSystem = nullptr;
    platform::Prompt* prompt = nullptr;
    platform::Shell* shell = nullptr;
    platform::FolderPicker* folderPicker = nullptr;
    platform::FileDialogs* fileDialogs = nullptr;
    ModalRunner* modalRunner = nullptr;
    /// The user guide's host path; empty keeps the installed one (beside the program file).
    std::string userGuide;
};

class AppContext {
public:
    /// Creates the seams, the main window, the windows the pages use, the pages, then runs the
    /// main window's start-up steps and creates the windows that read the loaded settings.
    explicit AppContext(platform::DriveMap drives = platform::DriveMap::fromEnvironment(),
                        SeamOverrides overrides = {});
    /// Runs the main window's shutdown steps, then destroys every window.
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    const platform::DriveMap& drives() const { return hostFiles_.drives(); }
    platform::FileSystem& fileSystem() { return *fileSystem_; }
    platform::Prompt& prompt() { return *prompt_; }
    platform::Shell& shell() { return *shell_; }
    platform::FolderPicker& folderPicker() { return *folderPicker_; }
    platform::FileDialogs& fileDialogs() { return *fileDialogs_; }
    ModalRunner& modalRunner() { return *modalRunner_; }

    /// A path the user typed, pasted or imported, in drive form (host paths through the drive map).
    platform::TypedPath typedPath(const std::string& text) const;
    /// Warns that a host path lies on no mapped drive, naming the mapped drives.
    void warnUnmappedPath(const std::string& path);
    /// A typed, pasted or dropped path in drive form; a host path on no mapped drive is refused
    /// with that warning (nullopt).
    std::optional<std::string> takeTypedPath(const std::string& text);

    /// The fixed text naming the application (the settings file may replace it).
    const std::string& applicationIdentifier() const { return applicationIdentifier_; }
    /// The process's current folder when the main window was created, in drive form.
    const std::string& startupFolder() const { return startupFolder_; }
    /// Takes the process's current folder as the startup folder.
    void rememberStartupFolder();
    /// Reads the automatic settings file into the settings store, or writes it on a first start;
    /// the application identifier and startup folder then take the stored values.
    void loadSettingsStore();
    /// The application-wide settings store (destination histories, shared lists, template options).
    settings::SettingsStore& settings() { return settings_; }

    TfrmMain& mainWindow() { return *mainWindow_; }
    /// The visual log of a page (non-modal; a run drives it as its observer). The logs are
    /// created before the pages.
    TfrmStatistic& visualLog(engine::PageKind page) {
        return *visualLogs_[static_cast<std::size_t>(page)];
    }
    /// The application-wide template options, keyed by page number (1 paths, 2 strings, 3 numbers).
    engine::MAP_FOLDER_TEMPLATE_OPTIONS& templateOptionMap() { return settings_.templateOptions; }
    /// The template options dialog; its OK stores into templateOptionMap().
    TfrmFolderTemplateOptions& templateOptions() { return *frmFolderTemplateOptions_; }
    /// The level summary window shown before a destination is taken.
    TfrmLevelSummFolder& levelSummary() { return *frmLevelSummFolder_; }
    /// The list windows, shared by the pages: smart import, export, the INCLUDE zoom window.
    TfrmFileImport& fileImport() { return *frmFileImport_; }
    TfrmFileExport& fileExport() { return *frmFileExport_; }
    TfrmZoomIncludeWindow& zoomInclude() { return *frmZoomIncludeWindow_; }
    /// The strings page's INCLUDE editor and the structure editor of every page.
    TfrmVol02EditIncludeList& stringsIncludeEditor() { return *frmVol02EditIncludeList_; }
    /// The paths page's INCLUDE editor.
    TfrmVol04EditIncludeList& pathsIncludeEditor() { return *frmVol04EditIncludeList_; }
    TfrmFolderStructuresTemplates& structureEditor() { return *frmFolderStructuresTemplates_; }

    /// Shows the general help window modally with the topic's text.
    void showHelp(HelpTopic topic, MoreHelp moreHelp = MoreHelp::Hidden);
    /// The template options' help for one page.
    void showTemplateOptionsHelp(engine::PageKind page);
    /// Shows the about window modally.
    void showAbout();
    /// Shows the page's examples window modally.
    void showExamples(engine::PageKind page);
    /// The page's examples window (created once, kept between openings).
    TfrmExamples& examples(engine::PageKind page) {
        return *examplesWindows_[static_cast<std::size_t>(page)];
    }
    /// Opens a web page of the product; a page that cannot be opened is reported.
    void openWebPage(const std::string& url);
    /// Opens the user guide in the desktop's viewer; a guide that is not installed is reported.
    void openUserGuide();

private:
    /// The windows the pages use, each created once and kept until the end.
    void createWindows();
    /// The three pages in their tab sheets, then the INCLUDE editors bound to their lists.
    void createPages();
    /// The import and export windows, which fill their boxes from the loaded settings.
    void createListWindows();

    platform::HostFileSystem hostFiles_;
    std::unique_ptr<KeyboardConventions> keyboard_;
    std::unique_ptr<QtPrompt> qtPrompt_;
    std::unique_ptr<QtShell> qtShell_;
    std::unique_ptr<QtFolderPicker> qtFolderPicker_;
    std::unique_ptr<QtFileDialogs> qtFileDialogs_;
    std::unique_ptr<platform::Shell> reportingShell_;
    ModalRunner defaultModalRunner_;

    platform::FileSystem* fileSystem_;
    platform::Prompt* prompt_;
    platform::Shell* shell_;
    platform::FolderPicker* folderPicker_;
    platform::FileDialogs* fileDialogs_;
    ModalRunner* modalRunner_;

    std::string userGuide_;
    std::string applicationIdentifier_;
    std::string startupFolder_;
    settings::SettingsStore settings_;

    std::unique_ptr<TfrmMain> mainWindow_;
    // Owned by the main window (their parent), so they close with it.
    TfrmHelp* frmHelp_ = nullptr;
    TfrmAbout* frmAbout_ = nullptr;
    std::array<TfrmStatistic*, 3> visualLogs_{};     // by PageKind
    std::array<TfrmExamples*, 3> examplesWindows_{}; // by PageKind
    TfrmLevelSummFolder* frmLevelSummFolder_ = nullptr;
    TfrmFolderTemplateOptions* frmFolderTemplateOptions_ = nullptr;
    TfrmZoomIncludeWindow* frmZoomIncludeWindow_ = nullptr;
    TfrmFileImport* frmFileImport_ = nullptr;
    TfrmFileExport* frmFileExport_ = nullptr;
    TfrmVol02EditIncludeList* frmVol02EditIncludeList_ = nullptr;
    TfrmVol04EditIncludeList* frmVol04EditIncludeList_ = nullptr;
    TfrmFolderStructuresTemplates* frmFolderStructuresTemplates_ = nullptr;
    StringsPage* stringsPage_ = nullptr;
    PathsPage* pathsPage_ = nullptr;
    NumbersPage* numbersPage_ = nullptr;
};

} // namespace dirforge::ui
