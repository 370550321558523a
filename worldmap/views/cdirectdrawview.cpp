#include "worldmap/views/cdirectdrawview.h"

#include "document/cff3doc.h"
#include "platform/gui/displayerrors.h"
#include "platform/messageservice.h"
#include "worldmap/views/cpanningorigin.h"
#include "worldmap/views/mapcursors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

#include <cstring>

namespace tessel {

namespace {

// The back-buffer pixel of a window colour, converted the way the buffer's format does it.
quint32 surfacePixel(const QColor& color, int bitsPerPixel)
{
    const QImage::Format format = platform::surfaceFormatForDepth(bitsPerPixel);
    if (format == QImage::Format_Invalid)
        return 0;
    QImage one(1, 1, format);
    one.fill(color);
    quint32 pixel = 0;
    std::memcpy(&pixel, one.constBits(), std::size_t(bitsPerPixel / 8));
    return pixel;
}

constexpr int kWheelStep = 120;

}  // namespace

CDirectDrawView::CDirectDrawView(CFF3Doc& doc, QWidget* parent) : CEditorView(doc, parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::WheelFocus);
    horizontal_ = new QScrollBar(Qt::Horizontal, this);
    vertical_ = new QScrollBar(Qt::Vertical, this);
    horizontal_->setObjectName(QStringLiteral("horizontalScrollBar"));
    vertical_->setObjectName(QStringLiteral("verticalScrollBar"));
    horizontal_->setFocusPolicy(Qt::NoFocus);
    vertical_->setFocusPolicy(Qt::NoFocus);
    connect(horizontal_, &QScrollBar::valueChanged, this, [this](int column) { scrollTo({column, scroll_.y()}); });
    connect(vertical_, &QScrollBar::valueChanged, this, [this](int row) { scrollTo({scroll_.x(), row}); });

    // The buffer exists from the start, tiny until the first resize.
    if (const quint32 code = surface_.resize(QSize(2, 2)); code != 0 && code != platform::kDisplayUnsupportedMode)
        reportDisplayError(code);

    autoScrollTimer_ = new QTimer(this);
    autoScrollTimer_->setObjectName(QString::number(kAutoScrollTimerId));
    autoScrollTimer_->setInterval(kAutoScrollInterval);
    connect(autoScrollTimer_, &QTimer::timeout, this, [this] {
        scrollBy(autoScrollDirection_.x(), autoScrollDirection_.y());
        autoScrolled();
    });

    panTimer_.setInterval(kPanInterval);
    connect(&panTimer_, &QTimer::timeout, this, &CDirectDrawView::panStep);
}

CDirectDrawView::~CDirectDrawView() = default;

void CDirectDrawView::setCellSize(int pixels)
{
    cellSize_ = qMax(pixels, 1);
    updateScrollBars();
    update();
}

void CDirectDrawView::setContentSize(QSize cells)
{
    content_ = cells;
    updateScrollBars();
    scrollTo(scroll_);
    update();
}

MapGeometry CDirectDrawView::cellGeometry() const
{
    return MapGeometry(content_, clientRect().size(), screenCellSize(), scroll_);
}

QRect CDirectDrawView::clientRect() const
{
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return QRect(0, 0, qMax(0, width() - bar), qMax(0, height() - bar));
}

void CDirectDrawView::setZoom(int zoom, QPoint anchor)
{
    zoom = qMax(mapzoom::normalised(zoom), smallestZoom());
    if (zoom == zoom_)
        return;
    // The cell under the anchor stays under it.
    const QPoint cell = scroll_ + anchor / screenCellSize();
    zoom_ = zoom;
    updateScrollBars();
    scroll_ = cellGeometry().clampScroll(cell - anchor / screenCellSize());
    updateScrollBars();
    update();
    emit zoomChanged(zoom_);
    emit visibleCellsChanged();
}

void CDirectDrawView::scrollTo(QPoint cell)
{
    const QPoint to = cellGeometry().clampScroll(cell);
    const QPoint from = scroll_;
    if (to == from) {
        updateScrollBars();
        return;
    }
    scroll_ = to;
    updateScrollBars();
    const QPoint moved = (from - to) * screenCellSize();
    const QRect client = clientRect();
    if (qAbs(moved.x()) < client.width() && qAbs(moved.y()) < client.height())
        scroll(moved.x(), moved.y(), client);
    else
        update(client);
    scrolled(from);
    emit visibleCellsChanged();
}

