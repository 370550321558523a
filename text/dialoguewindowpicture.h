#pragma once

class QImage;

namespace tessel {

// The picture of the game's dialogue window that page previews are drawn
// on: 240 x 72 pixels, a blue gradient in a light, rounded double frame,
// drawn pixel by pixel (no smoothing) so that it looks like the game's.
const QImage& DialogueWindowPicture();

}  // namespace tessel
