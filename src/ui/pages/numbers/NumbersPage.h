#pragma once
// The increased-numbers page: one folder per whole number from a start to an end number, framed
// by prefix, hyphens and suffix (the number optionally padded with zeroes to the end number's
// width), created under one destination folder, each new folder receiving the chosen structures.

#include "ui/pages/ComposedPage.h"

#include <string>

class QCheckBox;
class QGroupBox;

namespace dirforge::ui {

class DestinationGroup;
class NumberRangeGroup;

class NumbersPage : public ComposedPage {
    Q_OBJECT
public:
    NumbersPage(AppContext& context, engine::PageRunState& state, QWidget* parent = nullptr);

    void applyInitialState() override;
    void saveSetup(settings::PageSetup& setup) const override;
    void restoreSetup(const settings::PageSetup& setup) override;
    void clearLists() override;

    /// Every control but the destination, Clear All, help and Examples on or off; when on, the
    /// checked attach mode's set-up again. "Add Increased Numbers as Suffixes" is unchecked either
    /// way.
    void SetPageEnabled(bool enabled) override;
    /// After a structure-window change: "to create" counters, CREATE by the net rule, line count.
    void RefreshPageState() override;
    engine::RunRequest buildRunRequest() const override;
    /// Focuses the start number field.
    void focusEntryField() override;
    /// Takes a destination as if browsed or selected.
    void SetDestination(const std::string& path);

private:
    void clearOwnPieces() override;
    std::size_t nameCount() const override;
    /// No list to wait for: the numbers are always there (a range the wrong way round is refused by
    /// the run).
    bool hasItems() const override { return true; }
    void buildLayout(QGroupBox* frame);
    /// The number fields were left: "to create" counters again (may show the free-space refusal).
    void numbersTaken();

    DestinationGroup* destination_ = nullptr;
    NumberRangeGroup* numbers_ = nullptr;
    QCheckBox* chkAddIncNumbersAsSuffix_ = nullptr;
};

} // namespace dirforge::ui
