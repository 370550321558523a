#include "worldmap/views/mapviewsettings.h"

#include "worldmap/mapzoom.h"

namespace tessel {

MapViewSettings::MapViewSettings(QObject* parent)
    : QObject(parent),
      ownPlacements_{defaultPlacement(ToolWindow::Tiles), defaultPlacement(ToolWindow::Triggers),
                     defaultPlacement(ToolWindow::TileEditor)},
      gridLines_(&ownGridLines_),
      zoom_(&ownZoom_),
      placements_{&ownPlacements_[0], &ownPlacements_[1], &ownPlacements_[2]}
{
}

MapViewSettings::MapViewSettings(int& gridLines, int& zoom, WindowSpec& tiles, WindowSpec& triggers,
                                 WindowSpec& tileEditor, QObject* parent)
    : QObject(parent), gridLines_(&gridLines), zoom_(&zoom), placements_{&tiles, &triggers, &tileEditor}
{
}

WindowSpec MapViewSettings::defaultPlacement(ToolWindow window)
{
    WindowSpec spec;
    spec.visible = window == ToolWindow::Tiles ? 1 : 0;
    return spec;
}

void MapViewSettings::setGridLines(bool on)
{
    if (gridLines() == on)
        return;
    *gridLines_ = on ? 1 : 0;
    emit gridLinesChanged(on);
}

int MapViewSettings::zoom() const
{
    return mapzoom::normalised(*zoom_);
}

void MapViewSettings::setZoom(int zoom)
{
    *zoom_ = mapzoom::normalised(zoom);
}

}  // namespace tessel
