#pragma once
// What the main window asks of each of its three creation pages. A page class derives from this
// and is put into its tab sheet by the composition root (AppContext).

#include "settings/Profile.h"

#include <QWidget>

namespace dirforge::ui {

class CreationPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    /// Start-up: "to create" counters 0, destination history restored with nothing selected,
    /// list and option groups disabled, "Lines:" counters "0", lists scrolled to 3000 pixels.
    virtual void applyInitialState() = 0;
    /// Exit: empties the page's lists and its result lists.
    virtual void clearLists() = 0;
    /// Writes the page's controls, lists, structures and destination history into a profile.
    virtual void saveSetup(settings::PageSetup& setup) const = 0;
    /// Puts a profile's values into the page's controls and applies the page's enabling rules
    /// (a page with a destination becomes usable).
    virtual void restoreSetup(const settings::PageSetup& setup) = 0;

signals:
    /// A run, simulation or undo of this page starts (true) or has returned (false): the other
    /// pages' tabs are off meanwhile.
    void runLocked(bool locked);
};

} // namespace dirforge::ui
