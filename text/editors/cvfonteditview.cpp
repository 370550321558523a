#include "text/editors/cvfonteditview.h"

#include "document/cff3doc.h"
#include "document/editcommands.h"
#include "text/editors/cglyphlist.h"
#include "text/glyphcells.h"
#include "uikit/cpixelgrid.h"
#include "document/parts/fontspart.h"

#include <QApplication>
#include <QFontDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QUndoStack>
#include <QVBoxLayout>

namespace tessel {

namespace {

// Control ids of the form, kept as object names.
constexpr int kWidthBoxId = 1047;
constexpr int kImportId = 1049;
constexpr int kShiftFontUpId = 1014;
constexpr int kShiftFontDownId = 1015;
// A system font's character is drawn on a canvas of this size.
constexpr int kCanvasSize = 16;
// One merge key for typing into the width box.
constexpr int kWidthMergeKey = 1047;

QPushButton* button(const QString& text, int id, QWidget* parent)
{
    auto* push = new QPushButton(text, parent);
    push->setObjectName(QStringLiteral("button%1").arg(id));
    push->setAutoDefault(false);
    return push;
}

// The canvas with one character of `font` drawn in black at its top left.
QImage drawCharacter(const QFont& font, const QFontMetrics& metrics, QChar character)
{
    QImage canvas(kCanvasSize, kCanvasSize, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(0, metrics.ascent()), QString(character));
    return canvas;
}

}  // namespace

CVFontEditView::CVFontEditView(CFF3Doc& doc, QWidget* parent)
    : CFontEditView(doc, fontsheet::Font::Dialogue, parent), importFont_(QApplication::font())
{
    QPushButton* import = button(tr("Import TrueType Font..."), kImportId, this);
    widthBox_ = new QLineEdit(this);
    widthBox_->setObjectName(QStringLiteral("edit%1").arg(kWidthBoxId));
    widthBox_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}")), widthBox_));
    widthBox_->setMaximumWidth(48);
    auto* widthLabel = new QLabel(tr("Character Width:"), this);
    widthLabel->setBuddy(widthBox_);
    QPushButton* shiftUp = button(tr("Shift Font Up and Reimport"), kShiftFontUpId, this);
    QPushButton* shiftDown = button(tr("Shift Font Down and Reimport"), kShiftFontDownId, this);

    auto* width = new QHBoxLayout;
    width->addWidget(widthLabel);
    width->addWidget(widthBox_);
    width->addStretch(1);
    auto* side = new QVBoxLayout;
    side->addWidget(import);
    side->addLayout(width);
    side->addSpacing(12);
    side->addWidget(shiftUp);
    side->addWidget(shiftDown);
    side->addStretch(1);
    auto* lower = new QHBoxLayout;
    lower->addWidget(gridPanel(), 1);
    lower->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(glyphList());
    layout->addLayout(lower);
    layout->addStretch(1);

    connect(import, &QPushButton::clicked, this, &CVFontEditView::chooseFont);
    connect(shiftUp, &QPushButton::clicked, this, [this] { shiftFontAndReimport(1); });
    connect(shiftDown, &QPushButton::clicked, this, [this] { shiftFontAndReimport(-1); });
    connect(widthBox_, &QLineEdit::textEdited, this, &CVFontEditView::widthTyped);
    selectGlyph(GameFonts::kDialogueFirstCode);
}

std::vector<quint8> CVFontEditView::cellsOf(quint8 code) const
{
    return glyphcells::DialogueCells(document().part<FontsPart>().fonts(), code);
}

QByteArray CVFontEditView::bytesOf(const std::vector<quint8>& cells) const
{
    return glyphcells::DialogueBytes(cells);
}

TableBytes CVFontEditView::glyphTarget(quint8 code) const
{
    return document().part<FontsPart>().dialogueGlyph(code);
}

void CVFontEditView::glyphShown(quint8 code)
{
    const int width = document().part<FontsPart>().fonts().dialogueWidths[code];
    // Leave the box alone while it already says this width ("012" is 12,
    // and an empty box being typed into is 0).
    const QString text = widthBox_->text();
    if (text.toInt() != width || (text.isEmpty() && !widthBox_->hasFocus()))
        widthBox_->setText(QString::number(width));
    grid()->setMarkerColumn(width <= GameFonts::kDialogueGlyphColumns ? width : -1);
}

void CVFontEditView::widthTyped(const QString& text)
{
    const int code = currentCode();
    if (code < 0)
        return;
    int width = text.toInt();  // digits only; an empty box is 0
    if (width > kMaxTypedWidth) {
        width = kMaxTypedWidth;
        widthBox_->setText(QString::number(width));
        QApplication::beep();
    }
    document().undoStack()->push(makeSetByte(document(), document().part<FontsPart>().dialogueWidth(code), 0, quint8(width),
                                             tr("Change Character Width"), kWidthMergeKey));
}

void CVFontEditView::chooseFont()
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, importFont_, this, tr("Import TrueType Font"));
    if (chosen) {
        importOffset_ = kInitialImportOffset;
        importFont(font);
    }
}

void CVFontEditView::importFont(const QFont& font)
{
    importFont_ = font;
    importFont_.setStyleStrategy(QFont::NoAntialias);
    runImport();
}

void CVFontEditView::shiftFontAndReimport(int rows)
{
    importOffset_ += rows;
    importFont(importFont_);
}

void CVFontEditView::runImport()
{
    const QFontMetrics metrics(importFont_);
    QUndoStack* stack = document().undoStack();
    stack->beginMacro(tr("Import TrueType Font"));
    for (int row = 0; row < glyphList()->count(); ++row) {
        const QChar label = glyphList()->labelAt(row);
        if (label.isNull())
            continue;
        const quint8 code = glyphList()->codeAt(row);
        // The width is the character's own, even past the grid's 12 columns.
        const int width = std::clamp(metrics.horizontalAdvance(label), 0, 255);
        const QByteArray bytes = glyphcells::DialogueBytesFromCanvas(drawCharacter(importFont_, metrics, label), importOffset_, width);
        stack->push(new SetBytesCommand(document(), document().part<FontsPart>().dialogueGlyph(code), 0, bytes, QString()));
        stack->push(makeSetByte(document(), document().part<FontsPart>().dialogueWidth(code), 0, quint8(width), QString()));
    }
    stack->endMacro();
}

}  // namespace tessel
