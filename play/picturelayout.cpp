#include "play/picturelayout.h"

#include <cmath>

namespace tessel {

namespace picturelayout {

namespace {
constexpr int kLowResolutionWidth = 256;
constexpr int kProgressiveHeight = 240;
}  // namespace

QSize displaySize(QSize frame)
{
    const int width = frame.width() > kLowResolutionWidth ? frame.width() / 2 : frame.width();
    const int height = frame.height() > kProgressiveHeight ? frame.height() / 2 : frame.height();
    return {width, height};
}

QSize scaledSize(QSize frame, int factor, bool pixelAspect)
{
    const QSize shown = displaySize(frame);
    const double widthFactor = pixelAspect ? factor * 8.0 / 7.0 : factor;
    return {int(std::lround(shown.width() * widthFactor)), shown.height() * factor};
}

QRect pictureRect(QSize frame, QSize area, bool pixelAspect)
{
    if (frame.isEmpty())
        return {};
    int factor = 1;
    while (true) {
        const QSize next = scaledSize(frame, factor + 1, pixelAspect);
        if (next.width() > area.width() || next.height() > area.height())
            break;
        ++factor;
    }
    const QSize size = scaledSize(frame, factor, pixelAspect);
    return {QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size};
}

}  // namespace picturelayout

}  // namespace tessel
