#pragma once

#include "worldmap/mappainter.h"
#include "worldmap/screencolortable.h"
#include "worldmap/views/cdirectdrawview.h"

#include <optional>
#include <vector>

namespace tessel {

struct WorldMap;

// A view of one world map: 16 x 16 pixels per cell, tiles drawn from their
// pieces through colour tables made once per palette and screen depth, and
// the selection tracker. Subclasses say what is drawn over the tiles.
class CWorldBaseView : public CDirectDrawView {
    Q_OBJECT

public:
    static constexpr int kCellPixels = MapPainter::kCellPixels;
    // How far the selection tracker's hatched border reaches outside its rectangle.
    static constexpr int kTrackerBorder = 4;

    explicit CWorldBaseView(CFF3Doc& doc, QWidget* parent = nullptr);

    WorldMap* map() const { return map_; }
    // The map's number in the document, -1 when none is attached.
    int mapIndex() const { return mapIndex_; }

protected:
    // Shows a map (nullptr: none) and scrolls to where it was last scrolled to.
    virtual void attachMap(WorldMap* map, int index);
    // The palette or the depth changed: colour tables are made anew.
    void invalidateColors() { colorsStale_ = true; }

    void drawRegion(PixelBuffer& target, const QRect& cells) override;
    void scrolled(QPoint from) override;

    // What painting mixes into cells and draws over the map's own tiles.
    virtual const CellTints* tints() const { return nullptr; }
    // The tile whose cells are tinted as highlighted; none by default.
    virtual std::optional<int> highlightedTile() const { return std::nullopt; }
    virtual std::vector<const TileOverlay*> overlays() const { return {}; }
    // Draws over the tiles in the buffer (the grid).
    virtual void drawOverTiles(PixelBuffer& target, const QRect& cells, const MapPainter& painter);

    // The tracker around a selection of cells: a solid line and a hatched border.
    void drawSelectionTracker(QPainter& painter, const QRect& cells) const;

private:
    const ScreenColorTable& colors();

    WorldMap* map_ = nullptr;
    int mapIndex_ = -1;
    ScreenColorTable colors_;
    bool colorsStale_ = true;
};

}  // namespace tessel
