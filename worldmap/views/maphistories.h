#pragma once

#include "document/interleavedhistory.h"

#include <QString>

class MapTools;
class QUndoStack;

// What a map window's Edit > Undo and Redo serve: the map tools' own undo
// list and the document's stack (where trigger, tile, palette and property
// edits go), in the order their steps were made. Undo takes the most recent
// step of either, Redo the step undone last.
class MapHistories {
public:
    explicit MapHistories(QUndoStack& stack) : stack_(stack) {}

    // The tools whose list is served (none: no map shown); the document's
    // steps made so far count as older than any of theirs.
    void setTools(MapTools* tools);
    // Follows a change of either history; `newMapSteps`: steps the map's
    // list began with it.
    void follow(int newMapSteps = 0);

    bool canUndo() const;
    bool canRedo() const;
    QString undoText() const;
    QString redoText() const;
    // Undoes (redoes) the step; true when it was one of the map's list,
    // whose changes the view then shows.
    bool undo();
    bool redo();

private:
    InterleavedHistory::Depths mapDepths() const;
    InterleavedHistory::Depths documentDepths() const;

    QUndoStack& stack_;
    MapTools* tools_ = nullptr;
    InterleavedHistory order_;
};
