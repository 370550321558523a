#include "uikit/gamenamedelegate.h"

#include "document/cff3doc.h"
#include "document/parts/fontspart.h"
#include "text/fontcolors.h"
#include "text/glyphdrawing.h"
#include "uikit/gamenamesource.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>

namespace tessel {

namespace {

bool isSelected(const QStyleOptionViewItem& option)
{
    return option.state & QStyle::State_Selected;
}

// The font of the picker's "None" row: Tahoma at 8.5 points.
QFont pickerNoneFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.5);
    return font;
}

}  // namespace

GameNameDelegate::GameNameDelegate(const GameNameSource& source, Style style, int rowHeight, QObject* parent)
    : QStyledItemDelegate(parent), source_(source), style_(style), rowHeight_(rowHeight)
{
}

QSize GameNameDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int width = widthOf(index.data(kDataRole).toUInt());
    return {kGlyphLeft + 8 * width + 4, rowHeight_};
}

void GameNameDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const quint32 data = index.data(kDataRole).toUInt();
    painter->save();
    if (source_.isNone(valueOf(data)))
        paintNone(painter, option);
    else
        paintName(painter, option, data);
    if (style_ == Style::Slot)
        paintDropDownArrow(painter, option);
    if (style_ != Style::Picker) {
        const QRect& r = option.rect;
        painter->setPen(option.palette.color(QPalette::Button));
        painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    }
    painter->restore();
}

void GameNameDelegate::paintNone(QPainter* painter, const QStyleOptionViewItem& option) const
{
    // Only the picker marks a selected "None"; a list shows it plainly.
    const bool highlighted = style_ == Style::Picker && isSelected(option);
    const QPalette& palette = option.palette;
    painter->fillRect(option.rect, palette.color(highlighted ? QPalette::Highlight : QPalette::Base));
    painter->setPen(palette.color(highlighted ? QPalette::HighlightedText : QPalette::Text));
    if (style_ == Style::Picker)
        painter->setFont(pickerNoneFont());
    painter->drawText(option.rect.adjusted(kGlyphLeft, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      tr("None"));
}

void GameNameDelegate::paintName(QPainter* painter, const QStyleOptionViewItem& option, quint32 data) const
{
    QImage row(option.rect.size(), QImage::Format_RGB32);
    row.fill(fontcolors::kMenuBlue);
    if (source_.document) {
        const QByteArray name = source_.name(valueOf(data), widthOf(data));
        DrawMenuText(row, kGlyphLeft, kGlyphTop, source_.document->part<FontsPart>().fonts(), reinterpret_cast<const quint8*>(name.constData()),
                     int(name.size()));
    }
    if (style_ != Style::Slot && isSelected(option))
        row.invertPixels();
    painter->drawImage(option.rect.topLeft(), row);
}

void GameNameDelegate::paintDropDownArrow(QPainter* painter, const QStyleOptionViewItem& option) const
{
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const int width = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, option.widget);
    QStyleOptionButton button;
    button.initFrom(option.widget);
    button.rect = QRect(option.rect.right() - width + 1, option.rect.top(), width, option.rect.height() - 1);
    button.features = QStyleOptionButton::Flat;
    button.state = QStyle::State_Enabled | (isSelected(option) ? QStyle::State_Sunken : QStyle::State_Raised);
    style->drawPrimitive(QStyle::PE_PanelButtonCommand, &button, painter, option.widget);
    QStyleOption arrow = button;
    arrow.rect = button.rect.adjusted(3, 3, -3, -3);
    style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter, option.widget);
}

}  // namespace tessel
