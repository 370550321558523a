#pragma once

#include <QImage>
#include <QString>

namespace tessel {

// Writes a picture as a PNG file, replacing the file only once it is
// complete. On failure `reason` says why and the file is left as it was.
bool WritePngFile(const QImage& image, const QString& path, QString* reason);

}  // namespace tessel
