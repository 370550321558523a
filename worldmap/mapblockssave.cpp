#include "worldmap/mapblockssave.h"

#include "rom/freespace.h"
#include "rom/romimage.h"
#include "worldmap/lzcodec.h"
#include "worldmap/worldmap.h"

#include <QCoreApplication>

namespace tessel {

namespace {

struct Block {
    const PointerList* pointers;
    quint32 room;
    QByteArray encoded;
    QString description;
};

}  // namespace

bool MapBlocksSave::plan(RomImage& rom, const WorldMap& map, FreeSpace& space, QString* reason)
{
    placements_.clear();
    if (!map.layout)
        return true;
    // Encode everything first: a block that cannot be stored refuses the
    // save before any space is taken.
    Block blocks[] = {
        {&map.tileMapPointers, map.layout->tileMapRoom, LzCodec::encode(map.tileMap),
         QCoreApplication::translate("MapBlocksSave", "tile map")},
        {&map.summaryPointers, map.layout->summaryRoom, LzCodec::encode(map.rebuiltSummary()),
         QCoreApplication::translate("MapBlocksSave", "region summary")},
        {&map.piecesPointers, map.layout->graphicsRoom, LzCodec::encode(map.graphicsBlock()),
         QCoreApplication::translate("MapBlocksSave", "tile graphics")},
    };
    for (const Block& block : blocks)
        if (block.encoded.size() > LzCodec::kMaxStreamLength) {
            *reason = QCoreApplication::translate("MapBlocksSave",
                                                  "The %1 of the %2 compresses to %3 bytes, more than the %4 bytes "
                                                  "a compressed block can hold.\nNothing was saved; simplify the map.")
                          .arg(block.description, map.name)
                          .arg(block.encoded.size())
                          .arg(LzCodec::kMaxStreamLength);
            return false;
        }

    for (Block& block : blocks) {
        const quint32 size = quint32(block.encoded.size());
        placements_.push_back(BlockPlacement::plan(rom, *block.pointers, block.room, std::move(block.encoded), space));
        if (!placements_.back().placed()) {
            const quint32 largest = space.largestRun();
            *reason = QCoreApplication::translate(
                          "MapBlocksSave",
                          "There is no room past the 3 MB image for the %1 of the %2: it takes %3 bytes "
                          "and the largest free run there holds %4, so %5 bytes of room are missing "
                          "(data of other tools there is never overwritten).\n"
                          "Nothing was saved; simplify the map or shorten the dialogue.")
                          .arg(block.description, map.name)
                          .arg(size)
                          .arg(largest)
                          .arg(size - largest);
            return false;
        }
    }
    return true;
}

void MapBlocksSave::clearVacatedRooms(RomImage& rom) const
{
    for (const BlockPlacement& placement : placements_)
        placement.clearVacatedRoom(rom);
}

void MapBlocksSave::write(RomImage& rom, const WorldMap& map) const
{
    if (placements_.empty())
        return;
    const PointerList* pointers[] = {&map.tileMapPointers, &map.summaryPointers, &map.piecesPointers};
    for (std::size_t i = 0; i < placements_.size(); ++i)
        placements_[i].write(rom, *pointers[i]);
    map.savePlainParts(rom);
}

std::vector<AddressRange> MapBlocksSave::storedBlocks(RomImage& rom)
{
    std::vector<AddressRange> ranges;
    for (const worldmap::MapLayout* layout : worldmap::kLayouts) {
        for (worldmap::PointerLocations locations :
             {layout->tileMapPointers, layout->summaryPointers, layout->graphicsPointers}) {
            const SnesAddress start = PointerList(locations).target(rom);
            ranges.push_back({start, start + LzCodec::storedLength(rom, start)});
        }
    }
    return ranges;
}

}  // namespace tessel
