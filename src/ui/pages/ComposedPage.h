#pragma once
// What every creation page is made of: its row, its run state, the run panel, the prefix and
// suffix group and the attach group with the structure window, inside the page's captioned
// frame. A page adds its own pieces (destination, lists, numbers) and lays them out. The pieces
// tell the page what happened by Qt signals, which the page connects to its own rules.

#include "settings/PageChoices.h"
#include "ui/pages/CreationPage.h"
#include "ui/pages/PageQueries.h"
#include "ui/pages/PrefixSuffixGroup.h"

#include <QString>

#include <cstddef>

class QGroupBox;

namespace dirforge::engine {
struct PageRunState;
}

namespace dirforge::ui {

class AppContext;
class AttachGroup;
class NameListModel;
class PageRunPanel;
struct PageRow;

class ComposedPage : public CreationPage, public RunRequestSource {
    Q_OBJECT
public:
    /// The structure window, which the structure editor and the benchmarks work on.
    NameListModel& structureList();
    /// The run buttons, the progress row and the page's journal.
    PageRunPanel& runPanel() const { return *run_; }
    /// The refresh after every list change: enabling, "to create" counters, "Lines:" counters.
    virtual void RefreshPageState() = 0;
    /// CREATE and Simulation by the attach group's net rule, given the requested state and
    /// whether there is anything to create.
    void UpdateCreateButtons(bool requested);
    /// The page's entry field gets the focus (after a pair operation or an import).
    virtual void focusEntryField() = 0;

protected:
    ComposedPage(const PageRow& row, AppContext& context, engine::PageRunState& state,
                 QWidget* parent);

    /// How many folders the page's names or numbers stand for (the count with Attach Nothing).
    virtual std::size_t nameCount() const = 0;
    /// Whether CREATE may wait for nothing but the attach rule: the page has names or numbers.
    virtual bool hasItems() const { return nameCount() > 0; }

    /// The page's captioned frame (grpVol0XCreateFolders), filling the page; the page lays its
    /// pieces out in it.
    QGroupBox* addFrame(const QString& caption);
    /// The run request's shared part: page kind, framing, attach mode and structures, the two
    /// "Show" boxes and the template options.
    engine::RunRequest sharedRequest() const;
    /// Clear All's own part of the page: its destination, lists or number range.
    virtual void clearOwnPieces() = 0;
    /// The page's enabling rule for its list, framing and option groups.
    virtual void SetPageEnabled(bool enabled) = 0;
    /// The shared pieces' set-up, as a profile keeps it.
    settings::PageChoices sharedChoices() const;
    /// A profile's shared set-up into the pieces; the page runs its enabling rules after.
    void restoreSharedChoices(const settings::PageChoices& choices);

    const PageRow& row_;
    AppContext& context_;
    engine::PageRunState& state_;
    PageRunPanel* run_ = nullptr;
    PrefixSuffixGroup* framing_ = nullptr;
    AttachGroup* attach_ = nullptr;

private:
    /// Clear All, asked first: the page's own pieces, then the framing, the attach group, the
    /// "Show" boxes and the result lists; the page is disabled as at start.
    void clearAll();
    /// The run panel's and the attach group's signals to the page's rules.
    void connectSharedPieces();
};

} // namespace dirforge::ui
