#pragma once

#include <QPoint>
#include <QtGlobal>

namespace tessel {

// A tile to be stored in one cell of a world map's tile map.
struct MapCellWrite {
    QPoint cell;
    quint8 tile = 0;
};

}  // namespace tessel
