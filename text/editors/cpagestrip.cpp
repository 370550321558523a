#include "text/editors/cpagestrip.h"

#include "document/cff3doc.h"
#include "document/longestwords.h"
#include "text/dialoguewindowpicture.h"
#include "document/parts/fontspart.h"

#include <QPainter>

namespace tessel {

namespace {

constexpr QColor kOverflowFrame(0xE0, 0x10, 0x10);
constexpr int kLabelBottom = 4;   // the label runs from 18 to 4 pixels above the entry's bottom
constexpr int kLabelHeight = 14;

QFont labelFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.5);
    return font;
}

}  // namespace

CPageStrip::CPageStrip(CFF3Doc& doc, QWidget* parent) : QWidget(parent), doc_(doc)
{
    setObjectName(QStringLiteral("pageStrip"));
    connect(&doc_, &CFF3Doc::changed, this, [this](const DocumentChange& change) {
        // The longest names are the item and spell names' too.
        if (change.touches(RecordKind::DialogueGlyph)
            || (longestNames_ && (change.touches(RecordKind::Item) || change.touches(RecordKind::Spell)
                                  || change.touches(RecordKind::Esper))))
            layOut();
    });
}

void CPageStrip::showMessage(const QByteArray& message, bool preview)
{
    message_ = message;
    preview_ = preview;
    layOut();
}

void CPageStrip::clear()
{
    showMessage({}, false);
}

void CPageStrip::setLongestNames(bool on)
{
    if (on == longestNames_)
        return;
    longestNames_ = on;
    layOut();
}

void CPageStrip::layOut()
{
    const WordChoice longest = longestNames_ && !message_.isEmpty() ? longestWords(doc_) : WordChoice();
    pages_ = dialoguepages::LayOutPages(message_, doc_.part<FontsPart>().fonts(), longestNames_ ? &longest : nullptr);
    updateGeometry();
    resize(sizeHint());
    update();
}

QRect CPageStrip::entryRect(int index) const
{
    return {index * kEntryWidth, 0, kEntryWidth, kEntryHeight};
}

QSize CPageStrip::sizeHint() const
{
    return {std::max(1, pageCount()) * kEntryWidth, kEntryHeight};
}

QSize CPageStrip::minimumSizeHint() const
{
    return {kEntryWidth, kEntryHeight};
}

QString CPageStrip::pageLabel(int index) const
{
    QString label = tr("Page %1").arg(index + 1);
    if (page(index).overflows())
        label += tr(" - Too long");
    if (preview_)
        label += tr(" (not applied)");
    return label;
}

void CPageStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(labelFont());
    const QImage& window = DialogueWindowPicture();
    for (int i = 0; i < pageCount(); ++i) {
        const QRect entry = entryRect(i);
        QImage picture = window.copy();
        dialoguepages::DrawPage(picture, page(i), doc_.part<FontsPart>().fonts());
        const QPoint at = entry.topLeft() + QPoint(kPictureMargin, kPictureMargin);
        painter.drawImage(at, picture);
        const bool overflows = page(i).overflows();
        if (overflows) {
            painter.setPen(QPen(kOverflowFrame, 2));
            painter.drawRect(QRect(at, picture.size()).adjusted(-1, -1, 0, 0));
        }
        painter.setPen(overflows ? kOverflowFrame : palette().color(QPalette::WindowText));
        const QRect label(entry.left() + kPictureMargin, entry.bottom() + 1 - kLabelBottom - kLabelHeight,
                          entry.width() - 2 * kPictureMargin, kLabelHeight);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, pageLabel(i));
    }
}

}  // namespace tessel
