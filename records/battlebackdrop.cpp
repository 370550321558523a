#include "records/battlebackdrop.h"

#include <algorithm>
#include <cmath>

namespace tessel {

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 147;
constexpr int kHorizon = 66;

struct Rgb {
    int r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return {int(a.r + (b.r - a.r) * t), int(a.g + (b.g - a.g) * t), int(a.b + (b.b - a.b) * t)};
}

// Fifteen-bit colour, as the console would show it.
QRgb snes(Rgb c)
{
    return qRgb(std::clamp(c.r, 0, 255) & ~7, std::clamp(c.g, 0, 255) & ~7, std::clamp(c.b, 0, 255) & ~7);
}

// A small fixed noise in 0-1 for dithering and grass tufts.
double noise(int x, int y)
{
    quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return double((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

double farRidge(int x)
{
    return 44 + 7 * std::sin(x * 0.041 + 0.6) + 4 * std::sin(x * 0.117 + 1.9) + 2 * std::sin(x * 0.29 + 0.3);
}

double nearRidge(int x)
{
    return 58 + 4 * std::sin(x * 0.027 + 2.4) + 2.5 * std::sin(x * 0.083 + 0.7);
}

// Soft clouds: how much of a cloud covers a sky pixel, 0-1.
double cloud(int x, int y)
{
    const struct {
        double cx, cy, rx, ry;
    } clouds[] = {{52, 16, 34, 5}, {74, 12, 20, 4}, {168, 24, 40, 5}, {200, 20, 18, 3.5}, {126, 34, 26, 3}};
    double cover = 0;
    for (const auto& c : clouds) {
        const double dx = (x - c.cx) / c.rx, dy = (y - c.cy) / c.ry;
        cover = std::max(cover, 1 - (dx * dx + dy * dy));
    }
    return std::clamp(cover * 1.6, 0.0, 0.75);
}

Rgb pixelAt(int x, int y)
{
    const Rgb skyTop{32, 48, 112}, skyLow{232, 168, 120};
    const Rgb mountainTop{104, 104, 152}, mountainLow{136, 128, 168};
    const Rgb hill{48, 88, 72};
    const Rgb grassFar{112, 152, 80}, grassNear{40, 96, 40};
    if (y >= kHorizon) {
        const double depth = double(y - kHorizon) / (kHeight - kHorizon);
        Rgb c = mix(grassFar, grassNear, depth);
        // Bands that widen towards the viewer, and tufts of darker grass.
        if (int(900.0 / (y - kHorizon + 12)) % 2)
            c = mix(c, {c.r - 16, c.g - 16, c.b - 8}, 1);
        if (noise(x, y) < 0.06 + 0.1 * depth)
            c = mix(c, {24, 64, 32}, 0.5);
        return c;
    }
    if (y >= nearRidge(x))
        return mix(hill, {hill.r + 16, hill.g + 24, hill.b}, (y - nearRidge(x)) / 10.0);
    if (y >= farRidge(x))
        return mix(mountainTop, mountainLow, (y - farRidge(x)) / 20.0);
    // Sky, dithered between two neighbouring shades where the gradient steps.
    const double t = std::pow(double(y) / kHorizon, 1.6) + (noise(x, y) - 0.5) * 0.04;
    return mix(mix(skyTop, skyLow, t), {248, 240, 232}, cloud(x, y));
}

QImage paint()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x)
            line[x] = snes(pixelAt(x, y));
    }
    return image;
}

}  // namespace

const QImage& battleBackdrop()
{
    static const QImage image = paint();
    return image;
}

}  // namespace tessel
