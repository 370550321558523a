#pragma once

#include <QStyledItemDelegate>

namespace tessel {

// The in-place editors of a record table's cells: a spin box within the
// field's range for numbers, a drop-down list for choices and names. The
// model turns the value into the record editor's command.
class RecordTableDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

}  // namespace tessel
