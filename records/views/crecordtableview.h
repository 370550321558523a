#pragma once

#include "rom/recordref.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTableView;

namespace tessel {

class CFF3Doc;
class RecordTableModel;
class RecordTableProxy;

// One record table as a sortable table under a filter box. The filter takes
// words and "field op value" terms; a bad term is named under the box and
// the rows stay as the last good filter left them. The header's context
// menu chooses the columns. Cells are edited in place through the record
// editor's commands.
class CRecordTableView : public QWidget {
    Q_OBJECT

public:
    CRecordTableView(CFF3Doc& doc, RecordKind kind, QWidget* parent = nullptr);

    RecordKind kind() const;
    RecordTableModel* model() const { return model_; }
    RecordTableProxy* proxy() const { return proxy_; }
    QTableView* table() const { return table_; }
    QLineEdit* filterBox() const { return filter_; }
    // Why the filter text is not understood; empty when it is.
    QString filterMessage() const;

    QStringList columnPaths() const;
    // Shows these fields ("Group/Field"); an empty list shows the main ones.
    void setColumnPaths(const QStringList& paths);
    // Selects the record's row without telling anyone (it may be hidden).
    void selectRecord(int index);

signals:
    // The user selected a record's row.
    void recordSelected(const RecordRef& record);
    // The user double-clicked a record's number: open it in its editor.
    void recordActivated(const RecordRef& record);
    // The user chose other columns.
    void columnsChosen(const QStringList& paths);

private:
    void applyFilter(const QString& text);
    void showColumnMenu(const QPoint& at);
    void toggleColumn(const QString& path, bool shown);
    void updateCount();

    RecordTableModel* model_;
    RecordTableProxy* proxy_;
    QLineEdit* filter_;
    QLabel* count_;
    QLabel* message_;
    QTableView* table_;
    bool quiet_ = false;
};

}  // namespace tessel
