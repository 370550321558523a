#include "records/views/recordtabledelegate.h"

#include "records/views/recordtablemodel.h"

#include <QComboBox>
#include <QSpinBox>

namespace tessel {

QWidget* RecordTableDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    switch (index.data(RecordTableModel::kEditorRole).toInt()) {
    case RecordTableModel::NumberEditor: {
        auto* spin = new QSpinBox(parent);
        spin->setFrame(false);
        spin->setRange(0, int(index.data(RecordTableModel::kMaximumRole).toUInt()));
        return spin;
    }
    case RecordTableModel::ChoiceEditor: {
        auto* combo = new QComboBox(parent);
        combo->setFrame(false);
        const QVariantList texts = index.data(RecordTableModel::kChoicesRole).toList();
        const QVariantList values = index.data(RecordTableModel::kChoiceValuesRole).toList();
        for (qsizetype i = 0; i < texts.size() && i < values.size(); ++i)
            combo->addItem(texts[i].toString(), values[i]);
        return combo;
    }
    default:
        return nullptr;
    }
}

void RecordTableDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const uint value = index.data(Qt::EditRole).toUInt();
    if (auto* spin = qobject_cast<QSpinBox*>(editor))
        spin->setValue(int(value));
    else if (auto* combo = qobject_cast<QComboBox*>(editor))
        combo->setCurrentIndex(combo->findData(value));
}

void RecordTableDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* spin = qobject_cast<QSpinBox*>(editor)) {
        spin->interpretText();
        model->setData(index, uint(spin->value()), Qt::EditRole);
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->currentIndex() >= 0)
            model->setData(index, combo->currentData().toUInt(), Qt::EditRole);
    }
}

}  // namespace tessel
