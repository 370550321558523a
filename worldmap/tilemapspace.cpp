#include "worldmap/tilemapspace.h"

#include "worldmap/lzcodec.h"

#include <QCoreApplication>
#include <QLocale>

namespace tessel {

TileMapSpace TileMapSpace::measure(const QByteArray& tileMap, int room)
{
    return {int(LzCodec::encode(tileMap).size()), room};
}

bool TileMapSpace::storable() const
{
    return encodedSize_ <= LzCodec::kMaxStreamLength;
}

QString TileMapSpace::text() const
{
    // The status bar reads the same whatever the user's locale.
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    if (!storable())
        return QCoreApplication::translate(
                   "TileMapSpace", "Tile map: %1 bytes, more than a compressed block can hold; saving is refused")
            .arg(english.toString(encodedSize_));
    const QString size = QCoreApplication::translate("TileMapSpace", "Tile map: %1 of %2 bytes")
                             .arg(english.toString(encodedSize_), english.toString(room_));
    if (fitsRoom())
        return size;
    return size + QCoreApplication::translate("TileMapSpace", "; the next save moves it to the expansion area");
}

}  // namespace tessel
