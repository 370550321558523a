#pragma once

#include "document/cff3doc.h"
#include "document/propertytable.h"
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

    GameNameList* nameList() const { return names_; }
    QLineEdit* filterBox() const { return filter_; }
    CPropertyTree* propertyTree() const { return tree_; }

    // The record whose properties are shown (-1 for none).
    int currentRecord() const { return current_; }
    // Shows a record, clearing the filter when it hides the record.
    void selectRecord(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillList();
    void showRecord(int index);
    void showProperties();
    void refresh(CFF3Doc::Area area);
    void commitValue(int id, quint32 value);
    void commitName(int id, const QByteArray& bytes);
    QByteArray nameOf(int index) const;

    PropertyTable::Kind kind_;
    int records_;
    GameNameList* names_;
    QLineEdit* filter_;
    CPropertyTree* tree_;
    int current_ = -1;
};
