#include "play/views/crunscreen.h"

#include "play/padkeymap.h"
#include "play/picturelayout.h"
#include "play/views/padkeyevent.h"

#include <QKeyEvent>
#include <QPainter>

namespace tessel {

namespace {
// The console's picture before the first frame arrives.
const QSize kConsolePicture(256, 224);
}

CRunScreen::CRunScreen(const PadKeyMap& keys, QWidget* parent) : QWidget(parent), keys_(keys)
{
    setObjectName(QStringLiteral("CRunScreen"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CRunScreen::setFrame(const QImage& frame)
{
    const bool resized = frame.size() != frame_.size();
    frame_ = frame;
    if (resized)
        updateGeometry();
    update();
}

void CRunScreen::setScale(int scale)
{
    scale_ = scale;
    updateGeometry();
    update();
}

void CRunScreen::setPixelAspect(bool widened)
{
    pixelAspect_ = widened;
    updateGeometry();
    update();
}

QSize CRunScreen::sizeHint() const
{
    return picturelayout::scaledSize(frame_.isNull() ? kConsolePicture : frame_.size(), scale_, pixelAspect_);
}

QRect CRunScreen::pictureRect() const
{
    return picturelayout::pictureRect(frame_.isNull() ? kConsolePicture : frame_.size(), size(), pixelAspect_);
}

void CRunScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!frame_.isNull())
        painter.drawImage(pictureRect(), frame_);
}

bool CRunScreen::event(QEvent* event)
{
    // A key the pad uses is the pad's, even where a menu command has it.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier && keys_.buttonsFor(padKeyOf(*key)) != 0) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

bool CRunScreen::focusNextPrevChild(bool)
{
    return false;  // Tab is fast-forward, not the next control
}

void CRunScreen::keyPressEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    const int key = padKeyOf(*event);
    if (key == Qt::Key_Tab) {
        setFastForward(true);
        return;
    }
    if (keys_.buttonsFor(key) == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    heldKeys_.insert(key);
    updateButtons();
}

void CRunScreen::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    const int key = padKeyOf(*event);
    if (key == Qt::Key_Tab) {
        setFastForward(false);
        return;
    }
    // Shift's release may not tell its side: let go of both.
    if (event->key() == Qt::Key_Shift) {
        heldKeys_.remove(Qt::Key_Shift);
        heldKeys_.remove(PadKeyMap::kRightShift);
    }
    heldKeys_.remove(key);
    updateButtons();
}

void CRunScreen::focusOutEvent(QFocusEvent* event)
{
    releaseAll();
    QWidget::focusOutEvent(event);
}

void CRunScreen::releaseAll()
{
    heldKeys_.clear();
    updateButtons();
    setFastForward(false);
}

void CRunScreen::updateButtons()
{
    quint16 buttons = 0;
    for (int key : std::as_const(heldKeys_))
        buttons |= keys_.buttonsFor(key);
    buttons_ = buttons;
}

void CRunScreen::setFastForward(bool held)
{
    if (fastForward_ == held)
        return;
    fastForward_ = held;
    emit fastForwardChanged(held);
}

}  // namespace tessel
