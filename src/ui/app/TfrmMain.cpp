#include "ui/app/TfrmMain.h"

#include "core/CaseFold.h"
#include "core/TextRules.h"
#include "settings/SettingsFile.h"
#include "ui/app/AppContext.h"
#include "ui/app/AppInfo.h"
#include "ui/app/WorkingFolders.h"
#include "ui/common/ScreenFit.h"
#include "ui/common/TooltipDuration.h"
#include "ui/common/WindowStyle.h"
#include "ui/pages/ComposedPage.h"
#include "ui/pages/CreationPage.h"
#include "ui/pages/run/PageJournal.h"
#include "ui/pages/run/PageRunPanel.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWindow>

namespace dirforge::ui {

namespace {

// One tab of the main window: its page, control name and caption.
struct TabSheet {
    engine::PageKind kind;
    const char* objectName;
    const char* caption;
};

// The order of the tabs.
constexpr std::array<TabSheet, 3> kTabSheets = {{
    {engine::PageKind::Strings, "tabCreateFolderStrings", "Create Multiple Folders Using Strings"},
    {engine::PageKind::Paths, "tabCreateFolderFolders", "Create Multiple Folders Using Paths"},
    {engine::PageKind::Numbers, "tabCreateFolderIncreasedNumbers",
     "Create Multiple Folders Using Increased Numbers"},
}};

constexpr const char* kProfileFilter = "Profiles (*.set);;All Files (*)";
constexpr const char* kProfileTitle = "Save Profile.            Warning no: 0141.";
constexpr const char* kOpenProfileTitle = "Open Profile.            Warning no: 0142.";
constexpr const char* kJournalFilter = "Undo journals (*.json);;All Files (*)";
constexpr const char* kUndoSavedTitle = "Undo a Saved Run.";

/// Whether file is the automatic settings file of the startup folder, which profiles never touch.
bool IsAutomaticSettingsPath(const std::string& file, const std::string& startupFolder) {
    return core::EqualsIgnoreCase(core::CollapseBackslashes(file),
                                  settings::ResolveSettingsPath("", startupFolder));
}

} // namespace

TfrmMain::TfrmMain(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kProductName));
    setFont(DefaultFont());
    ApplyBackground(*this);

    buildPageControl();
    buildMenu();

    lstHWNDSeged_ = new QListWidget(this);
    lstHWNDSeged_->setObjectName(QStringLiteral("lstHWNDSeged"));
    lstHWNDSeged_->hide();

    // Not resizable: the window is its menu bar plus the fixed client area, or the screen's
    // available area where that is smaller.
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    fitToScreen(QRect(QPoint(0, 0), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)));
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::buildPageControl() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("pnlClient"));
    client->setFixedSize(kMainClientWidth, kMainClientHeight);

    pgeMain_ = new QTabWidget(client);
    pgeMain_->setObjectName(QStringLiteral("pgeMain"));
    KeepThemeTextColors(*pgeMain_->tabBar());
    for (const TabSheet& tab : kTabSheets) {
        auto* sheet = new QWidget(pgeMain_);
        sheet->setObjectName(QString::fromLatin1(tab.objectName));
        ApplyBackground(*sheet);
        auto* sheetLayout = new QVBoxLayout(sheet);
        sheetLayout->setContentsMargins(0, 0, 0, 0);
        pgeMain_->addTab(sheet, QString::fromLatin1(tab.caption));
        tabSheets_[indexOf(tab.kind)] = sheet;
    }

    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->addWidget(pgeMain_);

    scrClient_ = new QScrollArea(this);
    scrClient_->setObjectName(QStringLiteral("scrClient"));
    scrClient_->setFrameShape(QFrame::NoFrame);
    scrClient_->setWidgetResizable(false);
    scrClient_->setFocusPolicy(Qt::NoFocus); // the controls inside take the Tab stops
    scrClient_->setWidget(client);
    ApplyBackground(*scrClient_->viewport());
    setCentralWidget(scrClient_);
}

void TfrmMain::fitToScreen(const QRect& available) {
    const QSize natural(kMainClientWidth, menuBar()->sizeHint().height() + kMainClientHeight);
    const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    fittedFrame_ = frame;
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrClient_);
    setFixedSize(FittedWindowSize(natural, RoomInside(available, frame), scrollBar));
    if (!isVisible())
        return;
    const QSize frameSize = size().grownBy(frame);
    const QPoint placed = PlacedInside(frameGeometry().topLeft(), frameSize, available);
    if (placed != frameGeometry().topLeft())
        move(placed);
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!followsScreen_ && windowHandle() != nullptr) {
        followsScreen_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen* screen) {
            if (screen != nullptr)
                fitToScreen(screen->availableGeometry());
        });
    }
    if (screen() != nullptr)
        fitToScreen(screen()->availableGeometry());
}

