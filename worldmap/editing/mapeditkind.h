#pragma once

#include <QString>

namespace tessel {

// What made a step of map edits, for the Edit menu ("Undo Brush").
// MoveSelection is a block lifted by the marquee together with its drop.
enum class MapEditKind : quint8 { Brush, Line, Rectangle, FilledRectangle, FloodFill, Paste, Cut, MoveSelection,
                                   ReplaceTile, Delete };
QString mapEditName(MapEditKind kind);

}  // namespace tessel
