#pragma once

#include "records/property.h"

#include <QtGlobal>

class QUndoCommand;

namespace tessel {

class CFF3Doc;

// A map tile's property word as the tile editor's property tree shows it:
// the groups "Travelling", "Vehicles", "Battles" and "Other", a flag or a
// choice per field, each reading and writing its bits of the word.
class TilePropertyList {
public:
    // Property ids are the fields' positions in TileProperties::fields().
    static PropertyList of(quint16 word);
    // The command that stores `value` in property `p` of tile `tile` of
    // world map `map`: only the field's bits change ("Change <label>").
    static QUndoCommand* makeEdit(CFF3Doc& doc, int map, int tile, const Property& p, quint32 value);
};

}  // namespace tessel
