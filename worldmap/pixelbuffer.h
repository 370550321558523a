#pragma once

#include <QtGlobal>

namespace tessel {

// A block of screen pixels to draw into: the memory of a locked surface or
// a QImage of 16 (RGB565), 24 (bytes blue, green, red) or 32 (0x00RRGGBB)
// bits per pixel. Other depths are not drawn into.
struct PixelBuffer {
    uchar* bits = nullptr;
    qsizetype stride = 0;  // bytes per row
    int depth = 0;
    int width = 0;
    int height = 0;

    bool drawable() const { return bits && (depth == 16 || depth == 24 || depth == 32); }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    // Stores a pixel already converted for this depth; outside points are skipped.
    void put(int x, int y, quint32 pixel)
    {
        if (!contains(x, y))
            return;
        uchar* row = bits + y * stride;
        switch (depth) {
        case 16:
            reinterpret_cast<quint16*>(row)[x] = quint16(pixel);
            break;
        case 24:
            row[3 * x] = uchar(pixel);
            row[3 * x + 1] = uchar(pixel >> 8);
            row[3 * x + 2] = uchar(pixel >> 16);
            break;
        case 32:
            reinterpret_cast<quint32*>(row)[x] = pixel;
            break;
        default:
            break;
        }
    }

    // Fills the part of a rectangle that lies inside the buffer.
    void fill(int x, int y, int w, int h, quint32 pixel)
    {
        const int left = qMax(x, 0);
        const int top = qMax(y, 0);
        const int right = qMin(x + w, width);
        const int bottom = qMin(y + h, height);
        if (!drawable() || left >= right || top >= bottom)
            return;
        for (int row = top; row < bottom; ++row) {
            uchar* line = bits + row * stride;
            for (int column = left; column < right; ++column) {
                switch (depth) {
                case 16: reinterpret_cast<quint16*>(line)[column] = quint16(pixel); break;
                case 24:
                    line[3 * column] = uchar(pixel);
                    line[3 * column + 1] = uchar(pixel >> 8);
                    line[3 * column + 2] = uchar(pixel >> 16);
                    break;
                default: reinterpret_cast<quint32*>(line)[column] = pixel; break;
                }
            }
        }
    }
};

}  // namespace tessel
