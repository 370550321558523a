#pragma once

#include <QStyledItemDelegate>

namespace tessel {

class CPropertyTree;

// The value column of a CPropertyTree: draws names with the game's menu
// font and gives each kind of property its in-place editor. Editors start
// from the property's value and report to the tree on commit; the tree's
// model is never written.
class PropertyValueDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit PropertyValueDelegate(CPropertyTree* tree);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int idOf(const QModelIndex& index) const;

    CPropertyTree* tree_;
};

}  // namespace tessel
