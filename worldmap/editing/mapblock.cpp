#include "worldmap/editing/mapblock.h"

namespace tessel {

namespace {

constexpr int kSizeRange = 256;

int sizeFromByte(quint8 byte)
{
    return byte == 0 ? kSizeRange : byte;
}

}  // namespace

QByteArray MapBlock::toClipboard() const
{
    QByteArray bytes;
    bytes.reserve(2 + tiles.size());
    bytes.append(char(width % kSizeRange));
    bytes.append(char(height % kSizeRange));
    bytes.append(tiles);
    return bytes;
}

std::optional<MapBlock> MapBlock::fromClipboard(const QByteArray& bytes)
{
    if (bytes.size() < 2)
        return std::nullopt;
    MapBlock block;
    block.width = sizeFromByte(quint8(bytes[0]));
    block.height = sizeFromByte(quint8(bytes[1]));
    const qsizetype count = qsizetype(block.width) * block.height;
    if (bytes.size() - 2 < count)
        return std::nullopt;
    block.tiles = bytes.mid(2, count);
    return block;
}

}  // namespace tessel
