#pragma once

#include "document/propertytable.h"

#include <QWidget>

class QLineEdit;

namespace tessel {

class GameNameList;

// The names of a table's records in a list under a filter box, as the
// item, magic, esper and monster editors show them. Typing in the box
// keeps the names that contain the text; Escape clears it. The list
// follows the document's names as they change.
class CRecordList : public QWidget {
    Q_OBJECT

public:
    // Lists records 0 to records - 1 of the table.
    CRecordList(CFF3Doc& doc, RecordKind kind, int records, QWidget* parent);

    GameNameList* nameList() const { return names_; }
    QLineEdit* filterBox() const { return filter_; }

    // The record selected (-1 for none).
    int currentRecord() const { return current_; }
    // Selects a record, clearing the filter when it hides the record.
    void selectRecord(int index);

signals:
    // Another record was selected, by the user, by selectRecord() or
    // because the filter hid the one selected.
    void recordSelected(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillList();
    void choose(int index);
    QByteArray nameOf(int index) const;

    CFF3Doc& doc_;
    RecordKind kind_;
    int records_;
    QLineEdit* filter_;
    GameNameList* names_;
    int current_ = -1;
};

}  // namespace tessel
