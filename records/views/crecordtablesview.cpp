#include "records/views/crecordtablesview.h"

#include "records/views/crecordtableview.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace tessel {

namespace {

QString tabTitle(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Item: return CRecordTablesView::tr("Items");
    case RecordKind::Shop: return CRecordTablesView::tr("Shops");
    case RecordKind::Spell: return CRecordTablesView::tr("Spells");
    case RecordKind::Esper: return CRecordTablesView::tr("Espers");
    case RecordKind::Monster: return CRecordTablesView::tr("Monsters");
    case RecordKind::Formation: return CRecordTablesView::tr("Formations");
    case RecordKind::Character: return CRecordTablesView::tr("Characters");
    default: return {};
    }
}

}  // namespace

CRecordTablesView::CRecordTablesView(CFF3Doc& doc, const std::vector<RecordKind>& kinds, QWidget* parent)
    : CEditorView(doc, parent)
{
    tabs_ = new QTabWidget(this);
    tabs_->setDocumentMode(true);
    for (RecordKind kind : kinds) {
        auto* table = new CRecordTableView(doc, kind, tabs_);
        table->setObjectName(recordKindName(kind) + QStringLiteral("Table"));
        tabs_->addTab(table, tabTitle(kind));
        tables_.push_back(table);
        connect(table, &CRecordTableView::recordSelected, this, &CRecordTablesView::recordSelected);
        connect(table, &CRecordTableView::recordActivated, this, &CRecordTablesView::subjectRequested);
        connect(table, &CRecordTableView::columnsChosen, this,
                [this, kind](const QStringList& paths) { emit columnsChosen(kind, paths); });
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
}

CRecordTableView* CRecordTablesView::table(RecordKind kind) const
{
    for (CRecordTableView* table : tables_)
        if (table->kind() == kind)
            return table;
    return nullptr;
}

void CRecordTablesView::setSubject(const RecordRef& subject)
{
    if (CRecordTableView* t = table(subject.kind); t && !subject.isWhole()) {
        tabs_->setCurrentWidget(t);
        t->selectRecord(subject.index);
    }
}

CItemTablesView::CItemTablesView(CFF3Doc& doc, QWidget* parent)
    : CRecordTablesView(doc, {RecordKind::Item, RecordKind::Shop, RecordKind::Spell, RecordKind::Esper}, parent)
{
}

CMonsterTablesView::CMonsterTablesView(CFF3Doc& doc, QWidget* parent)
    : CRecordTablesView(doc, {RecordKind::Monster, RecordKind::Formation}, parent)
{
}

CCharacterTablesView::CCharacterTablesView(CFF3Doc& doc, QWidget* parent)
    : CRecordTablesView(doc, {RecordKind::Character}, parent)
{
}

}  // namespace tessel
