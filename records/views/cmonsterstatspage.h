#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;
class QTreeWidget;

namespace tessel {

class CFF3Doc;
class CPictureBox;
class CPropertyBinder;
class GameNameEdit;

// "Statistics": a monster's name, its numbers, the 32 status conditions,
// the elements it absorbs, is immune to and is weak against, and its
// battle picture.
class CMonsterStatsPage : public QWidget {
    Q_OBJECT

public:
    // The element list's columns.
    enum Column { ElementColumn = 0, AbsorbColumn, NoEffectColumn, WeakColumn };
    // Large enough for a 16 x 16-cell picture.
    static constexpr int kPictureSize = 128;

    CMonsterStatsPage(CFF3Doc& doc, CPropertyBinder& binder, QWidget* parent = nullptr);

    GameNameEdit* nameField() const { return name_; }
    QListWidget* statusList() const { return statuses_; }
    QTreeWidget* elementList() const { return elements_; }
    CPictureBox* pictureBox() const { return picture_; }
    QPushButton* exportButton() const { return export_; }

private:
    void showPicture();

    CFF3Doc& doc_;
    CPropertyBinder& binder_;
    GameNameEdit* name_;
    QListWidget* statuses_;
    QTreeWidget* elements_;
    CPictureBox* picture_;
    QPushButton* export_;
};

}  // namespace tessel
