#include "worldmap/worldmap.h"

#include "rom/romimage.h"
#include "worldmap/lzcodec.h"
#include "worldmap/packedtile.h"

#include <QCoreApplication>

namespace tessel {

using namespace worldmap;

namespace {

struct TriggerTable {
    SnesAddress base;
    int recordSize;
};

// Where a map's records of one table lie, and how many there are. A pair
// whose end lies before its start gives none.
struct TriggerRun {
    SnesAddress start = 0;
    int count = 0;
};

TriggerRun findTriggers(RomImage& rom, SnesAddress indexAddress, TriggerTable table)
{
    rom.SeekSnes(indexAddress);
    const quint16 first = rom.readWord();
    const quint16 end = rom.readWord();
    if (end < first)
        return {};
    return {table.base + first, (end - first) / table.recordSize};
}

constexpr TriggerTable kEntranceTable = {kEntranceTriggerBase, kEntranceRecordSize};
constexpr TriggerTable kEventTable = {kEventTriggerBase, kEventRecordSize};

}  // namespace

void WorldMap::load(RomImage& rom, const MapLayout& mapLayout)
{
    layout = &mapLayout;
    name = QCoreApplication::translate("WorldMap", mapLayout.name);
    width = kMapWidth;
    height = kMapHeight;
    tileMapPointers = PointerList(mapLayout.tileMapPointers);
    summaryPointers = PointerList(mapLayout.summaryPointers);
    piecesPointers = PointerList(mapLayout.graphicsPointers);

    tileMap = LzCodec::decode(rom, tileMapPointers.target(rom), kTileMapSize);
    regionSummary = LzCodec::decode(rom, summaryPointers.target(rom), kSummarySize);
    rom.SeekSnes(mapLayout.paletteAddress);
    rom.readInto(palette);
    setGraphicsBlock(LzCodec::decode(rom, piecesPointers.target(rom), kGraphicsSize));
    rom.SeekSnes(mapLayout.propertiesAddress);
    rom.readInto(tileProperties);

    triggers.clear();
    const TriggerRun entrances = findTriggers(rom, mapLayout.entranceIndexAddress, kEntranceTable);
    rom.SeekSnes(entrances.start);
    for (int i = 0; i < entrances.count; ++i) {
        MapTrigger trigger;
        trigger.kind = MapTrigger::Entrance;
        trigger.x = rom.readByte();
        trigger.y = rom.readByte();
        trigger.data = rom.readWord();
        trigger.data |= quint32(rom.readWord()) << 16;
        triggers.append(trigger);
    }
    const TriggerRun events = findTriggers(rom, mapLayout.eventIndexAddress, kEventTable);
    rom.SeekSnes(events.start);
    for (int i = 0; i < events.count; ++i) {
        MapTrigger trigger;
        trigger.kind = MapTrigger::Event;
        trigger.x = rom.readByte();
        trigger.y = rom.readByte();
        trigger.data = rom.readWord();
        trigger.data |= quint32(rom.readByte()) << 16;
        triggers.append(trigger);
    }
}

// Both maps share the trigger tables, which the document's trigger-table
// part rewrites whole (TriggerTable).
void WorldMap::savePlainParts(RomImage& rom) const
{
    if (!layout)
        return;
    rom.SeekSnes(layout->paletteAddress);
    rom.write(palette);
    rom.SeekSnes(layout->propertiesAddress);
    rom.write(tileProperties);
}

quint16 WorldMap::tileProperty(int tile) const
{
    return quint16(tileProperties[2 * tile] | tileProperties[2 * tile + 1] << 8);
}

void WorldMap::setTileProperty(int tile, quint16 word)
{
    tileProperties[2 * tile] = quint8(word);
    tileProperties[2 * tile + 1] = quint8(word >> 8);
}

quint16 WorldMap::color(int index) const
{
    return quint16(palette[2 * index] | palette[2 * index + 1] << 8);
}

void WorldMap::setColor(int index, quint16 color)
{
    palette[2 * index] = quint8(color);
    palette[2 * index + 1] = quint8(color >> 8);
}

QByteArray WorldMap::graphicsBlock() const
{
    QByteArray block;
    block.reserve(kGraphicsSize);
    block.append(reinterpret_cast<const char*>(tileAssembly.bytes.data()), kAssemblySize);
    block.append(pieces.left(kPiecesSize));
    block.resize(kAssemblySize + kPiecesSize, '\0');
    for (int k = 0; k < kPiecePaletteSize; ++k)
        block.append(char((piecePalette[2 * k] >> 4) | (piecePalette[2 * k + 1] & 0xF0)));
    return block;
}

void WorldMap::setGraphicsBlock(const QByteArray& block)
{
    const QByteArray full = block.leftJustified(kGraphicsSize, '\0', true);
    std::copy_n(full.constData(), kAssemblySize, tileAssembly.bytes.begin());
    pieces = full.mid(kAssemblySize, kPiecesSize);
    for (int p = 0; p < kPieceCount; ++p) {
        const quint8 numbers = quint8(full[kAssemblySize + kPiecesSize + p / 2]);
        piecePalette[p] = (p & 1) ? quint8(numbers & 0xF0) : quint8((numbers & 0x0F) << 4);
    }
}

QByteArray WorldMap::rebuiltSummary() const
{
    return RegionSummary::pack(RegionSummary::build(reinterpret_cast<const quint8*>(tileMap.constData()), width,
                                                    height, tileProperties.data(), triggers));
}

void WorldMap::drawPiece(PixelBuffer& target, int x, int y, int p, std::optional<quint16> tint) const
{
    PackedTile::draw(target, x, y, piece(p), piecePalette[p], palette.data(), tint);
}

void WorldMap::drawTile(PixelBuffer& target, int x, int y, int tile, std::optional<quint16> tint) const
{
    drawPiece(target, x, y, tileAssembly.piece(tile, TileAssembly::TopLeft), tint);
    drawPiece(target, x + 8, y, tileAssembly.piece(tile, TileAssembly::TopRight), tint);
    drawPiece(target, x, y + 8, tileAssembly.piece(tile, TileAssembly::BottomLeft), tint);
    drawPiece(target, x + 8, y + 8, tileAssembly.piece(tile, TileAssembly::BottomRight), tint);
}

int WorldMap::triggerCount(MapTrigger::Kind kind) const
{
    return int(std::count_if(triggers.begin(), triggers.end(),
                             [kind](const MapTrigger& t) { return t.kind == kind; }));
}

int WorldMap::firstTriggerAt(int column, int row) const
{
    for (int i = 0; i < triggers.size(); ++i)
        if (triggers[i].x == column && triggers[i].y == row)
            return i;
    return -1;
}

}  // namespace tessel
