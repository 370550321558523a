#pragma once

#include "worldmap/editing/cellset.h"
#include "worldmap/editing/mapblock.h"
#include "worldmap/editing/mapcellsink.h"
#include "worldmap/editing/maptoolids.h"
#include "worldmap/tileoverlay.h"

#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

namespace tessel {

struct WorldMap;

// What one event (or command) changed, for the view to show.
struct MapChanges {
    QRect mapCells;              // cells whose tile was stored (bounding rectangle)
    bool mapChanged = false;     // the map was written (even with the same tiles)
    QRect shownCells;            // cells that look different without a map change
    bool outlinesChanged = false;   // hover cell, rubber band or selection moved
    bool currentTileChanged = false;
    bool marqueeSizeChanged = false;
    std::optional<QPoint> pointedCell;  // the cell "Pointer" pressed or dragged on, the last one

    void merge(const MapChanges& other);
};

// The editing state of one map view, shared by its tools: the current tile
// and tool, the rubber band of a drag, the marquee selection with its
// floating block and a pending paste. Tools change the map only through
// it, and it only through its cell sink, so that every stored cell is a
// step (or part of one) of the history and reported.
class MapEditSession {
public:
    MapEditSession(const WorldMap& map, MapCellSink& sink);

    const WorldMap& map() const { return map_; }
    bool contains(QPoint cell) const;

    int currentTile() const { return currentTile_; }
    void setCurrentTile(int tile);
    MapToolId currentTool() const { return currentTool_; }
    void setCurrentTool(MapToolId tool) { currentTool_ = tool; }

    // Outlines: the cell under the cursor (counted from the window's
    // top-left; empty when none) and the rectangle being dragged (map cells).
    QRect hoverCell() const { return hoverCell_; }
    void setHoverCell(const QRect& visibleCell);
    QRect rubberBand() const { return rubberBand_; }
    void setRubberBand(const QRect& cells);
    QPoint anchor() const { return anchor_; }
    void setAnchor(QPoint cell) { anchor_ = cell; }
    // The rectangle covering two cells, both included.
    static QRect spanning(QPoint a, QPoint b);

    // The marquee selection and the block lifted out of it.
    QRect selection() const { return selection_; }
    // Puts a floating block back first when the selection changes, and
    // ends a selection of single cells.
    void setSelection(const QRect& cells);
    // A selection of single cells ("Select Same Tile") in place of the
    // rectangle; the two never hold cells at once.
    const CellSet& selectedCells() const { return selectedCells_; }
    void setSelectedCells(CellSet cells);
    bool hasSelection() const { return !selection_.isEmpty() || !selectedCells_.isEmpty(); }
    bool hasFloatingBlock() const { return !floating_.isEmpty(); }
    const MapBlock& floatingBlock() const { return floating_; }
    // Copies the selection's cells into the floating block and leaves tile
    // 255 in their place: this begins a "Move Selection" step. A block
    // floating already is put back first.
    void liftSelection();
    // Writes the floating block back at the selection's top-left and
    // discards it, as part of the step that lifted it, so that a block put
    // back where it was leaves no step. False when there was none.
    bool dropFloatingBlock();
    // Moves the floating block (lifting the selection first when none
    // floats) by `by` cells, as far as it stays on the map; the drop joins
    // the step that lifted it. False when there is no selection.
    bool moveFloatingBlock(QPoint by);
    // The step that lifted the floating block (parts of it join it).
    int floatingStep() const { return floatingStep_; }
    // Throws the floating block away, the lifted cells keeping what they hold.
    void discardFloatingBlock();

    // The tile a cell shows: the floating block's over the selection.
    int shownTileAt(QPoint cell) const;
    // The floating block as drawn over the map.
    const TileOverlay& floatingOverlay() const { return floatingOverlay_; }

    // Stores tiles through the sink (cells off the map are left out) and
    // returns the step they are part of. They join `step` when that is the
    // step begun last, else they begin a new one; kNewStep always does.
    static constexpr int kNewStep = 0;
    int store(std::vector<MapCellWrite> writes, MapEditKind kind, int step = kNewStep);
    // Cells whose look changes although the map does not.
    void reshow(const QRect& cells);
    void noteMarqueeSize() { changes_.marqueeSizeChanged = true; }
    void notePointed(QPoint cell) { changes_.pointedCell = cell; }

    // A paste waiting for the next left-button release, and where it would land.
    bool pastePending() const { return pastePending_; }
    const MapBlock& pasteBlock() const { return pasteBlock_; }
    void setPending(const MapBlock& block);
    void clearPending();

    // The multi-cell stamp "Brush" paints instead of the current tile
    // (empty: the single tile).
    const MapBlock& stamp() const { return stamp_; }
    void setStamp(MapBlock stamp) { stamp_ = std::move(stamp); }

    // A preview of cells a tool is about to draw (shown, not stored).
    const TileOverlay& preview() const { return preview_; }
    void setPreview(TileOverlay preview);

    // What changed since the last call.
    MapChanges takeChanges();

private:
    void updateFloatingOverlay();
    void noteMapCells(const QRect& cells);

    const WorldMap& map_;
    MapCellSink& sink_;
    int currentTile_ = 0;
    MapToolId currentTool_ = MapToolId::Pointer;
    QRect hoverCell_;
    QRect rubberBand_;
    QPoint anchor_;
    QRect selection_;
    CellSet selectedCells_;
    MapBlock floating_;
    int floatingStep_ = kNewStep;
    int lastStep_ = kNewStep;  // the step begun last, counting from 1
    TileOverlay floatingOverlay_;
    bool pastePending_ = false;
    MapBlock pasteBlock_;
    TileOverlay preview_;
    MapBlock stamp_;
    MapChanges changes_;
};

}  // namespace tessel
