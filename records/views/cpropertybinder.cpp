#include "records/views/cpropertybinder.h"

#include "document/recordcopy.h"
#include "document/setbytescommand.h"
#include "uikit/gamenameedit.h"
#include "uikit/gamenamelist.h"
#include "uikit/namechanges.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QListWidget>
#include <QSpinBox>
#include <QTreeWidget>

#include <algorithm>

namespace tessel {

namespace {

Qt::CheckState checkState(quint32 value)
{
    return value ? Qt::Checked : Qt::Unchecked;
}

std::function<void(bool)> boldWidget(QWidget* widget)
{
    return [widget](bool bold) {
        QFont font = widget->font();
        if (font.bold() == bold)
            return;
        font.setBold(bold);
        widget->setFont(font);
    };
}

}  // namespace

CPropertyBinder::CPropertyBinder(CFF3Doc& doc, RecordKind kind, QObject* parent)
    : QObject(parent), doc_(doc), kind_(kind)
{
    connect(&doc, &CFF3Doc::changed, this, [this](const DocumentChange& change) {
        // The record shown, or names of other tables shown with it (items, monsters, commands).
        if (record_ >= 0 && (change.touches(RecordRef(kind_, record_)) || mayChangeGameNames(change)))
            show();
    });
    // A save makes the values shown the file's.
    connect(&doc, &CFF3Doc::documentSaved, this, [this] { show(); });
}

void CPropertyBinder::setRecord(int index)
{
    record_ = index;
    show();
}

quint32 CPropertyBinder::value(int id) const
{
    const Property* p = list_.find(id);
    return p ? p->value : 0;
}

void CPropertyBinder::show()
{
    const PropertyTable table(doc_, kind_);
    list_ = record_ >= 0 ? table.properties(record_) : PropertyList();
    changed_ = record_ >= 0 ? fieldsChangedSinceFile(table, record_) : QSet<int>();
    showing_ = true;
    for (const Binding& b : bindings_) {
        if (const Property* p = list_.find(b.id))
            b.show(*p);
        if (b.mark)
            b.mark(changed_.contains(b.id));
    }
    showing_ = false;
    emit shown();
}

int CPropertyBinder::propertyAt(const QWidget* widget) const
{
    for (; widget; widget = widget->parentWidget())
        for (const Binding& b : bindings_)
            if (b.widget == widget)
                return b.id;
    return -1;
}

int CPropertyBinder::groupOf(int id) const
{
    for (const PropertyGroup& group : list_.groups)
        for (const Property& p : group.properties)
            if (p.id == id)
                return group.id;
    return -1;
}

void CPropertyBinder::add(int id, std::function<void(const Property&)> show, QWidget* widget,
                          std::function<void(bool)> mark)
{
    bindings_.push_back({id, std::move(show), widget, std::move(mark)});
    if (bindings_.back().mark)
        bindings_.back().mark(changed_.contains(id));
    if (const Property* p = list_.find(id)) {
        showing_ = true;
        bindings_.back().show(*p);
        showing_ = false;
    }
}

void CPropertyBinder::commit(int id, quint32 value)
{
    commitEdit(id, value, SetBytesCommand::kNoMerge);
}

void CPropertyBinder::commitEdit(int id, quint32 value, int mergeKey)
{
    if (showing_ || record_ < 0)
        return;
    const PropertyTable table(doc_, kind_);
    const PropertyList list = table.properties(record_);
    if (const Property* p = list.find(id))
        doc_.undoStack()->push(table.makeEdit(record_, *p, value, mergeKey));
}

void CPropertyBinder::commitText(int id, const QByteArray& text)
{
    if (showing_ || record_ < 0)
        return;
    const PropertyTable table(doc_, kind_);
    const PropertyList list = table.properties(record_);
    if (const Property* p = list.find(id))
        doc_.undoStack()->push(table.makeTextEdit(record_, *p, text, id));
}

void CPropertyBinder::bindNumber(int id, QSpinBox* box)
{
    // Typing a number is one step.
    connect(box, &QSpinBox::valueChanged, this, [this, id](int value) { commitEdit(id, quint32(value), id); });
    add(id, [box](const Property& p) {
        // A stored value past the field's range is shown as it is, marked,
        // and never clamped: only the user's own edit replaces it.
        const quint32 maximum = p.field.maximum();
        const bool beyond = p.value > maximum;
        box->setRange(0, int(std::max(maximum, p.value)));
        box->setValue(int(p.value));
        box->setSuffix(beyond ? tr(" (!)") : QString());
        box->setToolTip(beyond ? tr("The stored value %1 is beyond the range 0 to %2 this field offers. It is kept "
                                    "until you change it.")
                                     .arg(p.value)
                                     .arg(maximum)
                               : QString());
    }, box, boldWidget(box));
}

void CPropertyBinder::bindFlag(int id, QAbstractButton* box)
{
    box->setCheckable(true);
    connect(box, &QAbstractButton::clicked, this, [this, id](bool checked) { commit(id, checked ? 1 : 0); });
    add(id, [box](const Property& p) { box->setChecked(p.value != 0); }, box, boldWidget(box));
}

void CPropertyBinder::bindChoice(int id, QComboBox* box)
{
    connect(box, &QComboBox::activated, this, [this, id, box](int row) {
        if (row >= 0)
            commit(id, box->itemData(row).toUInt());
    });
    add(id, [box](const Property& p) {
        if (box->count() == 0 && p.choices)
            for (const ChoiceTable::Row& row : p.choices->rows())
                box->addItem(shownRecordText(row.text), row.value);
        // A value without a row shows no text until the user picks one.
        box->setCurrentIndex(box->findData(p.value));
    }, box, boldWidget(box));
}

void CPropertyBinder::bindText(int id, GameNameEdit* field)
{
    connect(field, &GameNameEdit::nameEdited, this, [this, id](const QByteArray& text) { commitText(id, text); });
    add(id, [field](const Property& p) { field->setName(p.text); }, field, boldWidget(field));
}

void CPropertyBinder::bindNameRow(int id, GameNameList* list, int row)
{
    connect(list, &GameNameList::nameChanged, this, [this, id, row](int changed, int value) {
        if (changed == row)
            commit(id, quint32(value));
    });
    add(id, [list, row](const Property& p) { list->setRowValue(row, int(p.value)); });
}

void CPropertyBinder::bindCheck(int id, QListWidgetItem* item)
{
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    connect(item->listWidget(), &QListWidget::itemChanged, this, [this, id, item](QListWidgetItem* changed) {
        if (changed == item)
            commit(id, item->checkState() == Qt::Checked);
    });
    add(id, [item](const Property& p) { item->setCheckState(checkState(p.value)); }, nullptr,
        [item](bool bold) {
            QFont font = item->font();
            font.setBold(bold);
            item->setFont(font);
        });
}

void CPropertyBinder::bindCheck(int id, QTreeWidgetItem* item, int column)
{
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    connect(item->treeWidget(), &QTreeWidget::itemChanged, this, [this, id, item, column](QTreeWidgetItem* changed, int c) {
        if (changed == item && c == column)
            commit(id, item->checkState(column) == Qt::Checked);
    });
    add(id, [item, column](const Property& p) { item->setCheckState(column, checkState(p.value)); }, nullptr,
        [item, column](bool bold) {
            QFont font = item->font(column);
            font.setBold(bold);
            item->setFont(column, font);
        });
}

}  // namespace tessel
