#pragma once

#include <QObject>

// The map views' share of the program's settings: the "Grid Lines" switch,
// which every open map view follows, and the zoom a new map view starts
// with. The application binds it to its settings; a view given none keeps
// values of its own.
class MapViewSettings : public QObject {
    Q_OBJECT

public:
    explicit MapViewSettings(QObject* parent = nullptr);
    // Reads and writes the two values in place (they must outlive this object).
    MapViewSettings(int& gridLines, int& zoom, QObject* parent = nullptr);

    bool gridLines() const { return *gridLines_ != 0; }
    void setGridLines(bool on);
    // 1 to 4; a stored value out of range reads as the nearest.
    int zoom() const;
    void setZoom(int zoom);

signals:
    void gridLinesChanged(bool on);

private:
    int ownGridLines_ = 0;
    int ownZoom_ = 1;
    int* gridLines_;
    int* zoom_;
};
