#include "worldmap/editing/cellset.h"

namespace tessel {

CellSet::CellSet(int width, int height)
    : width_(width), height_(height), in_(std::size_t(width) * std::size_t(height), false)
{
}

bool CellSet::contains(QPoint cell) const
{
    return QRect(0, 0, width_, height_).contains(cell) && in_[std::size_t(cell.y() * width_ + cell.x())];
}

void CellSet::insert(QPoint cell)
{
    if (!QRect(0, 0, width_, height_).contains(cell) || contains(cell))
        return;
    in_[std::size_t(cell.y() * width_ + cell.x())] = true;
    ++count_;
    bounds_ |= QRect(cell, QSize(1, 1));
}

std::vector<QPoint> CellSet::cells() const
{
    std::vector<QPoint> found;
    found.reserve(std::size_t(count_));
    for (int row = bounds_.top(); row <= bounds_.bottom() && count_ > 0; ++row)
        for (int column = bounds_.left(); column <= bounds_.right(); ++column)
            if (in_[std::size_t(row * width_ + column)])
                found.emplace_back(column, row);
    return found;
}

}  // namespace tessel
