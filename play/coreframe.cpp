#include "play/coreframe.h"

#include <cstring>

namespace tessel {

namespace {

QImage::Format imageFormat(CorePixelFormat format)
{
    switch (format) {
    case CorePixelFormat::Rgb1555: return QImage::Format_RGB555;
    case CorePixelFormat::Xrgb8888: return QImage::Format_RGB32;
    case CorePixelFormat::Rgb565: return QImage::Format_RGB16;
    }
    return QImage::Format_Invalid;
}

}  // namespace

bool copyCoreFrame(QImage& image, const void* data, int width, int height, qsizetype pitch,
                   CorePixelFormat format)
{
    const QImage::Format target = imageFormat(format);
    if (target == QImage::Format_Invalid || !data || width <= 0 || height <= 0)
        return false;
    const int bytesPerPixel = format == CorePixelFormat::Xrgb8888 ? 4 : 2;
    const qsizetype rowBytes = qsizetype(width) * bytesPerPixel;
    if (pitch < rowBytes)
        return false;
    if (image.width() != width || image.height() != height || image.format() != target)
        image = QImage(width, height, target);
    if (image.isNull())
        return false;

    const auto* source = static_cast<const uchar*>(data);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        std::memcpy(row, source + y * pitch, size_t(rowBytes));
        if (format == CorePixelFormat::Xrgb8888) {
            // The top byte is undefined in the core's layout; QImage wants it opaque.
            auto* pixels = reinterpret_cast<quint32*>(row);
            for (int x = 0; x < width; ++x)
                pixels[x] |= 0xFF000000u;
        } else if (format == CorePixelFormat::Rgb1555) {
            auto* pixels = reinterpret_cast<quint16*>(row);
            for (int x = 0; x < width; ++x)
                pixels[x] &= 0x7FFF;
        }
    }
    return true;
}

}  // namespace tessel
