#pragma once

#include "worldmap/indexedpicture.h"

#include <QString>

#include <optional>

namespace tessel {

// Windows bitmap files of 8 bits per pixel.
//
// Written: uncompressed, rows bottom-up, a 40-byte information header and
// a colour table of all 256 entries (blue, green, red, 0).
//
// Read: what other programs write as well: information headers of 12 (the
// older form, colour entries of three bytes), 40, 52, 56, 108 or 124 bytes,
// rows bottom-up or top-down, uncompressed or run-length encoded (RLE8), a
// colour table of fewer entries when no pixel takes a colour past its end.
// A file without a colour table, other depths and compressions, and files
// cut short, are refused with the reason.
class BmpFile {
public:
    // The largest picture read, across and down (the work a file can cause).
    static constexpr int kMaxSide = 4096;

    static QByteArray encode(const IndexedPicture& picture);
    static std::optional<IndexedPicture> decode(const QByteArray& file, QString* reason);
    // Whether the bytes start like a bitmap file ("BM").
    static bool looksLike(const QByteArray& file);
};

}  // namespace tessel
