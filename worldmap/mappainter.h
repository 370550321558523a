#pragma once

#include "worldmap/celltints.h"
#include "worldmap/pixelbuffer.h"
#include "worldmap/screencolortable.h"
#include "worldmap/tileoverlay.h"

#include <QRect>

#include <optional>
#include <vector>

namespace tessel {

struct WorldMap;

// Draws map cells, whole tiles at a time, straight into a buffer in the
// screen's format, looking every pixel up in a ScreenColorTable. What a
// cell shows is its map tile, or the tile of the topmost overlay covering
// it, mixed with the cell's tint.
class MapPainter {
public:
    static constexpr int kCellPixels = 16;

    MapPainter(const WorldMap& map, const ScreenColorTable& colors);

    void setTints(const CellTints* tints) { tints_ = tints; }
    // Cells showing this tile get the highlight tint where no trigger tint
    // applies; none when unset.
    void setHighlightedTile(std::optional<int> tile) { highlighted_ = tile; }
    // Overlays added later lie on top. Not owned; they must outlive the painter.
    void addOverlay(const TileOverlay* overlay);

    // The tile a cell shows.
    int tileAt(int column, int row) const;

    // Draws the map cells of `cells` with cell cells.topLeft() at pixel
    // `origin` of target. Cells off the map are left as they are.
    void drawCells(PixelBuffer& target, const QRect& cells, QPoint origin) const;
    // Grid lines one pixel wide along the left and the top edge of every map
    // cell of `cells`; they stop at the map's edge.
    void drawGrid(PixelBuffer& target, const QRect& cells, QPoint origin) const;

private:
    void drawTile(PixelBuffer& target, int x, int y, int tile, CellTint tint) const;

    const WorldMap& map_;
    const ScreenColorTable& colors_;
    const CellTints* tints_ = nullptr;
    std::optional<int> highlighted_;
    std::vector<const TileOverlay*> overlays_;
};

}  // namespace tessel
