#pragma once
// What a page's shared pieces ask of the page they sit on.

#include "engine/RunRequest.h"

namespace dirforge::ui {

/// The page operations the pieces call after their own work (the enabling rules and counters).
class PageHooks {
public:
    virtual ~PageHooks() = default;
    /// The refresh after every list change: enabling, "to create" counters, "Lines:" counters.
    virtual void RefreshPageState() = 0;
    /// CREATE and Simulation by the page's net rule; requested is their state when the rule
    /// leaves it open (every attach radio off).
    virtual void UpdateCreateButtons(bool requested) = 0;
    /// What the next run would be given, read from the page's controls.
    virtual engine::RunRequest buildRunRequest() const = 0;
    /// The page's entry field gets the focus (after a pair operation or an import).
    virtual void focusEntryField() = 0;
};

} // namespace dirforge::ui
