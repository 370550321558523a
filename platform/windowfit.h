#pragma once

#include <QRect>
#include <QSize>

namespace tessel {

// Where a window's outer rectangle (frame and title bar included) goes on
// a screen, given the screen's available area (without task bars and docks).
namespace windowfit {

// `outer` shrunk to the area (never below `minimum`), then moved the least
// distance that puts all of it inside. A window wider or taller than the
// area even at its minimum keeps its left or top edge on the area, so its
// title bar and menus stay reachable.
QRect fitInside(const QRect& outer, const QRect& area, const QSize& minimum = QSize(0, 0));

// A rectangle of `size` (bounded by the area) centred in the area.
QRect centredIn(const QSize& size, const QRect& area);

}  // namespace windowfit

}  // namespace tessel
