#include "worldmap/worldmaps.h"

#include "rom/freespace.h"
#include "rom/romimage.h"
#include "worldmap/blockplacement.h"
#include "worldmap/lzcodec.h"
#include "worldmap/worldmap.h"

namespace {

struct PendingBlock {
    const PointerList* pointers;
    quint32 room;
    QByteArray encoded;
    QString description;
    QString mapName;
};

}  // namespace

WorldMaps::WorldMaps() = default;
WorldMaps::~WorldMaps() = default;
WorldMaps::WorldMaps(WorldMaps&&) noexcept = default;
WorldMaps& WorldMaps::operator=(WorldMaps&&) noexcept = default;

void WorldMaps::load(RomImage& rom)
{
    maps_.clear();
    for (const worldmap::MapLayout* layout : worldmap::kLayouts) {
        auto map = std::make_unique<WorldMap>();
        map->load(rom, *layout);
        maps_.push_back(std::move(map));
    }
}

bool WorldMaps::save(RomImage& rom, FreeSpace& space, QString* reason)
{
    // Encode everything first: a block that cannot be stored refuses the
    // save before a byte is written.
    std::vector<PendingBlock> blocks;
    for (const auto& map : maps_) {
        if (!map->layout)
            continue;
        blocks.push_back({&map->tileMapPointers, map->layout->tileMapRoom, LzCodec::encode(map->tileMap),
                          QStringLiteral("tile map"), map->name});
        blocks.push_back({&map->summaryPointers, map->layout->summaryRoom, LzCodec::encode(map->rebuiltSummary()),
                          QStringLiteral("region summary"), map->name});
        blocks.push_back({&map->piecesPointers, map->layout->graphicsRoom, LzCodec::encode(map->graphicsBlock()),
                          QStringLiteral("tile graphics"), map->name});
        for (auto block = blocks.end() - 3; block != blocks.end(); ++block)
            if (block->encoded.size() > LzCodec::kMaxStreamLength) {
                *reason = QStringLiteral("The %1 of the %2 compresses to %3 bytes, more than the %4 bytes "
                                         "a compressed block can hold.\nNothing was saved; simplify the map.")
                              .arg(block->description, map->name)
                              .arg(block->encoded.size())
                              .arg(LzCodec::kMaxStreamLength);
                return false;
            }
    }

    std::vector<BlockPlacement> placements;
    for (PendingBlock& block : blocks) {
        const quint32 size = quint32(block.encoded.size());
        placements.push_back(BlockPlacement::plan(rom, *block.pointers, block.room, std::move(block.encoded), space));
        if (!placements.back().placed()) {
            const quint32 largest = space.largestRun();
            *reason = QStringLiteral("There is no room past the 3 MB image for the %1 of the %2: it takes %3 bytes "
                                     "and the largest free run there holds %4, so %5 bytes of room are missing "
                                     "(data of other tools there is never overwritten).\n"
                                     "Nothing was saved; simplify the map or shorten the dialogue.")
                          .arg(block.description, block.mapName)
                          .arg(size)
                          .arg(largest)
                          .arg(size - largest);
            return false;
        }
    }

    for (const BlockPlacement& placement : placements)
        placement.clearVacatedRoom(rom);
    std::size_t next = 0;
    for (const auto& map : maps_) {
        if (!map->layout)
            continue;
        for (int i = 0; i < 3; ++i, ++next)
            placements[next].write(rom, *blocks[next].pointers);
        map->savePlainParts(rom);
    }
    return true;
}

std::vector<AddressRange> WorldMaps::compressedBlocks(RomImage& rom)
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

void WorldMaps::clear()
{
    maps_.clear();
}

WorldMap* WorldMaps::map(int index)
{
    return index >= 0 && index < count() ? maps_[std::size_t(index)].get() : nullptr;
}

const WorldMap* WorldMaps::map(int index) const
{
    return index >= 0 && index < count() ? maps_[std::size_t(index)].get() : nullptr;
}

QString WorldMaps::name(int index) const
{
    const WorldMap* m = map(index);
    return m ? m->name : QString();
}
