#include "ui/common/ScreenFit.h"

#include <algorithm>

namespace dirforge::ui {

QSize FittedWindowSize(QSize natural, QSize room, int scrollBarExtent) {
    QSize wanted = natural;
    if (natural.height() > room.height())
        wanted.rwidth() += scrollBarExtent;
    if (natural.width() > room.width())
        wanted.rheight() += scrollBarExtent;
    return wanted.boundedTo(room).expandedTo(QSize(1, 1));
}

QPoint PlacedInside(QPoint frameTopLeft, QSize frameSize, const QRect& available) {
    const int x = std::max(available.left(),
                           std::min(frameTopLeft.x(), available.right() + 1 - frameSize.width()));
    const int y = std::max(available.top(),
                           std::min(frameTopLeft.y(), available.bottom() + 1 - frameSize.height()));
    return {x, y};
}

QSize RoomInside(const QRect& available, const QMargins& frame) {
    return available.size().shrunkBy(frame);
}

} // namespace dirforge::ui
