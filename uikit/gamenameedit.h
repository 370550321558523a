#pragma once

#include "text/namefieldmodel.h"

#include <QByteArray>
#include <QWidget>

#include <vector>

class QMenu;

namespace tessel {

class CFF3Doc;

// A fixed-width game-name field, drawn with the game's menu font on the
// menu blue: one 8-pixel cell per byte, underlined, and a caret. Typing,
// Backspace, Delete, Home, End and the arrows follow the field's rules
// (NameFieldModel); a right click offers the menu font's symbols.
//
// The field edits its own copy of the name. After every change the user
// makes it emits nameEdited() with the new bytes, and the owner turns that
// into a command on the document (or keeps the copy until a commit).
class GameNameEdit : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCellWidth = NameFieldModel::kCellWidth;
    static constexpr int kLeft = 3;   // the left edge of cell 0
    static constexpr int kGlyphTop = 2;
    static constexpr int kHeight = 16;

    explicit GameNameEdit(QWidget* parent = nullptr);

    // Gives the menu font, and repaints when the document changes.
    void setDocument(CFF3Doc* doc);
    // The name to edit: its width is the number of bytes. The caret stays
    // where it was, within the new width.
    void setName(const QByteArray& bytes);
    QByteArray name() const { return QByteArray(reinterpret_cast<const char*>(field_.data()), qsizetype(field_.size())); }
    int caret() const { return model_.caret(); }
    // When set, Tab and Shift+Tab emit returnPressed() instead of moving
    // the focus on (an in-place editor commits on them).
    void setTabCommits(bool commits) { tabCommits_ = commits; }

    // The symbol menu a right click opens; its actions type their symbol.
    QMenu* symbolMenu();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void nameEdited(const QByteArray& bytes);
    void returnPressed();
    void escapePressed();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void type(QChar ch);
    void changed(const std::vector<quint8>& before);

    std::vector<quint8> field_;
    NameFieldModel model_;
    CFF3Doc* doc_ = nullptr;
    QMenu* symbolMenu_ = nullptr;
    bool tabCommits_ = false;
    QMetaObject::Connection documentConnection_;
};

}  // namespace tessel
