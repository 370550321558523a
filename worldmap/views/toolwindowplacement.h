#pragma once

#include "platform/windowspec.h"

class QDockWidget;
class QWidget;

namespace tessel {

// Where a map's tool windows appear and what of their place is kept in
// the settings.
//
// The "Tiles" and "Triggers" windows are docks of the map frame. A WindowSpec
// with a position puts the window floating at its rectangle; one
// without one (left and top at the default value) leaves it docked. So a
// floating window stores its rectangle, a docked one the default position.
// The "Edit Tiles" window is a window of its own, placed at the WindowSpec's
// left and top with its own size.
//
// A rectangle that lies on no screen any more is not used: the window
// then goes where it goes by default.
class ToolWindowPlacement {
public:
    static void applyToDock(QDockWidget& dock, const WindowSpec& spec);
    // `withVisibility`: also whether the window was shown (the "Tiles"
    // window keeps only its place).
    static void storeDock(const QDockWidget& dock, WindowSpec& spec, bool withVisibility);

    static void applyToWindow(QWidget& window, const WindowSpec& spec);
    // A window never shown keeps the rectangle its WindowSpec had.
    static void storeWindow(const QWidget& window, bool everShown, WindowSpec& spec);

    static bool liesOnAScreen(const QRect& rect);
};

}  // namespace tessel
