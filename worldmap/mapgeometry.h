#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tessel {

// Where map cells lie in a view's window: the scroll position (the map
// cell at the window's top-left), the window's size in pixels and the
// size of one cell on screen (16 pixels times the zoom). Counts of
// visible cells are whole cells; the window shows one more, partly.
class MapGeometry {
public:
    MapGeometry() = default;
    MapGeometry(QSize map, QSize window, int cellSize, QPoint scroll = {})
        : map_(map), window_(window), cellSize_(qMax(cellSize, 1)), scroll_(scroll)
    {
    }

    QSize mapSize() const { return map_; }
    QSize windowSize() const { return window_; }
    int cellSize() const { return cellSize_; }
    QPoint scroll() const { return scroll_; }
    void setScroll(QPoint scroll) { scroll_ = clampScroll(scroll); }

    // Whole cells the window holds across and down.
    int visibleColumns() const { return window_.width() / cellSize_; }
    int visibleRows() const { return window_.height() / cellSize_; }
    // The farthest the view scrolls: the map's last column and row just in view.
    QPoint scrollLimit() const;
    QPoint clampScroll(QPoint scroll) const;

    // The window rectangle of a map cell, and of a rectangle of map cells.
    QRect cellRect(int column, int row) const;
    QRect cellsRect(const QRect& cells) const;
    bool isVisible(int column, int row) const;
    // The map cell under a window point, clamped to the map.
    QPoint cellAt(QPoint point) const;
    // The cell under a window point counted from the window's top-left,
    // clamped to the window.
    QPoint visibleCellAt(QPoint point) const;
    // The map cells (not clamped to the map) that cover a window rectangle.
    QRect cellsCovering(const QRect& pixels) const;

private:
    QSize map_{256, 256};
    QSize window_;
    int cellSize_ = 16;
    QPoint scroll_;
};

}  // namespace tessel
