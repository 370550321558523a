#include "text/editors/glyphlistdelegate.h"

#include "document/cff3doc.h"
#include "text/editors/cglyphlist.h"
#include "text/glyphcells.h"
#include "document/parts/fontspart.h"

#include <QPainter>

namespace tessel {

namespace {

constexpr QColor kSelectionFrame(0xE0, 0x00, 0x00);
constexpr int kScale = 2;

}  // namespace

GlyphListDelegate::GlyphListDelegate(CFF3Doc& doc, fontsheet::Font font, QObject* parent)
    : QStyledItemDelegate(parent), doc_(doc), font_(font)
{
}

QSize GlyphListDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return font_ == fontsheet::Font::Dialogue ? QSize(30, 28) : QSize(22, 22);
}

void GlyphListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const quint8 code = quint8(index.data(CGlyphList::kCodeRole).toInt());
    const QImage glyph = font_ == fontsheet::Font::Dialogue ? glyphcells::DialogueCellPicture(doc_.part<FontsPart>().fonts(), code)
                                                            : glyphcells::MenuCellPicture(doc_.part<FontsPart>().fonts(), code);
    const QSize size = glyph.size() * kScale;
    const QRect target(option.rect.center() - QPoint(size.width() / 2 - 1, size.height() / 2 - 1), size);
    painter->save();
    painter->fillRect(option.rect, option.palette.color(QPalette::Base));
    painter->drawImage(target, glyph);
    if (option.state & QStyle::State_Selected) {
        painter->setPen(QPen(kSelectionFrame, 2));
        painter->drawRect(target.adjusted(-1, -1, 1, 1));
    }
    painter->restore();
}

}  // namespace tessel
