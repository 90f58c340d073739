#include "ui/common/RepaintThrottle.h"

#include <QCoreApplication>

namespace dirforge::ui {

namespace {

/// About 30 frames a second: smooth enough for counters and a growing list, and half the
/// painting of 60 on a long run, which the run's own work then gets.
constexpr qint64 FrameMilliseconds = 33;

/// One frame clock for the UI thread: since events were last processed by any throttle.
QElapsedTimer& SinceFrame() {
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer;
}

bool inputFiltered = false;

} // namespace

RepaintThrottle::RepaintThrottle() {
    SinceFrame();
}

bool RepaintThrottle::tick() {
    if (SinceFrame().elapsed() < FrameMilliseconds)
        return false;
    flush();
    return true;
}

void RepaintThrottle::flush() {
    QCoreApplication::processEvents(inputFiltered ? QEventLoop::AllEvents
                                                  : QEventLoop::ExcludeUserInputEvents);
    SinceFrame().restart();
}

void RepaintThrottle::setInputFiltered(bool filtered) {
    inputFiltered = filtered;
}

} // namespace dirforge::ui
