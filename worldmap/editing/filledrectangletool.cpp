#include "worldmap/editing/filledrectangletool.h"

#include "worldmap/editing/mapeditsession.h"

namespace tessel {

std::vector<QPoint> FilledRectangleTool::cells(QPoint anchor, QPoint end) const
{
    const QRect band = MapEditSession::spanning(anchor, end);
    std::vector<QPoint> all;
    all.reserve(std::size_t(band.width() * band.height()));
    for (int row = band.top(); row <= band.bottom(); ++row)
        for (int column = band.left(); column <= band.right(); ++column)
            all.emplace_back(column, row);
    return all;
}

}  // namespace tessel
