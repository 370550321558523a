#include "worldmap/blockplacement.h"

#include "rom/freespace.h"
#include "rom/romimage.h"
#include "worldmap/pointerlist.h"

BlockPlacement BlockPlacement::plan(RomImage& rom, const PointerList& pointers, quint32 room, QByteArray encoded,
                                    FreeSpace& space)
{
    BlockPlacement placement;
    placement.encoded_ = std::move(encoded);
    placement.room_ = room;
    placement.current_ = pointers.target(rom);
    // A pointer outside the image (moved by an earlier save, or damaged)
    // has no room of its own to write into or to clear.
    placement.roomInImage_ = placement.current_ >= rom::kImageStart &&
                             quint64(placement.current_) + room <= rom::kExpansionStart;
    placement.inPlace_ = placement.roomInImage_ && quint32(placement.encoded_.size()) <= room;
    if (placement.inPlace_) {
        placement.target_ = placement.current_;
        placement.placed_ = true;
    } else if (const std::optional<SnesAddress> target = space.allocate(quint32(placement.encoded_.size()))) {
        placement.target_ = *target;
        placement.placed_ = true;
    }
    return placement;
}

void BlockPlacement::clearVacatedRoom(RomImage& rom) const
{
    if (!inPlace_ && roomInImage_) {
        rom.SeekSnes(current_);
        rom.writeFill(0, room_);
    }
}

void BlockPlacement::write(RomImage& rom, const PointerList& pointers) const
{
    pointers.writeAll(rom, target_);
    rom.SeekSnes(target_);
    rom.write(encoded_);
}
