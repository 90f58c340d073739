#pragma once
// Lets a long list operation on the UI thread repaint the window about 30 times a second.

#include <QElapsedTimer>

namespace dirforge::ui {

/// Call tick() after each entry; it processes pending paint and timer events (never user
/// input) once at least a frame's time has passed since events were last processed by any
/// throttle, so several watchers of one operation share one frame rate.
class RepaintThrottle {
public:
    RepaintThrottle();
    /// Processes pending events when a frame is due; returns true when it did.
    bool tick();
    /// Processes pending events now (at the end of an operation).
    void flush();

    /// While set, user input is processed too, for an input filter to drop all of it but Stop.
    static void setInputFiltered(bool filtered);
};

} // namespace dirforge::ui