void CDirectDrawView::updateScrollBars()
{
    const MapGeometry cells = cellGeometry();
    const QPoint limit = cells.scrollLimit();
    const QSignalBlocker blockHorizontal(horizontal_);
    const QSignalBlocker blockVertical(vertical_);
    horizontal_->setRange(0, limit.x());
    vertical_->setRange(0, limit.y());
    horizontal_->setPageStep(cells.visibleColumns() + 1);
    vertical_->setPageStep(cells.visibleRows() + 1);
    horizontal_->setSingleStep(1);
    vertical_->setSingleStep(1);
    horizontal_->setValue(scroll_.x());
    vertical_->setValue(scroll_.y());
}

void CDirectDrawView::resizeBackBuffer(QSize client)
{
    const QSize size = client.isEmpty() ? QSize(kEmptyBufferSize, kEmptyBufferSize)
                                        : client + QSize(kBufferMargin, kBufferMargin);
    const quint32 code = surface_.resize(size);
    if (code == 0) {
        bufferFailed_ = false;
        background_ = surfacePixel(palette().color(QPalette::Base), surface_.bitsPerPixel());
    } else if (code != platform::kDisplayUnsupportedMode && !bufferFailed_) {
        // Reported once, not at every step of a resize; the view draws
        // nothing until a buffer can be made again.
        bufferFailed_ = true;
        reportDisplayError(code);
    }
}

void CDirectDrawView::reportDisplayError(quint32 code)
{
    if (platform::MessageService* messages = document().messageService())
        messages->showMessage(platform::displayErrorText(code),
                              QCoreApplication::translate("DisplayErrors", platform::kDisplayErrorCaption),
                              platform::MessageIcon::Error);
}

void CDirectDrawView::resizeEvent(QResizeEvent*)
{
    const QRect client = clientRect();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    horizontal_->setGeometry(0, client.height(), client.width(), bar);
    vertical_->setGeometry(client.width(), 0, bar, client.height());
    resizeBackBuffer(client.size());
    updateScrollBars();
    scrollTo(scroll_);
    emit visibleCellsChanged();
}

void CDirectDrawView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect client = clientRect();
    // The square between the two scroll bars.
    painter.fillRect(QRect(client.bottomRight() + QPoint(1, 1), rect().bottomRight()), palette().window());
    const QRect dirty = event->rect() & client;
    if (dirty.isEmpty())
        return;
    painter.setClipRect(client);

    const MapGeometry cells = cellGeometry();
    const QRect region = cells.cellsCovering(dirty);
    // Whole cells only (QSize's own division rounds).
    const QSize buffer(surface_.size().width() / cellSize_, surface_.size().height() / cellSize_);
    if (surface_.isNull() || buffer.isEmpty()) {
        painter.fillRect(dirty, palette().base());
    } else {
        // Zoomed out, the window shows more cells than the buffer holds.
        if (zoom_ < 1)
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int top = region.top(); top <= region.bottom(); top += buffer.height())
            for (int left = region.left(); left <= region.right(); left += buffer.width())
                paintCells(painter, cells, QRect(left, top, buffer.width(), buffer.height()) & region);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    drawOverlay(painter);
}

void CDirectDrawView::paintCells(QPainter& painter, const MapGeometry& cells, const QRect& region)
{
    const QSize pixels = region.size() * cellSize_;
    PixelBuffer target{surface_.lock(), surface_.pitch(), surface_.bitsPerPixel(), pixels.width(), pixels.height()};
    if (!QRect(QPoint(0, 0), content_).contains(region))
        target.fill(0, 0, pixels.width(), pixels.height(), background_);
    drawRegion(target, region);
    painter.drawImage(cells.cellsRect(region), surface_.image(), QRect(QPoint(0, 0), pixels));
}

void CDirectDrawView::drawRegion(PixelBuffer&, const QRect&) {}

void CDirectDrawView::drawOverlay(QPainter&) {}

void CDirectDrawView::scrolled(QPoint) {}

void CDirectDrawView::keyPressEvent(QKeyEvent* event)
{
    const MapGeometry cells = cellGeometry();
    const int pageColumns = cells.visibleColumns() + 1;
    const int pageRows = cells.visibleRows() + 1;
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_PageUp: scrollBy(0, -pageRows); break;
    case Qt::Key_PageDown: scrollBy(0, pageRows); break;
    case Qt::Key_Home: scrollTo({0, 0}); break;
    case Qt::Key_End: scrollTo(cells.scrollLimit()); break;
    case Qt::Key_Left: scrollBy(control ? -pageColumns : -1, 0); break;
    case Qt::Key_Right: scrollBy(control ? pageColumns : 1, 0); break;
    case Qt::Key_Up: scrollBy(0, control ? -pageRows : -1); break;
    case Qt::Key_Down: scrollBy(0, control ? pageRows : 1); break;
    default: CEditorView::keyPressEvent(event); return;
    }
    event->accept();
}

