#pragma once

#include "document/recordtablesource.h"
#include "records/recordfilter.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

namespace tessel {

struct DocumentChange;

// A record table as rows (records) and columns: the record's number, then
// the chosen fields. Cells show what the record editor shows (choices and
// names by their text, flags as check boxes) and sort by number where the
// field is a number. An edit becomes the command the record editor pushes;
// the rows follow the document's change notices.
class RecordTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // What sorting compares: numbers as numbers, else the text.
    static constexpr int kSortRole = Qt::UserRole + 1;
    // How a cell is edited: 0 not here, 1 a number up to kMaximumRole,
    // 2 one of kChoicesRole (texts) with kChoiceValuesRole (values).
    static constexpr int kEditorRole = Qt::UserRole + 2;
    static constexpr int kMaximumRole = Qt::UserRole + 3;
    static constexpr int kChoicesRole = Qt::UserRole + 4;
    static constexpr int kChoiceValuesRole = Qt::UserRole + 5;
    enum Editor { NoEditor, NumberEditor, ChoiceEditor };

    RecordTableModel(CFF3Doc& doc, RecordKind kind, QObject* parent = nullptr);

    const RecordTableSource& source() const { return source_; }
    RecordKind kind() const { return source_.kind(); }

    // The fields shown, by "Group/Field"; the first column, the record's
    // number, is always there.
    QStringList columnPaths() const;
    // Shows these fields; names no field of the table has are skipped.
    void setColumnPaths(const QStringList& paths);
    bool showsField(const QString& path) const;
    // The field a column shows (-1 for the record's number).
    int fieldOf(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    void documentChanged(const DocumentChange& change);
    QVariant choices(const Property& p, bool values) const;

    CFF3Doc& doc_;
    RecordTableSource source_;
    QStringList paths_;
    std::vector<int> columns_;
};

// Sorts a RecordTableModel and keeps the records its filter passes.
class RecordTableProxy : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit RecordTableProxy(RecordTableModel* model, QObject* parent = nullptr);

    void setFilter(const RecordFilter& filter);
    // The record a row of the proxy shows (-1 for none).
    int recordAt(int row) const;
    // The proxy row of a record (-1 when the filter hides it).
    int rowOf(int record) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    RecordTableModel* model_;
    RecordFilter filter_;
};

}  // namespace tessel
