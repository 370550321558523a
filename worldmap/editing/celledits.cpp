#include "worldmap/editing/celledits.h"

#include "worldmap/worldmap.h"

namespace tessel {

namespace celledits {

namespace {

QRect onMap(const WorldMap& map, const QRect& area)
{
    const QRect whole(0, 0, map.width, map.height);
    return area.isEmpty() ? whole : area & whole;
}

}  // namespace

std::vector<MapCellWrite> stamp(const WorldMap& map, QPoint at, const MapBlock& block, const QRect& limit)
{
    std::vector<MapCellWrite> writes;
    const QRect area = onMap(map, limit) & QRect(at, block.size());
    writes.reserve(std::size_t(std::max(0, area.width() * area.height())));
    for (int row = area.top(); row <= area.bottom(); ++row) {
        for (int column = area.left(); column <= area.right(); ++column) {
            const int tile = block.tileAt(column - at.x(), row - at.y());
            if (map.tileAt(column, row) != tile)
                writes.push_back({QPoint(column, row), quint8(tile)});
        }
    }
    return writes;
}

std::vector<MapCellWrite> replaceTile(const WorldMap& map, const QRect& area, int from, int to)
{
    std::vector<MapCellWrite> writes;
    if (from == to)
        return writes;
    const QRect cells = onMap(map, area);
    const char* tiles = map.tileMap.constData();
    for (int row = cells.top(); row <= cells.bottom(); ++row) {
        const char* line = tiles + row * map.width;
        for (int column = cells.left(); column <= cells.right(); ++column)
            if (quint8(line[column]) == from)
                writes.push_back({QPoint(column, row), quint8(to)});
    }
    return writes;
}

std::vector<MapCellWrite> fill(const WorldMap& map, const QRect& area, int tile)
{
    return stamp(map, area.topLeft(),
                 MapBlock{area.width(), area.height(), QByteArray(area.width() * area.height(), char(tile))});
}

std::vector<MapCellWrite> replaceTile(const WorldMap& map, const CellSet& cells, int from, int to)
{
    std::vector<MapCellWrite> writes;
    if (from == to)
        return writes;
    for (const QPoint cell : cells.cells())
        if (map.tileAt(cell.x(), cell.y()) == from)
            writes.push_back({cell, quint8(to)});
    return writes;
}

std::vector<MapCellWrite> fill(const WorldMap& map, const CellSet& cells, int tile)
{
    std::vector<MapCellWrite> writes;
    for (const QPoint cell : cells.cells())
        if (map.tileAt(cell.x(), cell.y()) != tile)
            writes.push_back({cell, quint8(tile)});
    return writes;
}

CellSet cellsHolding(const WorldMap& map, const QRect& area, int tile)
{
    CellSet found(map.width, map.height);
    const QRect cells = onMap(map, area);
    for (int row = cells.top(); row <= cells.bottom(); ++row)
        for (int column = cells.left(); column <= cells.right(); ++column)
            if (map.tileAt(column, row) == tile)
                found.insert({column, row});
    return found;
}

CellSet cellsHolding(const WorldMap& map, const CellSet& cells, int tile)
{
    CellSet found(map.width, map.height);
    for (const QPoint cell : cells.cells())
        if (map.tileAt(cell.x(), cell.y()) == tile)
            found.insert(cell);
    return found;
}

}  // namespace celledits

}  // namespace tessel
