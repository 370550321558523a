#pragma once

#include "worldmap/tilesheet.h"

namespace tessel {

class CFF3Doc;

// Puts what a "Tile Pieces" sheet holds into world map `map` (its pieces,
// piece palettes and palette) as one step on the document's undo stack,
// "Import Tile Pieces". A sheet that changes nothing adds no step.
void pushTilePiecesImport(CFF3Doc& doc, int map, const TileSheet::Pieces& pieces);

}  // namespace tessel
