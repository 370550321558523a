#include "records/views/crecordeditview.h"

#include "records/namefilter.h"
#include "uikit/cpropertytree.h"
#include "uikit/gamenamelist.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

// The list is as wide as the widest name in the menu font, and its scroll bar.
constexpr int kListExtra = 4 + 24;

}  // namespace

CRecordEditView::CRecordEditView(CFF3Doc& doc, PropertyTable::Kind kind, int records, QWidget* parent)
    : CEditorView(doc, parent), kind_(kind), records_(records)
{
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("filter"));
    filter_->setPlaceholderText(QStringLiteral("Filter"));
    filter_->setClearButtonEnabled(true);
    filter_->installEventFilter(this);

    names_ = new GameNameList(this);
    names_->setObjectName(QStringLiteral("names"));
    names_->setDocument(&doc);
    names_->setMode(GameNameList::PlainMode);
    names_->setNames(records_, [this](int index) { return nameOf(index); });
    const PropertyTable table(doc, kind_);
    int widest = 0;
    for (int i = 0; i < records_; ++i)
        widest = std::max(widest, table.nameWidth(i));
    names_->setFixedWidth(8 * widest + kListExtra);

    tree_ = new CPropertyTree(this);
    tree_->setObjectName(QStringLiteral("properties"));
    tree_->setDocument(&doc);

    auto* left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(filter_);
    left->addWidget(names_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(tree_, 1);

    connect(filter_, &QLineEdit::textChanged, this, &CRecordEditView::fillList);
    connect(names_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showRecord(names_->rowValue(row));
    });
    connect(tree_, &CPropertyTree::valueCommitted, this, &CRecordEditView::commitValue);
    connect(tree_, &CPropertyTree::nameCommitted, this, &CRecordEditView::commitName);
    connect(&doc, &CFF3Doc::dataChanged, this, [this](CFF3Doc::Area area, int) { refresh(area); });

    fillList();
    selectRecord(0);
}

QByteArray CRecordEditView::nameOf(int index) const
{
    return PropertyTable(document(), kind_).currentBytes(RecordPart::Name, index);
}

void CRecordEditView::fillList()
{
    const PropertyTable table(document(), kind_);
    std::vector<QByteArray> all;
    for (int i = 0; i < records_; ++i)
        all.push_back(nameOf(i));
    const std::vector<int> shown = filterNames(NameTable(0, std::move(all)), filter_->text());

    const QSignalBlocker quiet(names_);
    names_->clear();
    int currentRow = -1;
    for (int index : shown) {
        const int row = names_->addRow(index, table.nameWidth(index));
        if (index == current_)
            currentRow = row;
    }
    // The record shown stays selected while the filter keeps it; else the first match is shown.
    if (currentRow < 0 && !shown.empty()) {
        currentRow = 0;
        showRecord(shown.front());
    }
    names_->setCurrentRow(currentRow);
}

void CRecordEditView::selectRecord(int index)
{
    if (index < 0 || index >= records_)
        return;
    for (int row = 0; row < names_->count(); ++row) {
        if (names_->rowValue(row) == index) {
            names_->setCurrentRow(row);
            showRecord(index);
            return;
        }
    }
    if (filter_->text().isEmpty())
        return;
    filter_->clear();  // refills the list with every record
    selectRecord(index);
}

void CRecordEditView::showRecord(int index)
{
    current_ = index;
    showProperties();
}

void CRecordEditView::showProperties()
{
    if (current_ >= 0)
        tree_->setProperties(PropertyTable(document(), kind_).properties(current_));
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
    const PropertyList list = table.properties(current_);
    if (const Property* p = list.find(id))
        document().undoStack()->push(table.makeEdit(current_, *p, value));
}

void CRecordEditView::commitName(int, const QByteArray& bytes)
{
    document().undoStack()->push(PropertyTable(document(), kind_).makeNameEdit(current_, bytes));
}

bool CRecordEditView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == filter_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !filter_->text().isEmpty()) {
        filter_->clear();
        return true;
    }
    return CEditorView::eventFilter(watched, event);
}
