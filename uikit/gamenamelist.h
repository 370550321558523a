#pragma once

#include "rom/recordref.h"
#include "uikit/gamenamesource.h"

#include <QListWidget>

#include <functional>

namespace tessel {

class GameNameDelegate;
class GameNamePicker;

// A list of game names drawn with the game's menu font on the menu blue,
// 18 pixels a row. In plain mode rows are selected like any list; in slot
// mode each row is a slot showing one name, and a click opens a
// GameNamePicker from which the user picks another name (or "None").
//
// The owner sets the names, the document and the mode, then adds rows. A
// row holds a value (a name index, or 0xFF for none when that is allowed)
// and the width of the names in bytes.
class GameNameList : public QListWidget {
    Q_OBJECT

public:
    enum ModeFlag { PlainMode = 0x1, NoneAllowed = 0x2 };
    static constexpr int kRowHeight = 18;

    explicit GameNameList(QWidget* parent = nullptr);
    ~GameNameList() override;

    // `nameOf(index)` gives the menu-encoded bytes of name `index`, 0 <= index < count.
    void setNames(int count, std::function<QByteArray(int index)> nameOf);
    // Gives the menu font, and repaints the list whenever the document changes.
    void setDocument(CFF3Doc* doc);
    void setMode(int mode);
    int mode() const { return mode_; }

    // Appends a row; returns its position.
    int addRow(int value, int width);
    int rowValue(int row) const;
    int rowWidth(int row) const;
    void setRowValue(int row, int value);

    // Slot mode: opens the picker under a row, as a click on it does.
    void openPicker(int row);
    GameNamePicker* picker() const { return picker_; }

    // Slot mode: the names are records of `kind`, and a slot's context menu
    // offers "Go to" the record it holds.
    void setGoToKind(RecordKind kind) { goToKind_ = kind; }
    std::optional<RecordRef> goToTarget(int row) const;

signals:
    // Slot mode: the user picked `value` for the slot at `row`.
    void nameChanged(int row, int value);
    // "Go to" on a slot: open the editor at that record.
    void subjectRequested(const RecordRef& subject);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void pick(int value);
    void applyMode();
    quint32 rowData(int row) const;

    GameNameSource source_;
    int mode_ = PlainMode;
    GameNameDelegate* delegate_ = nullptr;
    GameNamePicker* picker_ = nullptr;
    int pickingRow_ = -1;
    RecordKind goToKind_ = RecordKind::None;
    QMetaObject::Connection documentConnection_;
};

}  // namespace tessel
