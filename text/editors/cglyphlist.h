#pragma once

#include "text/fontsheet.h"

#include <QListWidget>

namespace tessel {

class CFF3Doc;

// The glyphs of one game font side by side in rows, each drawn at double
// size on the editor's grid colours (the dialogue font with its advance
// width in blue), the selected one framed in red. Each entry keeps its code
// and the character it is labelled with.
class CGlyphList : public QListWidget {
    Q_OBJECT

public:
    static constexpr int kCodeRole = Qt::UserRole;
    static constexpr int kLabelRole = Qt::UserRole + 1;

    CGlyphList(CFF3Doc& doc, fontsheet::Font font, QWidget* parent = nullptr);

    fontsheet::Font font() const { return font_; }
    // Entry size: 30 x 28 for the dialogue font, 22 x 22 for the menu font.
    QSize entrySize() const;
    quint8 codeAt(int row) const;
    QChar labelAt(int row) const;
    int rowOfCode(int code) const;
    // The code of the selected entry; -1 when none is.
    int currentCode() const;

    QSize sizeHint() const override;

private:
    CFF3Doc& doc_;
    fontsheet::Font font_;
};

}  // namespace tessel
