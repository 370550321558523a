#pragma once

#include "text/editors/cfonteditview.h"

#include <QFont>

class QLineEdit;
class QPushButton;

namespace tessel {

// "Dialogue Font": the variable-width glyphs of codes 0x20-0x7F with their
// widths, and their import from a system font.
class CVFontEditView : public CFontEditView {
    Q_OBJECT

public:
    static constexpr int kMaxTypedWidth = 12;
    // The canvas row that glyph row 0 is read from, before any shift.
    static constexpr int kInitialImportOffset = 2;

    explicit CVFontEditView(CFF3Doc& doc, QWidget* parent = nullptr);

    QLineEdit* widthBox() const { return widthBox_; }
    int importOffset() const { return importOffset_; }

    // Draws every labelled glyph anew with `font` (smoothing off) from the
    // current offset, in one step; as "Import TrueType Font..." does once a
    // font is chosen.
    void importFont(const QFont& font);
    // "Shift Font Up/Down and Reimport": moves the offset and imports again
    // with the font chosen last (the application's font before any).
    void shiftFontAndReimport(int rows);

protected:
    std::vector<quint8> cellsOf(quint8 code) const override;
    QByteArray bytesOf(const std::vector<quint8>& cells) const override;
    TableBytes glyphTarget(quint8 code) const override;
    void glyphShown(quint8 code) override;

private:
    void chooseFont();
    void widthTyped(const QString& text);
    void runImport();

    QLineEdit* widthBox_;
    QFont importFont_;
    int importOffset_ = kInitialImportOffset;
};

}  // namespace tessel