void TfrmMain::buildMenu() {
    QMenuBar* mainMenu = menuBar();
    mainMenu->setObjectName(QStringLiteral("MainMenu1"));
    ApplyMenuBarColors(*mainMenu);

    QMenu* file1 = mainMenu->addMenu(QStringLiteral("&File"));
    file1->setObjectName(QStringLiteral("File1"));
    // The long hints show instead (event()); the short ones would only repeat the captions.
    file1->setToolTipsVisible(false);
    QAction* saveProfile = file1->addAction(QStringLiteral("Save Profile..."));
    saveProfile->setObjectName(QStringLiteral("SaveProfile1"));
    ApplyHint(*saveProfile,
              QStringLiteral("Save Profile|Saves the set-up of the three pages to a profile file"));
    saveProfile->setShortcut(QKeySequence::Save);
    connect(saveProfile, &QAction::triggered, this, &TfrmMain::SaveProfile1Click);
    QAction* openProfile = file1->addAction(QStringLiteral("Open Profile..."));
    openProfile->setObjectName(QStringLiteral("OpenProfile1"));
    ApplyHint(
        *openProfile,
        QStringLiteral("Open Profile|Puts the set-up of a profile file into the three pages"));
    openProfile->setShortcut(QKeySequence::Open);
    connect(openProfile, &QAction::triggered, this, &TfrmMain::OpenProfile1Click);
    QAction* undoSaved = file1->addAction(QStringLiteral("Undo a Saved Run..."));
    undoSaved->setObjectName(QStringLiteral("UndoSavedRun1"));
    ApplyHint(*undoSaved,
              QStringLiteral("Undo a Saved Run|Undoes the run an undo journal file records, "
                             "on the page it names"));
    connect(undoSaved, &QAction::triggered, this, &TfrmMain::UndoSavedRun1Click);
    file1->addSeparator();
    QAction* exit1 = file1->addAction(QStringLiteral("E&xit"));
    exit1->setObjectName(QStringLiteral("Exit1"));
    ApplyHint(*exit1, QStringLiteral("Exit|Quits the application"));
    // Ctrl+Q where the desktop's key scheme names no quit key.
    exit1->setShortcuts(QKeySequence::keyBindings(QKeySequence::Quit).isEmpty()
                            ? QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Q)}
                            : QKeySequence::keyBindings(QKeySequence::Quit));
    connect(exit1, &QAction::triggered, this, &TfrmMain::Exit1Click);

    QMenu* help1 = mainMenu->addMenu(QStringLiteral("&Help"));
    help1->setObjectName(QStringLiteral("Help1"));
    QAction* overView = help1->addAction(QStringLiteral("Overview"));
    overView->setObjectName(QStringLiteral("OverView"));
    connect(overView, &QAction::triggered, this, &TfrmMain::OverViewClick);
    QAction* videos = help1->addAction(QStringLiteral("How-to videos online."));
    videos->setObjectName(QStringLiteral("Howtovideosonline1"));
    connect(videos, &QAction::triggered, this, &TfrmMain::Howtovideosonline1Click);
    QAction* about1 = help1->addAction(QStringLiteral("&About..."));
    about1->setObjectName(QStringLiteral("About1"));
    connect(about1, &QAction::triggered, this, &TfrmMain::About1Click);
}

void TfrmMain::setOtherTabsEnabled(engine::PageKind kind, bool enabled) {
    for (const TabSheet& tab : kTabSheets)
        if (tab.kind != kind)
            pgeMain_->setTabEnabled(pgeMain_->indexOf(tabSheets_[indexOf(tab.kind)]), enabled);
}

void TfrmMain::installPage(engine::PageKind kind, ComposedPage* page) {
    QWidget* sheet = tabSheets_[indexOf(kind)];
    page->setParent(sheet);
    sheet->layout()->addWidget(page);
    pages_[indexOf(kind)] = page;
    connect(page, &CreationPage::runLocked, this,
            [this, kind](bool locked) { setOtherTabsEnabled(kind, !locked); });
}

QWidget& TfrmMain::tabSheet(engine::PageKind kind) const {
    return *tabSheets_[indexOf(kind)];
}

ComposedPage* TfrmMain::page(engine::PageKind kind) const {
    return pages_[indexOf(kind)];
}

void TfrmMain::FormCreate() {
    // Tooltips stay up ten minutes. The help is built into the program's windows, so there is
    // no help file to register.
    TooltipDuration::installOnApplication(kHintDisplayTimeMs);
    context_.rememberStartupFolder();
    // May replace the application identifier and the startup folder with stored values, so the
    // working folders below go where the settings say.
    context_.loadSettingsStore();
    CreateWorkingFolders(context_.fileSystem(), context_.startupFolder());
    restorePageJournals();
    // Each page starts empty, its destination history restored with nothing selected.
    for (engine::PageKind kind :
         {engine::PageKind::Strings, engine::PageKind::Numbers, engine::PageKind::Paths}) {
        page(kind)->applyInitialState();
    }
    // The program opens on the strings page.
    pgeMain_->setCurrentWidget(tabSheets_[indexOf(engine::PageKind::Strings)]);
}

void TfrmMain::FormDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    for (CreationPage* creationPage : pages_)
        creationPage->clearLists();
    for (engine::PageRunState& state : runStates_)
        state.results.clearLists();
    lstHWNDSeged_->clear();
    if (!CloseHelpFile(context_.applicationIdentifier())) {
        context_.prompt().show("Unable to activate help !\n\nThe help file could be damaged. "
                               "\n\nE-mail us immediately, please!",
                               "Severe Error!    Msg no: 20001.", platform::MessageKind::Error);
    }
}

void TfrmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

bool TfrmMain::event(QEvent* event) {
    // The window manager tells the frame's size only once the window is framed, which moves it:
    // the fit is made again with the frame as it is.
    if (event->type() == QEvent::Move && isVisible() && windowHandle() != nullptr &&
        screen() != nullptr && windowHandle()->frameMargins() != fittedFrame_)
        fitToScreen(screen()->availableGeometry());
    if (event->type() != QEvent::StatusTip)
        return QMainWindow::event(event);
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(QCursor::pos() + QPoint(16, 8), tip, this);
    return true;
}

void TfrmMain::FormActivate() {
    emit activated();
}

settings::PageSetup TfrmMain::collectSetup() const {
    settings::PageSetup setup;
    setup.templateOptions = context_.templateOptionMap();
    for (const CreationPage* creationPage : pages_)
        creationPage->saveSetup(setup);
    return setup;
}

void TfrmMain::applySetup(const settings::PageSetup& setup) {
    // Every stored record is kept under its stored key, also one that no page reads.
    for (const auto& [key, record] : setup.templateOptions)
        context_.templateOptionMap().insert_or_assign(key, record);
    for (CreationPage* creationPage : pages_)
        creationPage->restoreSetup(setup);
}

void TfrmMain::SaveProfile1Click() {
    const std::optional<std::string> file =
        context_.fileDialogs().saveFileName("Save Profile", kProfileFilter, "profile.set");
    if (!file)
        return;
    if (IsAutomaticSettingsPath(*file, context_.startupFolder())) {
        context_.prompt().warn(
            "\"" + *file +
                "\" is the program's own settings file.\nProfiles never replace it."
                "\n\nAction : Save the profile under another name.",
            kProfileTitle);
        return;
    }
    if (!settings::SaveProfile(collectSetup(), *file, context_.fileSystem()))
        context_.prompt().show(settings::kSaveFailedText, settings::kSaveFailedTitle,
                               platform::MessageKind::Error);
}

void TfrmMain::OpenProfile1Click() {
    const std::optional<std::string> file =
        context_.fileDialogs().openFileName("Open Profile", kProfileFilter);
    if (file)
        openProfile(*file);
}

void TfrmMain::openProfile(const std::string& file) {
    std::string reason;
    const std::optional<settings::PageSetup> setup =
        settings::LoadProfile(file, context_.fileSystem(), reason);
    if (!setup) {
        context_.prompt().warn("The file \"" + file + "\" cannot be used as a profile: " + reason +
                                   ".\n\nNothing was changed.",
                               kOpenProfileTitle);
        return;
    }
    applySetup(*setup);
}

void TfrmMain::restorePageJournals() {
    for (const TabSheet& tab : kTabSheets)
        RestorePageJournal(context_.fileSystem(), context_.drives(),
                           PageJournalPath(context_.startupFolder(), tab.kind), tab.kind,
                           runStates_[indexOf(tab.kind)]);
}

void TfrmMain::UndoSavedRun1Click() {
    const std::optional<std::string> file =
        context_.fileDialogs().openFileName("Undo a Saved Run", kJournalFilter);
    if (!file)
        return;
    std::string error;
    std::optional<engine::RunJournal> journal =
        engine::ReadJournalFile(context_.fileSystem(), *file, error);
    if (journal)
        error = DriveMismatch(*journal, context_.drives());
    else
        error = "\"" + *file + "\" is " + error + ".";
    if (!error.empty()) {
        context_.prompt().warn(error + "\n\nNothing was undone.", kUndoSavedTitle);
        return;
    }
    if (engine::NothingLeftToUndo(*journal)) {
        context_.prompt().inform("\"" + *file + "\" has nothing left to undo.", kUndoSavedTitle);
        return;
    }
    pgeMain_->setCurrentWidget(tabSheets_[indexOf(journal->page)]);
    PageRunPanel& panel = page(journal->page)->runPanel();
    // The page's own journal is the page's Undo: its result store and its file stay one.
    if (core::EqualsIgnoreCase(core::CollapseBackslashes(*file), panel.journalPath())) {
        panel.btnUndoClick();
        return;
    }
    setOtherTabsEnabled(journal->page, false);
    const bool undone = panel.undoJournal(*journal);
    setOtherTabsEnabled(journal->page, true);
    if (undone &&
        !engine::WriteJournalFile(context_.fileSystem(), context_.drives(), *file, *journal))
        context_.prompt().warn(
            "\"" + *file + "\" could not be rewritten with what is left to undo.", kUndoSavedTitle);
}

void TfrmMain::Exit1Click() {
    close();
}

void TfrmMain::OverViewClick() {
    context_.showHelp(HelpTopic::Overview);
}

void TfrmMain::Howtovideosonline1Click() {
    context_.openUserGuide();
}

void TfrmMain::About1Click() {
    context_.showAbout();
}

} // namespace dirforge::ui
