#include "worldmap/views/mapviewsettings.h"

#include "worldmap/views/cdirectdrawview.h"

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
    return qBound(CDirectDrawView::kMinZoom, *zoom_, CDirectDrawView::kMaxZoom);
}

void MapViewSettings::setZoom(int zoom)
{
    *zoom_ = qBound(CDirectDrawView::kMinZoom, zoom, CDirectDrawView::kMaxZoom);
}
