#include "records/views/cshopeditview.h"

#include "document/cff3doc.h"
#include "document/propertytable.h"
#include "document/recordcopy.h"
#include "records/recordaddresses.h"
#include "records/views/recordcopyactions.h"
#include "uikit/cpropertytree.h"
#include "uikit/crangespinbox.h"
#include "uikit/creferenceslist.h"
#include "uikit/namechanges.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tessel {

CShopEditView::CShopEditView(CFF3Doc& doc, QWidget* parent) : CEditorView(doc, parent)
{
    number_ = new CRangeSpinBox(this);
    number_->setObjectName(QStringLiteral("shopNumber"));
    number_->setRange(0, records::kShopCount - 1);
    auto* label = new QLabel(tr("Shop Number:"), this);
    label->setBuddy(number_);

    tree_ = new CPropertyTree(this);
    tree_->setObjectName(QStringLiteral("properties"));
    tree_->setDocument(&doc);

    auto* top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(number_);
    top->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tree_, 3);
    references_ = new CReferencesList(doc, this);
    layout->addWidget(references_, 1);
    connect(references_, &CReferencesList::subjectRequested, this, &CShopEditView::subjectRequested);

    connect(number_, &QSpinBox::valueChanged, this, &CShopEditView::showShop);
    connect(number_, &CRangeSpinBox::rangeRefused, this,
            [this](const QString& message) { showMessage(message, QStringLiteral("Tessel"), platform::MessageIcon::Warning); });
    connect(tree_, &CPropertyTree::valueCommitted, this, &CShopEditView::commitValue);
    connect(&doc, &CFF3Doc::changed, this, [this](const DocumentChange& change) {
        // The shop shown, or the item names it lists.
        if (change.touches(RecordRef(RecordKind::Shop, current_)) || mayChangeGameNames(change))
            showProperties();
    });
    connect(&doc, &CFF3Doc::documentSaved, this, &CShopEditView::showProperties);
    recordActions_ = new RecordCopyActions(*this, RecordKind::Shop, [this] {
        return RecordCopyActions::Place{current_, tree_->currentGroupId(), tree_->currentPropertyId()};
    });
    connect(tree_, &QTreeWidget::currentItemChanged, recordActions_, &RecordCopyActions::updateActions);
    showShop(0);
}

QList<QAction*> CShopEditView::editActions()
{
    return recordActions_->actions();
}

void CShopEditView::setSubject(const RecordRef& subject)
{
    if (subject.kind == RecordKind::Shop && !subject.isWhole())
        number_->setValue(subject.index);
}

void CShopEditView::showShop(int shop)
{
    current_ = shop;
    references_->setSubject(RecordRef(RecordKind::Shop, shop));
    showProperties();
    if (recordActions_)
        recordActions_->updateActions();
    // Each shop is shown whole: a group folded for one shop opens again.
    tree_->expandAll();
}

void CShopEditView::showProperties()
{
    const PropertyTable table(document(), RecordKind::Shop);
    tree_->setProperties(table.properties(current_));
    tree_->setChangedProperties(fieldsChangedSinceFile(table, current_));
}

void CShopEditView::commitValue(int id, quint32 value)
{
    const PropertyTable table(document(), RecordKind::Shop);
    const PropertyList list = table.properties(current_);
    if (const Property* p = list.find(id))
        document().undoStack()->push(table.makeEdit(current_, *p, value));
}

}  // namespace tessel
