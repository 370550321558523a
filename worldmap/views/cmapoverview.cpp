#include "worldmap/views/cmapoverview.h"

#include "worldmap/worldmap.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessel {

namespace {
constexpr int kMargin = 4;
}

CMapOverview::CMapOverview(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("overview"));
    setMinimumSize(64 + 2 * kMargin, 64 + 2 * kMargin);
    setCursor(Qt::PointingHandCursor);
    redrawTimer_.setSingleShot(true);
    redrawTimer_.setInterval(kRedrawDelay);
    connect(&redrawTimer_, &QTimer::timeout, this, &CMapOverview::redraw);
}

void CMapOverview::setSource(const WorldMap* map, std::function<int(int, int)> tileAt)
{
    map_ = map;
    tileAt_ = std::move(tileAt);
    colorsStale_ = true;
    redraw();
}

void CMapOverview::scheduleRedraw(bool tilesChanged)
{
    colorsStale_ = colorsStale_ || tilesChanged;
    if (!redrawTimer_.isActive())
        redrawTimer_.start();
}

void CMapOverview::redraw()
{
    redrawTimer_.stop();
    if (!map_ || !tileAt_) {
        picture_ = QImage();
        update();
        return;
    }
    if (colorsStale_) {
        colors_ = MapOverview::tileColors(*map_);
        colorsStale_ = false;
    }
    QImage picture(map_->width, map_->height, QImage::Format_RGB32);
    PixelBuffer target{picture.bits(), picture.bytesPerLine(), 32, picture.width(), picture.height()};
    MapOverview::draw(target, colors_, QRect(0, 0, map_->width, map_->height), tileAt_);
    picture_ = picture;
    update();
}

QSize CMapOverview::sizeHint() const
{
    const QSize map = picture_.isNull() ? QSize(256, 256) : picture_.size();
    return map + QSize(2 * kMargin, 2 * kMargin);
}

void CMapOverview::setVisibleCells(const QRect& cells)
{
    if (cells == visible_)
        return;
    visible_ = cells;
    update();
}

QRect CMapOverview::pictureRect() const
{
    if (picture_.isNull())
        return {};
    const QRect room = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const int scale = qMax(1, qMin(room.width() / picture_.width(), room.height() / picture_.height()));
    QRect placed(QPoint(0, 0), picture_.size() * scale);
    placed.moveCenter(room.center());
    return placed;
}

QPoint CMapOverview::cellAt(QPoint point) const
{
    const QRect placed = pictureRect();
    if (placed.isEmpty())
        return {};
    const int scale = placed.width() / picture_.width();
    const QPoint cell = (point - placed.topLeft()) / scale;
    return {qBound(0, cell.x(), picture_.width() - 1), qBound(0, cell.y(), picture_.height() - 1)};
}

void CMapOverview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRect placed = pictureRect();
    if (placed.isEmpty())
        return;
    painter.drawImage(placed, picture_);
    if (visible_.isEmpty())
        return;
    const int scale = placed.width() / picture_.width();
    QRect frame(placed.topLeft() + visible_.topLeft() * scale, visible_.size() * scale);
    frame &= placed;
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(frame.adjusted(-1, -1, 0, 0));
    painter.setPen(QPen(Qt::red, 1));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
}

void CMapOverview::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit centreRequested(cellAt(event->position().toPoint()));
}

void CMapOverview::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        emit centreRequested(cellAt(event->position().toPoint()));
}

}  // namespace tessel
