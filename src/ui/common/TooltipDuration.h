#pragma once
// Keeps every tooltip of the application up for a fixed time. Qt has no application-wide
// setting, so this filter gives each widget the time when it is polished (before it is first
// shown); a widget that chose its own duration keeps it.

#include <QObject>

namespace dirforge::ui {

/// How long a tooltip stays up: 10 minutes, long enough to read the longest hint.
inline constexpr int kHintDisplayTimeMs = 600000;

class TooltipDuration : public QObject {
    Q_OBJECT
public:
    /// Installs itself on the running application as a child of it.
    static void installOnApplication(int msec = kHintDisplayTimeMs);

    explicit TooltipDuration(int msec, QObject* parent = nullptr);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int msec_;
};

} // namespace dirforge::ui
