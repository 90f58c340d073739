#include "ui/common/TooltipDuration.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace dirforge::ui {

void TooltipDuration::installOnApplication(int msec) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || app->findChild<TooltipDuration*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    app->installEventFilter(new TooltipDuration(msec, app));
}

TooltipDuration::TooltipDuration(int msec, QObject* parent) : QObject(parent), msec_(msec) {}

bool TooltipDuration::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Polish && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->toolTipDuration() < 0)
            widget->setToolTipDuration(msec_);
    }
    return false;
}

} // namespace dirforge::ui
