#include "text/editors/dialoguerowdelegate.h"

#include "text/dialoguetext.h"
#include "text/editors/dialoguelistmodel.h"
#include "text/glyphdrawing.h"

#include <QApplication>
#include <QPainter>

namespace tessel {

namespace {

constexpr QColor kOverflowMark(0xD0, 0x10, 0x10);
constexpr int kMarkWidth = 3;

}  // namespace

DialogueRowDelegate::DialogueRowDelegate(const GameFonts& fonts, QObject* parent)
    : QStyledItemDelegate(parent), fonts_(fonts)
{
}

QSize DialogueRowDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return {kRowExtent, kRowHeight};
}

void DialogueRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    const QRect& row = option.rect;
    painter->save();
    painter->fillRect(row, palette.color(selected ? QPalette::Highlight : QPalette::Base));
    if (index.data(DialogueListModel::OverflowRole).toBool())
        painter->fillRect(QRect(row.left(), row.top(), kMarkWidth, row.height()), kOverflowMark);

    painter->setFont(option.font);
    painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(row.adjusted(kNumberLeft, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(Qt::DisplayRole).toString());

    // The text starts 40 pixels in, or past the number where the font is wider.
    const int left = row.left() + std::max(kPreviewLeft, kNumberLeft + option.fontMetrics.horizontalAdvance(QStringLiteral("0000: ")));
    // Only the part of the row that shows is drawn.
    const QRect visible = painter->clipBoundingRect().toAlignedRect();
    const int right = visible.isEmpty() ? row.right() : std::min(row.right(), visible.right());
    const QByteArray text = dialoguetext::ExpandForDisplay(index.data(DialogueListModel::MessageRole).toByteArray());
    const int width = std::min(right - left + 1, DialogueTextWidth(fonts_, text));
    if (width > 0) {
        // Opaque on the row's own colour: a plain copy onto the row, no blending.
        QImage preview(width, row.height(), QImage::Format_RGB32);
        preview.fill(palette.color(selected ? QPalette::Highlight : QPalette::Base));
        DrawDialogueText(preview, 0, kPreviewTop, fonts_, text, false);
        painter->drawImage(left, row.top(), preview);
    }
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.initFrom(option.widget);
        focus.rect = row;
        focus.backgroundColor = palette.color(selected ? QPalette::Highlight : QPalette::Base);
        QStyle* style = option.widget ? option.widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
    }
    painter->restore();
}

}  // namespace tessel
