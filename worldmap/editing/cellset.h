#pragma once

#include <QPoint>
#include <QRect>

#include <vector>

namespace tessel {

// A selection of single cells of a map that need not form a rectangle
// ("Select Same Tile"): one flag a cell, with their count and bounds.
class CellSet {
public:
    CellSet() = default;
    CellSet(int width, int height);

    bool isEmpty() const { return count_ == 0; }
    int count() const { return count_; }
    bool contains(QPoint cell) const;
    // Cells off the map are left out.
    void insert(QPoint cell);
    // The smallest rectangle holding every cell (empty when none).
    QRect bounds() const { return bounds_; }
    // The cells row by row.
    std::vector<QPoint> cells() const;

private:
    int width_ = 0;
    int height_ = 0;
    int count_ = 0;
    QRect bounds_;
    std::vector<bool> in_;
};

}  // namespace tessel
