#include "ui/pages/run/BusyInputFilter.h"

#include "ui/common/RepaintThrottle.h"
#include "ui/pages/run/RunProgressRow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace dirforge::ui {

namespace {

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::DragEnter:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

bool IsMouseEvent(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

} // namespace

BusyInputFilter::BusyInputFilter(RunProgressRow& row) : row_(row) {
    qApp->installEventFilter(this);
    RepaintThrottle::setInputFiltered(true);
}

BusyInputFilter::~BusyInputFilter() {
    RepaintThrottle::setInputFiltered(false);
    qApp->removeEventFilter(this);
}

bool BusyInputFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Close && event->spontaneous())
        return QApplication::activeModalWidget() == nullptr; // no window closes under the work
    if (!IsUserInput(type) || QApplication::activeModalWidget() != nullptr)
        return false;
    // Input reaches a window first and then its widget; the widget decides.
    if (watched->isWindowType() || (IsMouseEvent(type) && watched == row_.stopButton()))
        return false; // the Stop button clicks as usual
    if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        row_.requestStop();
    return true;
}

} // namespace dirforge::ui
