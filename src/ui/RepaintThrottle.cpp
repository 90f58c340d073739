#include "ui/RepaintThrottle.h"

#include <QCoreApplication>

namespace dirforge::ui {

namespace {
constexpr qint64 FrameMilliseconds = 16;
}

RepaintThrottle::RepaintThrottle() { sinceRepaint_.start(); }

bool RepaintThrottle::tick() {
    if (sinceRepaint_.elapsed() < FrameMilliseconds)
        return false;
    flush();
    return true;
}

void RepaintThrottle::flush() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceRepaint_.restart();
}

} // namespace dirforge::ui
