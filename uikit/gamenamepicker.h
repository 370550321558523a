#pragma once

#include <QFrame>

class QListWidget;
class QListWidgetItem;

namespace tessel {

class GameNameDelegate;
struct GameNameSource;

// The drop-down from which a slot of a GameNameList (or any other editor)
// picks a name: a pop-up under the slot listing "None" (when allowed) and
// every name of the source, at most 12 rows tall. A click on a row accepts
// it and emits picked(); Escape or a click anywhere else closes it without
// a change and emits nothing but dismissed().
class GameNamePicker : public QFrame {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 15;
    static constexpr int kMaxVisibleRows = 12;

    explicit GameNamePicker(const GameNameSource& source, QWidget* parent = nullptr);

    // Fills the list, selects the row of `current` (names drawn `width`
    // bytes wide) at the top, and shows the picker under `slot`, a rectangle
    // in screen coordinates, as wide as the slot.
    void popUp(const QRect& slot, int current, int width);

    QListWidget* list() const { return list_; }
    // The rows' height in total, before the 12-row cap.
    int rowCount() const;

signals:
    void picked(int value);
    void dismissed();

protected:
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fill(int current, int width);
    void place(const QRect& slot);
    void accept(QListWidgetItem* item);

    const GameNameSource& source_;
    QListWidget* list_;
    GameNameDelegate* delegate_;
    bool accepted_ = false;
};

}  // namespace tessel
