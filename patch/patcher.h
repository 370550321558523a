#pragma once

#include "patch/patchresult.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace tessel {

// Making and applying patches of either format, with each format's
// convention for the copier header: an IPS patch addresses the file as it
// is, header included, so it applies to the same kind of file it was made
// from; a BPS patch is made and applied on the image without the header,
// and a headered file gets its own header back after applying.
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
