#include "document/triggeredits.h"

#include "document/cff3doc.h"
#include "document/parts/triggertablespart.h"
#include "document/settriggerlistcommand.h"

#include <QCoreApplication>

namespace tessel {

namespace triggeredits {

QList<MapTrigger> withAdded(QList<MapTrigger> list, const MapTrigger& trigger, int* at)
{
    // Past the last trigger of the same kind, or of an earlier kind.
    qsizetype index = 0;
    for (qsizetype i = 0; i < list.size(); ++i)
        if (list[i].kind <= trigger.kind)
            index = i + 1;
    list.insert(index, trigger);
    if (at)
        *at = int(index);
    return list;
}

QList<MapTrigger> withDuplicate(QList<MapTrigger> list, int index)
{
    if (index >= 0 && index < list.size())
        list.insert(index + 1, list[index]);
    return list;
}

QList<MapTrigger> without(QList<MapTrigger> list, int index)
{
    if (index >= 0 && index < list.size())
        list.removeAt(index);
    return list;
}

QUndoCommand* listCommand(CFF3Doc& doc, int map, QList<MapTrigger> triggers, const QString& text, QString* refusal)
{
    const QString why = doc.part<TriggerTablesPart>().refusal(map, triggers);
    if (!why.isEmpty()) {
        if (refusal)
            *refusal = why;
        return nullptr;
    }
    return new SetTriggerListCommand(doc, map, std::move(triggers), text);
}

}  // namespace triggeredits

}  // namespace tessel
