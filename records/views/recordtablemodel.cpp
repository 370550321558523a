#include "records/views/recordtablemodel.h"

#include "document/cff3doc.h"
#include "document/documentchange.h"
#include "uikit/namechanges.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>

namespace tessel {

namespace {

constexpr quint32 kStoredNone = 0xFF;

}  // namespace

RecordTableModel::RecordTableModel(CFF3Doc& doc, RecordKind kind, QObject* parent)
    : QAbstractTableModel(parent), doc_(doc), source_(doc, kind)
{
    QStringList paths;
    for (int field : source_.defaultColumns())
        paths.append(source_.fields()[std::size_t(field)].path());
    setColumnPaths(paths);
    connect(&doc_, &CFF3Doc::changed, this, &RecordTableModel::documentChanged);
}

QStringList RecordTableModel::columnPaths() const
{
    return paths_;
}

void RecordTableModel::setColumnPaths(const QStringList& paths)
{
    beginResetModel();
    paths_.clear();
    columns_.clear();
    for (const QString& path : paths) {
        const int field = source_.fieldAt(path);
        if (field >= 0 && !paths_.contains(path)) {
            paths_.append(path);
            columns_.push_back(field);
        }
    }
    endResetModel();
}

bool RecordTableModel::showsField(const QString& path) const
{
    return paths_.contains(path);
}

int RecordTableModel::fieldOf(int column) const
{
    return column >= 1 && column <= int(columns_.size()) ? columns_[std::size_t(column - 1)] : -1;
}

int RecordTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : source_.count();
}

int RecordTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size()) + 1;
}

QVariant RecordTableModel::choices(const Property& p, bool values) const
{
    QVariantList list;
    if (p.kind == PropertyKind::Choice && p.choices) {
        for (const ChoiceTable::Row& row : p.choices->rows())
            list.append(values ? QVariant(row.value) : QVariant(shownRecordText(row.text)));
    } else if (p.kind == PropertyKind::NameChoice && p.names) {
        // With "None" offered, 0xFF is it and no name.
        const int room = p.noneAllowed ? int(kStoredNone) : int(p.field.maximum()) + 1;
        const int count = std::min(p.names->count(), room);
        for (int i = 0; i < count; ++i)
            list.append(values ? QVariant(i) : QVariant(QStringLiteral("%1 - %2").arg(i).arg(p.names->text(i))));
        if (p.noneAllowed)
            list.append(values ? QVariant(kStoredNone) : QVariant(tr("None")));
    }
    return list;
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int record = index.row();
    if (index.column() == 0) {
        if (role == Qt::DisplayRole || role == kSortRole)
            return record;
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    const Property* p = source_.property(record, fieldOf(index.column()));
    if (!p)
        return {};
    const TableCell cell = tableCellOf(p);
    const bool flag = p->kind == PropertyKind::Flag;
    switch (role) {
    case Qt::DisplayRole:
        return flag ? QVariant() : QVariant(cell.text);
    case Qt::CheckStateRole:
        return flag ? QVariant(p->value ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Qt::EditRole:
        return p->value;
    case kSortRole:
        return cell.number ? QVariant(*cell.number) : QVariant(cell.text);
    case Qt::TextAlignmentRole:
        return cell.number ? int(Qt::AlignRight | Qt::AlignVCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
    case kEditorRole:
        if (p->readOnly || flag || p->kind == PropertyKind::GameText)
            return NoEditor;
        return p->kind == PropertyKind::Number ? NumberEditor : ChoiceEditor;
    case kMaximumRole:
        return p->field.maximum();
    case kChoicesRole:
        return choices(*p, false);
    case kChoiceValuesRole:
        return choices(*p, true);
    default:
        return {};
    }
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return role == Qt::DisplayRole ? QVariant(tr("No.")) : QVariant();
    const int field = fieldOf(section);
    if (field < 0)
        return {};
    const TableField& f = source_.fields()[std::size_t(field)];
    if (role == Qt::DisplayRole)
        return f.header.isEmpty() ? shownRecordText(f.key) : f.header;
    if (role == Qt::ToolTipRole)
        return shownRecordText(f.group) + QLatin1Char('/') + shownRecordText(f.key);
    return {};
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const Property* p = index.isValid() ? source_.property(index.row(), fieldOf(index.column())) : nullptr;
    if (!p || p->readOnly || p->kind == PropertyKind::GameText)
        return flags;
    return flags | (p->kind == PropertyKind::Flag ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool RecordTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || (role != Qt::EditRole && role != Qt::CheckStateRole))
        return false;
    const quint32 stored = role == Qt::CheckStateRole ? (value.toInt() == Qt::Checked ? 1 : 0) : value.toUInt();
    QUndoCommand* edit = source_.makeEdit(index.row(), fieldOf(index.column()), stored);
    if (!edit)
        return false;
    // The change notice brings the new value into the row.
    doc_.undoStack()->push(edit);
    return true;
}

void RecordTableModel::documentChanged(const DocumentChange& change)
{
    if (change.touches(kind()) && !change.ref.isWhole()) {
        const int row = change.ref.index;
        const int fields = int(source_.fields().size());
        source_.reload(row);
        // A new item type can bring fields no record had.
        if (int(source_.fields().size()) != fields)
            setColumnPaths(paths_);
        else
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        return;
    }
    if (!change.touches(kind()) && !mayChangeGameNames(change))
        return;
    // Names of another table show in the cells, or every record changed.
    const std::vector<int> columns = columns_;
    source_.reloadAll();
    columns_.clear();
    for (const QString& path : paths_)
        columns_.push_back(source_.fieldAt(path));
    if (columns_ != columns || std::count(columns_.begin(), columns_.end(), -1) > 0) {
        setColumnPaths(paths_);
        return;
    }
    // The same columns: the rows keep their selection.
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

RecordTableProxy::RecordTableProxy(RecordTableModel* model, QObject* parent)
    : QSortFilterProxyModel(parent), model_(model)
{
    setSourceModel(model);
    setSortRole(RecordTableModel::kSortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setDynamicSortFilter(true);
}

void RecordTableProxy::setFilter(const RecordFilter& filter)
{
    filter_ = filter;
    invalidateFilter();
}

int RecordTableProxy::recordAt(int row) const
{
    const QModelIndex source = mapToSource(index(row, 0));
    return source.isValid() ? source.row() : -1;
}

int RecordTableProxy::rowOf(int record) const
{
    const QModelIndex proxy = mapFromSource(model_->index(record, 0));
    return proxy.isValid() ? proxy.row() : -1;
}

bool RecordTableProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    return filter_.isEmpty() || filter_.matches(model_->source().record(sourceRow));
}

}  // namespace tessel
