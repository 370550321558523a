#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace tessel {

// Finds the BPS actions that make target from source. Unchanged stretches
// become reads from the same place of the source, moved blocks copies from
// where they were, repeated bytes copies of the target made so far, and
// only what is found nowhere else is carried in the patch. Matches are
// found through hash chains over 8-byte windows, so the work grows with the
// files' size and the amount changed, not with their product.
class BpsDiff {
public:
    // The action stream of a patch (without its header and checksums).
    static QByteArray actions(QByteArrayView source, QByteArrayView target);
};

}  // namespace tessel
