#pragma once

#include "worldmap/editing/mapblock.h"
#include "worldmap/editing/maptoolids.h"
#include "worldmap/editing/mapundolist.h"
#include "worldmap/tileoverlay.h"

#include <QPoint>
#include <QRect>

#include <optional>

struct WorldMap;

// What one event (or command) changed, for the view to show.
struct MapChanges {
    QRect mapCells;              // cells whose tile was stored (bounding rectangle)
    bool mapChanged = false;     // the map was written (even with the same tiles)
    QRect shownCells;            // cells that look different without a map change
    bool outlinesChanged = false;   // hover cell, rubber band or selection moved
    bool historyChanged = false;    // the undo list changed
    bool currentTileChanged = false;
    bool marqueeSizeChanged = false;
    int newSteps = 0;            // undo steps begun (each clears the redo steps)
    std::optional<QPoint> pointedCell;  // the cell "Pointer" pressed or dragged on, the last one

    void merge(const MapChanges& other);
};

// The editing state of one map view, shared by its tools: the current tile
// and tool, the rubber band of a drag, the marquee selection with its
// floating block, a pending paste and the undo list. Tools change the map
// only through it, so that every stored cell is recorded and reported.
class MapEditSession {
public:
    explicit MapEditSession(WorldMap& map);

    WorldMap& map() { return map_; }
    const WorldMap& map() const { return map_; }
    bool contains(QPoint cell) const;
    MapUndoList& undoList() { return undo_; }
    const MapUndoList& undoList() const { return undo_; }

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
    void setSelection(const QRect& cells);
    bool hasFloatingBlock() const { return !floating_.isEmpty(); }
    const MapBlock& floatingBlock() const { return floating_; }
    // Copies the selection's cells into the floating block and leaves tile
    // 255 in their place (no undo record).
    void liftSelection();
    // Writes the floating block back at the selection's top-left and
    // discards it (no undo record). False when there was none.
    bool dropFloatingBlock();
    // Throws the floating block away, the lifted cells keeping tile 255.
    void discardFloatingBlock();

    // The tile a cell shows: the floating block's over the selection.
    int shownTileAt(QPoint cell) const;
    // The floating block as drawn over the map.
    const TileOverlay& floatingOverlay() const { return floatingOverlay_; }

    // Stores a tile with an undo record.
    void store(QPoint cell, int tile, bool startsStep, MapEditKind kind);
    // Stores a tile without one (lifting and dropping blocks).
    void storeUnrecorded(QPoint cell, int tile);
    // Cells whose look changes although the map does not.
    void reshow(const QRect& cells);
    void noteHistoryChanged() { changes_.historyChanged = true; }
    void noteMarqueeSize() { changes_.marqueeSizeChanged = true; }
    void noteMapCells(const QRect& cells);
    void notePointed(QPoint cell) { changes_.pointedCell = cell; }

    // A paste waiting for the next left-button release, and where it would land.
    bool pastePending() const { return pastePending_; }
    const MapBlock& pasteBlock() const { return pasteBlock_; }
    void setPending(const MapBlock& block);
    void clearPending();

    // A preview of cells a tool is about to draw (shown, not stored).
    const TileOverlay& preview() const { return preview_; }
    void setPreview(TileOverlay preview);

    // What changed since the last call.
    MapChanges takeChanges();

private:
    void updateFloatingOverlay();

    WorldMap& map_;
    MapUndoList undo_;
    int currentTile_ = 0;
    MapToolId currentTool_ = MapToolId::Pointer;
    QRect hoverCell_;
    QRect rubberBand_;
    QPoint anchor_;
    QRect selection_;
    MapBlock floating_;
    TileOverlay floatingOverlay_;
    bool pastePending_ = false;
    MapBlock pasteBlock_;
    TileOverlay preview_;
    MapChanges changes_;
};
