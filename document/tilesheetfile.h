#pragma once

#include "worldmap/indexedpicture.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tessel {

// Tile sheets (8-bit pictures of a map's graphics) as files: an 8-bit
// Windows bitmap, or an 8-bit indexed PNG image when the file name ends in
// ".png". Reading tells the two apart by their first bytes, and refuses
// every other kind of picture, and other depths, with the reason.
class TileSheetFile {
public:
    enum class Format { Bmp, Png };
    // The most a sheet file may hold (a 4096 x 4096 bitmap and then some).
    static constexpr qint64 kMaxFileSize = 32 * 1024 * 1024;

    static Format formatForPath(const QString& path);
    static QByteArray encode(const IndexedPicture& picture, Format format);
    static std::optional<IndexedPicture> decode(const QByteArray& bytes, QString* reason);

    // Writes atomically: a failed write leaves no half-written file.
    static bool write(const IndexedPicture& picture, const QString& path, QString* reason);
    // `unreadable` tells a file that could not be read from one that is no
    // sheet (whose reason describes the picture).
    static std::optional<IndexedPicture> read(const QString& path, QString* reason, bool* unreadable = nullptr);
};

}  // namespace tessel
