#pragma once

#include "uikit/ceditorview.h"

namespace tessel {

class CMonsterEditSheet;
class CPropertyBinder;
class RecordCopyActions;
class CReferencesList;
class CRecordList;

// The 384 monsters: their names in a list under a filter box, beside the
// sheet with the selected monster's statistics, abilities and picture.
// Every edit is a command on the document's stack.
class CMonsterEditView : public CEditorView {
    Q_OBJECT

public:
    explicit CMonsterEditView(CFF3Doc& doc, QWidget* parent = nullptr);

    // Copy, paste and revert of records.
    QList<QAction*> editActions() override;
    RecordKind subjectKind() const override { return RecordKind::Monster; }
    void setSubject(const RecordRef& subject) override;

    CRecordList* recordList() const { return list_; }
    CMonsterEditSheet* sheet() const { return sheet_; }
    CPropertyBinder* binder() const { return binder_; }
    CReferencesList* references() const { return references_; }
    int currentMonster() const;
    void selectMonster(int monster);

    // Writes the shown monster's picture as a PNG; a failure is reported.
    bool exportPicture(const QString& path);

private:
    void exportPictureAsked();

    CRecordList* list_;
    CPropertyBinder* binder_;
    RecordCopyActions* recordActions_;
    CMonsterEditSheet* sheet_;
    CReferencesList* references_;
};

}  // namespace tessel
