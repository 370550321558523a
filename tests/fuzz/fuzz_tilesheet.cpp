// Feeds arbitrary bytes to the tile-sheet reader (bitmaps and PNG images).
// A picture that is read must write back to the same picture, and a sheet
// of pieces that is taken must export back to what it put in.
#include "document/tilesheetfile.h"
#include "worldmap/bmpfile.h"
#include "worldmap/tilesheet.h"
#include "worldmap/worldmap.h"

#include <cstdint>
#include <cstdlib>

using namespace tessel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString reason;
    const std::optional<IndexedPicture> picture = TileSheetFile::decode(bytes, &reason);
    if (!picture) {
        if (reason.isEmpty())
            std::abort();  // a refusal must say why
        return 0;
    }
    if (picture->pixels.size() != qsizetype(picture->width) * picture->height)
        std::abort();
    const std::optional<IndexedPicture> again = BmpFile::decode(BmpFile::encode(*picture), &reason);
    if (!again || again->pixels != picture->pixels || again->colors != picture->colors)
        std::abort();

    const std::optional<TileSheet::Pieces> pieces = TileSheet::importPieces(*picture, nullptr, &reason);
    if (!pieces)
        return 0;
    WorldMap map;
    map.pieces = pieces->pieces;
    map.piecePalette = pieces->piecePalette;
    map.palette = pieces->palette;
    const std::optional<TileSheet::Pieces> back =
        TileSheet::importPieces(TileSheet::exportSheet(map, TileSheet::Kind::TilePieces), nullptr, &reason);
    if (!back || back->pieces != pieces->pieces || back->piecePalette != pieces->piecePalette ||
        back->palette != pieces->palette)
        std::abort();
    return 0;
}
