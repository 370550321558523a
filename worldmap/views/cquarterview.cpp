#include "worldmap/views/cquarterview.h"

#include "worldmap/worldmap.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessel {

namespace {

constexpr int kBorder = 2;
constexpr int kQuarterSide = 8 * CQuarterView::kScale;

}  // namespace

CQuarterView::CQuarterView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QString::number(kId));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CQuarterView::setTile(const WorldMap* map, int tile, int quarter)
{
    map_ = map;
    tile_ = tile;
    quarter_ = quarter;
    update();
}

QRect CQuarterView::quarterRect(int quarter) const
{
    return {kBorder + (quarter & 1) * kQuarterSide, kBorder + (quarter >> 1) * kQuarterSide, kQuarterSide, kQuarterSide};
}

QSize CQuarterView::sizeHint() const
{
    return {2 * kQuarterSide + 2 * kBorder, 2 * kQuarterSide + 2 * kBorder};
}

void CQuarterView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (!map_)
        return;
    QImage image(16, 16, QImage::Format_RGB32);
    PixelBuffer buffer{image.bits(), image.bytesPerLine(), 32, 16, 16};
    map_->drawTile(buffer, 0, 0, tile_);
    painter.drawImage(QRect(kBorder, kBorder, 2 * kQuarterSide, 2 * kQuarterSide), image);
    painter.setPen(QPen(QColor(248, 0, 0), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(quarterRect(quarter_)).adjusted(1, 1, -1, -1));
}

void CQuarterView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    for (int quarter = 0; quarter < 4; ++quarter)
        if (quarterRect(quarter).contains(at)) {
            emit quarterClicked(quarter);
            return;
        }
}

}  // namespace tessel
