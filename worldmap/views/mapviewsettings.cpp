#include "worldmap/views/mapviewsettings.h"

MapViewSettings::MapViewSettings(QObject* parent) : QObject(parent), gridLines_(&ownGridLines_), zoom_(&ownZoom_) {}

MapViewSettings::MapViewSettings(int& gridLines, int& zoom, QObject* parent)
    : QObject(parent), gridLines_(&gridLines), zoom_(&zoom)
{
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
    return qBound(kMinZoom, *zoom_, kMaxZoom);
}

void MapViewSettings::setZoom(int zoom)
{
    *zoom_ = qBound(kMinZoom, zoom, kMaxZoom);
}
