#include "platform/gui/displaysurface.h"

#include "platform/gui/displayerrors.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace tessel {

namespace platform {

namespace {
int forcedDepth = 0;
}

int screenDepth()
{
    if (forcedDepth > 0)
        return forcedDepth;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 0;
}

void forceScreenDepth(int bitsPerPixel)
{
    forcedDepth = bitsPerPixel;
}

QImage::Format surfaceFormatForDepth(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 16: return QImage::Format_RGB16;
    case 24: return QImage::Format_BGR888;
    case 32: return QImage::Format_RGB32;
    default: return QImage::Format_Invalid;
    }
}

DisplaySurface::DisplaySurface(int bitsPerPixel) : bitsPerPixel_(bitsPerPixel) {}

quint32 DisplaySurface::resize(QSize size)
{
    const QImage::Format format = surfaceFormatForDepth(bitsPerPixel_);
    if (format == QImage::Format_Invalid) {
        image_ = QImage();
        return kDisplayUnsupportedMode;
    }
    image_ = QImage(size, format);
    if (image_.isNull() && !size.isEmpty())
        return kDisplayOutOfMemory;
    image_.fill(Qt::black);
    return 0;
}

void DisplaySurface::blt(QPainter& painter, QPoint target) const
{
    painter.drawImage(target, image_);
}

}  // namespace platform

}  // namespace tessel
