#include "text/pngfile.h"

#include <QImageWriter>
#include <QSaveFile>

namespace tessel {

bool WritePngFile(const QImage& image, const QString& path, QString* reason)
{
    QSaveFile file(path);
    QImageWriter writer(&file, "png");
    const bool written = file.open(QIODevice::WriteOnly) && writer.write(image) && file.commit();
    if (!written && reason)
        *reason = writer.error() != QImageWriter::UnknownError ? writer.errorString() : file.errorString();
    return written;
}

}  // namespace tessel
