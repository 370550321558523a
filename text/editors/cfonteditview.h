#pragma once

#include "document/tablebytes.h"
#include "text/fontsheet.h"
#include "uikit/ceditorview.h"

#include <QString>

#include <vector>

class QGridLayout;
class QMenu;
class QPushButton;

namespace tessel {

class CColorChooser;
class CGlyphList;
class CPixelGrid;

// What the two font editors share: the glyph list, the pixel grid with its
// colour chooser and the five grid buttons, the write-back of every grid
// change into the selected glyph, and font sheets. Every change is a
// command on the document's stack; the views follow the document.
class CFontEditView : public CEditorView {
    Q_OBJECT

public:
    // Control ids of the form, kept as the grid buttons' object names.
    enum ControlId { kShiftUpId = 1021, kShiftDownId = 1022, kShiftLeftId = 1023, kShiftRightId = 1024, kClearId = 1025 };

    CGlyphList* glyphList() const { return glyphList_; }
    CPixelGrid* grid() const { return grid_; }
    CColorChooser* colorChooser() const { return chooser_; }
    QPushButton* gridButton(ControlId id) const;
    // The code of the glyph in the grid; -1 before one is selected.
    int currentCode() const { return code_; }
    void selectGlyph(int code);

    // Font sheets: false (after a message) when the file cannot be written
    // or is refused; an import changes the font in one step.
    bool exportSheet(const QString& path);
    bool importSheet(const QString& path);

    QList<QMenu*> menus() override;
    RecordKind subjectKind() const override;
    void setSubject(const RecordRef& subject) override;

protected:
    CFontEditView(CFF3Doc& doc, fontsheet::Font font, QWidget* parent);

    // The selected glyph as grid cells, and grid cells as glyph bytes.
    virtual std::vector<quint8> cellsOf(quint8 code) const = 0;
    virtual QByteArray bytesOf(const std::vector<quint8>& cells) const = 0;
    virtual TableBytes glyphTarget(quint8 code) const = 0;
    // Called after the grid shows a glyph anew (selection, undo, redo).
    virtual void glyphShown(quint8) {}

    // The grid, its chooser and buttons, for the derived view's layout.
    QWidget* gridPanel() const { return gridPanel_; }
    void reportError(const QString& text);

private:
    void showGlyph();
    void writeBack(int stroke);
    void buttonAction(const QString& text, void (CPixelGrid::*action)());
    void exportSheetAsked();
    void importSheetAsked();

    fontsheet::Font font_;
    CGlyphList* glyphList_;
    CPixelGrid* grid_;
    CColorChooser* chooser_;
    QWidget* gridPanel_;
    QMenu* fontMenu_ = nullptr;
    int code_ = -1;
    QString buttonText_;
};

}  // namespace tessel
