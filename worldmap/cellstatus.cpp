#include "worldmap/cellstatus.h"

#include "worldmap/entrancedestination.h"
#include "worldmap/worldmap.h"

#include <QCoreApplication>

namespace tessel {

namespace {

QString hex(quint32 value, int digits)
{
    return QStringLiteral("$%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

QString triggerLabel(const MapTrigger& trigger)
{
    return trigger.kind == MapTrigger::Entrance ? hex(quint32(EntranceDestination::of(trigger).map), 3)
                                                : hex(trigger.data, 6);
}

QString cellStatusText(const WorldMap& map, QPoint cell)
{
    if (cell.x() < 0 || cell.y() < 0 || cell.x() >= map.width || cell.y() >= map.height)
        return {};
    QString text = QCoreApplication::translate("CellStatus", "Cell (%1, %2)  Tile %3  Block (%4, %5)")
                       .arg(cell.x())
                       .arg(cell.y())
                       .arg(hex(quint32(map.tileAt(cell.x(), cell.y())), 2))
                       .arg(cell.x() / 4)
                       .arg(cell.y() / 4);
    const int trigger = map.firstTriggerAt(cell.x(), cell.y());
    if (trigger >= 0) {
        const MapTrigger& t = map.triggers[trigger];
        text += QStringLiteral("  ") + (t.kind == MapTrigger::Entrance
                                            ? QCoreApplication::translate("CellStatus", "Entrance to map %1")
                                            : QCoreApplication::translate("CellStatus", "Event at %1"))
                                           .arg(triggerLabel(t));
    }
    return text;
}

}  // namespace tessel
