#include "platform/windowfit.h"

#include <algorithm>

namespace tessel::windowfit {

namespace {

// The start of a span of `length` moved into [areaStart, areaStart + areaLength).
int placeSpan(int start, int length, int areaStart, int areaLength)
{
    if (length >= areaLength)
        return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

}  // namespace

QRect fitInside(const QRect& outer, const QRect& area, const QSize& minimum)
{
    if (area.isEmpty())
        return outer;
    const QSize size = outer.size().boundedTo(area.size()).expandedTo(minimum);
    return QRect(placeSpan(outer.left(), size.width(), area.left(), area.width()),
                 placeSpan(outer.top(), size.height(), area.top(), area.height()), size.width(), size.height());
}

QRect centredIn(const QSize& size, const QRect& area)
{
    const QSize bounded = size.boundedTo(area.size());
    return QRect(area.left() + (area.width() - bounded.width()) / 2, area.top() + (area.height() - bounded.height()) / 2,
                 bounded.width(), bounded.height());
}

}  // namespace tessel::windowfit
