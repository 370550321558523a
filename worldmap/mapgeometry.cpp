#include "worldmap/mapgeometry.h"

namespace tessel {

namespace {

// Division rounding toward minus infinity, for points left of or above the window.
int floorDiv(int value, int divisor)
{
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

}  // namespace

QPoint MapGeometry::scrollLimit() const
{
    return {qMax(0, map_.width() - visibleColumns()), qMax(0, map_.height() - visibleRows())};
}

QPoint MapGeometry::clampScroll(QPoint scroll) const
{
    const QPoint limit = scrollLimit();
    return {qBound(0, scroll.x(), limit.x()), qBound(0, scroll.y(), limit.y())};
}

QRect MapGeometry::cellRect(int column, int row) const
{
    return {(column - scroll_.x()) * cellSize_, (row - scroll_.y()) * cellSize_, cellSize_, cellSize_};
}

QRect MapGeometry::cellsRect(const QRect& cells) const
{
    if (cells.isEmpty())
        return {};
    return {(cells.left() - scroll_.x()) * cellSize_, (cells.top() - scroll_.y()) * cellSize_,
            cells.width() * cellSize_, cells.height() * cellSize_};
}

bool MapGeometry::isVisible(int column, int row) const
{
    return column >= scroll_.x() && column <= scroll_.x() + visibleColumns() && row >= scroll_.y() &&
           row <= scroll_.y() + visibleRows();
}

QPoint MapGeometry::cellAt(QPoint point) const
{
    return {qBound(0, scroll_.x() + floorDiv(point.x(), cellSize_), map_.width() - 1),
            qBound(0, scroll_.y() + floorDiv(point.y(), cellSize_), map_.height() - 1)};
}

QPoint MapGeometry::visibleCellAt(QPoint point) const
{
    return {qBound(0, floorDiv(point.x(), cellSize_), visibleColumns()),
            qBound(0, floorDiv(point.y(), cellSize_), visibleRows())};
}

QRect MapGeometry::cellsCovering(const QRect& pixels) const
{
    if (pixels.isEmpty())
        return {};
    const int left = floorDiv(pixels.left(), cellSize_);
    const int top = floorDiv(pixels.top(), cellSize_);
    const int right = floorDiv(pixels.left() + pixels.width() - 1, cellSize_);
    const int bottom = floorDiv(pixels.top() + pixels.height() - 1, cellSize_);
    return QRect(QPoint(left, top), QPoint(right, bottom)).translated(scroll_);
}

}  // namespace tessel
