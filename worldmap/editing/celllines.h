#pragma once

#include <QPoint>
#include <QRect>

#include <vector>

namespace tessel {

// The cells of a straight line from `from` to `to`, both included, in
// order, each touching the one before by a side or a corner.
std::vector<QPoint> cellsOnLine(QPoint from, QPoint to);

// The cells of a rectangle's border, row by row, left to right.
std::vector<QPoint> cellsOnBorder(const QRect& cells);

}  // namespace tessel
