#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tessel {

// The picture as the bytes of a PNG file; empty (with the reason) when it
// cannot be encoded.
QByteArray EncodePng(const QImage& image, QString* reason);

// Writes a picture as a PNG file, replacing the file only once it is
// complete. On failure `reason` says why and the file is left as it was.
bool WritePngFile(const QImage& image, const QString& path, QString* reason);

}  // namespace tessel
