#pragma once

#include <QRect>
#include <QString>

#include <deque>
#include <vector>

struct WorldMap;

// What made an undo step, for the Edit menu ("Undo Brush").
enum class MapEditKind : quint8 { Brush, Line, Rectangle, FilledRectangle, FloodFill, Paste };
QString mapEditName(MapEditKind kind);

// One changed map cell: where, and the tile it held before.
struct UndoRecord {
    quint16 x = 0;
    quint16 y = 0;
    quint8 oldTile = 0;
    bool startsStep = false;  // the first record of an undo step
    MapEditKind kind = MapEditKind::Brush;
};

// The map editor's own undo list: single-cell records, oldest first, in
// steps that each begin with a record marked startsStep. While 200 steps
// are held, each new record pushes out the single oldest record (not its
// whole step). Undone steps can be redone until the next new record.
class MapUndoList {
public:
    static constexpr int kMaxSteps = 200;

    // Adds a record under the 200-step rule and forgets what was undone.
    void record(const UndoRecord& record);

    bool canUndo() const { return !records_.empty(); }
    bool canRedo() const { return !redoSteps_.empty(); }
    // Puts the newest step's old tiles back: records are undone newest
    // first until one that starts a step. Returns the cells changed.
    QRect undo(WorldMap& map);
    // Applies the most recently undone step again and records it anew.
    QRect redo(WorldMap& map);
    void clear();

    // The name of the step Undo or Redo would act on.
    QString undoName() const;
    QString redoName() const;

    // How many times Undo and Redo can act: the steps held (a step whose
    // first records were pushed out counts as one) and the undone steps.
    int undoSteps() const { return steps_ + (!records_.empty() && !records_.front().startsStep ? 1 : 0); }
    int redoSteps() const { return int(redoSteps_.size()); }

    const std::deque<UndoRecord>& records() const { return records_; }
    int stepCount() const { return steps_; }

private:
    struct Redone {
        UndoRecord record;
        quint8 newTile;
    };
    void append(const UndoRecord& record);

    std::deque<UndoRecord> records_;
    int steps_ = 0;  // records with startsStep set
    std::vector<std::vector<Redone>> redoSteps_;  // each newest record first
};
