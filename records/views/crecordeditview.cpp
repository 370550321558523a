#include "records/views/crecordeditview.h"

#include "document/recordcopy.h"
#include "records/views/recordcopyactions.h"
#include "uikit/cpropertytree.h"
#include "uikit/creferenceslist.h"
#include "uikit/namechanges.h"

#include <QHBoxLayout>
#include <QSplitter>

namespace tessel {

CRecordEditView::CRecordEditView(CFF3Doc& doc, RecordKind kind, int records, QWidget* parent)
    : CEditorView(doc, parent), kind_(kind)
{
    list_ = new CRecordList(doc, kind, records, this);
    tree_ = new CPropertyTree(this);
    tree_->setObjectName(QStringLiteral("properties"));
    tree_->setDocument(&doc);

    references_ = new CReferencesList(doc, this);
    auto* right = new QSplitter(Qt::Vertical, this);
    right->addWidget(tree_);
    right->addWidget(references_);
    right->setStretchFactor(0, 3);
    right->setStretchFactor(1, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(right, 1);

    connect(list_, &CRecordList::recordSelected, this, &CRecordEditView::showProperties);
    connect(tree_, &CPropertyTree::valueCommitted, this, &CRecordEditView::commitValue);
    connect(tree_, &CPropertyTree::nameCommitted, this, &CRecordEditView::commitName);
    connect(&doc, &CFF3Doc::changed, this, &CRecordEditView::refresh);
    // A save makes the values shown the file's: no field is changed then.
    connect(&doc, &CFF3Doc::documentSaved, this, &CRecordEditView::showProperties);

    recordActions_ = new RecordCopyActions(*this, kind, [this] {
        return RecordCopyActions::Place{currentRecord(), tree_->currentGroupId(), tree_->currentPropertyId()};
    });
    connect(tree_, &QTreeWidget::currentItemChanged, recordActions_, &RecordCopyActions::updateActions);
    connect(list_, &CRecordList::recordSelected, recordActions_, &RecordCopyActions::updateActions);
    connect(references_, &CReferencesList::subjectRequested, this, &CRecordEditView::subjectRequested);

    selectRecord(0);
    showProperties();
}

void CRecordEditView::showProperties()
{
    references_->setSubject(RecordRef(kind_, currentRecord()));
    if (currentRecord() < 0)
        return;
    const PropertyTable table(document(), kind_);
    tree_->setProperties(table.properties(currentRecord()));
    tree_->setChangedProperties(fieldsChangedSinceFile(table, currentRecord()));
}

QList<QAction*> CRecordEditView::editActions()
{
    return recordActions_->actions();
}

void CRecordEditView::setSubject(const RecordRef& subject)
{
    if (subject.kind == kind_ && !subject.isWhole())
        selectRecord(subject.index);
}

void CRecordEditView::refresh(const DocumentChange& change)
{
    // The record shown, or names from other tables that its list shows
    // (characters, spells, items).
    if (change.touches(RecordRef(kind_, currentRecord())) || mayChangeGameNames(change))
        showProperties();
}

void CRecordEditView::commitValue(int id, quint32 value)
{
    const PropertyTable table(document(), kind_);
    const PropertyList list = table.properties(currentRecord());
    if (const Property* p = list.find(id))
        document().undoStack()->push(table.makeEdit(currentRecord(), *p, value));
}

void CRecordEditView::commitName(int id, const QByteArray& bytes)
{
    const PropertyTable table(document(), kind_);
    const PropertyList list = table.properties(currentRecord());
    if (const Property* p = list.find(id))
        document().undoStack()->push(table.makeTextEdit(currentRecord(), *p, bytes));
}

}  // namespace tessel
