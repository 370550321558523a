#include "worldmap/editing/celllines.h"

#include <cstdlib>

namespace tessel {

std::vector<QPoint> cellsOnLine(QPoint from, QPoint to)
{
    // Bresenham's walk, stepping along both axes at once on the diagonal.
    std::vector<QPoint> cells;
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint at = from;
    cells.reserve(std::size_t(qMax(dx, -dy) + 1));
    while (true) {
        cells.push_back(at);
        if (at == to)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.rx() += stepX;
        }
        if (twice <= dx) {
            error += dx;
            at.ry() += stepY;
        }
    }
    return cells;
}

std::vector<QPoint> cellsOnBorder(const QRect& cells)
{
    std::vector<QPoint> border;
    for (int row = cells.top(); row <= cells.bottom(); ++row) {
        const bool edgeRow = row == cells.top() || row == cells.bottom();
        for (int column = cells.left(); column <= cells.right(); ++column)
            if (edgeRow || column == cells.left() || column == cells.right())
                border.emplace_back(column, row);
    }
    return border;
}

}  // namespace tessel
