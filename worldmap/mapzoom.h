#pragma once

namespace tessel::mapzoom {

// A map view's zoom as one number, as the MapZoom setting stores it: a
// positive n shows each map pixel n screen pixels wide, a negative -n
// shows n map pixels in one screen pixel (1:n). The steps are 1:4, 1:2,
// 1:1, 2:1, 3:1 and 4:1.
inline constexpr int kSmallest = -4;
inline constexpr int kLargest = 4;
inline constexpr int kActualSize = 1;

// The nearest step to any number (a stored setting may hold anything).
int normalised(int zoom);
// The step `steps` steps in (positive) or out from `zoom`, kept within
// the steps a cell of `cellPixels` pixels allows.
int stepped(int zoom, int steps, int cellPixels);
// The smallest zoom at which a cell of `cellPixels` pixels stays a whole
// number of screen pixels.
int smallestFor(int cellPixels);
// The screen pixels of `pixels` map pixels at `zoom` (rounded down, at least 1).
int scaled(int pixels, int zoom);

}  // namespace tessel::mapzoom
