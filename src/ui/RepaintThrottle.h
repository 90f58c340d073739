#pragma once
// Lets a long list operation on the UI thread repaint the window about 60 times a second.

#include <QElapsedTimer>

namespace dirforge::ui {

/// Call tick() after each entry; it processes pending paint and timer events (never user
/// input) once at least a frame's time has passed since the last time it did.
class RepaintThrottle {
public:
    RepaintThrottle();
    /// Processes pending events when a frame is due; returns true when it did.
    bool tick();
    /// Processes pending events now (at the end of an operation).
    void flush();

private:
    QElapsedTimer sinceRepaint_;
};

} // namespace dirforge::ui
