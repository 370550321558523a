#pragma once

#include "patch/patchresult.h"

#include <QByteArrayView>

namespace tessel {

// IPS patches: "PATCH", then records of a 3-byte offset, a 2-byte size and
// that many bytes, or run-length records (size 0, a 2-byte count and one
// value), then "EOF" and, when the result is shorter than the source, its
// 3-byte length. All numbers are big-endian. Offsets are those of the whole
// file, copier header included.
class IpsPatch {
public:
    // The offset whose bytes read "EOF": no record may start there.
    static constexpr qint64 kEofOffset = 0x454F46;

    static bool looksLike(QByteArrayView patch);

    // A patch that turns original into modified, with few records: unchanged
    // gaps shorter than a record header are carried along, and runs of one
    // value are run-length records where that is shorter.
    static patch::PatchResult create(QByteArrayView original, QByteArrayView modified);

    // Applies every record to a copy of source; on any fault in the patch
    // the result carries a message and no bytes.
    static patch::PatchResult apply(QByteArrayView source, QByteArrayView patch);
};

}  // namespace tessel
