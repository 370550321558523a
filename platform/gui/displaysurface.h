#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

class QPainter;

namespace tessel {

namespace platform {

// The screen's colour depth in bits per pixel. Tests force a depth to see
// how the program behaves on other screens; 0 lifts the forcing.
int screenDepth();
void forceScreenDepth(int bitsPerPixel);

// The back-buffer format that matches a screen depth (16, 24 or 32 bits),
// or QImage::Format_Invalid for depths the program cannot draw in.
QImage::Format surfaceFormatForDepth(int bitsPerPixel);

// A back buffer in the screen's own pixel format. Views "lock" it to write
// pixels in that format and "blt" it onto themselves in paintEvent.
class DisplaySurface {
public:
    explicit DisplaySurface(int bitsPerPixel = screenDepth());

    // Makes the buffer size pixels large; on failure returns the display
    // error code (0 on success) and leaves the buffer empty.
    quint32 resize(QSize size);

    int bitsPerPixel() const { return bitsPerPixel_; }
    QSize size() const { return image_.size(); }
    bool isNull() const { return image_.isNull(); }

    // The first byte of the buffer and the distance between rows.
    uchar* lock() { return image_.bits(); }
    qsizetype pitch() const { return image_.bytesPerLine(); }

    void blt(QPainter& painter, QPoint target) const;
    const QImage& image() const { return image_; }

private:
    int bitsPerPixel_;
    QImage image_;
};

}  // namespace platform

}  // namespace tessel
