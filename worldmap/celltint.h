#pragma once

#include "worldmap/snescolor.h"

#include <QtGlobal>

namespace tessel {

// The colours a map view mixes into a cell's tile while painting (never
// stored): trigger cells while the Pointer tool is active, the cell of the
// selected trigger, and the cells holding the current tile while "Highlight
// Selected Tile" is on.
enum class CellTint : quint8 { None, EventTrigger, EntranceTrigger, SelectedTrigger, HighlightedTile };

inline constexpr int kCellTintCount = 5;

// The tint colour of each CellTint (unused for None).
inline constexpr quint16 kCellTintColors[kCellTintCount] = {
    0,
    quint16(31 | 15 << 5 | 15 << 10),  // event trigger: red
    quint16(15 | 15 << 5 | 31 << 10),  // entrance trigger: blue
    quint16(31 | 31 << 5 | 15 << 10),  // selected trigger: yellow
    quint16(15 | 31 << 5 | 15 << 10),  // highlighted tile: green
};

// Grid lines between cells: (24, 24, 24) in 5-bit components.
inline constexpr quint16 kGridLineColor = quint16(24 | 24 << 5 | 24 << 10);

}  // namespace tessel
