#include "tools/samplerom/samplegenerators.h"
#include "tools/samplerom/samplerandom.h"
#include "tools/samplerom/samplerom.h"
#include "tools/samplerom/sampleterrain.h"
#include "tools/samplerom/sampletilegraphics.h"
#include "worldmap/entrancedestination.h"
#include "worldmap/lzcodec.h"
#include "worldmap/worldmap.h"

namespace tessel {

// The two world maps of the sample ROM, their compressed blocks each at
// the start of a room of exactly the size the game gives it.
namespace samplegen {

using namespace worldmap;

namespace {

struct BlockHome {
    SnesAddress tileMap;
    SnesAddress graphics;
    SnesAddress summary;
};

inline constexpr BlockHome kBalanceHome = {0xEEB300, 0xEEF100, 0xEF1300};
inline constexpr BlockHome kRuinHome = {0xEF1800, 0xEF4B00, 0xEF6C00};

// Trigger records start right after the three index words of each table.
inline constexpr int kIndexWords = 3;

const SampleTerrain::Style kBalanceStyle = {0xB41A7CEu, 62, 18, 30, 14, false};
const SampleTerrain::Style kRuinStyle = {0x5E1F1u, 70, 35, 15, 10, true};

QByteArray littleEndian(quint32 value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char(value >> (8 * i)));
    return out;
}

QByteArray pointer24(SnesAddress address)
{
    return littleEndian(address, 3);
}

// A map record filled from the generators, as the save would write it.
WorldMap buildMap(const MapLayout& layout, const SampleTerrain& terrain, bool ruined, quint32 seed)
{
    WorldMap map;
    map.layout = &layout;
    map.name = QString::fromLatin1(layout.name);
    map.tileMap = terrain.tiles;
    map.setGraphicsBlock(sampletilegraphics::assembly() + sampletilegraphics::pieces(ruined) +
                         sampletilegraphics::piecePaletteNumbers());
    const QByteArray palette = sampletilegraphics::palette(ruined);
    std::copy_n(palette.constData(), palette.size(), map.palette.begin());
    const QByteArray properties = sampletilegraphics::tileProperties(ruined);
    std::copy_n(properties.constData(), properties.size(), map.tileProperties.begin());

    // An entrance at every place, then a few events on the open sea and land.
    SampleRandom random(seed);
    for (int i = 0; i < terrain.places.size(); ++i) {
        const SampleTerrain::Place& place = terrain.places[i];
        const quint16 destination = quint16((1 + i * 13 + (ruined ? 0x100 : 0)) & 0x1FF) |
                                    quint16(i % 3 ? 0x800 : 0) | quint16((i % 4) << 12);
        MapTrigger trigger;
        trigger.kind = MapTrigger::Entrance;
        trigger.x = quint8(place.x);
        trigger.y = quint8(place.y);
        trigger.data = destination | quint32(random.between(8, 60)) << 16 | quint32(random.between(8, 60)) << 24;
        map.triggers.append(trigger);
    }
    // A passage to the other world map, and one to a far place on this one.
    const int thisMap = ruined ? EntranceDestination::kWorldOfRuin : EntranceDestination::kWorldOfBalance;
    for (const int toMap : {ruined ? EntranceDestination::kWorldOfBalance : EntranceDestination::kWorldOfRuin, thisMap}) {
        const SampleTerrain::Place& from = terrain.places[toMap == thisMap ? 1 : 0];
        EntranceDestination destination;
        destination.map = toMap;
        destination.x = quint8(random.between(16, 240));
        destination.y = quint8(random.between(16, 240));
        destination.facing = EntranceDestination::Down;
        MapTrigger trigger;
        trigger.kind = MapTrigger::Entrance;
        trigger.x = quint8(from.x + 1);
        trigger.y = quint8(from.y);
        trigger.data = destination.data();
        map.triggers.append(trigger);
    }
    const int events = ruined ? 4 : 6;
    for (int i = 0; i < events; ++i) {
        MapTrigger trigger;
        trigger.kind = MapTrigger::Event;
        trigger.x = quint8(random.below(256));
        trigger.y = quint8(random.below(256));
        trigger.data = quint32(0x00A000 + random.below(0x20000)) & 0xFFFFFF;
        map.triggers.append(trigger);
    }
    return map;
}

void placeBlock(SampleRom& rom, SnesAddress home, quint32 room, const QByteArray& decoded, const QString& label)
{
    QByteArray block = LzCodec::encode(decoded);
    if (block.size() > qsizetype(room))
        qFatal("sample %s: %d bytes do not fit its room of %u", qPrintable(label), int(block.size()), room);
    block.resize(room, '\0');
    rom.place(home, block, label);
}

void placeMap(SampleRom& rom, const WorldMap& map, const BlockHome& home)
{
    const MapLayout& layout = *map.layout;
    const QString name = map.name;
    placeBlock(rom, home.tileMap, layout.tileMapRoom, map.tileMap, name + QStringLiteral(" tile map"));
    placeBlock(rom, home.graphics, layout.graphicsRoom, map.graphicsBlock(), name + QStringLiteral(" graphics"));
    placeBlock(rom, home.summary, layout.summaryRoom, map.rebuiltSummary(), name + QStringLiteral(" region summary"));
    auto placePointers = [&](PointerLocations locations, SnesAddress target, const QString& what) {
        rom.place(locations.first, pointer24(target), name + what);
        if (locations.second)
            rom.place(locations.second, pointer24(target), name + what + QStringLiteral(" (second)"));
    };
    placePointers(layout.tileMapPointers, home.tileMap, QStringLiteral(" tile map pointer"));
    placePointers(layout.graphicsPointers, home.graphics, QStringLiteral(" graphics pointer"));
    placePointers(layout.summaryPointers, home.summary, QStringLiteral(" summary pointer"));
    rom.place(layout.paletteAddress, std::span<const quint8>(map.palette), name + QStringLiteral(" palette"));
    rom.place(layout.propertiesAddress, std::span<const quint8>(map.tileProperties),
              name + QStringLiteral(" tile properties"));
}

// Both maps' records of one trigger table behind its three index words.
void placeTriggerTable(SampleRom& rom, SnesAddress base, MapTrigger::Kind kind, const WorldMap& balance,
                       const WorldMap& ruin, const QString& label)
{
    QByteArray records;
    QByteArray index;
    auto appendWord = [&](int value) { index += littleEndian(quint32(value), 2); };
    appendWord(kIndexWords * 2);
    for (const WorldMap* map : {&balance, &ruin}) {
        for (const MapTrigger& t : map->triggers) {
            if (t.kind != kind)
                continue;
            records += littleEndian(t.x, 1) + littleEndian(t.y, 1) +
                       littleEndian(t.data, kind == MapTrigger::Entrance ? 4 : 3);
        }
        appendWord(kIndexWords * 2 + int(records.size()));
    }
    rom.place(base, index + records, label);
}

}  // namespace

void writeWorldMaps(SampleRom& rom)
{
    const WorldMap balance = buildMap(kBalance, SampleTerrain::generate(kBalanceStyle), false, 0xBA1);
    const WorldMap ruin = buildMap(kRuin, SampleTerrain::generate(kRuinStyle), true, 0x2B1);
    placeMap(rom, balance, kBalanceHome);
    placeMap(rom, ruin, kRuinHome);
    placeTriggerTable(rom, kEntranceTriggerBase, MapTrigger::Entrance, balance, ruin,
                      QStringLiteral("entrance triggers"));
    placeTriggerTable(rom, kEventTriggerBase, MapTrigger::Event, balance, ruin, QStringLiteral("event triggers"));
}

}  // namespace samplegen

}  // namespace tessel
