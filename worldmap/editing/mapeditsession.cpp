#include "worldmap/editing/mapeditsession.h"

#include <algorithm>

#include "worldmap/worldmap.h"

namespace tessel {

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
    currentTileChanged |= other.currentTileChanged;
    marqueeSizeChanged |= other.marqueeSizeChanged;
    if (other.pointedCell)
        pointedCell = other.pointedCell;
}

MapEditSession::MapEditSession(const WorldMap& map, MapCellSink& sink) : map_(map), sink_(sink) {}

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
    if (!selectedCells_.isEmpty()) {
        reshow(selectedCells_.bounds());
        selectedCells_ = {};
        changes_.outlinesChanged = true;
    }
    if (cells == selection_)
        return;
    // A floating block goes back where it was lifted, not where the selection goes.
    dropFloatingBlock();
    reshow(selection_);
    selection_ = cells;
    changes_.outlinesChanged = true;
    updateFloatingOverlay();
}

void MapEditSession::setSelectedCells(CellSet cells)
{
    setSelection({});
    reshow(cells.bounds());
    selectedCells_ = std::move(cells);
    changes_.outlinesChanged = true;
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
    dropFloatingBlock();
    const QRect cells = selection_ & QRect(0, 0, map_.width, map_.height);
    floating_ = {};
    if (cells.isEmpty())
        return;
    floating_.width = cells.width();
    floating_.height = cells.height();
    floating_.tiles.reserve(qsizetype(cells.width()) * cells.height());
    std::vector<MapCellWrite> lifted;
    lifted.reserve(std::size_t(cells.width()) * std::size_t(cells.height()));
    for (int row = cells.top(); row <= cells.bottom(); ++row)
        for (int column = cells.left(); column <= cells.right(); ++column) {
            floating_.tiles.append(char(map_.tileAt(column, row)));
            lifted.push_back({{column, row}, kLiftedTile});
        }
    selection_ = cells;
    floatingStep_ = store(std::move(lifted), MapEditKind::MoveSelection);
    updateFloatingOverlay();
}

bool MapEditSession::dropFloatingBlock()
{
    if (floating_.isEmpty())
        return false;
    if (!selection_.isEmpty()) {
        std::vector<MapCellWrite> dropped;
        dropped.reserve(std::size_t(floating_.width) * std::size_t(floating_.height));
        for (int row = 0; row < floating_.height; ++row)
            for (int column = 0; column < floating_.width; ++column)
                dropped.push_back({selection_.topLeft() + QPoint(column, row), quint8(floating_.tileAt(column, row))});
        store(std::move(dropped), MapEditKind::MoveSelection, floatingStep_);
    }
    discardFloatingBlock();
    return true;
}

bool MapEditSession::moveFloatingBlock(QPoint by)
{
    if (selection_.isEmpty())
        return false;
    if (floating_.isEmpty())
        liftSelection();
    if (floating_.isEmpty())
        return false;
    const QPoint to(std::clamp(selection_.left() + by.x(), 0, map_.width - floating_.width),
                    std::clamp(selection_.top() + by.y(), 0, map_.height - floating_.height));
    if (to == selection_.topLeft())
        return true;
    reshow(floatingOverlay_.cells());
    selection_.moveTopLeft(to);
    changes_.outlinesChanged = true;
    updateFloatingOverlay();
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

int MapEditSession::store(std::vector<MapCellWrite> writes, MapEditKind kind, int step)
{
    // Only the step begun last can grow: a stroke that a lift interrupted
    // goes on as a step of its own.
    const bool startsStep = step == kNewStep || step != lastStep_;
    if (startsStep)
        lastStep_ += 1;
    std::erase_if(writes, [this](const MapCellWrite& write) { return !contains(write.cell); });
    QRect cells;
    for (const MapCellWrite& write : writes)
        cells |= QRect(write.cell, QSize(1, 1));
    // Also without cells: a part that only names the step (a Cut of cells
    // that hold tile 255 already) reaches the sink.
    sink_.store(writes, kind, startsStep);
    noteMapCells(cells);
    return lastStep_;
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

}  // namespace tessel
