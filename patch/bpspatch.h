#pragma once

#include "patch/patchresult.h"

#include <QByteArrayView>

#include <optional>

namespace tessel {

// BPS patches (version 1): "BPS1", the source, target and metadata sizes,
// the metadata, then actions that build the target front to back, and last
// the CRC32 of the source, of the target and of the patch before it.
// Actions copy from the same place of the source, carry new bytes, or copy
// from elsewhere in the source or from target bytes already made, at
// offsets relative to where the previous copy of that kind ended.
class BpsPatch {
public:
    enum Command { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };

    static bool looksLike(QByteArrayView patch);

    // The sizes of the file a patch was made for and of the one it makes,
    // as its header says; nothing when the header cannot be read.
    struct Sizes {
        quint64 source = 0;
        quint64 target = 0;
    };
    static std::optional<Sizes> sizes(QByteArrayView patch);

    // A patch that turns source into target (sizes up to 16 MB).
    static patch::PatchResult create(QByteArrayView source, QByteArrayView target);

    // Checks the patch's own CRC, that source is the file it was made for,
    // every action's bounds and the result's CRC; on any fault the result
    // carries a message and no bytes.
    static patch::PatchResult apply(QByteArrayView source, QByteArrayView patch);
};

}  // namespace tessel
