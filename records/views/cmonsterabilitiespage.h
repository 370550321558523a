#pragma once

#include <QWidget>

class QSpinBox;

namespace tessel {

class CFF3Doc;
class CPropertyBinder;
class GameNameEdit;
class GameNameList;

// "Items/Abilities": a monster's special-attack name, the Metamorphosis
// package it turns into with its four items and its miss value, and the
// items that can be stolen from it and that it drops.
class CMonsterAbilitiesPage : public QWidget {
    Q_OBJECT

public:
    CMonsterAbilitiesPage(CFF3Doc& doc, CPropertyBinder& binder, QWidget* parent = nullptr);

    GameNameEdit* attackField() const { return attack_; }
    QSpinBox* packageBox() const { return package_; }
    QSpinBox* missBox() const { return miss_; }
    // The package's items (none for a package the table does not hold).
    GameNameList* packageItems() const { return packageItems_; }
    GameNameList* stolenItems() const { return stolen_; }
    GameNameList* droppedItems() const { return dropped_; }

private:
    void showPackage();

    CFF3Doc& doc_;
    CPropertyBinder& binder_;
    GameNameEdit* attack_;
    QSpinBox* package_;
    QSpinBox* miss_;
    GameNameList* packageItems_;
    GameNameList* stolen_;
    GameNameList* dropped_;
};

}  // namespace tessel
