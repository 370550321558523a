#pragma once

#include <QStyledItemDelegate>

namespace tessel {

struct GameNameSource;

// Paints the rows of game-name lists: the name drawn glyph by glyph with the
// game's menu font on the menu blue, or "None". Each row's data (role
// kDataRole) is the name's width in bytes in the high 16 bits and its value
// (a name index, or 0xFF for none) in the low 16 bits.
class GameNameDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    enum class Style {
        List,    // a plain list: selected rows are inverted
        Slot,    // a slot: a drop-down arrow at the right end, no inversion
        Picker,  // the picker's rows: "None" in the picker's own font
    };
    static constexpr int kDataRole = Qt::UserRole;
    // Where glyph k of a name stands in its row.
    static constexpr int kGlyphLeft = 2;
    static constexpr int kGlyphTop = 4;

    GameNameDelegate(const GameNameSource& source, Style style, int rowHeight, QObject* parent = nullptr);

    static quint32 rowData(int value, int width) { return quint32(width) << 16 | quint16(value); }
    static int valueOf(quint32 data) { return int(data & 0xFFFF); }
    static int widthOf(quint32 data) { return int(data >> 16); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void paintNone(QPainter* painter, const QStyleOptionViewItem& option) const;
    void paintName(QPainter* painter, const QStyleOptionViewItem& option, quint32 data) const;
    void paintDropDownArrow(QPainter* painter, const QStyleOptionViewItem& option) const;

    const GameNameSource& source_;
    Style style_;
    int rowHeight_;
};

}  // namespace tessel
