#pragma once

#include "rom/romaddress.h"

#include <QByteArray>

namespace tessel {

class FreeSpace;
class PointerList;
class RomImage;

// Where one encoded block goes in a save. It stays in its room when it
// fits there and the room lies inside the game image; otherwise it takes
// the first free run past the image that holds it. A block already past the
// image is placed afresh: a save releases Tessel's bytes there first.
class BlockPlacement {
public:
    // Reads the block's current address and takes free space if needed.
    static BlockPlacement plan(RomImage& rom, const PointerList& pointers, quint32 room, QByteArray encoded,
                               FreeSpace& space);

    bool inPlace() const { return inPlace_; }
    SnesAddress current() const { return current_; }
    SnesAddress target() const { return target_; }
    const QByteArray& encoded() const { return encoded_; }
    // False when no free run past the image holds the block.
    bool placed() const { return placed_; }

    // Zeroes the room a moved block leaves behind, or the part of its room
    // a block kept in place no longer fills. A save clears every vacated
    // room before it writes any block, so a damaged ROM whose rooms overlap
    // cannot have a block written in this save wiped out.
    void clearVacatedRoom(RomImage& rom) const;
    // Rewrites every pointer and writes the block.
    void write(RomImage& rom, const PointerList& pointers) const;

private:
    QByteArray encoded_;
    quint32 room_ = 0;
    SnesAddress current_ = 0;
    SnesAddress target_ = 0;
    bool inPlace_ = false;
    bool placed_ = false;
    bool roomInImage_ = false;
};

}  // namespace tessel
