#pragma once

#include <QRect>
#include <QString>

#include <climits>

namespace tessel {

// A window's saved placement: its rectangle (left, top, right, bottom), a
// visible flag and two flags kept for the settings format (written as 0,
// never read). Stored as the text "%04d %04d %04d %04d %1d %1d %1d".
struct WindowSpec {
    // "Let the window system choose" for left and top.
    static constexpr int kDefaultPosition = INT_MIN;

    int left = kDefaultPosition;
    int top = kDefaultPosition;
    int right = 0;
    int bottom = 0;
    int visible = 0;
    int flag1 = 0;
    int flag2 = 0;

    QString toString() const;
    // Reads the seven integers in order; those that can't be read keep the
    // values they had (the defaults).
    void parse(const QString& text);

    QRect rect() const { return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)); }
    void setRect(const QRect& r);
    bool hasPosition() const { return left != kDefaultPosition && top != kDefaultPosition; }

    bool operator==(const WindowSpec&) const = default;
};

}  // namespace tessel
