#pragma once

#include "rom/addressrange.h"
#include "rom/freespace.h"

#include <QByteArray>

#include <vector>

namespace tessel {

// The part of a ROM file past the 3 MB image, $F0:0000 to $FF:FFFF. Bytes
// there that hold Tessel's own data are known from its tables; every other
// non-zero byte belongs to another tool and is never written. A save may
// reuse Tessel's own bytes (they are released: cleared, then placed anew)
// and runs of zero bytes at least 256 long, but keeps 16 zero bytes after
// any foreign byte, which may be the end of that tool's data.
class ExpansionArea {
public:
    static constexpr quint32 kMinZeroRun = 256;
    static constexpr quint32 kForeignMargin = 16;

    // Sorts out the bytes of `file` past the image, given where Tessel's own
    // data lies there. Past the end of the file every byte counts as zero.
    static ExpansionArea scan(const QByteArray& file, const std::vector<AddressRange>& owned);

    quint32 foreignBytes() const { return foreignBytes_; }
    quint32 ownBytes() const { return ownBytes_; }
    // Room a save could fill besides Tessel's own bytes.
    quint32 freeBytes() const { return freeBytes_; }

    // Tessel's own data, clipped to the area and to the file.
    const std::vector<AddressRange>& ownedRanges() const { return owned_; }
    // Where a save may place data once Tessel's own bytes are released.
    const FreeSpace& freeSpace() const { return free_; }
    // True when every foreign byte of `before` is the same in `after`.
    bool foreignBytesKept(const QByteArray& before, const QByteArray& after) const;

private:
    std::vector<AddressRange> owned_;
    std::vector<AddressRange> foreign_;
    FreeSpace free_;
    quint32 foreignBytes_ = 0;
    quint32 ownBytes_ = 0;
    quint32 freeBytes_ = 0;
};

}  // namespace tessel
