#include "worldmap/triggerrowtexts.h"

#include "worldmap/entrancedestination.h"

#include <QCoreApplication>

namespace tessel {

namespace {

constexpr const char* kTitles[TriggerRowTexts::kColumns] = {
    QT_TRANSLATE_NOOP("TriggerRowTexts", "Source Pos."), QT_TRANSLATE_NOOP("TriggerRowTexts", "Destination"),
    QT_TRANSLATE_NOOP("TriggerRowTexts", "Dest. Pos."),  QT_TRANSLATE_NOOP("TriggerRowTexts", "Facing"),
    QT_TRANSLATE_NOOP("TriggerRowTexts", "Show Name")};
constexpr int kWidths[TriggerRowTexts::kColumns] = {73, 73, 73, 43, 68};

QString position(int x, int y)
{
    return QStringLiteral("(%1, %2)").arg(x).arg(y);
}

}  // namespace

std::array<QString, TriggerRowTexts::kColumns> TriggerRowTexts::of(const MapTrigger& trigger)
{
    std::array<QString, kColumns> texts;
    texts[SourcePosition] = position(trigger.x, trigger.y);
    if (trigger.kind == MapTrigger::Event) {
        texts[Destination] = QString::asprintf("$%06X", trigger.data & 0xFFFFFF);
        return texts;
    }
    const EntranceDestination d = EntranceDestination::of(trigger);
    texts[Destination] = QString::asprintf("$%03X", d.map);
    texts[DestinationPosition] = position(d.x, d.y);
    texts[Facing] = QCoreApplication::translate("EntranceDestination", EntranceDestination::facingName(d.facing));
    texts[ShowName] = d.showName ? QCoreApplication::translate("TriggerRowTexts", "Yes")
                                 : QCoreApplication::translate("TriggerRowTexts", "No");
    return texts;
}

const char* TriggerRowTexts::title(int column)
{
    return column >= 0 && column < kColumns ? kTitles[column] : "";
}

int TriggerRowTexts::width(int column)
{
    return column >= 0 && column < kColumns ? kWidths[column] : 0;
}

}  // namespace tessel
