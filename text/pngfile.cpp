#include "text/pngfile.h"

#include "platform/fileaccess.h"

#include <QBuffer>
#include <QImageWriter>

namespace tessel {

QByteArray EncodePng(const QImage& image, QString* reason)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (writer.write(image))
        return bytes;
    if (reason)
        *reason = writer.errorString();
    return {};
}

bool WritePngFile(const QImage& image, const QString& path, QString* reason)
{
    QString why;
    const QByteArray bytes = EncodePng(image, &why);
    const bool written = !bytes.isEmpty() && platform::replaceFileAtomically(path, bytes, &why);
    if (!written && reason)
        *reason = why;
    return written;
}

}  // namespace tessel
