#pragma once

#include <QImage>

namespace tessel {

// The picture behind the formation preview: a grassland under an evening
// sky, 240 x 147 pixels, painted by the program itself in colours the
// console can show (each channel a multiple of 8).
const QImage& battleBackdrop();

}  // namespace tessel
