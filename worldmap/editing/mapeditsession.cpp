#include "worldmap/editing/mapeditsession.h"

#include "worldmap/worldmap.h"

namespace {
// What a lifted or cut cell holds until a block is dropped on it.
constexpr int kLiftedTile = 0xFF;
}

void MapChanges::merge(const MapChanges& other)
{
    mapCells |= other.mapCells;
    mapChanged |= other.mapChanged;
    shownCells |= other.shownCells;
    outlinesChanged |= other.outlinesChanged;
    historyChanged |= other.historyChanged;
    currentTileChanged |= other.currentTileChanged;
    marqueeSizeChanged |= other.marqueeSizeChanged;
    newSteps += other.newSteps;
    if (other.pointedCell)
        pointedCell = other.pointedCell;
}

MapEditSession::MapEditSession(WorldMap& map) : map_(map) {}

bool MapEditSession::contains(QPoint cell) const
{
    return cell.x() >= 0 && cell.y() >= 0 && cell.x() < map_.width && cell.y() < map_.height;
}

void MapEditSession::setCurrentTile(int tile)
{
    if (tile == currentTile_)
        return;
    currentTile_ = tile;
    changes_.currentTileChanged = true;
}

void MapEditSession::setHoverCell(const QRect& visibleCell)
{
    if (visibleCell == hoverCell_)
        return;
    hoverCell_ = visibleCell;
    changes_.outlinesChanged = true;
}

void MapEditSession::setRubberBand(const QRect& cells)
{
    if (cells == rubberBand_)
        return;
    rubberBand_ = cells;
    changes_.outlinesChanged = true;
}

QRect MapEditSession::spanning(QPoint a, QPoint b)
{
    return QRect(QPoint(qMin(a.x(), b.x()), qMin(a.y(), b.y())), QPoint(qMax(a.x(), b.x()), qMax(a.y(), b.y())));
}

void MapEditSession::setSelection(const QRect& cells)
{
    if (cells == selection_)
        return;
    reshow(selection_);
    selection_ = cells;
    changes_.outlinesChanged = true;
    updateFloatingOverlay();
}

void MapEditSession::updateFloatingOverlay()
{
    floatingOverlay_ = floating_.isEmpty() || selection_.isEmpty()
                           ? TileOverlay()
                           : TileOverlay::block(QRect(selection_.topLeft(), floating_.size()), floating_.tiles);
    reshow(floatingOverlay_.cells());
}

void MapEditSession::liftSelection()
{
    const QRect cells = selection_ & QRect(0, 0, map_.width, map_.height);
    floating_ = {};
    if (cells.isEmpty())
        return;
    floating_.width = cells.width();
    floating_.height = cells.height();
    floating_.tiles.reserve(qsizetype(cells.width()) * cells.height());
    for (int row = cells.top(); row <= cells.bottom(); ++row)
        for (int column = cells.left(); column <= cells.right(); ++column) {
            floating_.tiles.append(char(map_.tileAt(column, row)));
            storeUnrecorded({column, row}, kLiftedTile);
        }
    selection_ = cells;
    updateFloatingOverlay();
}

bool MapEditSession::dropFloatingBlock()
{
    if (floating_.isEmpty())
        return false;
    if (!selection_.isEmpty()) {
        for (int row = 0; row < floating_.height; ++row)
            for (int column = 0; column < floating_.width; ++column) {
                const QPoint cell = selection_.topLeft() + QPoint(column, row);
                if (contains(cell))
                    storeUnrecorded(cell, floating_.tileAt(column, row));
            }
    }
    discardFloatingBlock();
    return true;
}

void MapEditSession::discardFloatingBlock()
{
    if (floating_.isEmpty())
        return;
    reshow(floatingOverlay_.cells());
    floating_ = {};
    updateFloatingOverlay();
}

int MapEditSession::shownTileAt(QPoint cell) const
{
    if (!floating_.isEmpty() && !selection_.isEmpty()) {
        const QPoint inBlock = cell - selection_.topLeft();
        if (inBlock.x() >= 0 && inBlock.y() >= 0 && inBlock.x() < floating_.width && inBlock.y() < floating_.height)
            return floating_.tileAt(inBlock.x(), inBlock.y());
    }
    return map_.tileAt(cell.x(), cell.y());
}

void MapEditSession::store(QPoint cell, int tile, bool startsStep, MapEditKind kind)
{
    if (!contains(cell))
        return;
    undo_.record({quint16(cell.x()), quint16(cell.y()), quint8(map_.tileAt(cell.x(), cell.y())), startsStep, kind});
    changes_.historyChanged = true;
    changes_.newSteps += startsStep ? 1 : 0;
    storeUnrecorded(cell, tile);
}

void MapEditSession::storeUnrecorded(QPoint cell, int tile)
{
    if (!contains(cell))
        return;
    map_.setTile(cell.x(), cell.y(), tile);
    noteMapCells(QRect(cell, QSize(1, 1)));
}

void MapEditSession::noteMapCells(const QRect& cells)
{
    if (cells.isEmpty())
        return;
    changes_.mapCells |= cells;
    changes_.mapChanged = true;
}

void MapEditSession::reshow(const QRect& cells)
{
    changes_.shownCells |= cells;
}

void MapEditSession::setPending(const MapBlock& block)
{
    pasteBlock_ = block;
    pastePending_ = true;
}

void MapEditSession::clearPending()
{
    pastePending_ = false;
    pasteBlock_ = {};
    setPreview({});
}

void MapEditSession::setPreview(TileOverlay preview)
{
    reshow(preview_.cells());
    preview_ = std::move(preview);
    reshow(preview_.cells());
}

MapChanges MapEditSession::takeChanges()
{
    return std::exchange(changes_, MapChanges{});
}
