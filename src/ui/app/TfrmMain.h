#pragma once
// The main window: the page control with the three creation pages, the menu bar, and the
// start-up, activation and shutdown steps of the program.

#include "engine/PageKind.h"
#include "engine/PageRunState.h"
#include "settings/Profile.h"

#include <QMainWindow>
#include <QMargins>

#include <array>

class QListWidget;
class QScrollArea;
class QTabWidget;

namespace dirforge::ui {

class AppContext;
class ComposedPage;

/// Size of the client area below the menu bar; the window cannot be resized. Where the screen
/// cannot hold it, the window is cut to the screen and the client area scrolls inside.
inline constexpr int kMainClientWidth = 999;
inline constexpr int kMainClientHeight = 642;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    /// Builds the window, its menus and pages; FormCreate then runs the start-up steps.
    explicit TfrmMain(AppContext& context);
    ~TfrmMain() override;

    /// Start-up steps 1 to 7, in order (called once by the composition root).
    void FormCreate();
    /// Shutdown steps: empties the lists, closes the help file. Runs once.
    void FormDestroy();

    /// The tab sheet a page lives in.
    QWidget& tabSheet(engine::PageKind kind) const;
    /// The page put into a tab sheet (every page is installed before the start-up steps run).
    ComposedPage* page(engine::PageKind kind) const;
    /// Puts a page into its tab sheet, filling it; while the page runs the other tabs are off.
    void installPage(engine::PageKind kind, ComposedPage* page);
    /// A page's run state (result store, last attach mode and destination, structure totals),
    /// kept from start to exit whether or not the page is built.
    engine::PageRunState& runState(engine::PageKind kind) { return runStates_[indexOf(kind)]; }
    /// Every page's set-up as a profile keeps it (with the application's template options).
    settings::PageSetup collectSetup() const;
    /// Puts a profile into every page and the template options.
    void applySetup(const settings::PageSetup& setup);
    /// Opens a profile file (drive form) as File > Open Profile... does once it is chosen.
    void openProfile(const std::string& file);
    /// Sizes the window to its menu bar plus the client area or, where the available area of its
    /// screen cannot hold that, to the area (the client area then scrolls), and keeps it inside.
    void fitToScreen(const QRect& available);
    /// The scroll area that shows the client area.
    QScrollArea& clientScroll() const { return *scrClient_; }

signals:
    /// The main window became the active window: the visual logs set their mode labels again.
    void activated();

protected:
    void changeEvent(QEvent* event) override;
    /// Fits the window to its screen's available area when shown and when moved to a screen.
    void showEvent(QShowEvent* event) override;
    /// The window has no status bar: a menu item's long hint is shown as a tooltip beside it.
    bool event(QEvent* event) override;

private:
    static std::size_t indexOf(engine::PageKind kind) { return static_cast<std::size_t>(kind); }
    void buildPageControl();
    void buildMenu();
    /// Enables or disables the tabs of the pages other than kind (off while kind runs).
    void setOtherTabsEnabled(engine::PageKind kind, bool enabled);
    void FormActivate();

    void SaveProfile1Click();
    void OpenProfile1Click();
    /// File > Undo a Saved Run...: undoes a journal file (either program's) on the page it names.
    void UndoSavedRun1Click();
    /// Start-up: each page with a pending journal in the working folder gets its Undo back.
    void restorePageJournals();
    void Exit1Click();
    void OverViewClick();
    void Howtovideosonline1Click();
    void About1Click();

    AppContext& context_;
    QScrollArea* scrClient_ = nullptr;
    QTabWidget* pgeMain_ = nullptr;
    std::array<QWidget*, 3> tabSheets_{};           // by PageKind
    std::array<ComposedPage*, 3> pages_{};          // by PageKind
    std::array<engine::PageRunState, 3> runStates_; // by PageKind
    QListWidget* lstHWNDSeged_ = nullptr;
    bool destroyed_ = false;
    bool followsScreen_ = false;
    QMargins fittedFrame_; // the window frame the last fit allowed for
};

} // namespace dirforge::ui
