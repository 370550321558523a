#pragma once

#include <QRect>
#include <QSize>

namespace tessel {

// Where the game's picture goes in a window: whole multiples of the
// console's pixels, optionally widened to their 8:7 shape on a television.
namespace picturelayout {

// The console's picture size for a frame: high-resolution and interlaced
// frames (twice as wide or tall) count as the 256 x 224 they show.
QSize displaySize(QSize frame);

// The picture at a whole factor.
QSize scaledSize(QSize frame, int factor, bool pixelAspect);

// The picture's rectangle in an area: the largest whole factor that fits
// (at least 1), centred.
QRect pictureRect(QSize frame, QSize area, bool pixelAspect);

}  // namespace picturelayout

}  // namespace tessel
