#pragma once

#include "uikit/ceditorview.h"

#include <vector>

class QTabWidget;

namespace tessel {

class CRecordTableView;

// The "Tables" tab of a record editor's frame: a table of each record kind
// the frame edits, one per inner tab. It shows no subject of its own, so
// "open the editor at this record" goes to the editors; a new frame's
// subject selects the record's row.
class CRecordTablesView : public CEditorView {
    Q_OBJECT

public:
    CRecordTablesView(CFF3Doc& doc, const std::vector<RecordKind>& kinds, QWidget* parent);

    bool queryShows(const RecordRef&) const override { return false; }
    void setSubject(const RecordRef& subject) override;

    // The table of a kind (null when the view has none).
    CRecordTableView* table(RecordKind kind) const;
    std::vector<CRecordTableView*> tables() const { return tables_; }
    QTabWidget* tabs() const { return tabs_; }

signals:
    // A table's row was selected: editors that show the record follow.
    void recordSelected(const RecordRef& record);
    // The columns of a kind's table were chosen (empty: the main ones).
    void columnsChosen(RecordKind kind, const QStringList& paths);

private:
    QTabWidget* tabs_;
    std::vector<CRecordTableView*> tables_;
};

// The tables of the item, monster and character frames.
class CItemTablesView : public CRecordTablesView {
    Q_OBJECT
public:
    CItemTablesView(CFF3Doc& doc, QWidget* parent);
};

class CMonsterTablesView : public CRecordTablesView {
    Q_OBJECT
public:
    CMonsterTablesView(CFF3Doc& doc, QWidget* parent);
};

class CCharacterTablesView : public CRecordTablesView {
    Q_OBJECT
public:
    CCharacterTablesView(CFF3Doc& doc, QWidget* parent);
};

}  // namespace tessel
