#pragma once
// The increased-numbers page: one folder per whole number from a start to an end number, framed
// by prefix, hyphens and suffix (the number optionally padded with zeroes to the end number's
// width), created under one destination folder, each new folder receiving the chosen structures.

#include "ui/CreationPage.h"
#include "ui/PageHooks.h"

#include <string>

class QCheckBox;
class QGroupBox;

namespace dirforge::engine {
struct PageRunState;
}

namespace dirforge::ui {

class AppContext;
class AttachGroup;
class DestinationGroup;
class NameListModel;
class NumberRangeGroup;
class PageRunPanel;
class PrefixSuffixGroup;
class TfrmMain;
struct PageRow;

class NumbersPage : public CreationPage, public PageHooks {
    Q_OBJECT
public:
    NumbersPage(AppContext& context, TfrmMain& mainWindow, QWidget* parent = nullptr);

    void ApplyInitialState() override;
    void ClearLists() override;

    /// The structure window, which the structure editor and the benchmarks work on.
    NameListModel& structureList();

    /// Every control but the destination, Clear All, help and Examples on or off; when on, the
    /// checked attach mode's set-up again. "Add Increased Numbers as Suffixes" is unchecked either way.
    void SetPageEnabled(bool flag);
    void UpdateCreateButtons(bool flag) override;
    /// After a structure-window change: "to create" counters, CREATE by the net rule, line count.
    void RefreshPageState() override;
    engine::RunRequest BuildRunRequest() const override;
    /// Focuses the start number field.
    void FocusEntryField() override;
    /// Takes a destination as if browsed or selected.
    void SetDestination(const std::string& path);

    void btnVol03ClearAllClick();

private:
    void BuildLayout(QGroupBox* frame);
    /// The number fields were left: "to create" counters again (may show the free-space refusal).
    void NumbersTaken();

    const PageRow& row_;
    AppContext& context_;
    engine::PageRunState& state_;
    DestinationGroup* destination_ = nullptr;
    NumberRangeGroup* numbers_ = nullptr;
    PrefixSuffixGroup* framing_ = nullptr;
    AttachGroup* attach_ = nullptr;
    QCheckBox* chkAddIncNumbersAsSuffix_ = nullptr;
    PageRunPanel* run_ = nullptr;
};

} // namespace dirforge::ui
