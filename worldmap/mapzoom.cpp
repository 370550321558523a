#include "worldmap/mapzoom.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace tessel::mapzoom {

namespace {

constexpr std::array<int, 6> kSteps{-4, -2, 1, 2, 3, 4};

// The index of a zoom's nearest step.
int indexOf(int zoom)
{
    return int(std::find(kSteps.begin(), kSteps.end(), normalised(zoom)) - kSteps.begin());
}

}  // namespace

int normalised(int zoom)
{
    if (zoom >= 1)
        return qMin(zoom, kLargest);
    if (zoom <= kSmallest)
        return kSmallest;
    // 0 and -1 both mean one map pixel to one screen pixel.
    return zoom <= -2 ? -2 : 1;
}

int smallestFor(int cellPixels)
{
    for (const int zoom : kSteps)
        if (zoom > 0 || (cellPixels % -zoom == 0))
            return zoom;
    return 1;
}

int stepped(int zoom, int steps, int cellPixels)
{
    const int lowest = indexOf(smallestFor(cellPixels));
    const int at = qBound(lowest, indexOf(zoom) + steps, int(kSteps.size()) - 1);
    return kSteps[std::size_t(at)];
}

int scaled(int pixels, int zoom)
{
    zoom = normalised(zoom);
    return qMax(1, zoom > 0 ? pixels * zoom : pixels / -zoom);
}

}  // namespace tessel::mapzoom
