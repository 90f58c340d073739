#pragma once
// A window of fixed size on a screen whose available area cannot hold it (a small screen, a
// large text size): the window is cut to that area and its content scrolls inside it.

#include <QMargins>
#include <QRect>
#include <QSize>

namespace dirforge::ui {

/// The size of a window whose natural size is natural, within room (the available area less
/// the window frame). Where a side is cut, the other side grows by scrollBarExtent for the
/// scroll bar that appears, as far as room allows.
QSize FittedWindowSize(QSize natural, QSize room, int scrollBarExtent);

/// Where a window frame of frameSize goes so that it lies inside available, moved as little as
/// possible from frameTopLeft.
QPoint PlacedInside(QPoint frameTopLeft, QSize frameSize, const QRect& available);

/// The room a window with these frame margins has inside an available area.
QSize RoomInside(const QRect& available, const QMargins& frame);

} // namespace dirforge::ui
