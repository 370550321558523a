#pragma once

#include <QByteArray>
#include <QRect>
#include <QUndoCommand>

class CFF3Doc;

// Writes a rectangle of tile numbers into a world map's tile map (row by
// row, `cells` holding rect.width() x rect.height() numbers). Cells outside
// the map are skipped.
class SetMapCellsCommand : public QUndoCommand {
public:
    SetMapCellsCommand(CFF3Doc& doc, int map, const QRect& rect, QByteArray cells, const QString& text,
                       QUndoCommand* parent = nullptr);

    void redo() override;
    void undo() override;

private:
    void apply(const QByteArray& cells);

    CFF3Doc& doc_;
    int map_;
    QRect rect_;
    QByteArray before_;
    QByteArray after_;
};
