#include "uikit/cpixelgrid.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessel {

namespace {

constexpr QColor kGridLine(0x40, 0x40, 0x40);
constexpr QColor kMarker(0xE0, 0x20, 0x20);

}  // namespace

CPixelGrid::CPixelGrid(QWidget* parent) : QWidget(parent)
{
    setGridSize(columns_, rows_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CPixelGrid::setGridSize(int columns, int rows)
{
    columns_ = columns;
    rows_ = rows;
    cells_.assign(std::size_t(columns * rows), 0);
    updateGeometry();
    update();
}

void CPixelGrid::setColors(const QList<QRgb>& colors)
{
    colors_ = colors;
    update();
}

void CPixelGrid::setCells(const std::vector<quint8>& cells)
{
    if (cells.size() == cells_.size())
        cells_ = cells;
    update();
}

void CPixelGrid::setMarkerColumn(int column)
{
    markerColumn_ = column;
    update();
}

QSize CPixelGrid::sizeHint() const
{
    return {columns_ * kCellSize + 1, rows_ * kCellSize + 1};
}

void CPixelGrid::shift(int dx, int dy)
{
    std::vector<quint8> moved(cells_.size(), 0);
    for (int y = 0; y < rows_; ++y)
        for (int x = 0; x < columns_; ++x) {
            const int fromX = x - dx;
            const int fromY = y - dy;
            if (fromX >= 0 && fromX < columns_ && fromY >= 0 && fromY < rows_)
                moved[std::size_t(y * columns_ + x)] = cells_[std::size_t(fromY * columns_ + fromX)];
        }
    cells_ = std::move(moved);
    update();
    emit cellsChanged(kNoStroke);
}

void CPixelGrid::shiftUp()
{
    shift(0, -1);
}

void CPixelGrid::shiftDown()
{
    shift(0, 1);
}

void CPixelGrid::shiftLeft()
{
    shift(-1, 0);
}

void CPixelGrid::shiftRight()
{
    shift(1, 0);
}

void CPixelGrid::clear()
{
    std::fill(cells_.begin(), cells_.end(), 0);
    update();
    emit cellsChanged(kNoStroke);
}

void CPixelGrid::paintAt(const QPoint& position)
{
    const int x = position.x() / kCellSize;
    const int y = position.y() / kCellSize;
    if (paintColor_ < 0 || position.x() < 0 || position.y() < 0 || x >= columns_ || y >= rows_)
        return;
    quint8& cell = cells_[std::size_t(y * columns_ + x)];
    if (cell == paintColor_)
        return;
    cell = quint8(paintColor_);
    update(QRect(x * kCellSize, y * kCellSize, kCellSize + 1, kCellSize + 1));
    emit cellsChanged(stroke_);
}

void CPixelGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    paintColor_ = event->button() == Qt::LeftButton ? leftColor_ : rightColor_;
    ++stroke_;
    paintAt(event->position().toPoint());
}

void CPixelGrid::mouseMoveEvent(QMouseEvent* event)
{
    paintAt(event->position().toPoint());
}

void CPixelGrid::mouseReleaseEvent(QMouseEvent*)
{
    paintColor_ = -1;
}

void CPixelGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int y = 0; y < rows_; ++y)
        for (int x = 0; x < columns_; ++x) {
            const int value = cells_[std::size_t(y * columns_ + x)];
            const QColor color = value < colors_.size() ? QColor(colors_[value]) : QColor(Qt::magenta);
            painter.fillRect(x * kCellSize, y * kCellSize, kCellSize, kCellSize, color);
        }
    painter.setPen(kGridLine);
    for (int x = 0; x <= columns_; ++x)
        painter.drawLine(x * kCellSize, 0, x * kCellSize, rows_ * kCellSize);
    for (int y = 0; y <= rows_; ++y)
        painter.drawLine(0, y * kCellSize, columns_ * kCellSize, y * kCellSize);
    if (markerColumn_ >= 0 && markerColumn_ <= columns_) {
        painter.setPen(QPen(kMarker, 2));
        painter.drawLine(markerColumn_ * kCellSize, 0, markerColumn_ * kCellSize, rows_ * kCellSize);
    }
}

}  // namespace tessel
