#include "worldmap/blockplacement.h"

#include "rom/freespace.h"
#include "rom/romimage.h"
#include "worldmap/pointerlist.h"

namespace tessel {

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
    if (!roomInImage_)
        return;
    // In place, the rest of the room may still hold the end of a longer
    // block saved before: it goes too, so undoing an edit and saving gives
    // back the file as it was.
    const quint32 kept = inPlace_ ? quint32(encoded_.size()) : 0;
    rom.SeekSnes(current_ + kept);
    rom.writeFill(0, room_ - kept);
}

void BlockPlacement::write(RomImage& rom, const PointerList& pointers) const
{
    pointers.writeAll(rom, target_);
    rom.SeekSnes(target_);
    rom.write(encoded_);
}

}  // namespace tessel
