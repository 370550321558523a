#include "text/dialoguewindowpicture.h"

#include "text/dialoguewindow.h"

#include <QImage>

#include <algorithm>
#include <cmath>

namespace tessel {

namespace {

using namespace dialoguewindow;

// The window's blue runs from lighter at the top to darker at the bottom in
// bands of four lines, as the game's gradient steps.
constexpr int kBandHeight = 4;
constexpr QRgb kTopBlue = qRgb(0x58, 0x60, 0xD0);
constexpr QRgb kBottomBlue = qRgb(0x10, 0x18, 0x70);
// The frame from the outside in.
constexpr QRgb kFrame[] = {
    qRgb(0x30, 0x30, 0x38),  // dark edge
    qRgb(0xF8, 0xF8, 0xF8),  // light rim
    qRgb(0xB8, 0xB8, 0xC0),  // grey rim
    qRgb(0x28, 0x28, 0x40),  // dark line against the blue
};
constexpr int kFrameWidth = int(sizeof kFrame / sizeof kFrame[0]);
constexpr int kCornerRadius = 4;

QRgb mix(QRgb a, QRgb b, int step, int steps)
{
    auto channel = [&](int ca, int cb) { return ca + (cb - ca) * step / steps; };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)), channel(qBlue(a), qBlue(b)));
}

// How far (x, y) lies inside the rounded outline, in whole pixels: 0 on
// the outermost ring; negative outside the corners.
int depth(int x, int y)
{
    const int dx = std::min(x, kWidth - 1 - x);
    const int dy = std::min(y, kHeight - 1 - y);
    if (dx >= kCornerRadius || dy >= kCornerRadius)
        return std::min(dx, dy);
    // In a corner: the distance from the corner's arc, stepped.
    const int cx = kCornerRadius - dx;
    const int cy = kCornerRadius - dy;
    const int distance = int(std::lround(std::sqrt(double(cx * cx + cy * cy))));
    return kCornerRadius - distance;
}

QImage draw()
{
    QImage picture(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    const int bands = (kHeight + kBandHeight - 1) / kBandHeight;
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const QRgb blue = mix(kTopBlue, kBottomBlue, y / kBandHeight, bands - 1);
        for (int x = 0; x < kWidth; ++x) {
            const int d = depth(x, y);
            line[x] = d < 0 ? qRgba(0, 0, 0, 0) : d < kFrameWidth ? kFrame[d] : blue;
        }
    }
    return picture;
}

}  // namespace

const QImage& DialogueWindowPicture()
{
    static const QImage picture = draw();
    return picture;
}

}  // namespace tessel
