#pragma once

#include "uikit/ceditorview.h"

namespace tessel {

class CPropertyTree;
class CRangeSpinBox;
class RecordCopyActions;
class CReferencesList;

// One shop at a time, chosen by its number: title, price rule and the
// eight items for sale.
class CShopEditView : public CEditorView {
    Q_OBJECT

public:
    explicit CShopEditView(CFF3Doc& doc, QWidget* parent = nullptr);

    RecordKind subjectKind() const override { return RecordKind::Shop; }
    void setSubject(const RecordRef& subject) override;

    CRangeSpinBox* shopNumber() const { return number_; }
    CPropertyTree* propertyTree() const { return tree_; }
    CReferencesList* references() const { return references_; }
    int currentShop() const { return current_; }
    RecordCopyActions* recordActions() const { return recordActions_; }
    // Copy, paste and revert of shops.
    QList<QAction*> editActions() override;

private:
    void showShop(int shop);
    void showProperties();
    void commitValue(int id, quint32 value);

    CRangeSpinBox* number_;
    CPropertyTree* tree_;
    RecordCopyActions* recordActions_ = nullptr;
    CReferencesList* references_;
    int current_ = 0;
};

}  // namespace tessel
