#pragma once

#include "worldmap/editing/mapeditkind.h"
#include "worldmap/mapcellwrite.h"

#include <vector>

namespace tessel {

// Where an editing session stores the cells of its map: the document's
// undo stack in the program, a recording stand-in in tests. The map holds
// the tiles by the time store() returns.
//
// Stores that begin a step and the ones continuing it (a brush stroke's
// later cells, the drop of a lifted block, a Cut of one) make one step of
// the history while nothing else came in between; the kind of the newest
// part names the step. Writes that leave a cell as it was change nothing,
// and a step whose cells all end as they began is no step at all.
class MapCellSink {
public:
    virtual ~MapCellSink() = default;
    virtual void store(const std::vector<MapCellWrite>& writes, MapEditKind kind, bool startsStep) = 0;
};

}  // namespace tessel
