#include "platform/gui/windowplacement.h"

#include "platform/windowfit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace tessel::platform {

namespace {

// The frame's margins; created windows know them on most systems, some
// window systems tell them only once the window is shown (zero until then).
QMargins frameMarginsOf(QWidget& window)
{
    window.winId();
    const QWindow* handle = window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

QSize minimumOuterSize(const QWidget& window, const QMargins& margins)
{
    const QSize minimum = window.minimumSizeHint().expandedTo(window.minimumSize()).expandedTo(QSize(0, 0));
    return minimum.grownBy(margins);
}

// Where the frame is told only after the window is shown, gives the window
// the outer size it was meant to have as soon as the frame is known.
class FrameSizeFix : public QObject {
public:
    FrameSizeFix(QWidget& window, QSize outer) : QObject(&window), window_(window), outer_(outer)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show)
            return false;
        const QWindow* handle = window_.windowHandle();
        const QMargins margins = handle ? handle->frameMargins() : QMargins();
        if (!margins.isNull()) {
            window_.removeEventFilter(this);
            window_.resize(outer_.shrunkBy(margins));
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
    QSize outer_;
};

}  // namespace

QRect availableAreaFor(const QRect& outer)
{
    const QScreen* best = nullptr;
    qint64 bestShare = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shared = screen->geometry().intersected(outer);
        const qint64 share = qint64(shared.width()) * shared.height();
        if (share > bestShare) {
            best = screen;
            bestShare = share;
        }
    }
    if (!best)
        best = QGuiApplication::primaryScreen();
    return best ? best->availableGeometry() : QRect();
}

bool liesOnAScreen(const QRect& outer)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    return outer.isValid() && std::any_of(screens.begin(), screens.end(), [&](const QScreen* screen) {
               return screen->availableGeometry().intersects(outer);
           });
}

QRect normalFrameGeometry(const QWidget& window)
{
    if (!(window.isMaximized() || window.isFullScreen() || window.isMinimized()) || !window.normalGeometry().isValid())
        return window.frameGeometry();
    const QWindow* handle = window.windowHandle();
    return window.normalGeometry().marginsAdded(handle ? handle->frameMargins() : QMargins());
}

void placeFrame(QWidget& window, const QRect& outer)
{
    const QMargins margins = frameMarginsOf(window);
    const QRect fitted = windowfit::fitInside(outer, availableAreaFor(outer), minimumOuterSize(window, margins));
    window.move(fitted.topLeft());  // a window's position is its frame's corner
    window.resize(fitted.size().shrunkBy(margins));
    if (margins.isNull() && !window.windowFlags().testFlag(Qt::FramelessWindowHint))
        new FrameSizeFix(window, fitted.size());
}

void keepInsideScreen(QWidget& window)
{
    const QMargins margins = frameMarginsOf(window);
    const bool placed = window.isVisible() || window.testAttribute(Qt::WA_Moved);
    const QRect outer = window.isVisible() ? window.frameGeometry() : window.geometry().marginsAdded(margins);
    const QScreen* screen = window.screen();
    const QRect area = placed || !screen ? availableAreaFor(outer) : screen->availableGeometry();
    const QRect fitted = windowfit::fitInside(outer, area, minimumOuterSize(window, margins));
    if (fitted.size() != outer.size())
        window.resize(fitted.size().shrunkBy(margins));
    if (placed && fitted.topLeft() != outer.topLeft())
        window.move(fitted.topLeft());
}

}  // namespace tessel::platform
