#pragma once

#include "platform/windowspec.h"

#include <QObject>

#include <array>

namespace tessel {

// The map views' share of the program's settings: the "Grid Lines" switch,
// which every open map view follows, the zoom a new map view starts with,
// and where the map's tool windows ("Tiles", "Triggers", "Edit Tiles") go.
// The application binds it to its settings; a view given none keeps
// values of its own.
class MapViewSettings : public QObject {
    Q_OBJECT

public:
    enum class ToolWindow { Tiles, Triggers, TileEditor };
    static constexpr int kToolWindows = 3;

    explicit MapViewSettings(QObject* parent = nullptr);
    // Reads and writes the values in place (they must outlive this object).
    MapViewSettings(int& gridLines, int& zoom, WindowSpec& tiles, WindowSpec& triggers, WindowSpec& tileEditor,
                    QObject* parent = nullptr);

    bool gridLines() const { return *gridLines_ != 0; }
    void setGridLines(bool on);
    // 1 to 4; a stored value out of range reads as the nearest.
    int zoom() const;
    void setZoom(int zoom);

    WindowSpec& placement(ToolWindow window) { return *placements_[std::size_t(window)]; }

    // What a first run starts with: the tile palette shown, the others hidden.
    static WindowSpec defaultPlacement(ToolWindow window);

signals:
    void gridLinesChanged(bool on);

private:
    int ownGridLines_ = 0;
    int ownZoom_ = 1;
    std::array<WindowSpec, kToolWindows> ownPlacements_;
    int* gridLines_;
    int* zoom_;
    std::array<WindowSpec*, kToolWindows> placements_;
};

}  // namespace tessel
