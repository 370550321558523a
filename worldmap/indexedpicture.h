#pragma once

#include <QByteArray>
#include <QPoint>

#include <array>
#include <optional>

namespace tessel {

// A picture of 8-bit colour indexes with its colour table of 256 entries,
// as an 8-bit bitmap file holds it: indexes row by row, top row first.
struct IndexedPicture {
    static constexpr int kColors = 256;

    IndexedPicture() = default;
    IndexedPicture(int w, int h) : width(w), height(h), pixels(qsizetype(w) * h, '\0') {}

    int width = 0;
    int height = 0;
    QByteArray pixels;
    std::array<quint32, kColors> colors{};  // 0x00RRGGBB; entries a file lacks are black

    int index(int x, int y) const { return quint8(pixels[qsizetype(y) * width + x]); }
    void setIndex(int x, int y, int value) { pixels[qsizetype(y) * width + x] = char(value); }

    // The first pixel, row by row, whose index is `entries` or more: a
    // colour past the end of a file's shorter table. None when there is none.
    std::optional<QPoint> firstIndexPast(int entries) const
    {
        if (entries >= kColors)
            return std::nullopt;
        for (qsizetype i = 0; i < pixels.size(); ++i)
            if (quint8(pixels[i]) >= entries)
                return QPoint(int(i % width), int(i / width));
        return std::nullopt;
    }
};

}  // namespace tessel
