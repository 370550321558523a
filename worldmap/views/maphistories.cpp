#include "worldmap/views/maphistories.h"

#include "worldmap/editing/maptools.h"

#include <QUndoStack>

using Source = InterleavedHistory::Source;

void MapHistories::setTools(MapTools* tools)
{
    tools_ = tools;
    order_.reset(mapDepths(), documentDepths());
}

InterleavedHistory::Depths MapHistories::mapDepths() const
{
    if (!tools_)
        return {};
    const MapUndoList& list = tools_->session().undoList();
    return {list.undoSteps(), list.redoSteps()};
}

InterleavedHistory::Depths MapHistories::documentDepths() const
{
    return {stack_.index(), stack_.count() - stack_.index()};
}

void MapHistories::follow(int newMapSteps)
{
    order_.sync(mapDepths(), documentDepths(), newMapSteps);
}

bool MapHistories::canUndo() const
{
    return tools_ && order_.nextUndo().has_value();
}

bool MapHistories::canRedo() const
{
    return tools_ && order_.nextRedo().has_value();
}

QString MapHistories::undoText() const
{
    if (!canUndo())
        return {};
    return *order_.nextUndo() == Source::Own ? tools_->session().undoList().undoName() : stack_.undoText();
}

QString MapHistories::redoText() const
{
    if (!canRedo())
        return {};
    return *order_.nextRedo() == Source::Own ? tools_->session().undoList().redoName() : stack_.redoText();
}

bool MapHistories::undo()
{
    if (!canUndo())
        return false;
    if (*order_.nextUndo() == Source::Document) {
        stack_.undo();  // the stack's signal brings the order up to date
        return false;
    }
    tools_->undo();
    return true;
}

bool MapHistories::redo()
{
    if (!canRedo())
        return false;
    if (*order_.nextRedo() == Source::Document) {
        stack_.redo();
        return false;
    }
    tools_->redo();
    return true;
}
