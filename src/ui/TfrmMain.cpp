#include "ui/TfrmMain.h"

#include "ui/AppContext.h"
#include "ui/AppInfo.h"
#include "ui/CreationPage.h"
#include "ui/NumbersPage.h"
#include "ui/PathsPage.h"
#include "ui/StringsPage.h"
#include "ui/TooltipDuration.h"
#include "ui/WindowStyle.h"
#include "ui/WorkingFolders.h"

#include <QAction>
#include <QEvent>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace dirforge::ui {

namespace {

struct TabSheetSpec {
    engine::PageKind kind;
    const char* objectName;
    const char* caption;
};

// The order of the tabs.
constexpr std::array<TabSheetSpec, 3> kTabSheets = {{
    {engine::PageKind::Strings, "tabCreateFolderStrings", "Create Multiple Folders Using Strings"},
    {engine::PageKind::Paths, "tabCreateFolderFolders", "Create Multiple Folders Using Paths"},
    {engine::PageKind::Numbers, "tabCreateFolderIncreasedNumbers",
     "Create Multiple Folders Using Increased Numbers"},
}};

} // namespace

TfrmMain::TfrmMain(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kProductName));
    setFont(DefaultFont());
    ApplyBackground(*this);

    BuildPageControl();
    BuildMenu();

    lstHWNDSeged_ = new QListWidget(this);
    lstHWNDSeged_->setObjectName(QStringLiteral("lstHWNDSeged"));
    lstHWNDSeged_->hide();

    // Not resizable: the window is exactly its menu bar plus the fixed client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    CreatePages();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::BuildPageControl() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("pnlClient"));
    client->setFixedSize(kMainClientWidth, kMainClientHeight);

    pgeMain_ = new QTabWidget(client);
    pgeMain_->setObjectName(QStringLiteral("pgeMain"));
    for (const TabSheetSpec& spec : kTabSheets) {
        auto* sheet = new QWidget(pgeMain_);
        sheet->setObjectName(QString::fromLatin1(spec.objectName));
        ApplyBackground(*sheet);
        auto* sheetLayout = new QVBoxLayout(sheet);
        sheetLayout->setContentsMargins(0, 0, 0, 0);
        pgeMain_->addTab(sheet, QString::fromLatin1(spec.caption));
        tabSheets_[IndexOf(spec.kind)] = sheet;
    }

    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->addWidget(pgeMain_);
    setCentralWidget(client);
}

void TfrmMain::BuildMenu() {
    QMenuBar* mainMenu = menuBar();
    mainMenu->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file1 = mainMenu->addMenu(QStringLiteral("&File"));
    file1->setObjectName(QStringLiteral("File1"));
    file1->setToolTipsVisible(true);
    QAction* exit1 = file1->addAction(QStringLiteral("E&xit"));
    exit1->setObjectName(QStringLiteral("Exit1"));
    ApplyHint(*exit1, QStringLiteral("Exit|Quits the application"));
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

void TfrmMain::CreatePages() {
    // Each creation page's class is built here and put into its tab sheet. A page reads and writes
    // its run state through runState(kind); the pages are driven by FormCreate (ApplyInitialState)
    // and FormDestroy (ClearLists).
    InstallPage(engine::PageKind::Strings, new StringsPage(context_, *this));
    InstallPage(engine::PageKind::Paths, new PathsPage(context_, *this));
    InstallPage(engine::PageKind::Numbers, new NumbersPage(context_, *this));
}

void TfrmMain::SetOtherTabsEnabled(engine::PageKind kind, bool enabled) {
    for (const TabSheetSpec& spec : kTabSheets)
        if (spec.kind != kind)
            pgeMain_->setTabEnabled(pgeMain_->indexOf(tabSheets_[IndexOf(spec.kind)]), enabled);
}

void TfrmMain::InstallPage(engine::PageKind kind, CreationPage* page) {
    QWidget* sheet = tabSheets_[IndexOf(kind)];
    page->setParent(sheet);
    sheet->layout()->addWidget(page);
    pages_[IndexOf(kind)] = page;
}

QWidget& TfrmMain::tabSheet(engine::PageKind kind) const { return *tabSheets_[IndexOf(kind)]; }

CreationPage* TfrmMain::page(engine::PageKind kind) const { return pages_[IndexOf(kind)]; }

void TfrmMain::FormCreate() {
    // 1. The help is built into the program's windows, so there is no help file to register.
    TooltipDuration::InstallOnApplication(kHintDisplayTimeMs);
    // 2.
    context_.RememberStartupFolder();
    // 3. May replace the application identifier and the startup folder with stored values.
    context_.LoadSettingsStore();
    // 4.
    CreateWorkingFolders(context_.fileSystem(), context_.startupFolder());
    // 5. and 6.
    for (engine::PageKind kind : {engine::PageKind::Strings, engine::PageKind::Numbers,
                                  engine::PageKind::Paths}) {
        if (CreationPage* creationPage = page(kind))
            creationPage->ApplyInitialState();
    }
    // 7.
    pgeMain_->setCurrentWidget(tabSheets_[IndexOf(engine::PageKind::Strings)]);
}

void TfrmMain::FormDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    for (CreationPage* creationPage : pages_) {
        if (creationPage != nullptr)
            creationPage->ClearLists();
    }
    for (engine::PageRunState& state : runStates_)
        state.results.clearLists();
    lstHWNDSeged_->clear();
    if (!CloseHelpFile(context_.applicationIdentifier())) {
        context_.prompt().show(
            "Unable to activate help !\n\nThe help file could be damaged. \n\nE-mail us immediately, please!",
            "Severe Error!    Msg no: 20001.", platform::MessageKind::Error);
    }
}

void TfrmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TfrmMain::FormActivate() { emit activated(); }

void TfrmMain::Exit1Click() { close(); }

void TfrmMain::OverViewClick() { context_.ShowHelp(HelpTopic::Overview); }

void TfrmMain::Howtovideosonline1Click() { context_.OpenWebPage(kVideoPageUrl); }

void TfrmMain::About1Click() { context_.ShowAbout(); }

} // namespace dirforge::ui
