#include "worldmap/snescolor.h"

namespace tessel {

quint16 SnesColor::toScreen16(quint16 color)
{
    return quint16(red(color) << 11 | green(color) << 6 | blue(color));
}

quint32 SnesColor::toScreen24(quint16 color)
{
    return quint32(blue(color) * 8) | quint32(green(color) * 8) << 8 | quint32(red(color) * 8) << 16;
}

quint32 SnesColor::toScreen32(quint16 color)
{
    return quint32(red(color) * 8) << 16 | quint32(green(color) * 8) << 8 | quint32(blue(color) * 8);
}

quint32 SnesColor::toScreen(quint16 color, int depth)
{
    switch (depth) {
    case 16:
        return toScreen16(color);
    case 24:
        return toScreen24(color);
    case 32:
        return toScreen32(color);
    default:
        return 0;
    }
}

quint16 SnesColor::tinted(quint16 color, quint16 tint)
{
    auto mix = [](int c, int t) { return t + (c - t) / 2; };
    return fromComponents(mix(red(color), red(tint)), mix(green(color), green(tint)),
                          mix(blue(color), blue(tint)));
}

}  // namespace tessel
