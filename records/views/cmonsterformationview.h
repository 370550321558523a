#pragma once

#include "records/formationpreview.h"
#include "uikit/ceditorview.h"

#include <array>

class QAbstractButton;
class QCheckBox;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace tessel {

class CFormationPreviewBox;
class CPropertyBinder;
class RecordCopyActions;
class CReferencesList;
class CRangeSpinBox;
class GameNameList;

// One formation at a time, chosen by its number: its six monster slots,
// how the battle begins and ends, its size template and the battle
// preview, in which the selected slot's monster can be dragged.
class CMonsterFormationView : public CEditorView {
    Q_OBJECT

public:
    static constexpr int kSlots = FormationPreview::kSlots;

    explicit CMonsterFormationView(CFF3Doc& doc, QWidget* parent = nullptr);
    // Copy, paste and revert of records.
    QList<QAction*> editActions() override;
    RecordKind subjectKind() const override { return RecordKind::Formation; }
    void setSubject(const RecordRef& subject) override;

    CRangeSpinBox* formationNumber() const { return number_; }
    int currentFormation() const;
    // Slot k is 0-5 ("Enemy 1" to "Enemy 6").
    QCheckBox* slotCheck(int k) const { return slots_[std::size_t(k)].present; }
    GameNameList* slotMonster(int k) const { return slots_[std::size_t(k)].monster; }
    QSpinBox* slotX(int k) const { return slots_[std::size_t(k)].x; }
    QSpinBox* slotY(int k) const { return slots_[std::size_t(k)].y; }
    QPushButton* slotButton(int k) const { return slots_[std::size_t(k)].select; }
    CRangeSpinBox* templateBox() const { return template_; }
    QListWidget* templateList() const { return templateLines_; }
    CFormationPreviewBox* preview() const { return preview_; }
    CPropertyBinder* binder() const { return binder_; }
    CReferencesList* references() const { return references_; }

    // The slot the select buttons choose (-1 for none).
    int selectedSlot() const;
    void selectSlot(int k);

    // Writes the preview as shown as a PNG; a failure is reported.
    bool exportPicture(const QString& path);

private:
    struct SlotControls {
        QCheckBox* present = nullptr;
        GameNameList* monster = nullptr;
        QSpinBox* x = nullptr;
        QSpinBox* y = nullptr;
        QPushButton* select = nullptr;
    };

    QWidget* makeSlots();
    QWidget* makeBattleControls();
    void showFormation(int formation);
    void refresh();
    void moveSlot(int k, QPoint position);
    void exportPictureAsked();
    QImage composePreview() const;

    CPropertyBinder* binder_;
    RecordCopyActions* recordActions_;
    CReferencesList* references_;
    CRangeSpinBox* number_;
    std::array<SlotControls, kSlots> slots_;
    CRangeSpinBox* template_;
    QListWidget* templateLines_;
    CFormationPreviewBox* preview_;
    QPushButton* export_;
    int dragKey_ = 0;
};

}  // namespace tessel
