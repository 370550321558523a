#include "text/editors/cglyphlist.h"

#include "document/cff3doc.h"
#include "text/dialoguetext.h"
#include "text/editors/glyphlistdelegate.h"
#include "text/gamefonts.h"
#include "text/menutext.h"


namespace tessel {

namespace {

// How many rows of entries show at once.
constexpr int kRowsShown = 3;

}  // namespace

CGlyphList::CGlyphList(CFF3Doc& doc, fontsheet::Font font, QWidget* parent) : QListWidget(parent), doc_(doc), font_(font)
{
    setObjectName(QStringLiteral("glyphList"));
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setGridSize(entrySize());
    setSpacing(0);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setItemDelegate(new GlyphListDelegate(doc_, font_, this));

    const bool dialogue = font_ == fontsheet::Font::Dialogue;
    const int first = dialogue ? GameFonts::kDialogueFirstCode : GameFonts::kMenuFirstCode;
    const int end = dialogue ? 0x80 : 0x100;
    for (int code = first; code < end; ++code) {
        const QChar label = dialogue ? dialoguetext::DialogueGlyphLabel(quint8(code)) : menutext::MenuGlyphLabel(quint8(code));
        auto* item = new QListWidgetItem(this);
        item->setData(kCodeRole, code);
        item->setData(kLabelRole, label);
        item->setToolTip(label.isNull() || !label.isPrint() ? QStringLiteral("$%1").arg(code, 2, 16, QLatin1Char('0')).toUpper()
                                                            : QStringLiteral("$%1 %2").arg(code, 2, 16, QLatin1Char('0')).toUpper().arg(label));
    }
    const RecordKind kind = dialogue ? RecordKind::DialogueGlyph : RecordKind::MenuGlyph;
    connect(&doc_, &CFF3Doc::changed, viewport(), [this, kind](const DocumentChange& change) {
        if (!change.touches(kind))
            return;
        // One glyph changed: only its cell is painted again.
        const QListWidgetItem* entry = change.ref.isWhole() ? nullptr : item(rowOfCode(change.ref.index));
        if (entry)
            viewport()->update(visualItemRect(entry));
        else
            viewport()->update();
    });
}

QSize CGlyphList::entrySize() const
{
    return font_ == fontsheet::Font::Dialogue ? QSize(30, 28) : QSize(22, 22);
}

QSize CGlyphList::sizeHint() const
{
    return {entrySize().width() * 16, entrySize().height() * kRowsShown + 2 * frameWidth() + 2};
}

quint8 CGlyphList::codeAt(int row) const
{
    const QListWidgetItem* entry = item(row);
    return entry ? quint8(entry->data(kCodeRole).toInt()) : 0;
}

QChar CGlyphList::labelAt(int row) const
{
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(kLabelRole).toChar() : QChar();
}

int CGlyphList::rowOfCode(int code) const
{
    for (int row = 0; row < count(); ++row)
        if (codeAt(row) == code)
            return row;
    return -1;
}

int CGlyphList::currentCode() const
{
    return currentRow() >= 0 ? codeAt(currentRow()) : -1;
}

}  // namespace tessel
