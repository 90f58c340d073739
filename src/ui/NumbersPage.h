#pragma once
// The increased-numbers page: one folder per whole number from a start to an end number, framed
// by prefix, hyphens and suffix (the number optionally padded with zeroes to the end number's
// width), created under one destination folder, each new folder receiving the chosen structures.

#include "ui/ComposedPage.h"

#include <string>

class QCheckBox;
class QGroupBox;

namespace dirforge::ui {

class DestinationGroup;
class NumberRangeGroup;

class NumbersPage : public ComposedPage {
    Q_OBJECT
public:
    NumbersPage(AppContext& context, TfrmMain& mainWindow, QWidget* parent = nullptr);

    void ApplyInitialState() override;
    void SaveSetup(settings::PageSetup& setup) const override;
    void RestoreSetup(const settings::PageSetup& setup) override;
    void ClearLists() override;

    /// Every control but the destination, Clear All, help and Examples on or off; when on, the
    /// checked attach mode's set-up again. "Add Increased Numbers as Suffixes" is unchecked either way.
    void SetPageEnabled(bool enabled);
    /// After a structure-window change: "to create" counters, CREATE by the net rule, line count.
    void RefreshPageState() override;
    engine::RunRequest BuildRunRequest() const override;
    /// Focuses the start number field.
    void FocusEntryField() override;
    /// Takes a destination as if browsed or selected.
    void SetDestination(const std::string& path);

    void btnVol03ClearAllClick();

private:
    std::size_t NameCount() const override;
    /// No list to wait for: the numbers are always there (a range the wrong way round is refused by the run).
    bool HasItems() const override { return true; }
    void BuildLayout(QGroupBox* frame);
    /// The number fields were left: "to create" counters again (may show the free-space refusal).
    void NumbersTaken();

    DestinationGroup* destination_ = nullptr;
    NumberRangeGroup* numbers_ = nullptr;
    QCheckBox* chkAddIncNumbersAsSuffix_ = nullptr;
};

} // namespace dirforge::ui
