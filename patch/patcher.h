#pragma once

#include "patch/patchresult.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace tessel {

// Making and applying patches of either format, with each format's
// convention for the copier header: an IPS patch addresses the file as it
// is, header included, so it applies to the same kind of file it was made
// from. A BPS patch between two files that both have a header is made on
// the images without them, and a headered file it is applied to gets its
// own header back; between any other pair it covers the files as they are.
// Either way applying gives exactly the file the patch was made from, or
// is refused.
class Patcher {
public:
    enum class Format { Ips, Bps };

    // By the file name's extension (.ips or .bps, any case).
    static std::optional<Format> formatOfFileName(const QString& path);

    // Refuses when the two are the same to the format (nothing to patch).
    static patch::PatchResult create(Format format, QByteArrayView original, QByteArrayView modified);
    // The format is recognised by the patch's first bytes.
    static patch::PatchResult apply(QByteArrayView source, QByteArrayView patch);
};

}  // namespace tessel
