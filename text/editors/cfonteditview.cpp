#include "text/editors/cfonteditview.h"

#include "platform/gui/filechooser.h"

#include "document/cff3doc.h"
#include "document/editcommands.h"
#include "document/fontsheetimport.h"
#include "text/editors/cglyphlist.h"
#include "text/fontcolors.h"
#include "uikit/ccolorchooser.h"
#include "uikit/cpixelgrid.h"
#include "document/parts/fontspart.h"

#include <QGridLayout>
#include <QMenu>
#include <QPushButton>
#include <QUndoStack>
#include <QVBoxLayout>

namespace tessel {

namespace {

struct GridButton {
    CFontEditView::ControlId id;
    const char* label;
    const char* command;
    void (CPixelGrid::*action)();
};

constexpr GridButton kGridButtons[] = {
    {CFontEditView::kShiftUpId, QT_TRANSLATE_NOOP("CFontEditView", "Shift Up"),
     QT_TRANSLATE_NOOP("CFontEditView", "Shift Glyph Up"), &CPixelGrid::shiftUp},
    {CFontEditView::kShiftDownId, QT_TRANSLATE_NOOP("CFontEditView", "Shift Down"),
     QT_TRANSLATE_NOOP("CFontEditView", "Shift Glyph Down"), &CPixelGrid::shiftDown},
    {CFontEditView::kShiftLeftId, QT_TRANSLATE_NOOP("CFontEditView", "Shift Left"),
     QT_TRANSLATE_NOOP("CFontEditView", "Shift Glyph Left"), &CPixelGrid::shiftLeft},
    {CFontEditView::kShiftRightId, QT_TRANSLATE_NOOP("CFontEditView", "Shift Right"),
     QT_TRANSLATE_NOOP("CFontEditView", "Shift Glyph Right"), &CPixelGrid::shiftRight},
    {CFontEditView::kClearId, QT_TRANSLATE_NOOP("CFontEditView", "Clear"),
     QT_TRANSLATE_NOOP("CFontEditView", "Clear Glyph"), &CPixelGrid::clear},
};

QString buttonName(CFontEditView::ControlId id)
{
    return QStringLiteral("button%1").arg(int(id));
}

}  // namespace

CFontEditView::CFontEditView(CFF3Doc& doc, fontsheet::Font font, QWidget* parent) : CEditorView(doc, parent), font_(font)
{
    const bool dialogue = font_ == fontsheet::Font::Dialogue;
    glyphList_ = new CGlyphList(doc, font_, this);

    gridPanel_ = new QWidget(this);
    grid_ = new CPixelGrid(gridPanel_);
    grid_->setObjectName(QStringLiteral("pixelGrid"));
    chooser_ = new CColorChooser(gridPanel_);
    chooser_->setObjectName(QStringLiteral("colorChooser"));
    QList<QRgb> colors;
    if (dialogue) {
        grid_->setGridSize(GameFonts::kDialogueGlyphColumns, GameFonts::kDialogueGlyphRows);
        for (const quint16 color : fontcolors::kDialogueGridColors)
            colors.append(fontcolors::snesToRgb(color));
    } else {
        grid_->setGridSize(8, 8);
        for (const quint16 color : fontcolors::kMenuGridColors)
            colors.append(fontcolors::snesToRgb(color));
    }
    grid_->setColors(colors);
    chooser_->setColors(colors);
    chooser_->setLeftColor(dialogue ? 1 : 3);
    chooser_->setRightColor(0);
    grid_->setLeftColor(chooser_->leftColor());
    grid_->setRightColor(chooser_->rightColor());
    connect(chooser_, &CColorChooser::leftColorChanged, grid_, &CPixelGrid::setLeftColor);
    connect(chooser_, &CColorChooser::rightColorChanged, grid_, &CPixelGrid::setRightColor);

    auto* buttons = new QVBoxLayout;
    for (const GridButton& button : kGridButtons) {
        auto* push = new QPushButton(tr(button.label), gridPanel_);
        push->setObjectName(buttonName(button.id));
        push->setAutoDefault(false);
        const QString text = tr(button.command);
        const auto action = button.action;
        connect(push, &QPushButton::clicked, this, [this, text, action] { buttonAction(text, action); });
        buttons->addWidget(push);
    }
    buttons->addStretch(1);
    auto* panel = new QGridLayout(gridPanel_);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(grid_, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    panel->addLayout(buttons, 0, 1);
    panel->addWidget(chooser_, 1, 0, 1, 2, Qt::AlignLeft);
    panel->setColumnStretch(2, 1);

    connect(glyphList_, &QListWidget::currentRowChanged, this, [this] {
        code_ = glyphList_->currentCode();
        showGlyph();
    });
    connect(grid_, &CPixelGrid::cellsChanged, this, &CFontEditView::writeBack);
    connect(&doc, &CFF3Doc::changed, this, [this](const DocumentChange& change) {
        if (change.touches(RecordRef(subjectKind(), code_)))
            showGlyph();
    });
    connect(&doc, &CFF3Doc::documentLoaded, this, &CFontEditView::showGlyph);
}

QPushButton* CFontEditView::gridButton(ControlId id) const
{
    return gridPanel_->findChild<QPushButton*>(buttonName(id));
}

RecordKind CFontEditView::subjectKind() const
{
    return font_ == fontsheet::Font::Dialogue ? RecordKind::DialogueGlyph : RecordKind::MenuGlyph;
}

void CFontEditView::setSubject(const RecordRef& subject)
{
    if (subject.kind == subjectKind() && !subject.isWhole())
        selectGlyph(subject.index);
}

void CFontEditView::selectGlyph(int code)
{
    glyphList_->setCurrentRow(glyphList_->rowOfCode(code));
}

void CFontEditView::showGlyph()
{
    if (code_ < 0)
        return;
    grid_->setCells(cellsOf(quint8(code_)));
    glyphShown(quint8(code_));
}

void CFontEditView::buttonAction(const QString& text, void (CPixelGrid::*action)())
{
    buttonText_ = text;
    (grid_->*action)();
    buttonText_.clear();
}

void CFontEditView::writeBack(int stroke)
{
    if (code_ < 0)
        return;
    const QString text = buttonText_.isEmpty() ? tr("Paint Glyph") : buttonText_;
    // The cells of one mouse stroke make one step.
    const int mergeKey = stroke == CPixelGrid::kNoStroke ? SetBytesCommand::kNoMerge : stroke & 0x7FFFFFFF;
    document().undoStack()->push(
        new SetBytesCommand(document(), glyphTarget(quint8(code_)), 0, bytesOf(grid_->cells()), text, mergeKey));
}

void CFontEditView::reportError(const QString& text)
{
    showMessage(text, QStringLiteral("Tessel"), platform::MessageIcon::Warning);
}

bool CFontEditView::exportSheet(const QString& path)
{
    QString reason;
    if (fontsheet::WriteSheetFile(fontsheet::ExportSheet(document().part<FontsPart>().fonts(), font_), path, &reason))
        return true;
    reportError(tr("Could not save %1: %2").arg(path, reason));
    return false;
}

bool CFontEditView::importSheet(const QString& path)
{
    QString reason;
    const std::optional<QImage> sheet = fontsheet::ReadSheetFile(path, font_, &reason);
    const std::optional<fontsheet::Contents> contents =
        sheet ? fontsheet::ImportSheet(*sheet, font_, document().part<FontsPart>().fonts(), &reason) : std::nullopt;
    if (!contents) {
        reportError(tr("%1 is not a %2 font sheet that can be imported.\n\n%3")
                        .arg(path, fontsheet::fontName(font_), reason));
        return false;
    }
    pushFontSheetImport(document(), font_, *contents);
    return true;
}

void CFontEditView::exportSheetAsked()
{
    const QString path = fileChooser().saveFileName(this, tr("Export Font Sheet"),
                                                    fontsheet::fontName(font_) + QStringLiteral("-font.png"),
                                                    tr("PNG pictures (*.png)"), nullptr, QStringLiteral("png"));
    if (!path.isEmpty())
        exportSheet(path);
}

void CFontEditView::importSheetAsked()
{
    const QString path =
        fileChooser().openFileName(this, tr("Import Font Sheet"), QString(), tr("PNG pictures (*.png)"));
    if (!path.isEmpty())
        importSheet(path);
}

QList<QMenu*> CFontEditView::menus()
{
    if (!fontMenu_) {
        fontMenu_ = new QMenu(tr("F&ont"), this);
        connect(fontMenu_->addAction(tr("&Export Font Sheet...")), &QAction::triggered, this,
                &CFontEditView::exportSheetAsked);
        connect(fontMenu_->addAction(tr("&Import Font Sheet...")), &QAction::triggered, this,
                &CFontEditView::importSheetAsked);
    }
    return {fontMenu_};
}

}  // namespace tessel
