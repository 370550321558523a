#include "worldmap/views/documentcellsink.h"

#include "document/cff3doc.h"
#include "document/setmapcellscommand.h"

namespace tessel {

void DocumentCellSink::store(const std::vector<MapCellWrite>& writes, MapEditKind kind, bool startsStep)
{
    if (startsStep || step_ == 0)
        step_ = SetMapCellsCommand::newStep();
    doc_.undoStack()->push(new SetMapCellsCommand(doc_, map_, writes, mapEditName(kind), step_));
}

bool DocumentCellSink::holdsNewestStep() const
{
    const QUndoStack& stack = *doc_.undoStack();
    if (step_ == 0 || stack.index() == 0)
        return false;
    const auto* newest = dynamic_cast<const SetMapCellsCommand*>(stack.command(stack.index() - 1));
    return newest && newest->step() == step_ && newest->map() == map_;
}

}  // namespace tessel
