#pragma once

#include "document/cff3doc.h"
#include "document/propertytable.h"
#include "records/views/crecordlist.h"
#include "uikit/ceditorview.h"

class CPropertyTree;
class GameNameList;
class QLineEdit;

// What the item, magic and esper editors share: the table's names in a
// list under a filter box, and beside it the selected record's properties.
// Edits become commands on the document; the list and the properties are
// shown again from the document whenever it changes.
class CRecordEditView : public CEditorView {
    Q_OBJECT

public:
    CRecordEditView(CFF3Doc& doc, PropertyTable::Kind kind, int records, QWidget* parent);

    CRecordList* recordList() const { return list_; }
    GameNameList* nameList() const { return list_->nameList(); }
    QLineEdit* filterBox() const { return list_->filterBox(); }
    CPropertyTree* propertyTree() const { return tree_; }

    // The record whose properties are shown (-1 for none).
    int currentRecord() const { return list_->currentRecord(); }
    // Shows a record, clearing the filter when it hides the record.
    void selectRecord(int index) { list_->selectRecord(index); }

private:
    void showProperties();
    void refresh(CFF3Doc::Area area);
    void commitValue(int id, quint32 value);
    void commitName(int id, const QByteArray& bytes);

    PropertyTable::Kind kind_;
    CRecordList* list_;
    CPropertyTree* tree_;
};
