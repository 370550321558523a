#include "records/views/crecordeditview.h"

#include "uikit/cpropertytree.h"

#include <QHBoxLayout>

CRecordEditView::CRecordEditView(CFF3Doc& doc, PropertyTable::Kind kind, int records, QWidget* parent)
    : CEditorView(doc, parent), kind_(kind)
{
    list_ = new CRecordList(doc, kind, records, this);
    tree_ = new CPropertyTree(this);
    tree_->setObjectName(QStringLiteral("properties"));
    tree_->setDocument(&doc);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(tree_, 1);

    connect(list_, &CRecordList::recordSelected, this, &CRecordEditView::showProperties);
    connect(tree_, &CPropertyTree::valueCommitted, this, &CRecordEditView::commitValue);
    connect(tree_, &CPropertyTree::nameCommitted, this, &CRecordEditView::commitName);
    connect(&doc, &CFF3Doc::dataChanged, this, [this](CFF3Doc::Area area, int) { refresh(area); });

    selectRecord(0);
    showProperties();
}

void CRecordEditView::showProperties()
{
    if (currentRecord() >= 0)
        tree_->setProperties(PropertyTable(document(), kind_).properties(currentRecord()));
}

void CRecordEditView::refresh(CFF3Doc::Area area)
{
    // Names from other tables appear in the lists too (characters, spells, items).
    if (area == CFF3Doc::Area::Dialogue || area == CFF3Doc::Area::WorldMap)
        return;
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
