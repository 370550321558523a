#include "worldmap/views/toolwindowplacement.h"

#include <QDockWidget>
#include <QGuiApplication>
#include <QScreen>

namespace tessel {

namespace {

// Shown unless the window was hidden on purpose: a window closed with its
// frame is hidden along with it, yet counts as shown.
int shownFlag(const QWidget& window)
{
    return window.isHidden() ? 0 : 1;
}

}  // namespace

bool ToolWindowPlacement::liesOnAScreen(const QRect& rect)
{
    if (!rect.isValid())
        return false;
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&rect](const QScreen* screen) { return screen->availableGeometry().intersects(rect); });
}

void ToolWindowPlacement::applyToDock(QDockWidget& dock, const WindowSpec& spec)
{
    if (spec.hasPosition() && liesOnAScreen(spec.rect())) {
        dock.setFloating(true);
        dock.setGeometry(spec.rect());
    } else {
        dock.setFloating(false);
    }
    dock.setVisible(spec.visible != 0);
}

void ToolWindowPlacement::storeDock(const QDockWidget& dock, WindowSpec& spec, bool withVisibility)
{
    if (dock.isFloating()) {
        spec.setRect(dock.geometry());
    } else {
        spec.left = spec.top = WindowSpec::kDefaultPosition;
        spec.right = spec.bottom = 0;
    }
    if (withVisibility)
        spec.visible = shownFlag(dock);
    spec.flag1 = spec.flag2 = 0;
}

void ToolWindowPlacement::applyToWindow(QWidget& window, const WindowSpec& spec)
{
    if (spec.hasPosition() && liesOnAScreen(QRect(QPoint(spec.left, spec.top), window.size())))
        window.move(spec.left, spec.top);
    window.setVisible(spec.visible > 0);
}

void ToolWindowPlacement::storeWindow(const QWidget& window, bool everShown, WindowSpec& spec)
{
    // The place is where move() puts it back: the frame's corner.
    if (everShown)
        spec.setRect(QRect(window.frameGeometry().topLeft(), window.size()));
    spec.visible = shownFlag(window);
    spec.flag1 = spec.flag2 = 0;
}

}  // namespace tessel
