#pragma once

#include "document/cff3doc.h"
#include "document/propertytable.h"
#include "records/recordaddresses.h"
#include "records/views/crecordlist.h"
#include "uikit/ceditorview.h"

class QLineEdit;

namespace tessel {

class CPropertyTree;
class CReferencesList;
class GameNameList;
class RecordCopyActions;

// What the item, magic and esper editors share: the table's names in a
// list under a filter box, and beside it the selected record's properties.
// Edits become commands on the document; the list and the properties are
// shown again from the document whenever it changes.
class CRecordEditView : public CEditorView {
    Q_OBJECT

public:
    CRecordEditView(CFF3Doc& doc, RecordKind kind, int records, QWidget* parent);

    RecordKind subjectKind() const override { return kind_; }
    // Selects the record a subject of the view's kind names.
    void setSubject(const RecordRef& subject) override;

    CRecordList* recordList() const { return list_; }
    GameNameList* nameList() const { return list_->nameList(); }
    QLineEdit* filterBox() const { return list_->filterBox(); }
    CPropertyTree* propertyTree() const { return tree_; }
    RecordCopyActions* recordActions() const { return recordActions_; }
    // Copy, paste and revert of records.
    QList<QAction*> editActions() override;
    CReferencesList* references() const { return references_; }

    // The record whose properties are shown (-1 for none).
    int currentRecord() const { return list_->currentRecord(); }
    // Shows a record, clearing the filter when it hides the record.
    void selectRecord(int index) { list_->selectRecord(index); }

private:
    void showProperties();
    void refresh(const DocumentChange& change);
    void commitValue(int id, quint32 value);
    void commitName(int id, const QByteArray& bytes);

    RecordKind kind_;
    CRecordList* list_;
    CPropertyTree* tree_;
    RecordCopyActions* recordActions_;
    CReferencesList* references_;
};

}  // namespace tessel
