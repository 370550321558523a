#include "worldmap/editing/maptools.h"

#include "worldmap/editing/brushtool.h"
#include "worldmap/editing/celledits.h"
#include "worldmap/editing/filledrectangletool.h"
#include "worldmap/editing/floodfilltool.h"
#include "worldmap/editing/linetool.h"
#include "worldmap/editing/marqueetool.h"
#include "worldmap/editing/pickuptool.h"
#include "worldmap/editing/pointertool.h"
#include "worldmap/editing/rectangletool.h"
#include "worldmap/worldmap.h"

namespace tessel {

namespace {
constexpr int kCutTile = 0xFF;
}

MapTools::MapTools(const WorldMap& map, MapCellSink& sink) : session_(map, sink)
{
    tools_ = {std::make_unique<PointerTool>(), std::make_unique<PickupTool>(), std::make_unique<MarqueeTool>(),
              std::make_unique<BrushTool>(), std::make_unique<LineTool>(), std::make_unique<RectangleTool>(),
              std::make_unique<FilledRectangleTool>(), std::make_unique<FloodFillTool>()};
}

MapTools::~MapTools() = default;

void MapTools::selectTool(MapToolId tool)
{
    if (tool == currentTool())
        return;
    // A drag of the old tool ends unfinished, and its outlines go with it.
    tools_[std::size_t(mapToolIndex(currentTool()))]->handle(MapEvent::RightPress, {}, session_);
    session_.setHoverCell({});
    session_.setRubberBand({});
    session_.setPreview({});
    session_.setCurrentTool(tool);
}

void MapTools::handle(MapEvent event, const MapCell& cell)
{
    if (session_.pastePending()) {
        switch (event) {
        case MapEvent::Hover:
        case MapEvent::Drag: previewPaste(cell.map); break;
        case MapEvent::Release: pasteAt(cell.map); break;
        case MapEvent::RightPress: cancelPaste(); break;
        default: break;
        }
        return;
    }
    MapTool& current = *tools_[std::size_t(mapToolIndex(currentTool()))];
    // Also a drag begun before a Copy lifted a block paints only once it is back.
    if (current.paints() && (event == MapEvent::Press || event == MapEvent::Drag || event == MapEvent::Release))
        session_.dropFloatingBlock();
    current.handle(event, cell, session_);
}

void MapTools::liftForClipboard()
{
    if (!session_.hasFloatingBlock())
        session_.liftSelection();
}

QByteArray MapTools::cut()
{
    if (!canCut())
        return {};
    liftForClipboard();
    const QByteArray bytes = session_.floatingBlock().toClipboard();
    // After a Copy the block is in the map as well: a cut leaves 255 either
    // way. It joins the step that lifted the block and names it.
    const QRect cells = QRect(session_.selection().topLeft(), session_.floatingBlock().size());
    std::vector<MapCellWrite> writes;
    writes.reserve(std::size_t(cells.width()) * std::size_t(cells.height()));
    for (int row = cells.top(); row <= cells.bottom(); ++row)
        for (int column = cells.left(); column <= cells.right(); ++column)
            writes.push_back({{column, row}, quint8(kCutTile)});
    session_.store(std::move(writes), MapEditKind::Cut, session_.floatingStep());
    session_.discardFloatingBlock();
    return bytes;
}

QByteArray MapTools::copy()
{
    if (!canCopy())
        return {};
    if (session_.selection().isEmpty())
        return celledits::blockOf(session_.selectedCells().bounds(), [this](QPoint cell) {
                   return session_.shownTileAt(cell);
               }).toClipboard();
    liftForClipboard();
    // The block goes back into the map and stays floating as well: as part
    // of the step that lifted it, which then changes nothing.
    const MapBlock& block = session_.floatingBlock();
    const QPoint at = session_.selection().topLeft();
    std::vector<MapCellWrite> writes;
    writes.reserve(std::size_t(block.width) * std::size_t(block.height));
    for (int row = 0; row < block.height; ++row)
        for (int column = 0; column < block.width; ++column)
            writes.push_back({at + QPoint(column, row), quint8(block.tileAt(column, row))});
    session_.store(std::move(writes), MapEditKind::MoveSelection, session_.floatingStep());
    return block.toClipboard();
}

bool MapTools::beginPaste(const QByteArray& clipboard)
{
    const std::optional<MapBlock> block = MapBlock::fromClipboard(clipboard);
    if (!block || block->isEmpty())
        return false;
    session_.setHoverCell({});
    session_.setPending(*block);
    return true;
}

void MapTools::cancelPaste()
{
    if (!session_.pastePending())
        return;
    session_.clearPending();
    session_.setRubberBand({});
}

void MapTools::previewPaste(QPoint cell)
{
    const MapBlock& block = session_.pasteBlock();
    const QRect cells(cell, block.size());
    if (cells == session_.rubberBand())
        return;
    session_.setRubberBand(cells);
    session_.setPreview(TileOverlay::block(cells, block.tiles));
}

void MapTools::pasteAt(QPoint cell)
{
    // A block lifted by the marquee goes back first: the paste replaces
    // only the floating-block buffer's role, never the lifted cells.
    session_.dropFloatingBlock();
    // The part past the map's edge is dropped by the session.
    const MapBlock block = session_.pasteBlock();
    std::vector<MapCellWrite> writes;
    writes.reserve(std::size_t(block.width) * std::size_t(block.height));
    for (int row = 0; row < block.height; ++row)
        for (int column = 0; column < block.width; ++column)
            writes.push_back({cell + QPoint(column, row), quint8(block.tileAt(column, row))});
    session_.store(std::move(writes), MapEditKind::Paste);
    session_.setRubberBand({});
    session_.setSelection({});
    session_.clearPending();
}

bool MapTools::dropFloatingBlock()
{
    return session_.dropFloatingBlock();
}

QByteArray MapTools::tileMapAsSaved() const
{
    QByteArray tiles = session_.map().tileMap;
    const TileOverlay& floating = session_.floatingOverlay();
    const int width = session_.map().width;
    const QRect cells = floating.cells() & QRect(0, 0, width, session_.map().height);
    for (int row = cells.top(); row <= cells.bottom(); ++row)
        for (int column = cells.left(); column <= cells.right(); ++column)
            tiles[row * width + column] = char(floating.tileAt(column, row));
    return tiles;
}

std::vector<const TileOverlay*> MapTools::overlays() const
{
    return {&session_.floatingOverlay(), &session_.preview()};
}

bool MapTools::useSelectionAsStamp()
{
    const QRect area = session_.selection() & QRect(0, 0, session_.map().width, session_.map().height);
    if (area.isEmpty())
        return false;
    session_.setStamp(celledits::blockOf(area, [this](QPoint cell) { return session_.shownTileAt(cell); }));
    return true;
}

void MapTools::clearStamp()
{
    session_.setStamp({});
    session_.setPreview({});
}

void MapTools::replaceTile(int from, int to)
{
    session_.dropFloatingBlock();
    const CellSet& cells = session_.selectedCells();
    session_.store(cells.isEmpty() ? celledits::replaceTile(session_.map(), session_.selection(), from, to)
                                   : celledits::replaceTile(session_.map(), cells, from, to),
                   MapEditKind::ReplaceTile);
}

void MapTools::fillSelection()
{
    if (!session_.selectedCells().isEmpty()) {
        session_.store(celledits::fill(session_.map(), session_.selectedCells(), session_.currentTile()),
                       MapEditKind::Delete);
        return;
    }
    if (session_.selection().isEmpty())
        return;
    // A lifted block goes: its cells are filled, not put back, in the step that lifted it.
    const bool lifted = session_.hasFloatingBlock();
    session_.discardFloatingBlock();
    session_.store(celledits::fill(session_.map(), session_.selection(), session_.currentTile()),
                   MapEditKind::Delete, lifted ? session_.floatingStep() : MapEditSession::kNewStep);
}

void MapTools::selectAll()
{
    session_.setSelection(QRect(0, 0, session_.map().width, session_.map().height));
}

int MapTools::selectSameTile(QPoint cell)
{
    if (!session_.contains(cell)) {
        session_.setSelection({});
        return 0;
    }
    // What the user sees there, and the block back in the map to match it.
    const int tile = session_.shownTileAt(cell);
    session_.dropFloatingBlock();
    CellSet same = session_.selectedCells().isEmpty()
                       ? celledits::cellsHolding(session_.map(), session_.selection(), tile)
                       : celledits::cellsHolding(session_.map(), session_.selectedCells(), tile);
    const int count = same.count();
    session_.setSelectedCells(std::move(same));
    return count;
}

bool MapTools::nudgeSelection(QPoint by)
{
    return session_.moveFloatingBlock(by);
}

}  // namespace tessel
