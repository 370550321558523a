#pragma once

#include <QRect>

class QWidget;

namespace tessel::platform {

// Placing top-level windows by their outer rectangle (frame and title bar
// included), so that what is stored and restored is what the user sees,
// and no title bar starts above the screen.

// The available area (without task bars and docks) of the screen that
// shows most of `outer`; the primary screen's when none shows any of it.
QRect availableAreaFor(const QRect& outer);
// Whether some screen shows part of `outer`.
bool liesOnAScreen(const QRect& outer);

// The window's outer rectangle in its normal state (what it has when
// neither maximised nor minimised).
QRect normalFrameGeometry(const QWidget& window);

// Puts the window's outer rectangle at `outer`, fitted into the available
// area of its screen (never below the window's minimum size).
void placeFrame(QWidget& window, const QRect& outer);

// Shrinks a window, and moves one that has a place (it was moved or is
// shown), so that all of its frame lies in its screen's available area.
void keepInsideScreen(QWidget& window);

}  // namespace tessel::platform
