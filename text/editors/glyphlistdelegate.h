#pragma once

#include "text/fontsheet.h"

#include <QStyledItemDelegate>

namespace tessel {

class CFF3Doc;

// Paints an entry of a CGlyphList: its glyph at double size, framed in red
// when selected.
class GlyphListDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    GlyphListDelegate(CFF3Doc& doc, fontsheet::Font font, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    CFF3Doc& doc_;
    fontsheet::Font font_;
};

}  // namespace tessel
