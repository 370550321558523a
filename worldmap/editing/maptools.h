#pragma once

#include "worldmap/editing/mapeditsession.h"
#include "worldmap/editing/maptool.h"

#include <QByteArray>

#include <array>
#include <memory>
#include <vector>

namespace tessel {

class TileOverlay;

// The map editor without its window: the eight tools and the edit
// commands on one map's session. The view feeds it events and cells and
// shows what takeChanges() reports; the cells go to the sink.
//
// Anything that changes the map other than the marquee itself first puts
// a floating block back where it was lifted, so that nothing is painted
// under a block the user sees and then overwritten when it drops.
class MapTools {
public:
    MapTools(const WorldMap& map, MapCellSink& sink);
    ~MapTools();

    MapEditSession& session() { return session_; }
    const MapEditSession& session() const { return session_; }

    MapToolId currentTool() const { return session_.currentTool(); }
    const MapTool& tool() const { return *tools_[std::size_t(mapToolIndex(currentTool()))]; }
    void selectTool(MapToolId tool);

    // One event for the current tool; while a paste is pending it goes to
    // the paste instead (hover and drag move the preview, release pastes,
    // the right button cancels).
    void handle(MapEvent event, const MapCell& cell);

    // Cut and Copy work on the selection; they give the clipboard bytes
    // (empty without a selection). Cut leaves tile 255 in the selection,
    // one "Cut" step with the lifting of the block; Copy leaves the map as
    // it shows.
    // A selection of single cells copies the block they span, as shown, and
    // is not cut (what a paste of it would leave between them is unclear).
    bool canCut() const { return !session_.selection().isEmpty(); }
    bool canCopy() const { return session_.hasSelection(); }
    QByteArray cut();
    QByteArray copy();
    // Waits for the next left-button release to paste the block in the
    // clipboard bytes; false when they hold no block.
    bool beginPaste(const QByteArray& clipboard);
    void cancelPaste();

    // Stamps: the selection's tiles as shown become what "Brush" paints
    // (false without a selection); clearStamp goes back to the single tile.
    bool useSelectionAsStamp();
    void clearStamp();
    bool hasStamp() const { return !session_.stamp().isEmpty(); }

    // Whole-area edits, each one step (none when no cell changes): the
    // selection (rectangle or single cells), or the whole map without one.
    // Every cell holding `from` gets `to` ("Replace Tile").
    void replaceTile(int from, int to);
    // The selection filled with the current tile (Delete).
    void fillSelection();
    void selectAll();
    // "Select Same Tile": every cell holding the tile `cell` shows, within
    // the selection (rectangle or single cells) or on the whole map. Returns
    // how many; an empty selection when the cell is off the map.
    int selectSameTile(QPoint cell);
    // Moves the selection's block by `by` cells (arrow keys); false
    // without a selection.
    bool nudgeSelection(QPoint by);

    // Puts a floating block back (before a save, an undo, a close).
    bool dropFloatingBlock();
    // The tile map as a save would store it: with the floating block dropped.
    QByteArray tileMapAsSaved() const;

    // What the view draws over the map: the floating block, then a preview.
    std::vector<const TileOverlay*> overlays() const;

    MapChanges takeChanges() { return session_.takeChanges(); }

private:
    void previewPaste(QPoint cell);
    void pasteAt(QPoint cell);
    // The selection's cells in the floating block, lifting them if need be.
    void liftForClipboard();

    MapEditSession session_;
    std::array<std::unique_ptr<MapTool>, kMapToolCount> tools_;
};

}  // namespace tessel