void CDirectDrawView::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        wheelRemainder_ += delta.y();
        if (qAbs(wheelRemainder_) >= kWheelStep) {
            const int steps = wheelRemainder_ / kWheelStep;
            wheelRemainder_ -= steps * kWheelStep;
            zoomBy(steps, event->position().toPoint());
        }
        event->accept();
        return;
    }
    // Qt's wheel-scroll-lines setting; a negative one scrolls by pages.
    const int lines = QApplication::wheelScrollLines();
    const bool sideways = delta.y() == 0;
    const int page = sideways ? cellGeometry().visibleColumns() + 1 : cellGeometry().visibleRows() + 1;
    const int perStep = lines < 0 ? page : lines;
    wheelRemainder_ += -(sideways ? delta.x() : delta.y()) * perStep;
    const int cells = wheelRemainder_ / kWheelStep;
    wheelRemainder_ -= cells * kWheelStep;
    if (sideways)
        scrollBy(cells, 0);
    else
        scrollBy(0, cells);
    event->accept();
}

void CDirectDrawView::autoScrollTowards(QPoint position)
{
    const QRect client = clientRect();
    auto direction = [](int at, int extent) {
        if (at < kAutoScrollMargin)
            return -1;
        return at > extent - kAutoScrollMargin ? 1 : 0;
    };
    autoScrollDirection_ = {direction(position.x(), client.width()), direction(position.y(), client.height())};
    if (autoScrollDirection_.isNull())
        autoScrollTimer_->stop();
    else if (!autoScrollTimer_->isActive())
        autoScrollTimer_->start();
}

void CDirectDrawView::stopAutoScroll()
{
    autoScrollTimer_->stop();
    autoScrollDirection_ = {};
}

void CDirectDrawView::autoScrolled() {}

bool CDirectDrawView::handlePanningPress(QMouseEvent* event)
{
    if (isPanning()) {
        endPanning();  // any button ends it
        return true;
    }
    if (event->button() == Qt::MiddleButton && !(event->modifiers() & Qt::ControlModifier)) {
        startPanning(event->globalPosition().toPoint());
        return true;
    }
    return false;
}

void CDirectDrawView::mousePressEvent(QMouseEvent* event)
{
    if (!handlePanningPress(event))
        CEditorView::mousePressEvent(event);
}

void CDirectDrawView::mouseReleaseEvent(QMouseEvent* event)
{
    // Pressed, dragged and let go: the drag was the panning.
    if (isPanning() && event->button() == Qt::MiddleButton) {
        const QPoint offset = event->globalPosition().toPoint() - panOrigin_;
        if (qAbs(offset.x()) >= kPanDeadZone || qAbs(offset.y()) >= kPanDeadZone)
            endPanning();
        return;
    }
    CEditorView::mouseReleaseEvent(event);
}

void CDirectDrawView::focusOutEvent(QFocusEvent* event)
{
    if (isPanning())
        endPanning();
    CEditorView::focusOutEvent(event);
}

void CDirectDrawView::startPanning(QPoint globalPosition)
{
    panOrigin_ = globalPosition;
    if (!panMark_)
        panMark_ = new CPanningOrigin(this);
    panMark_->showAt(globalPosition);
    cursorBeforePanning_ = cursor();
    panDirection_ = {};
    setCursor(mapcursors::panningCursor(0, 0));
    grabMouse();
    panTimer_.start();
}

void CDirectDrawView::panStep()
{
    const QPoint offset = QCursor::pos() - panOrigin_;
    auto step = [](int d) {
        if (qAbs(d) < kPanDeadZone)
            return 0;
        return (d < 0 ? -1 : 1) * (qAbs(d) / kPanPixelsPerCell);
    };
    auto direction = [](int d) { return qAbs(d) < kPanDeadZone ? 0 : (d < 0 ? -1 : 1); };
    const QPoint heading(direction(offset.x()), direction(offset.y()));
    if (heading != panDirection_) {
        panDirection_ = heading;
        setCursor(mapcursors::panningCursor(heading.x(), heading.y()));
    }
    scrollBy(step(offset.x()), step(offset.y()));
}

void CDirectDrawView::endPanning()
{
    panTimer_.stop();
    releaseMouse();
    setCursor(cursorBeforePanning_);
    if (panMark_)
        panMark_->hide();
}

}  // namespace tessel
