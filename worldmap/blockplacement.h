#pragma once

#include "rom/romaddress.h"

#include <QByteArray>

class FreeSpace;
class PointerList;
class RomImage;

// Where one encoded block goes in a save. It stays in its room when it
// fits there and the room lies inside the game image; otherwise it is
// appended at the free-space address. A block already in the expansion
// area is appended afresh, since that area is laid out anew each save.
class BlockPlacement {
public:
    // Reads the block's current address and reserves free space if needed.
    static BlockPlacement plan(RomImage& rom, const PointerList& pointers, quint32 room, QByteArray encoded,
                               FreeSpace& space);

    bool inPlace() const { return inPlace_; }
    SnesAddress current() const { return current_; }
    SnesAddress target() const { return target_; }
    const QByteArray& encoded() const { return encoded_; }
    // False when the block would reach past $FF:FFFF.
    bool fitsAddressSpace() const;

    // Zeroes the room a moved block leaves behind. A save clears every
    // vacated room before it writes any block, so a damaged ROM whose rooms
    // overlap cannot have a block written in this save wiped out.
    void clearVacatedRoom(RomImage& rom) const;
    // Rewrites every pointer and writes the block.
    void write(RomImage& rom, const PointerList& pointers) const;

private:
    QByteArray encoded_;
    quint32 room_ = 0;
    SnesAddress current_ = 0;
    SnesAddress target_ = 0;
    bool inPlace_ = false;
    bool roomInImage_ = false;
};
