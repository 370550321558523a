#include "shell/tvgworldmapgroup.h"

TVGWorldMapGroup::TVGWorldMapGroup()
{
    addEntry(QStringLiteral("Map"), QStringLiteral("CMapView"));
}
