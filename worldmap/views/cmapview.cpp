#include "worldmap/views/cmapview.h"

#include "document/cff3doc.h"

CMapView::CMapView(CFF3Doc& doc, QWidget* parent)
    : CPlaceholderView(doc, QStringLiteral("Map"),
                       QStringLiteral("The world map will appear here, with its drawing tools, tiles and "
                                      "triggers."),
                       parent)
{
}

bool CMapView::queryShows(quintptr subject) const
{
    return map_ && subject == reinterpret_cast<quintptr>(map_);
}

void CMapView::setSubject(quintptr subject)
{
    map_ = reinterpret_cast<WorldMap*>(subject);
    WorldMaps& maps = document().worldMaps;
    for (int i = 0; i < maps.count(); ++i) {
        if (maps.map(i) == map_) {
            setDescription(QStringLiteral("%1 will appear here, with its drawing tools, tiles and triggers.")
                               .arg(maps.name(i)));
            return;
        }
    }
}
