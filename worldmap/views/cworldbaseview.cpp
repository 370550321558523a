#include "worldmap/views/cworldbaseview.h"

#include "document/cff3doc.h"
#include "worldmap/worldmap.h"

#include <QPainter>

namespace tessel {

CWorldBaseView::CWorldBaseView(CFF3Doc& doc, QWidget* parent) : CDirectDrawView(doc, parent)
{
    setCellSize(kCellPixels);
}

void CWorldBaseView::attachMap(WorldMap* map, int index)
{
    map_ = map;
    mapIndex_ = map ? index : -1;
    colorsStale_ = true;
    setContentSize(map ? QSize(map->width, map->height) : QSize());
    if (map)
        scrollTo({map->lastScrollColumn, map->lastScrollRow});
    update();
}

const ScreenColorTable& CWorldBaseView::colors()
{
    if (colorsStale_ || colors_.depth() != backBuffer().bitsPerPixel()) {
        colors_ = ScreenColorTable(map_->palette, backBuffer().bitsPerPixel());
        colorsStale_ = false;
    }
    return colors_;
}

void CWorldBaseView::drawRegion(PixelBuffer& target, const QRect& cells)
{
    if (!map_ || !document().isLoaded())
        return;
    MapPainter painter(*map_, colors());
    painter.setTints(tints());
    painter.setHighlightedTile(highlightedTile());
    const std::vector<const TileOverlay*> above = overlays();
    for (const TileOverlay* overlay : above)
        painter.addOverlay(overlay);
    painter.drawCells(target, cells, QPoint(0, 0));
    drawOverTiles(target, cells, painter);
}

void CWorldBaseView::drawOverTiles(PixelBuffer&, const QRect&, const MapPainter&) {}

void CWorldBaseView::scrolled(QPoint from)
{
    CDirectDrawView::scrolled(from);
    if (map_) {
        map_->lastScrollColumn = scrollPosition().x();
        map_->lastScrollRow = scrollPosition().y();
    }
}

void CWorldBaseView::drawSelectionTracker(QPainter& painter, const QRect& cells) const
{
    if (cells.isEmpty())
        return;
    const QRect inner = cellGeometry().cellsRect(cells);
    const QRect outer = inner.adjusted(-kTrackerBorder, -kTrackerBorder, kTrackerBorder, kTrackerBorder);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.setBrush(QBrush(Qt::black, Qt::BDiagPattern));
    QRegion band(outer);
    band -= QRegion(inner);
    painter.setClipRegion(band, Qt::IntersectClip);
    painter.drawRect(outer);
    painter.restore();
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner.adjusted(0, 0, -1, -1));
    painter.restore();
}

}  // namespace tessel
