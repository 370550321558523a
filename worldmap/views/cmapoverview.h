#pragma once

#include "worldmap/mapoverview.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tessel {

struct WorldMap;

// The "Overview" tool window's picture: the whole map at one pixel a cell,
// with the part the map view shows framed. Clicking or dragging in it asks
// the view to show that part of the map.
class CMapOverview : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRedrawDelay = 50;  // ms to gather a burst of edits

    explicit CMapOverview(QWidget* parent = nullptr);

    // The map shown (nullptr: none) and the tile each of its cells shows.
    void setSource(const WorldMap* map, std::function<int(int column, int row)> tileAt);
    // Draws the picture again shortly; tilesChanged: the tiles' colours too.
    void scheduleRedraw(bool tilesChanged = false);
    void redraw();
    const QImage& picture() const { return picture_; }
    // The cells the map view shows.
    void setVisibleCells(const QRect& cells);
    QRect visibleCells() const { return visible_; }

    // The map cell under a point of this widget (clamped to the map).
    QPoint cellAt(QPoint point) const;
    QSize sizeHint() const override;

signals:
    // The user wants the view centred on a cell.
    void centreRequested(QPoint cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Where the picture lies in the widget: as large as fits, whole pixels per cell.
    QRect pictureRect() const;

    const WorldMap* map_ = nullptr;
    std::function<int(int, int)> tileAt_;
    MapOverview::TileColors colors_{};
    bool colorsStale_ = true;
    QTimer redrawTimer_;
    QImage picture_;
    QRect visible_;
};

}  // namespace tessel
