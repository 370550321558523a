#include "document/setmapcellscommand.h"

#include "document/cff3doc.h"
#include "document/parts/worldmappart.h"
#include "worldmap/worldmap.h"

SetMapCellsCommand::SetMapCellsCommand(CFF3Doc& doc, int map, const QRect& rect, QByteArray cells,
                                       const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent), doc_(doc), map_(map), rect_(rect), after_(std::move(cells))
{
    const WorldMap* record = worldMapOf(doc_, map_);
    if (!record || rect_.isEmpty() || after_.size() != qsizetype(rect_.width()) * rect_.height()) {
        setObsolete(true);
        return;
    }
    before_.resize(after_.size());
    for (int row = 0; row < rect_.height(); ++row) {
        for (int column = 0; column < rect_.width(); ++column) {
            const int x = rect_.x() + column;
            const int y = rect_.y() + row;
            const bool inside = x >= 0 && y >= 0 && x < record->width && y < record->height;
            before_[row * rect_.width() + column] = inside ? char(record->tileAt(x, y)) : after_[row * rect_.width() + column];
        }
    }
    if (before_ == after_)
        setObsolete(true);
}

void SetMapCellsCommand::apply(const QByteArray& cells)
{
    WorldMap* record = worldMapOf(doc_, map_);
    if (!record || cells.size() != qsizetype(rect_.width()) * rect_.height())
        return;
    const QRect clipped = rect_.intersected(QRect(0, 0, record->width, record->height));
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            record->setTile(x, y, quint8(cells[(y - rect_.y()) * rect_.width() + (x - rect_.x())]));
    doc_.notifyChanged({worldMapPartOf(doc_, map_), RecordRef(RecordKind::MapCell, map_), WorldMapPart::kCellsField, clipped});
}

void SetMapCellsCommand::redo()
{
    apply(after_);
}

void SetMapCellsCommand::undo()
{
    apply(before_);
}
