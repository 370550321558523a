#pragma once

#include <QImage>

namespace tessel {

// The pixel layouts a libretro core may hand its frames over in; the values
// are libretro's own.
enum class CorePixelFormat { Rgb1555 = 0, Xrgb8888 = 1, Rgb565 = 2 };

// Copies a frame of a core (rows `pitch` bytes apart) into `image`, which
// takes the matching QImage format: RGB555, RGB32 or RGB16. The image is
// reallocated only when the size or format changes. False for an unknown
// format or a pitch too small for the width; the image is then unchanged.
bool copyCoreFrame(QImage& image, const void* data, int width, int height, qsizetype pitch,
                   CorePixelFormat format);

}  // namespace tessel
