#include "document/settriggerlistcommand.h"

#include "document/cff3doc.h"
#include "document/parts/worldmappart.h"
#include "worldmap/worldmap.h"

namespace tessel {

SetTriggerListCommand::SetTriggerListCommand(CFF3Doc& doc, int map, QList<MapTrigger> triggers,
                                             const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent), doc_(doc), map_(map), after_(std::move(triggers))
{
    const WorldMap* record = worldMapOf(doc_, map_);
    if (!record) {
        setObsolete(true);
        return;
    }
    before_ = record->triggers;
    const bool same = std::equal(before_.begin(), before_.end(), after_.begin(), after_.end(),
                                 [](const MapTrigger& a, const MapTrigger& b) {
                                     return a.kind == b.kind && a.flags == b.flags && a.x == b.x && a.y == b.y &&
                                            a.data == b.data;
                                 });
    if (same)
        setObsolete(true);
}

void SetTriggerListCommand::apply(const QList<MapTrigger>& triggers)
{
    WorldMap* record = worldMapOf(doc_, map_);
    if (!record)
        return;
    record->triggers = triggers;
    doc_.notifyChanged({worldMapPartOf(doc_, map_), RecordRef(RecordKind::MapTrigger, map_, RecordRef::kWhole),
                       WorldMapPart::kTriggerField});
}

void SetTriggerListCommand::redo()
{
    apply(after_);
}

void SetTriggerListCommand::undo()
{
    apply(before_);
}

}  // namespace tessel
