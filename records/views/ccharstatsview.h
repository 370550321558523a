#pragma once

#include "uikit/ceditorview.h"

class QSpinBox;
class QTreeWidget;

namespace tessel {

class CPropertyBinder;
class RecordCopyActions;
class CReferencesList;
class CRangeSpinBox;
class GameNameEdit;
class GameNameList;

// One character at a time, chosen by its number: the starting record's
// numbers, equipment and battle commands, and the HP and MP the character
// has at every level from its level-1 values and the game's gain tables.
class CCharStatsView : public CEditorView {
    Q_OBJECT

public:
    explicit CCharStatsView(CFF3Doc& doc, QWidget* parent = nullptr);

    // Copy, paste and revert of records.
    QList<QAction*> editActions() override;
    RecordKind subjectKind() const override { return RecordKind::Character; }
    // Several character frames may be open side by side, to compare
    // characters: the view claims no subject, so each opening makes a frame.
    bool queryShows(const RecordRef&) const override { return false; }
    void setSubject(const RecordRef& subject) override;

    CRangeSpinBox* characterNumber() const { return number_; }
    int currentCharacter() const;
    GameNameEdit* nameField() const { return name_; }
    // The box of a number by its property id (characterprops).
    QSpinBox* numberBox(int id) const;
    GameNameList* equipment() const { return equipment_; }
    GameNameList* commands() const { return commands_; }
    QTreeWidget* progression() const { return progression_; }
    CReferencesList* references() const { return references_; }

private:
    void showCharacter(int character);
    void showProgression();
    QSpinBox* addNumber(int id);

    CPropertyBinder* binder_;
    RecordCopyActions* recordActions_;
    CReferencesList* references_;
    CRangeSpinBox* number_;
    GameNameEdit* name_;
    GameNameList* equipment_;
    GameNameList* commands_;
    QTreeWidget* progression_;
};

}  // namespace tessel
