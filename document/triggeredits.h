#pragma once

#include "worldmap/maptrigger.h"

#include <QList>
#include <QString>

class QUndoCommand;

namespace tessel {

class CFF3Doc;

// Adding, deleting and duplicating a world map's triggers. The list keeps
// entrances first, then events, each group in table order.
namespace triggeredits {

// `list` with `trigger` appended to its kind's group; `at` gets its index.
QList<MapTrigger> withAdded(QList<MapTrigger> list, const MapTrigger& trigger, int* at = nullptr);
// `list` with a copy of trigger `index` right after it.
QList<MapTrigger> withDuplicate(QList<MapTrigger> list, int index);
QList<MapTrigger> without(QList<MapTrigger> list, int index);

// The command making `triggers` map `map`'s list, or null with `refusal`
// saying why the trigger tables cannot take it.
QUndoCommand* listCommand(CFF3Doc& doc, int map, QList<MapTrigger> triggers, const QString& text,
                          QString* refusal);

}  // namespace triggeredits

}  // namespace tessel
