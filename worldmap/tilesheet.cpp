#include "worldmap/tilesheet.h"

#include "worldmap/packedtile.h"
#include "worldmap/snescolor.h"
#include "worldmap/worldmap.h"

#include <QCoreApplication>

namespace tessel {

namespace {

constexpr int kPieceSide = PackedTile::kSize;
constexpr int kPaletteColors = worldmap::kPaletteSize / 2;  // 128
constexpr int kSubPaletteMask = 0xF0;

void drawPiece(IndexedPicture& picture, const WorldMap& map, int piece, int left, int top)
{
    const int base = map.piecePalette[std::size_t(piece)];
    for (int y = 0; y < kPieceSide; ++y)
        for (int x = 0; x < kPieceSide; ++x)
            picture.setIndex(left + x, top + y, base + PackedTile::pixel(map.piece(piece), x, y));
}

bool refuse(TileSheet::Refusal* refusal, TileSheet::Refusal why, QString* reason, const QString& text)
{
    if (refusal)
        *refusal = why;
    if (reason)
        *reason = text;
    return false;
}

}  // namespace

const char* const TileSheet::kInvalidBitmapText =
    QT_TRANSLATE_NOOP("TileSheet", "The bitmap selected is invalid.\nPlease select a bitmap 128 pixels wide\nby 128 "
                                   "pixels high, and with\n256 colors.");
const char* const TileSheet::kInvalidBitmapTitle = QT_TRANSLATE_NOOP("TileSheet", "Bitmap Invalid");

std::array<quint32, IndexedPicture::kColors> TileSheet::colorTable(const WorldMap& map)
{
    std::array<quint32, IndexedPicture::kColors> colors{};
    for (int i = 0; i < kPaletteColors; ++i)
        colors[std::size_t(i)] = SnesColor::toScreen32(map.color(i));
    return colors;
}

IndexedPicture TileSheet::exportSheet(const WorldMap& map, Kind kind)
{
    const bool whole = kind == Kind::WholeTiles;
    IndexedPicture picture(whole ? kWholeTilesSide : kTilePiecesSide, whole ? kWholeTilesSide : kTilePiecesSide);
    picture.colors = colorTable(map);
    if (map.pieces.size() < worldmap::kPiecesSize)
        return picture;
    for (int n = 0; n < worldmap::kPieceCount; ++n) {
        if (!whole) {
            drawPiece(picture, map, n, (n % kPerRow) * kPieceSide, (n / kPerRow) * kPieceSide);
            continue;
        }
        const int left = (n % kPerRow) * 2 * kPieceSide;
        const int top = (n / kPerRow) * 2 * kPieceSide;
        for (int quarter = 0; quarter < 4; ++quarter)
            drawPiece(picture, map, map.tileAssembly.piece(n, quarter), left + (quarter & 1) * kPieceSide,
                      top + (quarter >> 1) * kPieceSide);
    }
    return picture;
}

std::optional<TileSheet::Pieces> TileSheet::importPieces(const IndexedPicture& picture, Refusal* refusal,
                                                         QString* reason)
{
    if (refusal)
        *refusal = Refusal::None;
    if (picture.width != kTilePiecesSide || picture.height != kTilePiecesSide ||
        picture.pixels.size() != qsizetype(kTilePiecesSide) * kTilePiecesSide) {
        refuse(refusal, Refusal::WrongShape, reason,
               QCoreApplication::translate("TileSheet", "the picture is %1 x %2 pixels, not %3 x %3")
                   .arg(picture.width)
                   .arg(picture.height)
                   .arg(kTilePiecesSide));
        return std::nullopt;
    }
    Pieces result;
    for (int i = 0; i < kPaletteColors; ++i) {
        const quint32 rgb = picture.colors[std::size_t(i)];
        const quint16 color = SnesColor::fromComponents(int((rgb >> 16) & 0xFF) >> 3, int((rgb >> 8) & 0xFF) >> 3,
                                                        int(rgb & 0xFF) >> 3);
        result.palette[std::size_t(2 * i)] = quint8(color);
        result.palette[std::size_t(2 * i + 1)] = quint8(color >> 8);
    }
    result.pieces = QByteArray(worldmap::kPiecesSize, '\0');
    for (int p = 0; p < worldmap::kPieceCount; ++p) {
        const int left = (p % kPerRow) * kPieceSide;
        const int top = (p / kPerRow) * kPieceSide;
        const int deciding = picture.index(left + 1, top);
        if (deciding >= kPaletteColors) {
            refuse(refusal, Refusal::SubPalettePastPalette, reason,
                   QCoreApplication::translate(
                       "TileSheet",
                       "Tile piece %1 would take its colours from palette %2: the second pixel of its "
                       "top row (%3, %4) has colour %5, past the map's %6 colours.")
                       .arg(p)
                       .arg(deciding >> 4)
                       .arg(left + 1)
                       .arg(top)
                       .arg(deciding)
                       .arg(kPaletteColors));
            return std::nullopt;
        }
        result.piecePalette[std::size_t(p)] = quint8(deciding & kSubPaletteMask);
        quint8* piece = reinterpret_cast<quint8*>(result.pieces.data()) + PackedTile::kBytes * p;
        for (int y = 0; y < kPieceSide; ++y)
            for (int x = 0; x < kPieceSide; ++x)
                PackedTile::setPixel(piece, x, y, picture.index(left + x, top + y));
    }
    return result;
}

}  // namespace tessel
